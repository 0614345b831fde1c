#include "figures.h"
#include "tracing.h"

#include <QLineF>
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <opencv2/imgproc.hpp>
#include <potracelib.h>

namespace editor {

namespace {

constexpr int StepsPerCurve = 8;    // points a Bézier segment is drawn with, at least
constexpr double LongestStep = 3;   // px between two points of an outline, at most
constexpr double SharpDegrees = 35; // a corner that turns less is no corner
constexpr int NearInk = 5;          // px: an outline point nearer is on the drawn line
constexpr int WordBits = int(sizeof(potrace_word) * 8);

double turnDegrees(QPointF before, QPointF at, QPointF after)
{
    const double angle = std::abs(QLineF(before, at).angleTo(QLineF(at, after)));
    return std::min(angle, 360 - angle);
}

QPointF bezier(QPointF p0, QPointF p1, QPointF p2, QPointF p3, double t)
{
    const double u = 1 - t;
    return u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
}

QPointF point(const potrace_dpoint_t& p)
{
    return {p.x, p.y};
}

// potrace's curve as points, with its corner vertices marked.
Outline flattened(const potrace_curve_t& curve)
{
    Outline outline;
    QList<bool> corner;
    QPointF from = point(curve.c[curve.n - 1][2]);
    for (int i = 0; i < curve.n; ++i) {
        const auto& c = curve.c[i];
        // No step longer than a few pixels, so that where an outline
        // leaves the drawn line is known to within them.
        if (curve.tag[i] == POTRACE_CORNER) {
            for (const QLineF side :
                 {QLineF(from, point(c[1])), QLineF(point(c[1]), point(c[2]))}) {
                const int steps = std::max(1, int(std::ceil(side.length() / LongestStep)));
                for (int step = 1; step <= steps; ++step) {
                    outline.points << side.pointAt(double(step) / steps);
                    corner << (step == steps && side.p2() == point(c[1]));
                }
            }
        } else {
            const double around = QLineF(from, point(c[0])).length() +
                                  QLineF(point(c[0]), point(c[1])).length() +
                                  QLineF(point(c[1]), point(c[2])).length();
            const int steps = std::max(StepsPerCurve, int(std::ceil(around / LongestStep)));
            for (int step = 1; step <= steps; ++step)
                outline.points << bezier(from, point(c[0]), point(c[1]), point(c[2]),
                                         double(step) / steps);
            corner << QList<bool>(steps, false);
        }
        from = point(c[2]);
    }
    // Clockwise on screen (y down) has a positive shoelace area.
    double area = 0;
    for (qsizetype i = 0; i < outline.points.size(); ++i) {
        const QPointF a = outline.points[i], b = outline.points[(i + 1) % outline.points.size()];
        area += a.x() * b.y() - b.x() * a.y();
    }
    if (area < 0) {
        std::reverse(outline.points.begin(), outline.points.end());
        std::reverse(corner.begin(), corner.end());
    }
    const auto top =
        std::min_element(outline.points.begin(), outline.points.end(), [](QPointF a, QPointF b) {
            return a.y() < b.y() || (a.y() == b.y() && a.x() < b.x());
        });
    const qsizetype first = top - outline.points.begin();
    std::rotate(outline.points.begin(), top, outline.points.end());
    std::rotate(corner.begin(), corner.begin() + first, corner.end());
    const qsizetype n = outline.points.size();
    QList<std::pair<double, int>> sharp;
    for (qsizetype i = 1; i < n; ++i) {
        const double turn =
            turnDegrees(outline.points[i - 1], outline.points[i], outline.points[(i + 1) % n]);
        if (corner[i] && turn >= SharpDegrees)
            sharp.append({turn, int(i)});
    }
    // potrace rounds a tip only a few pixels across into a tight curve: the
    // outline simplified to a polygon (its vertices are outline points)
    // shows where it turns sharply all the same.
    std::vector<cv::Point2f> along, simple;
    for (QPointF p : outline.points)
        along.emplace_back(float(p.x()), float(p.y()));
    cv::approxPolyDP(along, simple, std::max(1.5, outline.length() / 100), true);
    const qsizetype m = qsizetype(simple.size());
    for (qsizetype k = 0; k < m && m >= 3; ++k) {
        const auto point = [&](qsizetype j) {
            const cv::Point2f& p = simple[size_t((j + m) % m)];
            return QPointF(p.x, p.y);
        };
        const double turn = turnDegrees(point(k - 1), point(k), point(k + 1));
        const auto at = std::min_element(
            outline.points.begin(), outline.points.end(), [&](QPointF a, QPointF b) {
                return QLineF(a, point(k)).length() < QLineF(b, point(k)).length();
            });
        const int i = int(at - outline.points.begin());
        if (turn >= SharpDegrees && i > 0 &&
            std::none_of(sharp.begin(), sharp.end(), [&](auto c) { return c.second == i; }))
            sharp.append({turn, i});
    }
    std::sort(sharp.begin(), sharp.end(), std::greater<>());
    for (const auto& each : sharp)
        outline.corners << each.second;
    return outline;
}

// Whether something is drawn within NearInk of `p`. Where the figures were
// closed across a gap or into a narrow notch, their outline runs over the
// paper, as far from the edge a person sees as the closing reached. The
// distance is from `p` itself, not from the pixel it rounds to, which let
// a point 5.7 px off pass: a dot in a bold drawing's closed-over corner
// then lay past 6 px from the ink.
bool nearInk(const cv::Mat& ink, QPointF p)
{
    const int left = std::max(0, int(std::ceil(p.x() - NearInk)));
    const int right = std::min(ink.cols - 1, int(std::floor(p.x() + NearInk)));
    for (int y = std::max(0, int(std::ceil(p.y() - NearInk)));
         y <= std::min(ink.rows - 1, int(std::floor(p.y() + NearInk))); ++y) {
        const uint8_t* row = ink.ptr<uint8_t>(y);
        for (int x = left; x <= right; ++x) {
            const double dx = x - p.x(), dy = y - p.y();
            if (row[x] && dx * dx + dy * dy <= NearInk * NearInk)
                return true;
        }
    }
    return false;
}

// Where a figure stands on a scene's ground, its outline runs along the
// ground's edge, across a foot's white inside as much as under its
// strokes: no line of the figure's own, and no edge a person sees where
// the foot is drawn down into the ground line. A dot there goes where the
// figure leaves the ground (a foot's corners), within NearInk of it along
// the outline.
void offTheGround(Outline& outline, const cv::Mat& ground)
{
    const qsizetype n = outline.points.size();
    QList<bool> on;
    for (QPointF p : outline.points)
        on << nearInk(ground, p);
    // A notch narrower than a dot, where the closing left the figure short
    // of the ground, is not where the figure leaves it.
    const qsizetype start = on.indexOf(true);
    for (qsizetype k = 0; start >= 0 && k < n;) {
        const qsizetype from = (start + k) % n;
        if (on[from]) {
            ++k;
            continue;
        }
        qsizetype run = 0;
        double length = 0;
        for (; k + run < n && !on[(from + run) % n]; ++run)
            length += QLineF(outline.points[(from + run) % n], outline.points[(from + run + 1) % n])
                          .length();
        if (length < outline.spacing / 2)
            for (qsizetype r = 0; r < run; ++r)
                on[(from + r) % n] = true;
        k += run;
    }
    if (!on.contains(false))
        return;
    QList<double> away(n, std::numeric_limits<double>::infinity());
    for (const int step : {1, -1}) {
        double since = away[0];
        for (qsizetype k = 0, i = 0; k < 2 * n; ++k, i = (i + n + step) % n) {
            const qsizetype before = (i + n - step) % n;
            since = on[i] ? since + QLineF(outline.points[before], outline.points[i]).length() : 0;
            away[i] = std::min(away[i], since);
        }
    }
    for (qsizetype i = 0; i < n; ++i)
        if (away[i] > NearInk)
            outline.drawn[i] = false;
}

// How far each point not drawn lies from the figure's own line (`own`):
// where an outline is too short for its dots to keep off such points, the
// dots left over go where the line is nearest, at a closed gap's ends
// rather than across its middle, where a paw or a belly comes down to a
// scene's ground rather than under the arch they roof over it, which a
// person sees as no part of the figure.
void measureAway(Outline& outline, const cv::Mat& own)
{
    const qsizetype n = outline.points.size();
    outline.away = QList<double>(n, 0);
    QPolygonF off;
    for (qsizetype i = 0; i < n; ++i)
        if (!outline.drawn[i])
            off << outline.points[i];
    if (off.isEmpty())
        return;
    // Only a line within the spacing counts: the search goes no farther.
    const int reach = int(std::ceil(outline.spacing)) + 1;
    const QRect bounds = off.boundingRect().toAlignedRect().adjusted(-reach, -reach, reach, reach);
    const cv::Rect area = cv::Rect(bounds.x(), bounds.y(), bounds.width(), bounds.height()) &
                          cv::Rect(0, 0, own.cols, own.rows);
    cv::Mat distance;
    cv::distanceTransform(~own(area), distance, cv::DIST_L2, cv::DIST_MASK_PRECISE);
    for (qsizetype i = 0; i < n; ++i) {
        if (outline.drawn[i])
            continue;
        const int x =
            std::clamp(int(std::lround(outline.points[i].x())) - area.x, 0, area.width - 1);
        const int y =
            std::clamp(int(std::lround(outline.points[i].y())) - area.y, 0, area.height - 1);
        outline.away[i] = std::min(outline.spacing, double(distance.at<float>(y, x)));
    }
}

} // namespace

double Outline::length() const
{
    double total = 0;
    for (qsizetype i = 0; i < points.size(); ++i)
        total += QLineF(points[i], points[(i + 1) % points.size()]).length();
    return total;
}

QList<Outline> traceFigures(const QImage& picture, FigureChoice chosen)
{
    const int w = picture.width(), h = picture.height();
    if (w == 0 || h == 0)
        return {};
    const tracing::Figures figures = tracing::cachedFiguresOf(picture, chosen);
    if (figures.contours.empty())
        return {};
    const int dy = (w + WordBits - 1) / WordBits;
    std::vector<potrace_word> map(size_t(dy) * size_t(h), 0);
    for (int y = 0; y < h; ++y) {
        const uint8_t* row = figures.mask.ptr<uint8_t>(y);
        for (int x = 0; x < w; ++x)
            if (row[x])
                map[size_t(y) * size_t(dy) + size_t(x / WordBits)] |=
                    potrace_word(1) << (WordBits - 1 - x % WordBits);
    }
    potrace_bitmap_t bitmap{w, h, dy, map.data()};
    const std::unique_ptr<potrace_param_t, void (*)(potrace_param_t*)> param(
        potrace_param_default(), potrace_param_free);
    if (!param)
        return {};
    param->turdsize = 0; // the specks are gone already
    const std::unique_ptr<potrace_state_t, void (*)(potrace_state_t*)> state(
        potrace_trace(param.get(), &bitmap), potrace_state_free);
    QList<Outline> outlines;
    if (!state || state->status != POTRACE_STATUS_OK)
        return outlines;
    for (const potrace_path_t* path = state->plist; path; path = path->next)
        if (path->sign == '+' && path->curve.n > 0)
            outlines << flattened(path->curve);
    const cv::Mat own = figures.ground.empty() ? figures.ink : figures.ink & ~figures.ground;
    for (Outline& outline : outlines) {
        outline.spacing = dotSpacing(picture.size());
        for (QPointF p : outline.points)
            outline.drawn << nearInk(figures.ink, p);
        if (!figures.ground.empty())
            offTheGround(outline, figures.ground);
        measureAway(outline, own);
    }
    std::sort(outlines.begin(), outlines.end(), [](const Outline& a, const Outline& b) {
        const QPointF p = a.points.first(), q = b.points.first();
        return p.y() < q.y() || (p.y() == q.y() && p.x() < q.x());
    });
    return outlines;
}

} // namespace editor
