#include "drawing.h"

#include "colourfigure.h"
#include "mainfigure.h"
#include "notchedoutline.h"

#include "picturebatch.h"

#include <algorithm>
#include <limits>
#include <opencv2/imgproc.hpp>

namespace tracingtable {

cv::Mat matOf(const QImage& grey)
{
    return cv::Mat(grey.height(), grey.width(), CV_8UC1, const_cast<uchar*>(grey.constBits()),
                   size_t(grey.bytesPerLine()))
        .clone();
}

cv::Mat rgbOf(const QImage& picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    return cv::Mat(rgb.height(), rgb.width(), CV_8UC3, const_cast<uchar*>(rgb.constBits()),
                   size_t(rgb.bytesPerLine()))
        .clone();
}

namespace {

constexpr double DetailShare = 0.03; // of the largest figure: smaller is a detail
constexpr double Inside = 6;         // px from the outer edge: the inside, left to colour
constexpr double GroundShare = 0.8;  // of the page's width: a level line across it is a ground

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

// The level line a scene (`ink`, 255 where drawn) draws beside its figure
// (`own`, in strokes `stroke` px wide) as thick as a stroke: its ground.
cv::Mat levelIn(const cv::Mat& ink, const cv::Mat& own, double stroke)
{
    cv::Mat level;
    cv::morphologyEx(
        ink & ~own, level, cv::MORPH_OPEN,
        cv::getStructuringElement(cv::MORPH_RECT, {int(4 * stroke) + 1, int(stroke / 2) + 1}));
    return level;
}

// The parts of `filled` left out of `opened` as thin (or cut off by them,
// too small to be a figure) that stand on `ground`: a leg drawn as one
// line, down to the ground line the figure stands on, is the figure's as
// a person sees it, however thin, and so is its foot.
cv::Mat legsOf(const cv::Mat& filled, const cv::Mat& opened, const cv::Mat& ground)
{
    std::vector<std::vector<cv::Point>> pieces = outerOf(opened);
    double largest = 0;
    for (const auto& c : pieces)
        largest = std::max(largest, cv::contourArea(c));
    cv::Mat kept = cv::Mat::zeros(filled.size(), CV_8UC1);
    for (size_t i = 0; i < pieces.size(); ++i)
        if (cv::contourArea(pieces[i]) >= DetailShare * largest)
            cv::drawContours(kept, pieces, int(i), 255, cv::FILLED);
    cv::Mat labels, touching, legs = cv::Mat::zeros(filled.size(), CV_8UC1);
    const int count = cv::connectedComponents(filled & ~kept, labels, 8, CV_32S);
    std::vector<uchar> onKept(size_t(count), 0), onGround(size_t(count), 0);
    cv::dilate(kept, touching, cv::Mat());
    for (int y = 0; y < labels.rows; ++y)
        for (int x = 0; x < labels.cols; ++x) {
            const size_t l = size_t(labels.at<int>(y, x));
            onKept[l] |= touching.at<uchar>(y, x);
            onGround[l] |= ground.at<uchar>(y, x);
        }
    for (int y = 0; y < labels.rows; ++y)
        for (int x = 0; x < labels.cols; ++x)
            if (const size_t l = size_t(labels.at<int>(y, x)); l && onKept[l] && onGround[l])
                legs.at<uchar>(y, x) = 255;
    return legs;
}

// With `ground` (255 near the line a scene's figure stands on), the thin
// parts standing on it are kept.
Silhouette silhouetteOf(const Strokes& k, double closing = 1.25, bool widen = true,
                        const cv::Mat& ground = {})
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
        s.closing = r;
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
    if (!ground.empty())
        opened |= legsOf(filled, opened, ground);
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
// the figure's edge. So is the edge of `ink` down in the tip of a notch
// (between two ears drawn meeting in a V), which even the least silhouette
// closes over however far the paper runs in: where the paper the
// background reaches, no stroke crossed, meets the strokes, a person sees
// the figure end. Not the paper there: a dot amid it is off the strokes.
cv::Mat edgeDistance(const Silhouette& least, const Silhouette& largest, const cv::Mat& ink)
{
    cv::Mat most = cv::Mat::zeros(least.mask.size(), CV_8UC1), leastMask = most.clone();
    cv::drawContours(most, largest.withThin, -1, 255, cv::FILLED);
    cv::drawContours(leastMask, least.outer, -1, 255, cv::FILLED);
    cv::Mat besideInk;
    cv::dilate(ink, besideInk, cv::Mat());
    cv::Mat edge = (most & ~leastMask) | (notchesOf(ink, leastMask, least.closing) & besideInk),
            distance;
    cv::drawContours(edge, largest.withThin, -1, 255, 1);
    cv::drawContours(edge, least.outer, -1, 255, 1);
    cv::distanceTransform(~edge, distance, cv::DIST_L2, cv::DIST_MASK_PRECISE);
    return distance;
}

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
    holdToMainFigure(d);
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
// detail, its edge kept by a dark line along its stroke (a part drawn
// filled may be kept as its clean outline), unless the drawing is mostly
// filled or it is one of the outline's own corners or notches.
} // namespace

Drawing strokesOf(const QImage& picture, bool near, const QImage& scene)
{
    Drawing d;
    const Strokes strokes = strokesIn(picture);
    // The ground line runs across the scene, however its figure's feet
    // break it.
    cv::Mat ground;
    if (!scene.isNull()) {
        const cv::Mat level =
            levelIn(matOf(scene.convertToFormat(QImage::Format_Grayscale8)) < Drawn, strokes.ink,
                    strokes.stroke);
        if (cv::boundingRect(level).width >= GroundShare * level.cols)
            ground = grown(level, strokes.stroke);
    }
    d.s = silhouetteOf(strokes, 1.25, true, ground);
    Silhouette& s = d.s;
    s.offEdge = edgeDistance(silhouetteOf(strokes, 0.5, false, ground),
                             silhouetteOf(strokes, 2.5, true, ground), strokes.ink);
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
        d.lines = s.grey < Dark;
    }
    d.near = true;
    d.inside = s.mask & (depth > Inside);
    describe(d, picture.size());
    return d;
}

namespace {

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
    const cv::Mat level = levelIn(ink, d.s.grey < Drawn, d.s.stroke);
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

} // namespace

Drawing drawingOf(const Picture& picture)
{
    if (!picture.clean.isNull()) {
        Drawing d = strokesOf(picture.clean, true, picture.image);
        onGround(d, picture.image);
        return d;
    }
    if (!picture.silhouette.isNull())
        return colourOf(picture.image, matOf(picture.silhouette.convertToFormat(
                                           QImage::Format_Grayscale8)) < Dark);
    return coloured(rgbOf(picture.image)) ? colourOf(picture.image) : strokesOf(picture.image);
}

} // namespace tracingtable
