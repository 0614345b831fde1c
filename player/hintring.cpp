#include "hintring.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

namespace player {

namespace {

constexpr int PenWidth = 5;
constexpr int Growth = 8; // how far the ring swells at the top of a pulse, in pixels

int distanceSquared(const QColor& a, const QColor& b)
{
    const int r = a.red() - b.red();
    const int g = a.green() - b.green();
    const int bl = a.blue() - b.blue();
    return r * r + g * g + bl * bl;
}

} // namespace

HintRing::HintRing(QWidget* canvas) : QWidget(canvas)
{
    // Clicks meant for the dot under the ring must reach the canvas.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void HintRing::showAround(QPoint centre, int radius, QColor colour)
{
    radius_ = std::max(1, radius);
    colour_ = colour;
    frame_ = 0;
    const int half = radius_ + Growth + PenWidth;
    setGeometry(centre.x() - half, centre.y() - half, 2 * half + 1, 2 * half + 1);
    raise();
    show();
    update();
}

void HintRing::pulse()
{
    frame_ = (frame_ + 1) % FramesPerPulse;
    update();
}

double HintRing::currentRadius() const
{
    // Swells and shrinks smoothly once a pulse.
    const double phase = 2.0 * M_PI * frame_ / FramesPerPulse;
    return radius_ + Growth * (0.5 - 0.5 * std::cos(phase));
}

void HintRing::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(width() / 2.0, height() / 2.0);
    const double r = currentRadius();
    // A dark rim under the colour keeps the ring visible on any drawing.
    painter.setPen(QPen(QColor(40, 35, 64), PenWidth + 2));
    painter.drawEllipse(centre, r, r);
    painter.setPen(QPen(colour_, PenWidth));
    painter.drawEllipse(centre, r, r);
}

QColor standOutColour(const std::vector<QColor>& avoid)
{
    static const QColor candidates[] = {QColor(255, 128, 0), QColor(255, 0, 255),
                                        QColor(0, 200, 255), QColor(230, 0, 0),
                                        QColor(140, 0, 255), QColor(0, 190, 0)};
    QColor best = candidates[0];
    int bestDistance = -1;
    for (const QColor& candidate : candidates) {
        int nearest = std::numeric_limits<int>::max();
        for (const QColor& colour : avoid)
            nearest = std::min(nearest, distanceSquared(candidate, colour));
        if (nearest > bestDistance) {
            bestDistance = nearest;
            best = candidate;
        }
    }
    return best;
}

} // namespace player
