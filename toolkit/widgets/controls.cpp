#include "controls.h"

#include "colour.h"
#include "twips.h"

#include <QDir>
#include <QIcon>
#include <QPixmap>
#include <QShortcut>

namespace toolkit {

CommandButton::CommandButton(QWidget* parent) : QPushButton(parent), TwipsGeometry(this)
{
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QPushButton::clicked, this, [this] {
        if (onClick)
            onClick();
    });
}

void CommandButton::enterEvent(QEnterEvent* event)
{
    QPushButton::enterEvent(event);
    if (onMouseEnter)
        onMouseEnter();
}

void CommandButton::setPicture(const QString& path)
{
    setIcon(QIcon(path));
    sizeChanged();
}

void CommandButton::setPicture(const QImage& picture)
{
    setIcon(QIcon(QPixmap::fromImage(picture)));
    sizeChanged();
}

void CommandButton::setFontPoints(const QString& name, double points, bool bold)
{
    QFont font(name);
    font.setPixelSize(std::max(1, pointsToPixels(points)));
    font.setBold(bold);
    setFont(font);
}

void CommandButton::setBackColor(int colour)
{
    backColor_ = colour;
    // A caption stays readable on a dark mark, such as the editor's blue page.
    const bool dark = qGray(toQRgb(colour)) < 128; // as bright as the eye sees it
    setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: %2;"
                                 " border: 1px solid #606060; border-radius: 4px; }"
                                 "QPushButton:pressed { background-color: #d8d8ff; color: black; }"
                                 "QPushButton:disabled { background-color: #e4e4e4; }")
                      .arg(toQColor(colour).name(),
                           dark ? QStringLiteral("white") : QStringLiteral("black")));
}

void CommandButton::sizeChanged()
{
    // The picture fills the button, leaving a small margin for the frame.
    const int side = std::max(1, std::min(width(), height()) - 6);
    setIconSize(QSize(side, side));
}

void CommandButton::resizeEvent(QResizeEvent* event)
{
    QPushButton::resizeEvent(event);
    sizeChanged();
}

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent), TwipsGeometry(this)
{
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QComboBox::activated, this, [this] {
        if (onClick)
            onClick();
    });
}

void ComboBox::showPopup()
{
    if (onDropDown)
        onDropDown();
    QComboBox::showPopup();
}

void ComboBox::setFontPoints(const QString& name, double points)
{
    QFont font(name);
    font.setPixelSize(pointsToPixels(points));
    setFont(font);
}

Label::Label(QWidget* parent) : QLabel(parent), TwipsGeometry(this)
{
    setWordWrap(true);
}

ListBox::ListBox(QWidget* parent) : QListWidget(parent), TwipsGeometry(this) {}

QString ListBox::List(int index) const
{
    const QListWidgetItem* entry = item(index);
    return entry ? entry->text() : QString();
}

CheckBox::CheckBox(QWidget* parent) : QCheckBox(parent), TwipsGeometry(this)
{
    connect(this, &QCheckBox::clicked, this, [this] {
        if (onClick)
            onClick();
    });
}

void DirListBox::setPath(const QString& path)
{
    path_ = path;
    folders_.clear();
    const QDir dir(path);
    const QStringList names =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names)
        folders_.push_back(dir.filePath(name));
}

QString DirListBox::List(int index) const
{
    if (index < 0 || index >= ListCount())
        return {};
    return folders_[static_cast<size_t>(index)];
}

void addShortcut(QWidget* window, const QString& keys, std::function<void()> action)
{
    auto* shortcut = new QShortcut(QKeySequence(keys), window);
    QObject::connect(shortcut, &QShortcut::activated, window, std::move(action));
}

} // namespace toolkit
