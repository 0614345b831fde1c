#include "tracing.h"

#include <QLineF>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <mutex>
#include <numeric>
#include <opencv2/imgproc.hpp>
#include <potracelib.h>
#include <vector>

namespace editor {

namespace {

constexpr int LightGrey = 200;          // lighter than this is background
constexpr int White = 250;              // lighter than this is no soft edge of a line
constexpr int StepsPerCurve = 8;        // points a Bézier segment is drawn with
constexpr double SharpDegrees = 35;     // a corner that turns less is no corner
constexpr double DetailShare = 0.03;    // of the largest figure: a smaller one is a detail
constexpr double RestoreTips = 3;       // thin widths: how far a blunted tip comes back
constexpr int SilhouetteSide = 1000;    // px: a larger picture is looked at smaller
constexpr double StrokeRoundness = 0.1; // rounder than this is a figure, not a stroke
constexpr double FilledShare = 0.6;     // of a figure in ink: it was drawn filled
constexpr int WordBits = int(sizeof(potrace_word) * 8);
const QSize EditorPage(942, 709); // the editor's page on a 1024 x 768 screen

// A header over the image's pixels, which it does not own.
cv::Mat matOf(QImage& image, int type)
{
    return {image.height(), image.width(), type, image.bits(), size_t(image.bytesPerLine())};
}

// How wide the picture's strokes are drawn: a stroke of width w and length
// L has an area of w L and an edge about 2 L long.
double strokeWidth(const cv::Mat& ink)
{
    std::vector<std::vector<cv::Point>> edges;
    cv::findContours(ink, edges, cv::RETR_LIST, cv::CHAIN_APPROX_SIMPLE);
    double edge = 0;
    for (const auto& each : edges)
        edge += cv::arcLength(each, true);
    return edge > 0 ? 2 * cv::countNonZero(ink) / edge : 0;
}

// `ink` grown by `reach` and shrunk back: the gaps narrower than twice
// that are closed.
cv::Mat closedFilled(const cv::Mat& ink, double reach)
{
    cv::Mat distance, grown, closed;
    cv::distanceTransform(~ink, distance, cv::DIST_L2, cv::DIST_MASK_3);
    cv::compare(distance, reach, grown, cv::CMP_LE);
    cv::distanceTransform(grown, distance, cv::DIST_L2, cv::DIST_MASK_3);
    cv::compare(distance, reach, closed, cv::CMP_GT);
    return closed;
}

std::vector<std::vector<cv::Point>> outerEdges(const cv::Mat& mask)
{
    std::vector<std::vector<cv::Point>> outer;
    cv::findContours(mask, outer, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_NONE);
    return outer;
}

// Whether the largest of `outer` encloses little for the length of its
// edge, as a stroke does and an outline closed round a figure does not.
bool onlyStrokes(const std::vector<std::vector<cv::Point>>& outer)
{
    double area = 0, edge = 0;
    for (const auto& each : outer)
        if (const double a = cv::contourArea(each); a > area)
            area = a, edge = cv::arcLength(each, true);
    return edge > 0 && 4 * M_PI * area / (edge * edge) < StrokeRoundness;
}

// The picture's figures as a person sees them.
struct Figures
{
    QImage grey;                                  // the picture in Grayscale8
    cv::Mat ink;                                  // 255 where something is drawn
    cv::Mat mask;                                 // 255 inside a figure kept
    std::vector<std::vector<cv::Point>> contours; // their outer edges
    double stroke = 0;                            // how wide the lines are drawn
    double reach = 0;                             // how wide a gap is closed
};

Figures figuresOf(const QImage& picture, double minAreaFraction)
{
    Figures figures;
    figures.grey = picture.convertToFormat(QImage::Format_Grayscale8);
    const int w = picture.width(), h = picture.height();
    cv::threshold(matOf(figures.grey, CV_8UC1), figures.ink, LightGrey - 1, 255,
                  cv::THRESH_BINARY_INV);
    // A large picture's figures are found on a smaller copy, every pixel
    // with any ink in it drawn: the outline is smoothed by potrace anyway,
    // and the page's size costs no more than the editor's page does.
    const int scale = std::max(1, (std::max(w, h) + SilhouetteSide - 1) / SilhouetteSide);
    cv::Mat ink = figures.ink;
    if (scale > 1) {
        cv::resize(figures.ink, ink, {(w + scale - 1) / scale, (h + scale - 1) / scale}, 0, 0,
                   cv::INTER_AREA);
        ink = ink > 0;
    }
    const int side = std::min(ink.cols, ink.rows);
    const double stroke = std::max(1.0, strokeWidth(ink));
    figures.stroke = stroke * scale;
    // Gaps of a few line widths are closed, a few pixels at least whatever
    // the line. When the largest figure is still only strokes, no more
    // round than a line is (its edge long for its area), the gaps are wider:
    // closing tries again, wider each time, never so wide that figures
    // standing apart run together.
    double reach = std::max(1.5 * stroke, side / 150.0 + 1), closing = reach;
    std::vector<std::vector<cv::Point>> outer;
    for (;;) {
        closing = std::min(reach, side / 15.0 + 1);
        outer = outerEdges(closedFilled(ink, closing));
        if (closing < reach || !onlyStrokes(outer))
            break;
        reach *= 1.6;
    }
    figures.reach = closing * scale;
    // Parts thinner than two lines side by side (a kite's string, a tail, a
    // whisker) are no part of a figure: they stay in the picture as lines.
    // A picture that is nothing but such lines keeps them as its figures.
    const double thin = std::min(0.6 * stroke + 0.5, side / 100.0 + 1);
    if (thin >= 1 && !outer.empty()) {
        cv::Mat filled = cv::Mat::zeros(ink.size(), CV_8UC1), distance, core;
        cv::drawContours(filled, outer, -1, 255, cv::FILLED, cv::LINE_8);
        cv::distanceTransform(filled, distance, cv::DIST_L2, cv::DIST_MASK_3);
        cv::compare(distance, thin, core, cv::CMP_GT);
        cv::distanceTransform(~core, distance, cv::DIST_L2, cv::DIST_MASK_3);
        cv::Mat opened, near;
        cv::compare(distance, thin, opened, cv::CMP_LE);
        // The opening blunts sharp tips too: what it took within a few
        // widths of what stays comes back, so a star keeps its points and
        // a string only a stub.
        cv::distanceTransform(~opened, distance, cv::DIST_L2, cv::DIST_MASK_3);
        cv::compare(distance, RestoreTips * thin, near, cv::CMP_LE);
        if (cv::countNonZero(core) > 0)
            outer = outerEdges(filled & near);
    }
    std::vector<double> areas;
    for (const auto& each : outer)
        areas.push_back(cv::contourArea(each));
    const double largest = areas.empty() ? 0 : *std::max_element(areas.begin(), areas.end());
    const double least =
        std::max(DetailShare * largest, minAreaFraction * double(ink.cols) * ink.rows);
    std::vector<std::vector<cv::Point>> kept;
    for (size_t i = 0; i < outer.size(); ++i)
        if (areas[i] >= least && areas[i] > 0)
            kept.push_back(std::move(outer[i]));
    cv::Mat mask = cv::Mat::zeros(ink.size(), CV_8UC1);
    cv::drawContours(mask, kept, -1, 255, cv::FILLED, cv::LINE_8);
    if (scale > 1) {
        cv::resize(mask, figures.mask, {w, h}, 0, 0, cv::INTER_NEAREST);
        figures.contours = outerEdges(figures.mask);
    } else {
        figures.mask = mask;
        figures.contours = std::move(kept);
    }
    return figures;
}

// traceFigures() and withoutOutline() are called one after the other on the
// same picture: it is looked at once.
Figures cachedFiguresOf(const QImage& picture, double minAreaFraction)
{
    static std::mutex guard;
    static qint64 key = 0;
    static double fraction = 0;
    static Figures last;
    const std::lock_guard<std::mutex> lock(guard);
    if (key != picture.cacheKey() || fraction != minAreaFraction || key == 0) {
        last = figuresOf(picture, minAreaFraction);
        key = picture.cacheKey(), fraction = minAreaFraction;
    }
    return last;
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

// How badly the dot `k` sits: how far the dots nearer to it than `spacing`
// come inside it, and the crossings of its two sides with the rest of the
// path, each worth more than any crowding.
double trouble(const QList<QPointF>& dots, qsizetype k, double spacing)
{
    const qsizetype n = dots.size();
    double bad = 0;
    for (qsizetype j = 0; j < n; ++j)
        if (j != k)
            bad += std::max(0.0, spacing - QLineF(dots[j], dots[k]).length());
    for (const qsizetype a : {(k + n - 1) % n, k}) {
        const qsizetype b = (a + 1) % n;
        const QLineF side(dots[a], dots[b]);
        for (qsizetype c = 0; c < n; ++c) {
            const qsizetype d = (c + 1) % n;
            if (c == a || c == b || d == a || d == b)
                continue;
            if (side.intersects(QLineF(dots[c], dots[d]), nullptr) == QLineF::BoundedIntersection)
                bad += 1000 * (1 + spacing);
        }
    }
    return bad;
}

// Moves the worst placed dot, the first excepted, to wherever between its
// neighbours along the outline it sits best, until no dot crowds another
// nor does the path cross itself, or no move helps.
template <typename Where>
void untangle(QList<QPointF>& dots, QList<double>& along, Where where, double length,
              double spacing)
{
    constexpr int Tries = 24;
    const qsizetype n = dots.size();
    QList<bool> stuck(n, false);
    for (qsizetype round = 0; round < 6 * n; ++round) {
        qsizetype worst = -1;
        double worstTrouble = 0;
        for (qsizetype k = 1; k < n; ++k) {
            const double bad = stuck[k] ? 0 : trouble(dots, k, spacing);
            if (bad > worstTrouble)
                worst = k, worstTrouble = bad;
        }
        if (worst < 0)
            return;
        const double from = along[worst - 1];
        const double to = worst + 1 < n ? along[worst + 1] : length;
        const QPointF was = dots[worst];
        double best = worstTrouble, bestAlong = along[worst];
        for (int t = 1; t < Tries; ++t) {
            const double s = from + (to - from) * t / Tries;
            dots[worst] = where(s);
            const double bad = trouble(dots, worst, spacing);
            if (bad < best - 1e-9)
                best = bad, bestAlong = s;
        }
        dots[worst] = bestAlong == along[worst] ? was : where(bestAlong);
        if (bestAlong == along[worst]) {
            stuck[worst] = true;
        } else {
            along[worst] = bestAlong;
            stuck.fill(false);
        }
    }
}

QList<QPointF> dotsOn(const Outline& outline, int count)
{
    const QPolygonF& points = outline.points;
    QList<double> arc{0};
    for (qsizetype i = 0; i < points.size(); ++i)
        arc << arc.back() + QLineF(points[i], points[(i + 1) % points.size()]).length();
    // The topmost point, then the sharpest corners; a corner closer to one
    // taken than half an even gap along the outline, or across it than a
    // quarter of one or two dots' spacing, is left out, so no two dots (and
    // their numbers) crowd together on a small wiggle, a stem or a spike.
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
            return QLineF(point, points[i]).length() >= std::max(nearest / 2, 2 * outline.spacing);
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
    QList<double> along;
    for (qsizetype i = 0; i < anchors.size(); ++i)
        for (int k = 0; k <= extra[i]; ++k)
            along << anchors[i] + gaps[i] * k / (extra[i] + 1);
    QList<QPointF> dots;
    for (double s : along)
        dots << at(points, arc, s);
    untangle(
        dots, along, [&](double s) { return at(points, arc, s); }, arc.back(), outline.spacing);
    return dots;
}

// What withoutOutline() takes off, on `ink` and its figures' `mask`.
struct Band
{
    cv::Mat band;     // the ink of the outline, and all the ink of a filled figure
    cv::Mat enclosed; // the light a filled figure's ink encloses
};

Band outlineBand(const cv::Mat& ink, const cv::Mat& mask, double reach)
{
    const int w = ink.cols, h = ink.rows;
    // How thick the stroke is at each point of the edge: how far the white
    // inside the figure lies from the background pixel there. A pixel of the
    // figure is in the band when it is no deeper than that at the edge point
    // nearest to it. White nearer the edge than a closed gap is wide may be
    // a notch the closing filled, not the inside: it does not end a stroke.
    cv::Mat depth, labels, reachWhite;
    cv::distanceTransform(mask, depth, labels, cv::DIST_L2, cv::DIST_MASK_3, cv::DIST_LABEL_PIXEL);
    // Light that the ink encloses, or that lies deeper than a closed gap
    // is wide, is the inside; the rest may be a notch the closing filled.
    cv::Mat regions;
    const int count = cv::connectedComponents(~ink, regions, 4, CV_32S);
    std::vector<bool> open(size_t(count) + 1, false);
    for (int x = 0; x < w; ++x)
        open[size_t(regions.at<int>(0, x))] = open[size_t(regions.at<int>(h - 1, x))] = true;
    for (int y = 0; y < h; ++y)
        open[size_t(regions.at<int>(y, 0))] = open[size_t(regions.at<int>(y, w - 1))] = true;
    cv::Mat openLight = cv::Mat::zeros(h, w, CV_8UC1);
    for (int y = 0; y < h; ++y) {
        const int* region = regions.ptr<int>(y);
        uint8_t* out = openLight.ptr<uint8_t>(y);
        for (int x = 0; x < w; ++x)
            out[x] = open[size_t(region[x])] ? 255 : 0;
    }
    const cv::Mat white = mask & ~ink;
    const cv::Mat deepWhite = white & ((depth > reach / 2 + 1) | ~openLight);
    const bool anyWhite = cv::countNonZero(deepWhite) > 0;
    if (anyWhite)
        cv::distanceTransform(~deepWhite, reachWhite, cv::DIST_L2, cv::DIST_MASK_3);
    std::vector<float> thickness(size_t(w) * size_t(h) + 1, std::numeric_limits<float>::max());
    for (int y = 0; y < h && anyWhite; ++y) {
        const uint8_t* inside = mask.ptr<uint8_t>(y);
        const int* label = labels.ptr<int>(y);
        const float* far = reachWhite.ptr<float>(y);
        for (int x = 0; x < w; ++x)
            if (!inside[x])
                thickness[size_t(label[x])] = far[x];
    }
    const std::vector<std::vector<cv::Point>> contours = outerEdges(mask);
    cv::Mat which = cv::Mat::zeros(h, w, CV_32SC1);
    for (size_t i = 0; i < contours.size(); ++i)
        cv::drawContours(which, contours, int(i), int(i) + 1, cv::FILLED, cv::LINE_8);
    // A figure mostly covered in ink was drawn filled: all of its ink goes.
    std::vector<bool> filled(contours.size() + 1, false);
    for (size_t i = 0; i < contours.size(); ++i) {
        const cv::Mat one = which == int(i) + 1;
        filled[i + 1] = cv::countNonZero(one & ink) > FilledShare * cv::countNonZero(one);
    }
    Band found{cv::Mat::zeros(h, w, CV_8UC1), cv::Mat::zeros(h, w, CV_8UC1)};
    for (int y = 0; y < h; ++y) {
        const uint8_t* drawn = ink.ptr<uint8_t>(y);
        const int* figure = which.ptr<int>(y);
        const float* deep = depth.ptr<float>(y);
        const int* nearest = labels.ptr<int>(y);
        uint8_t* out = found.band.ptr<uint8_t>(y);
        for (int x = 0; x < w; ++x)
            if (figure[x] && drawn[x] &&
                (filled[size_t(figure[x])] || deep[x] <= thickness[size_t(nearest[x])] + 0.5f))
                out[x] = 255;
    }
    if (std::none_of(filled.begin(), filled.end(), [](bool f) { return f; }))
        return found;
    // The light inside a filled figure that its ink encloses, not a notch
    // of the edge the closing filled, which is open to the background.
    for (int y = 0; y < h; ++y) {
        const int* figure = which.ptr<int>(y);
        const int* region = regions.ptr<int>(y);
        const uint8_t* light = white.ptr<uint8_t>(y);
        uint8_t* out = found.enclosed.ptr<uint8_t>(y);
        for (int x = 0; x < w; ++x)
            if (figure[x] && filled[size_t(figure[x])] && light[x] && !open[size_t(region[x])])
                out[x] = 255;
    }
    return found;
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
    const Figures figures = cachedFiguresOf(picture, minAreaFraction);
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
    for (Outline& outline : outlines)
        outline.spacing = dotSpacing(picture.size());
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

double dotSpacing(QSize size)
{
    return 24 * std::max(double(size.width()) / EditorPage.width(),
                         double(size.height()) / EditorPage.height());
}

QImage withoutOutline(const QImage& picture)
{
    QImage erased = picture.convertToFormat(QImage::Format_RGB32);
    if (picture.isNull())
        return erased;
    const Figures figures = cachedFiguresOf(picture, 0.005);
    if (figures.contours.empty())
        return erased;
    const int w = picture.width(), h = picture.height();
    // On a large picture the band is found on the smaller copy the figures
    // were, and taken back to the picture's own ink.
    const int scale = std::max(1, (std::max(w, h) + SilhouetteSide - 1) / SilhouetteSide);
    cv::Mat ink = figures.ink, mask = figures.mask;
    if (scale > 1) {
        const cv::Size small((w + scale - 1) / scale, (h + scale - 1) / scale);
        cv::resize(figures.ink, ink, small, 0, 0, cv::INTER_AREA);
        ink = ink > 0;
        cv::resize(figures.mask, mask, small, 0, 0, cv::INTER_NEAREST);
    }
    const Band found = outlineBand(ink, mask, figures.reach / scale);
    cv::Mat band = found.band;
    if (scale > 1)
        cv::resize(found.band, band, {w, h}, 0, 0, cv::INTER_NEAREST);
    // The soft edge of the line: one pixel more on either side of the band,
    // and the light pixels just outside the figure. A pixel all but white
    // goes white wherever it is: the child's paint bucket stops at any
    // other colour, and a speck of 253 left of the line is a hole in the
    // colour.
    cv::Mat soft, around;
    cv::dilate(band, soft, cv::Mat());
    cv::dilate(figures.mask, around, cv::Mat(), cv::Point(-1, -1), 2);
    for (int y = 0; y < h; ++y) {
        const uint8_t* near = soft.ptr<uint8_t>(y);
        const uint8_t* line = band.ptr<uint8_t>(y);
        const uint8_t* edge = around.ptr<uint8_t>(y);
        const uint8_t* inside = figures.mask.ptr<uint8_t>(y);
        const uint8_t* drawn = figures.ink.ptr<uint8_t>(y);
        const uint8_t* grey = figures.grey.constScanLine(y);
        QRgb* row = reinterpret_cast<QRgb*>(erased.scanLine(y));
        for (int x = 0; x < w; ++x)
            if (grey[x] >= White || (line[x] && drawn[x]) || near[x] || (edge[x] && !inside[x]))
                row[x] = qRgb(255, 255, 255);
    }
    if (cv::countNonZero(found.enclosed) == 0)
        return erased;
    cv::Mat enclosed = found.enclosed;
    if (scale > 1)
        cv::resize(found.enclosed, enclosed, {w, h}, 0, 0, cv::INTER_NEAREST);
    // What is drawn inside a filled figure in another colour stays, as a
    // line round it.
    enclosed &= figures.mask & ~figures.ink;
    std::vector<std::vector<cv::Point>> details;
    cv::findContours(enclosed, details, cv::RETR_LIST, cv::CHAIN_APPROX_NONE);
    const int line = std::max(1, std::min(w, h) / 300);
    const double least = 16.0 * line * line;
    cv::Mat page = matOf(erased, CV_8UC4);
    for (size_t d = 0; d < details.size(); ++d)
        if (cv::contourArea(details[d]) >= least)
            cv::drawContours(page, details, int(d), cv::Scalar(0, 0, 0, 255), line, cv::LINE_8);
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
