#pragma once

#include "classlist.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QWidget>
#include <functional>

namespace player {

// The screen where a child who cannot read says who they are: the group's
// pictures, each with its name under it, every one at least a fingertip's
// reach wide on the screen in use. A tap or a click on a picture chooses it;
// so does Space or Enter on the one the arrows or Tab went to, as keys and
// switches play everywhere else. A group larger than the screen holds goes
// by pages, with a big arrow at each side.
//
// A picture the set does not hold is drawn as the child's initial on a
// coloured square, never left out.
class ChildChooser : public QWidget
{
public:
    // The smallest picture, in millimetres on the screen.
    static constexpr double SmallestMillimetres = 25;

    // `pixelsPerMillimetre`: of the screen in use.
    ChildChooser(QList<toolkit::ClassList::Child> children, double pixelsPerMillimetre,
                 QWidget* parent);

    // A child chose their picture.
    std::function<void(const toolkit::ClassList::Child&)> onChosen;

    // Laid out again for the widget's size: back to the first page,
    // nothing marked by the keys.
    void reset();
    int count() const { return int(children_.size()); }
    int page() const { return page_; }
    int pages() const;
    // The place of child `index` on the widget, on its page; empty when it
    // is on another.
    QRect tileOf(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override; // Tab goes round the pictures

private:
    enum class Arrow { None, Back, Forward };
    // What lies at `point`: a child's index, or -1 with the arrow, if any.
    int childAt(QPoint point, Arrow* arrow = nullptr) const;
    QRect arrowRect(Arrow arrow) const;
    void layOut();
    void turnPage(int by);
    // Marks child `index` for the keys, showing its page.
    void mark(int index);
    void choose(int index);
    QImage pictureOf(const toolkit::ClassList::Child& child);

    QList<toolkit::ClassList::Child> children_;
    double perMillimetre_;
    int side_ = 0;       // of a picture, pixels
    int nameHeight_ = 0; // the name's line under it
    int columns_ = 1;
    int rows_ = 1;
    QPoint origin_; // of the first tile
    int page_ = 0;
    int marked_ = -1;  // the child the keys are on; -1 until a key is pressed
    int pressed_ = -1; // the child under the press not yet released
    Arrow pressedArrow_ = Arrow::None;
    QHash<QString, QImage> pictures_; // by picture name, at side_
};

} // namespace player
