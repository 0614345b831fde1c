// The picture area itself: made, its scale, mouse pointer and events, painted on screen.

#include "picturebox.h"

#include "colour.h"
#include "picturebox_units.h"

#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointingDevice>
#include <QStyleHints>
#include <QTouchEvent>
#include <algorithm>
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

void PictureBox::acceptTouches(double palmPixels)
{
    palmPixels_ = palmPixels;
    setAttribute(Qt::WA_AcceptTouchEvents);
}

bool PictureBox::secondTap(QPoint at, quint64 milliseconds) const
{
    const QStyleHints* hints = QGuiApplication::styleHints();
    return firstTap_ && milliseconds >= firstTap_->milliseconds &&
           milliseconds - firstTap_->milliseconds < quint64(hints->mouseDoubleClickInterval()) &&
           (at - firstTap_->at).manhattanLength() <= hints->touchDoubleTapDistance();
}

void PictureBox::touchAtPixel(int id, QEventPoint::State state, int x, int y, double width,
                              quint64 milliseconds)
{
    switch (state) {
    case QEventPoint::Pressed:
        if (palmPixels_ > 0 && width > palmPixels_)
            return;
        if (fingersDown_.isEmpty()) {
            playingFinger_ = id;
            playingAt_ = {x, y};
            if (secondTap(playingAt_, milliseconds)) {
                firstTap_.reset();
                mouseDoubleClickAtPixel();
            } else {
                firstTap_ = Tap{playingAt_, milliseconds};
                mouseDownAtPixel(vbLeftButton, 0, x, y);
            }
        }
        fingersDown_.append(id);
        break;
    case QEventPoint::Updated:
        if (id == playingFinger_ && playingAt_ != QPoint(x, y)) {
            playingAt_ = {x, y};
            mouseMoveAtPixel(vbLeftButton, 0, x, y);
        }
        break;
    case QEventPoint::Released:
        fingersDown_.removeAll(id);
        if (id == playingFinger_) {
            playingFinger_ = -1;
            mouseUpAtPixel(vbLeftButton, 0, x, y);
        }
        break;
    default:
        break;
    }
}

void PictureBox::cancelTouches()
{
    fingersDown_.clear();
    if (playingFinger_ >= 0)
        touchAtPixel(playingFinger_, QEventPoint::Released, playingAt_.x(), playingAt_.y());
}

bool PictureBox::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        for (const QEventPoint& point : static_cast<QTouchEvent*>(event)->points()) {
            const QPoint at = pixelAt(point.position());
            const QSizeF contact = point.ellipseDiameters();
            touchAtPixel(point.id(), point.state(), at.x(), at.y(),
                         std::max(contact.width(), contact.height()), point.timestamp());
        }
        // Every touch is taken, palms too: one left to Qt would come back as
        // a mouse press.
        if (event->type() == QEvent::TouchEnd)
            cancelTouches();
        event->accept();
        return true;
    case QEvent::TouchCancel:
        cancelTouches();
        event->accept();
        return true;
    default:
        return QWidget::event(event);
    }
}

bool PictureBox::fromTouch(const QMouseEvent& event) const
{
    return testAttribute(Qt::WA_AcceptTouchEvents) && event.device() &&
           event.device()->type() == QInputDevice::DeviceType::TouchScreen;
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    if (fromTouch(*event))
        return;
    const QPoint at = pixelAt(event->position());
    mouseDownAtPixel(buttonCode(event->button()), shiftCode(event->modifiers()), at.x(), at.y());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    if (fromTouch(*event))
        return;
    const QPoint at = pixelAt(event->position());
    mouseMoveAtPixel(buttonCode(event->buttons()), shiftCode(event->modifiers()), at.x(), at.y());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (fromTouch(*event))
        return;
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
void PictureBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (fromTouch(*event))
        return;
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
