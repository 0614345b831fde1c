#pragma once

#include "parkedimage.h"
#include "twipsgeometry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <functional>
#include <memory>
#include <vector>

namespace toolkit {

// The classic toolkit's controls: Qt widgets placed in twips, with handlers
// as plain callbacks so a window wires them to its own named handlers.

class CommandButton : public QPushButton, public TwipsGeometry
{
public:
    explicit CommandButton(QWidget* parent = nullptr);
    void setCaption(const QString& caption) { setText(caption); }
    // A picture from a file or a resource path, scaled to fit the button.
    void setPicture(const QString& path);
    void setPicture(const QImage& picture);
    void setToolTipText(const QString& text) { setToolTip(text); }
    void setFontPoints(const QString& name, double points, bool bold = false);
    void setBackColor(int colour);
    int BackColor() const { return backColor_; }
    std::function<void()> onClick;
    // The pointer came over the button: a click may follow.
    std::function<void()> onMouseEnter;

protected:
    void sizeChanged() override;
    void resizeEvent(QResizeEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    int backColor_ = 0xC0C0C0;
};

class ComboBox : public QComboBox, public TwipsGeometry
{
public:
    explicit ComboBox(QWidget* parent = nullptr);
    void AddItem(const QString& item) { addItem(item); }
    void RemoveItem(int index) { removeItem(index); }
    void Clear() { clear(); }
    QString List(int index) const { return itemText(index); }
    int ListCount() const { return count(); }
    int ListIndex() const { return currentIndex(); }
    void setListIndex(int index) { setCurrentIndex(index); } // fires no Click
    QString Text() const { return currentText(); }
    void setFontPoints(const QString& name, double points);
    std::function<void()> onClick; // a person chose an entry
    // The list is about to open, and may still be changed.
    std::function<void()> onDropDown;
    void showPopup() override;

protected:
    void sizeChanged() override {}
};

class Label : public QLabel, public TwipsGeometry
{
public:
    explicit Label(QWidget* parent = nullptr);
    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
};

class ListBox : public QListWidget, public TwipsGeometry
{
public:
    explicit ListBox(QWidget* parent = nullptr);
    void AddItem(const QString& item) { addItem(item); }
    QString List(int index) const;
    int ListCount() const { return count(); }
};

class CheckBox : public QCheckBox, public TwipsGeometry
{
public:
    explicit CheckBox(QWidget* parent = nullptr);
    int Value() const { return isChecked() ? 1 : 0; }
    void setValue(int value) { setChecked(value != 0); }
    std::function<void()> onClick;
};

// Calls `action` when `keys` ("Ctrl+P", "Ctrl+Z") are pressed while
// `window` is the active window.
void addShortcut(QWidget* window, const QString& keys, std::function<void()> action);

// A hidden holder of one picture, compressed in the background: the rings
// of snapshots hold many of them, and taking one costs the hand nothing.
class ImageHolder
{
public:
    QImage Picture() const { return picture_.image(); }
    void setPicture(const QImage& picture) { picture_.park(picture); }
    qsizetype byteSize() const { return picture_.byteSize(); }
    // A picture likely to be wanted at once is held whole; park() compresses
    // it after all, and prefetch() brings a compressed one back in advance.
    void holdPicture(const QImage& picture) { picture_.hold(picture); }
    void park() { picture_.park(); }
    void prefetch() { picture_.prefetch(); }

private:
    ParkedImage picture_;
};

// The subfolders of a folder, sorted by name, as a directory list reports them.
class DirListBox
{
public:
    void setPath(const QString& path);
    QString Path() const { return path_; }
    int ListCount() const { return static_cast<int>(folders_.size()); }
    QString List(int index) const; // full path of subfolder `index`

private:
    QString path_;
    std::vector<QString> folders_;
};

// Controls of one kind that stand in a row and are told apart by a key: the
// member's position, or an enum class naming each one (`toolButtons(Tool::Fill)`).
// The window creates members with `Load`; they are owned by their Qt parent,
// or by the array for controls that are not widgets. A range-for visits them
// in order.
template <class T, class Key = int> class ControlArray
{
public:
    T& operator()(Key key) { return *members_.at(static_cast<size_t>(key)); }
    const T& operator()(Key key) const { return *members_.at(static_cast<size_t>(key)); }
    int Count() const { return static_cast<int>(members_.size()); }
    // A widget member, owned by its Qt parent.
    void Load(T* member) { members_.push_back(member); }
    // A member that is no widget, owned by the array.
    T& LoadNew()
    {
        owned_.push_back(std::make_unique<T>());
        members_.push_back(owned_.back().get());
        return *owned_.back();
    }

    class Iterator
    {
    public:
        explicit Iterator(typename std::vector<T*>::const_iterator at) : at_(at) {}
        T& operator*() const { return **at_; }
        Iterator& operator++()
        {
            ++at_;
            return *this;
        }
        bool operator!=(const Iterator& other) const { return at_ != other.at_; }

    private:
        typename std::vector<T*>::const_iterator at_;
    };
    Iterator begin() const { return Iterator(members_.begin()); }
    Iterator end() const { return Iterator(members_.end()); }

private:
    std::vector<T*> members_;
    std::vector<std::unique_ptr<T>> owned_;
};

} // namespace toolkit
