#include "polygonfit.h"

#include <QLineF>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace editor::tracing {

namespace {

// A dot may take one of this many places along an outline at most: finer
// moves nothing a child sees, and the search grows with its square.
constexpr int MostPlaces = 200;
// How much a side's length weighs against the outline's distance from it:
// a side twice as long as its neighbours is worth a few pixels of distance
// on a gentle curve, never a leg left out.
constexpr double Evenness = 0.002;
// The cost of two dots in a row nearer than the spacing, a pixel squared:
// more than any distance, so that it is paid only where nothing else fits,
// and then shared out evenly among the dots of an outline too short for
// their spacing.
constexpr double Crowding = 1e12;
// The cost of a dot off the drawn line, where the figure was closed across
// a gap: more than any distance, less than crowding; up to twice that as
// far from the figure's own line as the spacing, so that the fewest dots
// go off it, and those as near it as they can.
constexpr double Astray = 1e9;

// The places a dot may take: the outline at even steps, each corner on the
// nearest, with the sums of their coordinates' powers (each point weighed
// by the length it stands for) from the first on, so that the squared
// distance of any run of them from a line costs the same few operations.
class Places
{
public:
    Places(const Outline& outline, const Path& path, int count);
    qsizetype last() const { return along.size() - 1; } // the first again, at the end
    QPointF point(qsizetype i) const { return points[i]; }
    double at(qsizetype i) const { return along[i]; }
    double astray(qsizetype i) const { return offLine[i]; } // 0 on the line, else 1 to 2
    // The squared distance of places i..j from the line through i and j,
    // integrated along the outline.
    double deviation(qsizetype i, qsizetype j) const;

private:
    struct Sums
    {
        double w = 0, x = 0, y = 0, xx = 0, xy = 0, yy = 0;
    };
    QList<double> along;
    QList<QPointF> points; // from the outline's middle, for exact sums
    QList<double> offLine;
    QList<Sums> sums; // sums[i]: of places 0..i-1
};

Places::Places(const Outline& outline, const Path& path, int count)
{
    const double length = path.length();
    const int steps = std::clamp(int(length), 4 * count, std::max(4 * count, MostPlaces));
    const double step = length / steps;
    for (int i = 0; i <= steps; ++i)
        along << i * step;
    for (int corner : outline.corners) {
        const double at = path.of(corner);
        const int i = int(std::lround(at / step));
        if (i > 0 && i < steps)
            along[i] = at;
    }
    const QPointF middle = outline.points.boundingRect().center();
    for (double s : along) {
        points << path.at(s) - middle;
        const qsizetype i = path.before(s);
        offLine << (outline.drawn.value(i, true)
                        ? 0
                        : 1 + outline.away.value(i, 0) / std::max(1.0, outline.spacing));
    }
    sums.resize(along.size() + 1);
    for (qsizetype i = 0; i <= last(); ++i) {
        const double before = i > 0 ? along[i] - along[i - 1] : 0;
        const double after = i < last() ? along[i + 1] - along[i] : 0;
        const double w = (before + after) / 2, x = points[i].x(), y = points[i].y();
        const Sums& s = sums[i];
        sums[i + 1] = {s.w + w,          s.x + w * x,      s.y + w * y,
                       s.xx + w * x * x, s.xy + w * x * y, s.yy + w * y * y};
    }
}

double Places::deviation(qsizetype i, qsizetype j) const
{
    const Sums& a = sums[j + 1];
    const Sums& b = sums[i];
    const Sums s{a.w - b.w, a.x - b.x, a.y - b.y, a.xx - b.xx, a.xy - b.xy, a.yy - b.yy};
    const QPointF from = points[i], side = points[j] - from;
    const double length = std::sqrt(QPointF::dotProduct(side, side));
    if (length < 1e-9) // a point: the distance from it
        return std::max(0.0, s.xx + s.yy - 2 * (from.x() * s.x + from.y() * s.y) +
                                 QPointF::dotProduct(from, from) * s.w);
    const double nx = -side.y() / length, ny = side.x() / length;
    const double c = nx * from.x() + ny * from.y();
    return std::max(0.0, nx * nx * s.xx + 2 * nx * ny * s.xy + ny * ny * s.yy -
                             2 * c * (nx * s.x + ny * s.y) + c * c * s.w);
}

} // namespace

Path::Path(const QPolygonF& points) : points(points), arc{0}
{
    for (qsizetype i = 0; i < points.size(); ++i)
        arc << arc.back() + QLineF(points[i], points[(i + 1) % points.size()]).length();
}

qsizetype Path::before(double along) const
{
    const auto next = std::upper_bound(arc.begin(), arc.end(), along);
    return std::clamp<qsizetype>(next - arc.begin() - 1, 0, points.size() - 1);
}

QPointF Path::at(double along) const
{
    const qsizetype i = before(along);
    const QPointF a = points[i], b = points[(i + 1) % points.size()];
    const double span = arc[i + 1] - arc[i];
    return span > 0 ? a + (b - a) * ((along - arc[i]) / span) : a;
}

// The least cost of the polygon by dynamic programming: best[c][j], the
// least cost of c + 1 dots from the first place to place j, each side
// spanning at most a few even gaps.
QList<double> closestPolygon(const Outline& outline, const Path& path, int count)
{
    if (count <= 1 || outline.points.size() < 3)
        return {0};
    const Places places(outline, path, count);
    const qsizetype n = places.last();
    const qsizetype reach = std::min<qsizetype>(n, 3 * n / count + 2);
    const auto side = [&](qsizetype i, qsizetype j) {
        const double gap = places.at(j) - places.at(i);
        const QPointF span = places.point(j) - places.point(i);
        const double apart = std::sqrt(QPointF::dotProduct(span, span));
        return places.deviation(i, j) + Evenness * gap * gap * gap +
               Crowding * std::pow(std::max(0.0, outline.spacing - apart), 2) +
               Astray * places.astray(j);
    };
    constexpr double None = std::numeric_limits<double>::infinity();
    const size_t row = size_t(n) + 1;
    std::vector<double> best(size_t(count) * row, None);
    std::vector<qsizetype> from(size_t(count) * row, 0);
    best[0] = 0;
    for (int c = 1; c < count; ++c) {
        const double* before = &best[size_t(c - 1) * row];
        for (qsizetype j = c; j <= n - (count - c); ++j) {
            double least = None;
            qsizetype at = 0;
            for (qsizetype i = std::max<qsizetype>(c - 1, j - reach); i < j; ++i)
                if (before[i] < least)
                    if (const double cost = before[i] + side(i, j); cost < least)
                        least = cost, at = i;
            best[size_t(c) * row + size_t(j)] = least;
            from[size_t(c) * row + size_t(j)] = at;
        }
    }
    qsizetype end = n - 1;
    double least = None;
    const double* before = &best[size_t(count - 1) * row];
    for (qsizetype i = std::max<qsizetype>(count - 1, n - reach); i < n; ++i)
        if (const double cost = before[i] + side(i, n); cost < least)
            least = cost, end = i;
    QList<double> along(count);
    for (int c = count - 1; c >= 0; --c) {
        along[c] = places.at(end);
        end = from[size_t(c) * row + size_t(end)];
    }
    return along;
}

} // namespace editor::tracing
