// The picture area itself: made, its scale, mouse pointer and events, painted on screen.

#include "picturebox.h"

#include "colour.h"
#include "picturebox_units.h"

#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace toolkit {

namespace {

int buttonCode(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? vbLeftButton : 0) |
           (buttons & Qt::RightButton ? vbRightButton : 0) |
           (buttons & Qt::MiddleButton ? vbMiddleButton : 0);
}

int shiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? vbShiftMask : 0) |
           (modifiers & Qt::ControlModifier ? vbCtrlMask : 0) |
           (modifiers & Qt::AltModifier ? vbAltMask : 0);
}

QPoint pixelAt(const QPointF& position)
{
    return {static_cast<int>(std::floor(position.x())), static_cast<int>(std::floor(position.y()))};
}

} // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent), TwipsGeometry(this)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    const QSize pixels = size().expandedTo(QSize(1, 1));
    persistent_ = QImage(pixels, QImage::Format_RGB32);
    persistent_.fill(toQRgb(backColor_));
}

// Scale ---------------------------------------------------------------------

double PictureBox::ScaleWidth() const
{
    expand();
    return persistent_.width() * unitsPerPixel(ScaleMode);
}

double PictureBox::ScaleHeight() const
{
    expand();
    return persistent_.height() * unitsPerPixel(ScaleMode);
}

void PictureBox::setMouseIcon(const QImage& icon, QPoint hotSpot)
{
    setCursor(QCursor(QPixmap::fromImage(icon), hotSpot.x(), hotSpot.y()));
}

// Events --------------------------------------------------------------------

void PictureBox::mouseDownAtPixel(int button, int shift, int x, int y)
{
    pressedButton_ = button;
    if (onMouseDown)
        onMouseDown(button, shift, toScale(ScaleMode, x), toScale(ScaleMode, y));
}

void PictureBox::mouseMoveAtPixel(int buttons, int shift, int x, int y)
{
    if (onMouseMove)
        onMouseMove(buttons, shift, toScale(ScaleMode, x), toScale(ScaleMode, y));
}

void PictureBox::mouseUpAtPixel(int button, int shift, int x, int y)
{
    const bool click = pressedButton_ == button && rect().contains(x, y);
    pressedButton_ = 0;
    if (onMouseUp)
        onMouseUp(button, shift, toScale(ScaleMode, x), toScale(ScaleMode, y));
    if (click && onClick)
        onClick();
}

void PictureBox::mouseDoubleClickAtPixel()
{
    // The press is not remembered, so its release makes no second Click.
    pressedButton_ = 0;
    if (onDblClick)
        onDblClick();
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = pixelAt(event->position());
    mouseDownAtPixel(buttonCode(event->button()), shiftCode(event->modifiers()), at.x(), at.y());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = pixelAt(event->position());
    mouseMoveAtPixel(buttonCode(event->buttons()), shiftCode(event->modifiers()), at.x(), at.y());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = pixelAt(event->position());
    mouseUpAtPixel(buttonCode(event->button()), shiftCode(event->modifiers()), at.x(), at.y());
}

void PictureBox::setOnDrop(std::function<void(const QMimeData&)> drop)
{
    onDrop_ = std::move(drop);
    setAcceptDrops(bool(onDrop_));
}

void PictureBox::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls() || event->mimeData()->hasImage())
        event->acceptProposedAction();
}

void PictureBox::dropEvent(QDropEvent* event)
{
    if (onDrop_)
        onDrop_(*event->mimeData());
    event->acceptProposedAction();
}

// Qt's default turns the second press of a double-click into another press;
// a child's double-click on a dot would then count as a wrong click.
void PictureBox::mouseDoubleClickEvent(QMouseEvent*)
{
    mouseDoubleClickAtPixel();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    expand();
    QPainter painter(this);
    for (const QRect& area : event->region())
        painter.drawImage(area.topLeft(), persistent_, area);
    for (const QRect& area : event->region() & temporaryUsed_)
        painter.drawImage(area.topLeft(), temporary_, area);
}

void PictureBox::resizeEvent(QResizeEvent*)
{
    sizeChanged();
}

} // namespace toolkit
