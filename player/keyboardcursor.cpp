#include "keyboardcursor.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

namespace player {

namespace {

// A child must see the cursor from a step back; a step must be small
// enough to colour between the lines, yet cross the canvas in a few seconds
// of a held key.
constexpr double RadiusMillimetres = 8;
constexpr int MinimumRadius = 28; // pixels
constexpr double StepMillimetres = 2;
constexpr int MinimumStep = 6; // pixels
constexpr int PenWidth = 4;

int pixels(double millimetres, double pixelsPerMillimetre, int minimum)
{
    return std::max(minimum, static_cast<int>(std::lround(millimetres * pixelsPerMillimetre)));
}

} // namespace

KeyboardCursor::KeyboardCursor(QWidget* canvas, double pixelsPerMillimetre)
    : QWidget(canvas), radius_(pixels(RadiusMillimetres, pixelsPerMillimetre, MinimumRadius)),
      step_(pixels(StepMillimetres, pixelsPerMillimetre, MinimumStep))
{
    // Clicks on the canvas under the cursor must reach the canvas.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void KeyboardCursor::moveTo(QPoint pixel)
{
    const QWidget* canvas = parentWidget();
    position_ = {std::clamp(pixel.x(), 0, std::max(0, canvas->width() - 1)),
                 std::clamp(pixel.y(), 0, std::max(0, canvas->height() - 1))};
    place();
}

void KeyboardCursor::step(int across, int down)
{
    moveTo(position_ + QPoint(across, down) * step_);
}

void KeyboardCursor::setDrawing(bool drawing)
{
    drawing_ = drawing;
    update();
}

void KeyboardCursor::place()
{
    const int half = radius_ + PenWidth;
    setGeometry(position_.x() - half, position_.y() - half, 2 * half + 1, 2 * half + 1);
    raise();
    update();
}

void KeyboardCursor::paintEvent(QPaintEvent* /*event*/)
{
    if (wanted_ && !wanted_())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(width() / 2.0, height() / 2.0);
    const double r = radius_;
    // White over black: seen on any colour the child may have put there.
    for (const auto& [colour, width] :
         {std::pair{QColor(Qt::black), PenWidth + 2}, std::pair{QColor(Qt::white), PenWidth - 1}}) {
        painter.setPen(QPen(colour, width));
        painter.drawEllipse(centre, r, r);
        painter.drawLine(centre - QPointF(r, 0), centre - QPointF(r / 3, 0));
        painter.drawLine(centre + QPointF(r / 3, 0), centre + QPointF(r, 0));
        painter.drawLine(centre - QPointF(0, r), centre - QPointF(0, r / 3));
        painter.drawLine(centre + QPointF(0, r / 3), centre + QPointF(0, r));
    }
    if (drawing_) {
        painter.setPen(QPen(Qt::black, 2));
        painter.setBrush(Qt::white);
        painter.drawEllipse(centre, r / 4, r / 4);
    }
}

QPointF pointInside(const QPolygonF& figure)
{
    if (figure.isEmpty())
        return {};
    const QRectF bounds = figure.boundingRect();
    const double y = bounds.center().y();
    // Where the edges cross the middle line; a corner on the line counts
    // once, for the edge that reaches above it.
    std::vector<double> crossings;
    for (qsizetype i = 0; i < figure.size(); ++i) {
        const QPointF a = figure[i];
        const QPointF b = figure[(i + 1) % figure.size()];
        if ((a.y() > y) != (b.y() > y))
            crossings.push_back(a.x() + (y - a.y()) * (b.x() - a.x()) / (b.y() - a.y()));
    }
    std::sort(crossings.begin(), crossings.end());
    QPointF best = figure.first();
    double widest = -1;
    for (size_t i = 0; i + 1 < crossings.size(); i += 2)
        if (crossings[i + 1] - crossings[i] > widest) {
            widest = crossings[i + 1] - crossings[i];
            best = {(crossings[i] + crossings[i + 1]) / 2, y};
        }
    return best;
}

} // namespace player
