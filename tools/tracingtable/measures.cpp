#include "measures.h"

#include "colourfigure.h"
#include "notchedoutline.h"

#include "picturebatch.h"
#include "tracing/tracing.h"

#include <QLineF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>
#include <opencv2/imgproc.hpp>

namespace tracingtable {

namespace {

constexpr int Drawn = 200;           // darker is drawn
constexpr int Dark = 128;            // darker is a line a child sees
constexpr double MostFromEdge = 6;   // px a dot may lie from the outer edge
constexpr double DetailShare = 0.03; // of the largest figure: smaller is a detail

cv::Mat matOf(const QImage& grey)
{
    return cv::Mat(grey.height(), grey.width(), CV_8UC1, const_cast<uchar*>(grey.constBits()),
                   size_t(grey.bytesPerLine()))
        .clone();
}

// The figures as a person sees them, measured in this file's own way: the
// strokes closed with a round brush a little wider than they are drawn,
// wider again while the largest part is still only a stroke (its edge long
// for its area), everything enclosed filled, the parts thinner than two
// strokes side by side and those much smaller than the largest left out.
struct Silhouette
{
    cv::Mat grey, mask;
    std::vector<std::vector<cv::Point>> outer;
    std::vector<std::vector<cv::Point>> withThin; // the outer edges, thin parts kept
    cv::Mat offEdge; // px from the nearest place the outer edge may run
    double stroke = 0;
};

std::vector<std::vector<cv::Point>> outerOf(const cv::Mat& mask)
{
    std::vector<std::vector<cv::Point>> all;
    cv::findContours(mask, all, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_NONE);
    return all;
}

// `mask` grown (or, negative, shrunk) by a round brush of `radius`.
cv::Mat grown(const cv::Mat& mask, double radius)
{
    cv::Mat distance;
    if (radius >= 0) {
        cv::distanceTransform(~mask, distance, cv::DIST_L2, cv::DIST_MASK_PRECISE);
        return distance <= radius;
    }
    cv::distanceTransform(mask, distance, cv::DIST_L2, cv::DIST_MASK_PRECISE);
    return distance > -radius;
}

bool strokeLike(const std::vector<std::vector<cv::Point>>& all)
{
    const auto largest = std::max_element(all.begin(), all.end(), [](const auto& a, const auto& b) {
        return cv::contourArea(a) < cv::contourArea(b);
    });
    if (largest == all.end())
        return false;
    const double edge = cv::arcLength(*largest, true);
    return 4 * M_PI * cv::contourArea(*largest) / (edge * edge) < 0.1;
}

// A picture's strokes, and what each of its silhouettes starts from.
struct Strokes
{
    cv::Mat grey, ink;
    cv::Mat fromInk; // px from the nearest stroke
    double stroke = 0;
};

Strokes strokesIn(const QImage& picture)
{
    Strokes k;
    k.grey = matOf(picture.convertToFormat(QImage::Format_Grayscale8));
    k.ink = k.grey < Drawn;
    cv::Mat depth;
    cv::distanceTransform(k.ink, depth, cv::DIST_L2, cv::DIST_MASK_PRECISE);
    std::vector<float> inside;
    for (int y = 0; y < k.ink.rows; ++y) {
        const uint8_t* ink = k.ink.ptr<uint8_t>(y);
        const float* deep = depth.ptr<float>(y);
        for (int x = 0; x < k.ink.cols; ++x)
            if (ink[x])
                inside.push_back(deep[x]);
    }
    if (!inside.empty()) {
        std::nth_element(inside.begin(), inside.begin() + long(inside.size() / 2), inside.end());
        k.stroke = 4 * inside[inside.size() / 2];
    }
    cv::distanceTransform(~k.ink, k.fromInk, cv::DIST_L2, cv::DIST_MASK_PRECISE);
    return k;
}

Silhouette silhouetteOf(const Strokes& k, double closing = 1.25, bool widen = true)
{
    Silhouette s;
    s.grey = k.grey;
    const cv::Mat& ink = k.ink;
    s.mask = cv::Mat::zeros(ink.size(), CV_8UC1);
    if (cv::countNonZero(ink) == 0)
        return s;
    s.stroke = k.stroke;
    const int side = std::min(ink.cols, ink.rows);
    cv::Mat closed;
    std::vector<std::vector<cv::Point>> all;
    for (double radius = std::max(4.0, closing * s.stroke);; radius *= 1.6) {
        const double r = std::min(radius, side / 15.0);
        closed = grown(k.fromInk <= r, -r);
        all = outerOf(closed);
        if (!widen || radius >= side / 15.0 || !strokeLike(all))
            break;
    }
    cv::Mat filled = cv::Mat::zeros(ink.size(), CV_8UC1), opened;
    cv::drawContours(filled, all, -1, 255, cv::FILLED);
    const double thin = std::min(0.6 * s.stroke + 0.5, side / 100.0 + 1);
    opened = grown(grown(filled, -thin), thin);
    opened = filled & grown(opened, 3 * thin); // sharp tips kept
    s.withThin = all;
    if (cv::countNonZero(opened) > 0)
        all = outerOf(opened);
    double largest = 0;
    for (const auto& c : all)
        largest = std::max(largest, cv::contourArea(c));
    for (auto& c : all)
        if (cv::contourArea(c) >= DetailShare * largest)
            s.outer.push_back(std::move(c));
    cv::drawContours(s.mask, s.outer, -1, 255, cv::FILLED);
    return s;
}

// How far each pixel lies from where a figure's outer edge may run: on the
// edge of the least silhouette (gaps closed only when narrow, thin parts
// left out), of the largest (wide gaps closed, thin parts kept), or between
// them. Whether a notch is narrow enough to fill, or a part thin enough to
// leave out, is a matter of a pixel or two; a dot on any such edge is on
// the figure's edge.
cv::Mat edgeDistance(const Silhouette& least, const Silhouette& largest)
{
    cv::Mat most = cv::Mat::zeros(least.mask.size(), CV_8UC1), leastMask = most.clone();
    cv::drawContours(most, largest.withThin, -1, 255, cv::FILLED);
    cv::drawContours(leastMask, least.outer, -1, 255, cv::FILLED);
    cv::Mat edge = most & ~leastMask, distance;
    cv::drawContours(edge, largest.withThin, -1, 255, 1);
    cv::drawContours(edge, least.outer, -1, 255, 1);
    cv::distanceTransform(~edge, distance, cv::DIST_L2, cv::DIST_MASK_PRECISE);
    return distance;
}

bool crosses(const QList<QPointF>& dots)
{
    const qsizetype n = dots.size();
    for (qsizetype i = 0; i < n; ++i)
        for (qsizetype j = i + 2; j < n - (i == 0); ++j)
            if (QLineF(dots[i], dots[i + 1])
                    .intersects(QLineF(dots[j], dots[(j + 1) % n]), nullptr) ==
                QLineF::BoundedIntersection)
                return true;
    return false;
}

bool fromTopClockwise(const QList<QPointF>& dots)
{
    double area = 0;
    for (qsizetype i = 0; i < dots.size(); ++i) {
        const QPointF a = dots[i], b = dots[(i + 1) % dots.size()];
        area += a.x() * b.y() - b.x() * a.y();
        if (b.y() < dots[0].y() - 0.5)
            return false;
    }
    return area > 0;
}

// The share of `pixels` still darker than `dark` in `after`.
double stillDark(const cv::Mat& pixels, const cv::Mat& after, int dark)
{
    const int all = cv::countNonZero(pixels);
    cv::Mat kept = pixels & (after < dark);
    return all == 0 ? -1 : double(cv::countNonZero(kept)) / all;
}

// Where the dots of `m` lie against the silhouette `s` and on `after`.
void measureDots(Measures& m, const Silhouette& s, const cv::Mat& after)
{
    cv::Mat polygons = cv::Mat::zeros(s.mask.size(), CV_8UC1);
    QList<QPointF> every;
    m.ordered = !m.placed.isEmpty();
    for (const QList<QPointF>& figure : m.placed) {
        std::vector<cv::Point> corners;
        for (QPointF dot : figure) {
            corners.emplace_back(int(std::lround(dot.x())), int(std::lround(dot.y())));
            const cv::Point at(std::clamp(int(std::lround(dot.x())), 0, s.offEdge.cols - 1),
                               std::clamp(int(std::lround(dot.y())), 0, s.offEdge.rows - 1));
            const double nearest = s.offEdge.at<float>(at);
            m.farthest = std::max(m.farthest, nearest);
            if (nearest > MostFromEdge)
                m.astray << dot;
        }
        cv::fillPoly(polygons, std::vector<std::vector<cv::Point>>{corners}, 255);
        m.ordered = m.ordered && fromTopClockwise(figure) && !crosses(figure);
        every += figure;
    }
    m.dots = int(every.size());
    const int union_ = cv::countNonZero(polygons | s.mask);
    m.overlap = union_ ? double(cv::countNonZero(polygons & s.mask)) / union_ : 0;
    m.closest = 1e9;
    for (qsizetype i = 0; i < every.size(); ++i)
        for (qsizetype j = i + 1; j < every.size(); ++j)
            m.closest = std::min(m.closest, QLineF(every[i], every[j]).length());
    for (QPointF dot : every) {
        const cv::Rect around(int(std::lround(dot.x())) - 1, int(std::lround(dot.y())) - 1, 3, 3);
        const cv::Rect inside = around & cv::Rect(0, 0, after.cols, after.rows);
        double darkest = 255;
        cv::minMaxLoc(after(inside), &darkest);
        m.offWhite += darkest < Dark;
    }
}

} // namespace

namespace {

constexpr double Inside = 6; // px from the outer edge: the inside, left to colour
constexpr int White = 220;   // each channel lighter is white to colour on

// What the measures of one picture share, whatever dots it is given and
// whatever the child's picture made of it.
struct Drawing
{
    Silhouette s;
    cv::Mat band;      // the outline: not to be seen dark in the child's picture
    cv::Mat details;   // to be seen dark; empty when there are none to count
    cv::Mat notched;   // the outline's strokes meeting in a notch the silhouette closes over
    bool near = false; // a detail is kept by a dark line within 2 px of it
    cv::Mat inside;    // to be left white
    cv::Mat fills;     // each filled part's core numbered 1, 2...: to be kept whole or not at all
    int fillCount = 0;
    double line = 2; // px: how wide the drawing's lines are
    Measures base;
};

// How wide the strokes of `dark` are drawn, and the cores of its parts
// filled wider, each numbered, in `d`. A child's picture keeps such a part or
// takes it off; a part cut through is a ragged piece.
void findFills(Drawing& d, const cv::Mat& dark)
{
    cv::Mat depth;
    cv::distanceTransform(dark, depth, cv::DIST_L2, cv::DIST_MASK_5);
    std::vector<float> inside, middles;
    for (int y = 1; y + 1 < dark.rows; ++y)
        for (int x = 1; x + 1 < dark.cols; ++x)
            if (const float here = depth.at<float>(y, x); dark.at<uchar>(y, x)) {
                inside.push_back(here);
                // The middle of a stroke, where it is no shallower than
                // beside: half as wide as the stroke is, whatever its length,
                // and a fill's middles are few for its area.
                bool middle = true;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        middle = middle && depth.at<float>(y + dy, x + dx) <= here;
                if (middle)
                    middles.push_back(here);
            }
    if (inside.empty())
        return;
    std::nth_element(inside.begin(), inside.begin() + long(inside.size() / 2), inside.end());
    const double stroke = 4 * inside[inside.size() / 2];
    std::nth_element(middles.begin(), middles.begin() + long(middles.size() / 2), middles.end());
    d.line = std::max(2.0, middles.empty() ? stroke : 2.0 * middles[middles.size() / 2]);
    // Deeper than a stroke's middle by a quarter of a stroke: only a fill is.
    d.fillCount =
        cv::connectedComponents((depth > 0.75 * stroke) & d.s.mask, d.fills, 8, CV_32S) - 1;
}

void describe(Drawing& d, QSize size)
{
    const Silhouette& s = d.s;
    Measures& m = d.base;
    m.seen = int(s.outer.size());
    double inside = 0, hull = 0;
    for (const auto& c : s.outer) {
        std::vector<cv::Point> convex;
        cv::convexHull(c, convex);
        inside += cv::contourArea(c), hull += cv::contourArea(convex);
        QPolygonF edge;
        for (const cv::Point& p : c)
            edge << QPointF(p.x, p.y);
        m.silhouette << edge;
    }
    m.compact = hull > 0 && inside / hull >= 0.7;
    // 12 px on the editor's page at 1024 x 768, the least that keeps the
    // circles apart at the editor's dot size.
    const QSize page = editor::PictureBatch::page();
    m.spacing =
        12 * std::max(double(size.width()) / page.width(), double(size.height()) / page.height());
}

cv::Mat depthIn(const cv::Mat& mask)
{
    cv::Mat depth;
    cv::distanceTransform(mask, depth, cv::DIST_L2, cv::DIST_MASK_PRECISE);
    return depth;
}

// The pieces of `dark` beside `band` that reach no farther from it than
// two of its `line` widths: where two lines of the outline meet in a
// corner, or run into a notch the silhouette closes over. They are the
// outline's own, no detail inside the figure.
cv::Mat outlineCorners(const cv::Mat& dark, const cv::Mat& band, double line)
{
    cv::Mat labels, away;
    const int count = cv::connectedComponents(dark & ~band, labels, 8, CV_32S);
    cv::distanceTransform(~band, away, cv::DIST_L2, cv::DIST_MASK_3);
    std::vector<float> nearest(size_t(count), std::numeric_limits<float>::max());
    std::vector<float> farthest(size_t(count), 0);
    for (int y = 0; y < labels.rows; ++y)
        for (int x = 0; x < labels.cols; ++x) {
            const size_t l = size_t(labels.at<int>(y, x));
            nearest[l] = std::min(nearest[l], away.at<float>(y, x));
            farthest[l] = std::max(farthest[l], away.at<float>(y, x));
        }
    std::vector<uchar> corner(size_t(count), 0);
    for (size_t l = 1; l < size_t(count); ++l)
        corner[l] = nearest[l] <= 1.5f && farthest[l] <= 2 * line ? 255 : 0;
    cv::Mat corners(labels.size(), CV_8UC1);
    for (int y = 0; y < labels.rows; ++y)
        for (int x = 0; x < labels.cols; ++x)
            corners.at<uchar>(y, x) = corner[size_t(labels.at<int>(y, x))];
    return corners;
}

// A drawing in dark strokes: the band along the outer edge as thick as
// the lines are drawn; what lies deeper than twice that, drawn dark, is a
// detail, its edge kept by a dark line within 2 px (a part drawn filled
// may be kept as its clean outline), unless the drawing is mostly filled
// or it is one of the outline's own corners or notches.
Drawing strokesOf(const QImage& picture, bool near = false)
{
    Drawing d;
    const Strokes strokes = strokesIn(picture);
    d.s = silhouetteOf(strokes);
    Silhouette& s = d.s;
    s.offEdge = edgeDistance(silhouetteOf(strokes, 0.5, false), silhouetteOf(strokes, 2.5));
    const cv::Mat depth = depthIn(s.mask), ink = s.grey < Drawn;
    d.band = ink & (depth <= std::max(2.0, 0.75 * s.stroke)) & s.mask;
    // A picture drawn apart from its clean drawing (a scene, a photograph)
    // has its strokes a little wider or off; what is left of them beside
    // the band is outline left too.
    if (near)
        cv::dilate(d.band, d.band, cv::getStructuringElement(cv::MORPH_ELLIPSE, {7, 7}));
    findFills(d, s.grey < Dark);
    const int area = cv::countNonZero(s.mask);
    if (area && cv::countNonZero(ink & s.mask) < 0.7 * area) {
        cv::Mat core;
        cv::erode(s.grey < Dark, core, cv::getStructuringElement(cv::MORPH_ELLIPSE, {5, 5}));
        const cv::Mat deep = (s.grey < Dark) & (depth > 1.5 * s.stroke + 3);
        const double reach = std::min(s.mask.cols, s.mask.rows) / 15.0;
        cv::Mat across;
        cv::distanceTransform(s.grey < Dark, across, cv::DIST_L2, cv::DIST_MASK_3);
        d.notched = notchStrokes(deep & inkOfBand((s.grey < Dark) & s.mask, d.band), across,
                                 notchesOf(ink, s.mask, reach), s.stroke);
        d.details =
            deep & ~core & ~outlineCorners((s.grey < Dark) & s.mask, d.band, s.stroke) & ~d.notched;
    }
    d.near = true;
    d.inside = s.mask & (depth > Inside);
    describe(d, picture.size());
    return d;
}

cv::Mat rgbOf(const QImage& picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    return cv::Mat(rgb.height(), rgb.width(), CV_8UC3, const_cast<uchar*>(rgb.constBits()),
                   size_t(rgb.bytesPerLine()))
        .clone();
}

// A colour picture, or one whose figure is `known`: its figure from colour; the band is its dark
// outline where it has one, else the edge's last two pixels; the details are the sharp boundaries
// between colours well inside it.
Drawing colourOf(const QImage& picture, const cv::Mat& known = {})
{
    const ColourFigure f = colourFigure(rgbOf(picture), known);
    Drawing d;
    Silhouette& s = d.s;
    s.mask = f.mask;
    s.outer = s.withThin = outerOf(f.mask);
    s.stroke = f.outline;
    cv::Mat edge = cv::Mat::zeros(f.mask.size(), CV_8UC1);
    cv::drawContours(edge, s.outer, -1, 255, 1);
    cv::distanceTransform(~edge, s.offEdge, cv::DIST_L2, cv::DIST_MASK_PRECISE);
    const cv::Mat depth = depthIn(s.mask);
    d.band = s.mask & (depth <= std::max(2.0, 0.75 * f.outline));
    if (f.outline > 0)
        d.band &= f.dark;
    d.details = f.boundaries & (depth > std::max(2.0, f.outline) + 4);
    d.near = true;
    d.inside = s.mask & (depth > Inside);
    findFills(d, f.dark);
    // Without a dark outline nothing is taken off but the edge's last
    // pixels, as thin as the lines the colouring page draws.
    if (f.outline == 0)
        d.line = 2;
    describe(d, picture.size());
    return d;
}

// Where a scene's ground line runs on through its figure (a foot on it, a
// floor along it), the teacher sees the ground, and the figure ending where
// the ground begins: a dot there is on the figure's edge, and the ground
// left under it is no outline left. The ground is what the scene draws
// beside the figure as a level line as thick as a stroke, with what the
// rows of that line run on through.
void onGround(Drawing& d, const QImage& scene)
{
    const cv::Mat ink = matOf(scene.convertToFormat(QImage::Format_Grayscale8)) < Drawn;
    const cv::Mat own = d.s.grey < Drawn;
    cv::Mat level;
    cv::morphologyEx(ink & ~own, level, cv::MORPH_OPEN,
                     cv::getStructuringElement(cv::MORPH_RECT,
                                               {int(4 * d.s.stroke) + 1, int(d.s.stroke / 2) + 1}));
    cv::Mat ground = cv::Mat::zeros(ink.size(), CV_8UC1);
    for (int y = 0; y < ink.rows; ++y)
        for (int x = 0, start = 0, on = 0; x <= ink.cols; ++x) {
            if (x < ink.cols && ink.at<uchar>(y, x)) {
                on |= level.at<uchar>(y, x);
                continue;
            }
            if (on)
                ground.row(y).colRange(start, x).setTo(255);
            start = x + 1, on = 0;
        }
    ground &= d.s.mask;
    d.band &= ~ground;
    cv::Mat away;
    cv::distanceTransform(~ground, away, cv::DIST_L2, cv::DIST_MASK_PRECISE);
    d.s.offEdge = cv::min(d.s.offEdge, away);
}

Drawing drawingOf(const Picture& picture)
{
    if (!picture.clean.isNull()) {
        Drawing d = strokesOf(picture.clean, true);
        onGround(d, picture.image);
        return d;
    }
    if (!picture.silhouette.isNull())
        return colourOf(picture.image, matOf(picture.silhouette.convertToFormat(
                                           QImage::Format_Grayscale8)) < Dark);
    return coloured(rgbOf(picture.image)) ? colourOf(picture.image) : strokesOf(picture.image);
}

// The share of `pixels` with a pixel darker than `dark` in `after` within
// 2 px.
double nearDark(const cv::Mat& pixels, const cv::Mat& after, int dark)
{
    cv::Mat near;
    cv::dilate(after < dark, near, cv::getStructuringElement(cv::MORPH_ELLIPSE, {5, 5}));
    return stillDark(pixels, ~near, 128);
}

// The dark pieces of `after` inside the figure (a line running on out of
// it is no piece) that touch its outline band and are shorter than two of
// its lines are wide, or shorter than four that lie for a quarter or more
// where the outline's strokes meet in a closed-over notch, wider than one
// line there: the strokes merged in a wedge, not a clean line. No line
// and no detail a child could make out, only what the taking off of the
// band left of a stroke that met it; their middles in `m`.
void findShards(const Drawing& d, const cv::Mat& after, Measures& m)
{
    cv::Mat near, labels, stats, centroids;
    cv::dilate(d.band, near, cv::Mat());
    const int count = cv::connectedComponentsWithStats(after < Dark, labels, stats, centroids, 8);
    std::vector<bool> touching(size_t(count), false);
    std::vector<int> notched(size_t(count), 0);
    std::vector<float> thickest(size_t(count), 0);
    cv::Mat depth;
    cv::distanceTransform(after < Dark, depth, cv::DIST_L2, cv::DIST_MASK_3);
    for (int y = 0; y < labels.rows; ++y) {
        const int* label = labels.ptr<int>(y);
        const uchar* band = near.ptr<uchar>(y);
        const uchar* notch = d.notched.empty() ? nullptr : d.notched.ptr<uchar>(y);
        const float* deep = depth.ptr<float>(y);
        for (int x = 0; x < labels.cols; ++x) {
            const size_t l = size_t(label[x]);
            touching[l] = touching[l] || band[x];
            notched[l] += notch && notch[x];
            thickest[l] = std::max(thickest[l], deep[x]);
        }
    }
    // A speck smaller than a quarter of a line's width squared is no piece
    // a child makes out.
    for (int i = 1; i < count; ++i)
        if (const int area = stats.at<int>(i, cv::CC_STAT_AREA),
            span =
                std::max(stats.at<int>(i, cv::CC_STAT_WIDTH), stats.at<int>(i, cv::CC_STAT_HEIGHT));
            4 * area >= d.line * d.line &&
            d.s.mask.at<uchar>(
                cv::Point(int(centroids.at<double>(i, 0)), int(centroids.at<double>(i, 1)))) &&
            ((touching[size_t(i)] && span < 2 * d.line) ||
             (4 * notched[size_t(i)] >= area && span < 4 * d.line &&
              thickest[size_t(i)] > WedgeWidth * d.line)))
            m.shardsAt << QPointF(centroids.at<double>(i, 0), centroids.at<double>(i, 1));
    m.shards = int(m.shardsAt.size());
}

// How much of the drawing's outline and of its details the child's picture
// `erased` still shows, and how much of its inside it leaves white; the
// picture, grey.
cv::Mat seen(const Drawing& d, const QImage& erased, Measures& m)
{
    const cv::Mat after = matOf(erased.convertToFormat(QImage::Format_Grayscale8));
    m.erased = erased;
    m.bandDark = stillDark(d.band, after, Dark);
    m.detailsKept = d.details.empty() ? -1
                    : d.near          ? nearDark(d.details, after, Dark)
                                      : stillDark(d.details, after, Dark);
    std::vector<cv::Mat> channels;
    cv::split(rgbOf(erased), channels);
    const cv::Mat white = (channels[0] >= White) & (channels[1] >= White) & (channels[2] >= White);
    const double coloured = stillDark(d.inside, white, 128);
    m.insideWhite = coloured < 0 ? -1 : 1 - coloured;
    // A thin line drawn across a part taken off (a nose, a mouth) is a
    // detail of it; only a solid piece left of it is ragged.
    const int line = std::max(3, int(d.line / 2));
    cv::Mat solid;
    cv::morphologyEx(after < Dark, solid, cv::MORPH_OPEN,
                     cv::getStructuringElement(cv::MORPH_ELLIPSE, {line, line}));
    std::vector<int> all(size_t(d.fillCount) + 1, 0), kept(all);
    for (int y = 0; y < d.fills.rows && d.fillCount; ++y)
        for (int x = 0; x < d.fills.cols; ++x)
            if (const int part = d.fills.at<int>(y, x))
                ++all[size_t(part)], kept[size_t(part)] += solid.at<uchar>(y, x) > 0;
    for (size_t part = 1; part < all.size(); ++part)
        m.ragged += all[part] >= 30 && kept[part] > 0.1 * all[part] && kept[part] < 0.9 * all[part];
    findShards(d, after, m);
    return after;
}

QList<Measures> measured(const QImage& picture, const Drawing& d, const QList<int>& counts)
{
    const QList<editor::Outline> outlines = editor::traceFigures(picture);
    Measures child = d.base;
    const cv::Mat after = seen(d, editor::withoutOutline(picture), child);
    QList<Measures> all;
    for (int count : counts) {
        Measures m = child;
        m.figures = int(outlines.size());
        m.placed = editor::dotsAlong(outlines, count);
        measureDots(m, d.s, after);
        all << m;
    }
    return all;
}

} // namespace

QList<Measures> measure(const QImage& picture, const QList<int>& counts)
{
    return measured(picture, strokesOf(picture), counts);
}

QList<Measures> measure(const Picture& picture, const QList<int>& counts)
{
    return measured(picture.image, drawingOf(picture), counts);
}

QList<Measures> measureActivities(const QImage& picture, const QList<MadeActivity>& made)
{
    const Drawing d = strokesOf(picture);
    QList<Measures> all;
    for (const MadeActivity& activity : made) {
        Measures m = d.base;
        const cv::Mat after = seen(d, activity.picture, m);
        m.figures = int(activity.placed.size());
        m.placed = activity.placed;
        measureDots(m, d.s, after);
        all << m;
    }
    return all;
}

QString failures(const Measures& m, int count)
{
    QStringList wrong;
    if (m.figures != m.seen)
        wrong << QStringLiteral("%1 figures, not %2").arg(m.figures).arg(m.seen);
    if (m.dots != count)
        wrong << QStringLiteral("%1 dots").arg(m.dots);
    if (m.farthest > MostFromEdge)
        wrong << QStringLiteral("a dot %1 px off the edge").arg(m.farthest, 0, 'f', 1);
    // Fewer dots cut more corners.
    const double least = count <= 10 ? 0.65 : count < 30 ? 0.75 : 0.8;
    if (m.compact && m.overlap < least)
        wrong << QStringLiteral("overlap %1").arg(m.overlap, 0, 'f', 2);
    if (m.closest < m.spacing - 0.01)
        wrong << QStringLiteral("dots %1 px apart").arg(m.closest, 0, 'f', 1);
    if (!m.ordered)
        wrong << QStringLiteral("not from the top, clockwise, uncrossed");
    if (m.bandDark > 0.2)
        wrong << QStringLiteral("outline %1 % left").arg(100 * m.bandDark, 0, 'f', 0);
    if (m.detailsKept >= 0 && m.detailsKept < 0.6)
        wrong << QStringLiteral("details %1 % kept").arg(100 * m.detailsKept, 0, 'f', 0);
    if (m.insideWhite >= 0 && m.insideWhite < 0.6)
        wrong << QStringLiteral("inside %1 % white").arg(100 * m.insideWhite, 0, 'f', 0);
    if (m.ragged > 0)
        wrong << QStringLiteral("%1 ragged pieces").arg(m.ragged);
    if (m.shards > 0)
        wrong << QStringLiteral("%1 shards").arg(m.shards);
    if (m.offWhite > 0)
        wrong << QStringLiteral("%1 dots on a line").arg(m.offWhite);
    return wrong.join(QStringLiteral("; "));
}

QImage childView(const Measures& m, bool edges, const QStringList& labels)
{
    QImage view = m.erased.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&view);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(80, 160, 255), 1));
    for (const QPolygonF& edge : m.silhouette)
        if (edges)
            painter.drawPolygon(edge);
    painter.setPen(QPen(Qt::red, 3));
    for (QPointF dot : m.astray)
        if (edges)
            painter.drawEllipse(dot, 12, 12);
    painter.setPen(QPen(QColor(255, 140, 0), 2));
    for (QPointF shard : m.shardsAt)
        if (edges)
            painter.drawEllipse(shard, 8, 8);
    QFont font = painter.font();
    font.setPixelSize(14);
    painter.setFont(font);
    int number = 1;
    for (const QList<QPointF>& figure : m.placed)
        for (QPointF dot : figure) {
            painter.setPen(QPen(Qt::black, 1.5));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(dot, 5, 5);
            painter.setBrush(Qt::black);
            painter.drawEllipse(dot, 1.5, 1.5);
            painter.setPen(Qt::red);
            painter.drawText(dot + QPointF(6, -5),
                             labels.value(number - 1, QString::number(number)));
            ++number;
        }
    return view;
}

} // namespace tracingtable
