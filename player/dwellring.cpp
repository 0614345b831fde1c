#include "dwellring.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace player {

namespace {

constexpr int PenWidth = 6;
// Qt's arcs are drawn in sixteenths of a degree.
constexpr int FullCircle = 360 * 16;
constexpr int TwelveOClock = 90 * 16;

} // namespace

DwellRing::DwellRing(QWidget* canvas) : QWidget(canvas)
{
    // The dot under the ring must still take the child's clicks.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void DwellRing::showAround(QPoint centre, int radius)
{
    radius_ = std::max(1, radius);
    filled_ = 0;
    const int half = radius_ + PenWidth;
    setGeometry(centre.x() - half, centre.y() - half, 2 * half + 1, 2 * half + 1);
    raise();
    show();
    update();
}

void DwellRing::fill(double part)
{
    const double clamped = std::isfinite(part) ? std::clamp(part, 0.0, 1.0) : 0.0;
    if (clamped == filled_)
        return;
    filled_ = clamped;
    update();
}

void DwellRing::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF circle(PenWidth, PenWidth, 2.0 * radius_, 2.0 * radius_);
    // The whole ring faint, so the child sees how far the filling has to go;
    // a dark rim keeps it visible on any drawing.
    painter.setPen(QPen(QColor(40, 35, 64), PenWidth + 2));
    painter.drawEllipse(circle);
    painter.setPen(QPen(QColor(255, 255, 255), PenWidth));
    painter.drawEllipse(circle);
    // Filled clockwise from the top, as a clock's hand goes round.
    painter.setPen(QPen(QColor(0, 120, 255), PenWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawArc(circle, TwelveOClock, -qRound(filled_ * FullCircle));
}

} // namespace player
