#include "tracing.h"

#include <QLineF>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <numeric>
#include <potracelib.h>
#include <vector>

namespace editor {

namespace {

constexpr int LightGrey = 200;      // lighter than this is background
constexpr int StepsPerCurve = 8;    // points a Bézier segment is drawn with
constexpr double SharpDegrees = 35; // a corner that turns less is no corner
constexpr int WordBits = int(sizeof(potrace_word) * 8);

// Figure pixels: those that light background 4-connected to the edge
// cannot reach, so the inside of an outline is figure too.
std::vector<uint8_t> figureMask(const QImage& picture)
{
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    const int w = grey.width(), h = grey.height();
    std::vector<uint8_t> reached(size_t(w) * size_t(h), 0);
    std::vector<int> pending;
    const auto visit = [&](int x, int y) {
        const size_t i = size_t(y) * size_t(w) + size_t(x);
        if (!reached[i] && grey.constScanLine(y)[x] >= LightGrey) {
            reached[i] = 1;
            pending.push_back(int(i));
        }
    };
    for (int x = 0; x < w; ++x)
        visit(x, 0), visit(x, h - 1);
    for (int y = 0; y < h; ++y)
        visit(0, y), visit(w - 1, y);
    while (!pending.empty()) {
        const int i = pending.back();
        pending.pop_back();
        const int x = i % w, y = i / w;
        if (x > 0)
            visit(x - 1, y);
        if (x + 1 < w)
            visit(x + 1, y);
        if (y > 0)
            visit(x, y - 1);
        if (y + 1 < h)
            visit(x, y + 1);
    }
    for (uint8_t& pixel : reached)
        pixel = !pixel;
    return reached;
}

// How thick the figures' outline is drawn: the median, over the pixels of
// the outline, of how far dark pixels go straight inwards from it. Zero when
// that is beyond `most`: a filled silhouette has no line to take away.
int outlineWidth(const QImage& grey, const std::vector<uint8_t>& figure, int most)
{
    const int w = grey.width(), h = grey.height();
    const auto inFigure = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && figure[size_t(y) * size_t(w) + size_t(x)];
    };
    std::vector<int> runs;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!inFigure(x, y))
                continue;
            for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                if (inFigure(x - dx, y - dy))
                    continue; // not the outside on this side
                int run = 0;
                while (run <= most && inFigure(x + run * dx, y + run * dy) &&
                       grey.constScanLine(y + run * dy)[x + run * dx] < LightGrey)
                    ++run;
                runs.push_back(run);
            }
        }
    if (runs.empty())
        return 0;
    std::nth_element(runs.begin(), runs.begin() + runs.size() / 2, runs.end());
    const int median = runs[runs.size() / 2];
    return median > most ? 0 : median;
}

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
        if (curve.tag[i] == POTRACE_CORNER) {
            outline.points << point(c[1]) << point(c[2]);
            corner << true << false;
        } else {
            for (int step = 1; step <= StepsPerCurve; ++step)
                outline.points << bezier(from, point(c[0]), point(c[1]), point(c[2]),
                                         double(step) / StepsPerCurve);
            corner << QList<bool>(StepsPerCurve, false);
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
    std::sort(sharp.begin(), sharp.end(), std::greater<>());
    for (const auto& each : sharp)
        outline.corners << each.second;
    return outline;
}

// Shares `count` among `weights` by the largest remainder.
QList<int> shares(const QList<double>& weights, int count)
{
    if (weights.isEmpty())
        return {};
    const double total = std::accumulate(weights.begin(), weights.end(), 0.0);
    QList<int> given;
    QList<std::pair<double, int>> remainders;
    for (qsizetype i = 0; i < weights.size(); ++i) {
        const double exact = total > 0 ? count * weights[i] / total : 0;
        given << int(exact);
        remainders.append({exact - int(exact), int(i)});
    }
    std::sort(remainders.begin(), remainders.end(), std::greater<>());
    int left = count - std::accumulate(given.begin(), given.end(), 0);
    for (qsizetype i = 0; left > 0; i = (i + 1) % remainders.size(), --left)
        ++given[remainders[i].second];
    return given;
}

// The point at arc length `s` along the closed outline.
QPointF at(const QPolygonF& points, const QList<double>& arc, double s)
{
    const auto next = std::upper_bound(arc.begin(), arc.end(), s);
    const qsizetype i = std::max<qsizetype>(1, next - arc.begin()) - 1;
    const QPointF a = points[i], b = points[(i + 1) % points.size()];
    const double span = arc[i + 1] - arc[i];
    return span > 0 ? a + (b - a) * ((s - arc[i]) / span) : a;
}

QList<QPointF> dotsOn(const Outline& outline, int count)
{
    const QPolygonF& points = outline.points;
    QList<double> arc{0};
    for (qsizetype i = 0; i < points.size(); ++i)
        arc << arc.back() + QLineF(points[i], points[(i + 1) % points.size()]).length();
    // The topmost point, then the sharpest corners; a corner closer to one
    // taken than half an even gap along the outline, or a quarter of one
    // across it, is left out, so no two dots (and their numbers) crowd
    // together on a small wiggle or across a thin spike.
    const double nearest = arc.back() / count / 2;
    QList<double> anchors{0};
    QList<QPointF> taken{points.first()};
    for (int i : outline.corners) {
        if (anchors.size() == count)
            break;
        const bool apart = std::all_of(anchors.begin(), anchors.end(), [&](double along) {
            const double gap = std::abs(arc[i] - along);
            return std::min(gap, arc.back() - gap) >= nearest;
        });
        const bool clear = std::all_of(taken.begin(), taken.end(), [&](QPointF point) {
            return QLineF(point, points[i]).length() >= nearest / 2;
        });
        if (apart && clear) {
            anchors << arc[i];
            taken << points[i];
        }
    }
    std::sort(anchors.begin(), anchors.end());
    QList<double> gaps;
    for (qsizetype i = 0; i < anchors.size(); ++i)
        gaps << (i + 1 < anchors.size() ? anchors[i + 1] : arc.back()) - anchors[i];
    const QList<int> extra = shares(gaps, count - int(anchors.size()));
    QList<QPointF> dots;
    for (qsizetype i = 0; i < anchors.size(); ++i)
        for (int k = 0; k <= extra[i]; ++k)
            dots << at(points, arc, anchors[i] + gaps[i] * k / (extra[i] + 1));
    return dots;
}

} // namespace

double Outline::length() const
{
    double total = 0;
    for (qsizetype i = 0; i < points.size(); ++i)
        total += QLineF(points[i], points[(i + 1) % points.size()]).length();
    return total;
}

QList<Outline> traceFigures(const QImage& picture, double minAreaFraction)
{
    const int w = picture.width(), h = picture.height();
    if (w == 0 || h == 0)
        return {};
    const std::vector<uint8_t> figure = figureMask(picture);
    const int dy = (w + WordBits - 1) / WordBits;
    std::vector<potrace_word> map(size_t(dy) * size_t(h), 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (figure[size_t(y) * size_t(w) + size_t(x)])
                map[size_t(y) * size_t(dy) + size_t(x / WordBits)] |=
                    potrace_word(1) << (WordBits - 1 - x % WordBits);
    potrace_bitmap_t bitmap{w, h, dy, map.data()};
    const std::unique_ptr<potrace_param_t, void (*)(potrace_param_t*)> param(
        potrace_param_default(), potrace_param_free);
    if (!param)
        return {};
    param->turdsize = int(minAreaFraction * w * h);
    const std::unique_ptr<potrace_state_t, void (*)(potrace_state_t*)> state(
        potrace_trace(param.get(), &bitmap), potrace_state_free);
    QList<Outline> outlines;
    if (!state || state->status != POTRACE_STATUS_OK)
        return outlines;
    for (const potrace_path_t* path = state->plist; path; path = path->next)
        if (path->sign == '+' && path->curve.n > 0)
            outlines << flattened(path->curve);
    std::sort(outlines.begin(), outlines.end(), [](const Outline& a, const Outline& b) {
        const QPointF p = a.points.first(), q = b.points.first();
        return p.y() < q.y() || (p.y() == q.y() && p.x() < q.x());
    });
    return outlines;
}

int dotsThatFit(int wanted, int figures, int room)
{
    return std::min(wanted, room - std::min(figures, wanted / 3));
}

QImage withoutOutline(const QImage& picture)
{
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    const int w = grey.width(), h = grey.height();
    const std::vector<uint8_t> figure = figureMask(picture);
    const int width = outlineWidth(grey, figure, std::clamp(std::min(w, h) / 20, 2, 200));
    QImage erased = picture.convertToFormat(QImage::Format_RGB32);
    if (width == 0)
        return erased;
    // In from the background, through anything not white, as far as the
    // line is thick and one pixel more for its soft edge, which also lies
    // just outside the figure.
    constexpr int White = 250;
    constexpr uint8_t Unreached = 255;
    std::vector<uint8_t> distance(figure.size(), Unreached);
    std::vector<int> ring;
    const auto whiten = [&](int x, int y) {
        reinterpret_cast<QRgb*>(erased.scanLine(y))[x] = qRgb(255, 255, 255);
    };
    const auto inFigure = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && figure[size_t(y) * size_t(w) + size_t(x)];
    };
    // The figures' edge: dark pixels beside the background; the light
    // background pixels that touch it are the line's soft edge.
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const size_t i = size_t(y) * size_t(w) + size_t(x);
            if (!figure[i]) {
                distance[i] = 0;
                continue;
            }
            bool edge = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (!inFigure(x + dx, y + dy) && x + dx >= 0 && y + dy >= 0 && x + dx < w &&
                        y + dy < h) {
                        edge = true;
                        if (grey.constScanLine(y + dy)[x + dx] < White)
                            whiten(x + dx, y + dy);
                    }
            if (edge) {
                distance[i] = 1;
                ring.push_back(int(i));
                whiten(x, y);
            }
        }
    for (int d = 2; d <= width + 1 && !ring.empty(); ++d) {
        std::vector<int> next;
        for (const int i : ring) {
            const int x = i % w, y = i / w;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= w || ny >= h)
                        continue;
                    const size_t n = size_t(ny) * size_t(w) + size_t(nx);
                    if (distance[n] != Unreached || grey.constScanLine(ny)[nx] >= White)
                        continue;
                    distance[n] = uint8_t(d);
                    next.push_back(int(n));
                    whiten(nx, ny);
                }
        }
        ring = std::move(next);
    }
    return erased;
}

QList<QList<QPointF>> dotsAlong(const QList<Outline>& outlines, int count)
{
    QList<int> kept(outlines.size());
    std::iota(kept.begin(), kept.end(), 0);
    std::stable_sort(kept.begin(), kept.end(),
                     [&](int a, int b) { return outlines[a].length() > outlines[b].length(); });
    kept = kept.mid(0, count / 3);
    std::sort(kept.begin(), kept.end()); // back in top-to-bottom order
    QList<double> lengths;
    for (int i : kept)
        lengths << outlines[i].length();
    const QList<int> extra = shares(lengths, count - 3 * int(kept.size()));
    QList<QList<QPointF>> dots;
    for (qsizetype i = 0; i < kept.size(); ++i)
        dots << dotsOn(outlines[kept[i]], 3 + extra[i]);
    return dots;
}

} // namespace editor
