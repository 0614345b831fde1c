// The finished figure of an activity, small, for the editor's library.

#include "worksheet.h"

#include "colour.h"

#include <QPainter>
#include <algorithm>

namespace worksheet {

namespace {

// Twips: a figure smaller than this is not blown up past it, so a lone dot
// stays a dot.
constexpr double SmallestFigure = 1500;
constexpr double MarginShare = 0.08; // of the area, on each side
constexpr double DiscShare = 0.025;  // disc radius, of the area's shorter side

QRectF figureBounds(const QVector<WorksheetDot>& dots)
{
    // Not QRectF::united: it passes over rectangles of no size, as points are.
    QPointF low(dots[0].x, dots[0].y), high = low;
    for (const WorksheetDot& dot : dots) {
        low = QPointF(std::min(low.x(), double(dot.x)), std::min(low.y(), double(dot.y)));
        high = QPointF(std::max(high.x(), double(dot.x)), std::max(high.y(), double(dot.y)));
    }
    const QRectF bounds(low, high);
    const double grow = std::max(0.0, SmallestFigure - std::min(bounds.width(), bounds.height()));
    return bounds.adjusted(-grow / 2, -grow / 2, grow / 2, grow / 2);
}

} // namespace

QVector<QPair<int, int>> finishedSegments(const Worksheet& sheet)
{
    QVector<QPair<int, int>> segments;
    const qsizetype last = sheet.dots.size() - 1;
    for (qsizetype i = 1; i <= last; ++i)
        if (!sheet.dots[i - 1].label.isEmpty() && (i < last || sheet.dots[i].label.isEmpty()))
            segments.append({int(i - 1), int(i)});
    return segments;
}

void paintFigure(QPainter& painter, const QRectF& area, const Worksheet& sheet)
{
    painter.fillRect(area, Qt::white);
    if (sheet.dots.isEmpty())
        return;
    const QRectF bounds = figureBounds(sheet.dots);
    const QRectF inside = area.adjusted(area.width() * MarginShare, area.height() * MarginShare,
                                        -area.width() * MarginShare, -area.height() * MarginShare);
    const double scale =
        std::min(inside.width() / bounds.width(), inside.height() / bounds.height());
    const auto at = [&](const WorksheetDot& dot) {
        return inside.center() + (QPointF(dot.x, dot.y) - bounds.center()) * scale;
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (!sheet.picture.isNull()) {
        const QRectF picture = pictureArea(sheet);
        painter.setClipRect(area);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(at({{}, picture.left(), picture.top(), 0}),
                                 at({{}, picture.right(), picture.bottom(), 0})),
                          sheet.picture);
    }
    painter.setPen(QPen(Qt::black, 1));
    for (const auto& [from, to] : finishedSegments(sheet))
        painter.drawLine(at(sheet.dots[from]), at(sheet.dots[to]));
    const double radius = std::max(1.0, std::min(area.width(), area.height()) * DiscShare);
    for (const WorksheetDot& dot : sheet.dots) {
        if (dot.label.isEmpty())
            continue;
        const QColor ink = toolkit::toQColor(dot.colour);
        painter.setPen(sheet.circles ? QPen(ink, 1) : QPen(Qt::NoPen));
        painter.setBrush(Qt::NoBrush);
        if (sheet.circles)
            painter.drawEllipse(at(dot), radius * 2.5, radius * 2.5);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawEllipse(at(dot), radius, radius);
    }
    painter.restore();
}

} // namespace worksheet
