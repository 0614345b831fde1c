// Placing a worksheet on paper: fitting the figure and finding free places
// for the labels.

#include "worksheet.h"

#include "colour.h"

#include <QFontMetricsF>
#include <QLineF>
#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

namespace worksheet {

namespace {

// Paper measures, in twips.
constexpr double Mm = 1440 / 25.4;
constexpr double Margin = 20 * Mm;
constexpr double LabelRoom = 7 * Mm; // inside the margin, for the labels of outer dots
constexpr double FooterHeight = 6 * Mm;
constexpr double DiscRadius = 1.1 * Mm;
constexpr double MinCircleRadius = 2.5 * Mm;
constexpr double MaxCircleRadius = 5 * Mm;
constexpr double LabelGap = 0.7 * Mm;
constexpr double Clearance = 0.3 * Mm;    // kept free round discs and labels
constexpr double LabelSpacing = 1.5 * Mm; // between labels side by side, so numbers stay apart
constexpr double TwipsPerPoint = 20;

// Label sizes in points: the activity's size within these bounds, made smaller
// on crowded sheets until every label finds a free place.
constexpr double MaxLabelPoints = 14;
constexpr double MinLabelPoints = 7;
constexpr double StartLabelPoints = 8;

// Perceived brightness above which a colour is too pale to read on paper.
constexpr double PaleBrightness = 160;

QColor printableInk(int colour)
{
    const double brightness = 0.299 * toolkit::redOf(colour) + 0.587 * toolkit::greenOf(colour) +
                              0.114 * toolkit::blueOf(colour);
    return brightness > PaleBrightness ? QColor(Qt::black) : toolkit::toQColor(colour);
}

QRectF boundsOf(const QVector<WorksheetDot>& dots)
{
    if (dots.isEmpty())
        return {};
    double left = dots[0].x, right = left, top = dots[0].y, bottom = top;
    for (const WorksheetDot& dot : dots) {
        left = std::min(left, dot.x);
        right = std::max(right, dot.x);
        top = std::min(top, dot.y);
        bottom = std::max(bottom, dot.y);
    }
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

// The largest scale that fits `size` into `area`; a flat figure is fitted by
// its long side only, a single point gets 1.
double fittingScale(const QSizeF& size, const QSizeF& area)
{
    const double byWidth = size.width() > 0 ? area.width() / size.width() : HUGE_VAL;
    const double byHeight = size.height() > 0 ? area.height() / size.height() : HUGE_VAL;
    const double scale = std::min(byWidth, byHeight);
    return std::isfinite(scale) ? scale : 1.0;
}

QVector<bool> printedLabels(const QVector<WorksheetDot>& dots)
{
    // As on screen: a dot back on the anchor's spot (a figure returning to its
    // start) leaves the label printed there once.
    QVector<bool> printed(dots.size(), false);
    int anchor = 0;
    for (int i = 0; i < dots.size(); ++i) {
        const bool onAnchor = i != 0 && dots[i].x == dots[anchor].x && dots[i].y == dots[anchor].y;
        if (onAnchor)
            anchor = i;
        printed[i] = !onAnchor && !dots[i].label.isEmpty();
    }
    return printed;
}

QPointF unit(const QPointF& v)
{
    const double length = std::hypot(v.x(), v.y());
    return length > 0 ? v / length : QPointF();
}

// The side a label best goes: out of the figure, and away from the segments
// the child will draw into and out of the dot.
QPointF preferredSide(const QVector<WorksheetDot>& dots, const QVector<QPointF>& centres, int i,
                      const QPointF& middle)
{
    QPointF away;
    const bool startsFigure = i > 0 && dots[i - 1].label.isEmpty();
    if (i > 0 && !startsFigure)
        away += unit(centres[i] - centres[i - 1]);
    if (i + 1 < centres.size() && !dots[i].label.isEmpty())
        away += unit(centres[i] - centres[i + 1]);
    away = unit(centres[i] - middle) + 0.5 * unit(away);
    return away.isNull() ? QPointF(1, -1) : unit(away);
}

// The segments the child draws: each record joins the one before it, except
// the first dot of a figure, which follows a closing record.
QVector<QLineF> joiningSegments(const QVector<WorksheetDot>& dots, const QVector<QPointF>& centres)
{
    QVector<QLineF> segments;
    for (int i = 1; i < dots.size(); ++i) {
        if (!dots[i - 1].label.isEmpty())
            segments.append(QLineF(centres[i - 1], centres[i]));
    }
    return segments;
}

bool lineCrossesRect(const QLineF& line, const QRectF& rect)
{
    if (rect.contains(line.p1()) || rect.contains(line.p2()))
        return true;
    const QPointF corners[4] = {rect.topLeft(), rect.topRight(), rect.bottomRight(),
                                rect.bottomLeft()};
    for (int k = 0; k < 4; ++k) {
        if (line.intersects(QLineF(corners[k], corners[(k + 1) % 4]), nullptr) ==
            QLineF::BoundedIntersection)
            return true;
    }
    return false;
}

bool rectTouchesDisc(const QRectF& rect, const QPointF& centre, double radius)
{
    const double dx = centre.x() - std::clamp(centre.x(), rect.left(), rect.right());
    const double dy = centre.y() - std::clamp(centre.y(), rect.top(), rect.bottom());
    return dx * dx + dy * dy < radius * radius;
}

// What is wrong with a place for a label. Overlaps make the sheet hard to
// read; crossings and nearness only make it less tidy.
struct Flaws
{
    int overlaps = 0; // outside the area, on a dot or on another label
    int untidy = 0;   // on a segment to draw, or nearer another dot
    int cost() const { return overlaps * 10 + untidy; }
};

class LabelPlacer
{
public:
    LabelPlacer(const WorksheetLayout& layout, const QRectF& bounds, QVector<QLineF> segments)
        : layout_(layout), bounds_(bounds), segments_(std::move(segments))
    {
    }

    // The flawless place nearest the preferred side, or the least flawed one;
    // adds the overlaps of the place chosen to `overlaps`.
    QRectF place(int i, const QSizeF& size, const QPointF& side, int& overlaps)
    {
        const double reach = std::max(layout_.discRadius, layout_.circleRadius) + LabelGap;
        QRectF best;
        Flaws bestFlaws{INT_MAX / 20, 0};
        for (int ring = 0; ring < 2 && bestFlaws.cost() > 0; ++ring) {
            for (const QPointF& direction : directionsNear(side)) {
                const QRectF rect = besideDot(layout_.centres[i], direction,
                                              reach + ring * size.height() * 0.8, size);
                const Flaws flaws = flawsOf(i, rect);
                if (flaws.cost() < bestFlaws.cost()) {
                    best = rect;
                    bestFlaws = flaws;
                }
                if (flaws.cost() == 0)
                    break;
            }
        }
        overlaps += bestFlaws.overlaps;
        placed_.append(best);
        return best;
    }

private:
    static std::array<QPointF, 8> directionsNear(const QPointF& side)
    {
        std::array<QPointF, 8> directions;
        for (int k = 0; k < 8; ++k) {
            const double angle = k * M_PI / 4;
            directions[static_cast<size_t>(k)] = QPointF(std::cos(angle), std::sin(angle));
        }
        std::stable_sort(directions.begin(), directions.end(),
                         [&side](const QPointF& a, const QPointF& b) {
                             return QPointF::dotProduct(a, side) > QPointF::dotProduct(b, side);
                         });
        return directions;
    }

    // The rectangle whose near edge lies `reach` from the centre along `direction`.
    static QRectF besideDot(const QPointF& centre, const QPointF& direction, double reach,
                            const QSizeF& size)
    {
        const auto towards = [](double component) {
            return std::abs(component) < 1e-9 ? 0.0 : std::copysign(1.0, component);
        };
        const QPointF middle = centre + direction * reach +
                               QPointF(towards(direction.x()) * size.width() / 2,
                                       towards(direction.y()) * size.height() / 2);
        return QRectF(middle - QPointF(size.width() / 2, size.height() / 2), size);
    }

    Flaws flawsOf(int i, const QRectF& rect) const
    {
        Flaws flaws;
        if (!bounds_.contains(rect))
            flaws.overlaps += 100;
        const QPointF middle = rect.center();
        const double ownDistance = QLineF(middle, layout_.centres[i]).length();
        for (const QPointF& centre : layout_.centres) {
            flaws.overlaps += rectTouchesDisc(rect, centre, layout_.discRadius + Clearance);
            flaws.untidy += QLineF(middle, centre).length() < ownDistance;
        }
        const QRectF padded = rect.adjusted(-LabelSpacing, -Clearance, LabelSpacing, Clearance);
        for (const QRectF& other : placed_)
            flaws.overlaps += padded.intersects(other);
        for (const QLineF& segment : segments_)
            flaws.untidy += lineCrossesRect(segment, rect);
        return flaws;
    }

    const WorksheetLayout& layout_;
    QRectF bounds_;
    QVector<QLineF> segments_;
    QVector<QRectF> placed_;
};

// Places every label at one font size; returns the number of overlaps left.
int placeLabels(WorksheetLayout& layout, const Worksheet& sheet, const QRectF& bounds)
{
    const QFontMetricsF metrics(layout.labelFont);
    const QVector<bool> printed = printedLabels(sheet.dots);
    const QPointF middle = layout.figure.center();
    LabelPlacer placer(layout, bounds, joiningSegments(sheet.dots, layout.centres));
    int overlaps = 0;
    layout.labels.fill(QRectF(), sheet.dots.size());
    for (int i = 0; i < sheet.dots.size(); ++i) {
        if (!printed[i])
            continue;
        const QSizeF size(metrics.horizontalAdvance(sheet.dots[i].label), metrics.height());
        const QPointF side = preferredSide(sheet.dots, layout.centres, i, middle);
        layout.labels[i] = placer.place(i, size, side, overlaps);
    }
    return overlaps;
}

QFont labelFont(double points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(static_cast<int>(std::lround(points * TwipsPerPoint)));
    return font;
}

} // namespace

bool isLandscape(const Worksheet& sheet)
{
    const QRectF bounds = boundsOf(sheet.dots);
    return bounds.width() > bounds.height();
}

WorksheetLayout layoutWorksheet(const QRectF& page, const Worksheet& sheet)
{
    WorksheetLayout layout;
    layout.page = page;
    const QRectF content = page.adjusted(Margin, Margin, -Margin, -Margin);
    layout.content = content;
    layout.footer = QRectF(content.left(), content.bottom() + (Margin - FooterHeight) / 2,
                           content.width(), FooterHeight);

    const QRectF area = content.adjusted(LabelRoom, LabelRoom, -LabelRoom, -LabelRoom);
    const QRectF bounds = boundsOf(sheet.dots);
    layout.scale = fittingScale(bounds.size(), area.size());
    layout.figure = QRectF(QPointF(), bounds.size() * layout.scale);
    layout.figure.moveCenter(area.center());
    for (const WorksheetDot& dot : sheet.dots) {
        layout.centres.append(layout.figure.topLeft() +
                              (QPointF(dot.x, dot.y) - bounds.topLeft()) * layout.scale);
        layout.inks.append(printableInk(dot.colour));
    }
    const QRectF picture = pictureArea(sheet);
    layout.picture =
        QRectF(layout.figure.topLeft() + (picture.topLeft() - bounds.topLeft()) * layout.scale,
               picture.size() * layout.scale);
    layout.discRadius = DiscRadius;
    if (sheet.circles)
        layout.circleRadius =
            std::clamp((sheet.dotSize + 20) * layout.scale, MinCircleRadius, MaxCircleRadius);

    // The largest size that leaves every label free, or the smallest one.
    const double largest = std::clamp(sheet.fontSize, StartLabelPoints, MaxLabelPoints);
    for (double points = largest; points >= MinLabelPoints; points -= 1) {
        layout.labelFont = labelFont(points);
        if (placeLabels(layout, sheet, content) == 0)
            break;
    }
    return layout;
}

} // namespace worksheet
