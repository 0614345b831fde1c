#include "darkseams.h"
#include "figures.h"
#include "masks.h"
#include "penlines.h"
#include "pixels.h"
#include "shards.h"
#include "tracing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <opencv2/imgproc.hpp>

namespace editor {

namespace {

using tracing::outerEdges;
using tracing::pieces;

constexpr int White = 250;          // lighter than this is no soft edge of a line
constexpr double FilledShare = 0.6; // of a figure in ink: it was drawn filled
constexpr double BoldStroke = 30;   // lines wider than the picture's side / this are bold
constexpr double ShardDepth = 2.5;  // of the band's width: a shard lies no deeper
constexpr double AlongBand = 0.5;   // of a shard's edge, at least, on the band or outside
constexpr double Blob = 4;          // a shape no larger than this many squares as wide is no line
constexpr double BoldWidth = 1.5;   // of the band's width: a cut shape wider is a fill
constexpr double BoldBand = 25;     // bands wider than the picture's side / this are bold
constexpr double BoldLine = 0.7;    // of a bold band's width: a cut line as wide is bold
constexpr double PageLine = 300;    // the side / this: the lines a colour picture's page draws
constexpr double WedgeLength = 4;   // of the band's width: where two lines meet, no longer
constexpr double SolidPart = 1;     // of the band's width: ink deeper in is a solid part

// How the figures' lines are drawn, which tells what the band may cut.
enum class Lines { Thin, Bold, Coloured };

// What withoutOutline() takes off, on `ink` and its figures' `mask`.
struct Band
{
    cv::Mat band;     // the ink of the outline, and all the ink of a filled figure
    cv::Mat enclosed; // the light a filled figure's ink encloses
    cv::Mat outlined; // filled shapes the band cut into: only their edge stays
    double width = 1; // px: how wide the outline is drawn
};

// How wide the outline band is drawn, robust to the places where it bites
// deep into a fill: its pixels lie evenly from the figure's edge to as
// deep as it is wide, `depth` (px) deep.
double bandWidth(const cv::Mat& band, const cv::Mat& depth)
{
    std::array<int, 256> count{};
    int all = 0;
    for (int y = 0; y < band.rows; ++y) {
        const uint8_t* on = band.ptr<uint8_t>(y);
        const float* deep = depth.ptr<float>(y);
        for (int x = 0; x < band.cols; ++x)
            if (on[x])
                ++count[size_t(std::min(deep[x], 255.0f))], ++all;
    }
    int below = 0, median = 0;
    while (median < 255 && (below += count[size_t(median)]) * 2 < all)
        ++median;
    return 2 * median;
}

// What the band leaves of the ink it cuts into, `depth` (px) the distance
// from the figure's edge and `outside` the light open to the picture's
// border. A thin line drawn inside that runs into the outline stays, cut
// where the band ends. A piece that reaches no deeper than a little past
// the band, and lies along the band or the light outside for most of its
// edge, is a shard of the outline itself, where the line was drawn thicker
// than the band found: it goes. A bold piece the band cut into (a mane, a
// wing, a leg drawn as wide as the outline) is no detail once cut, only a
// black shard with a rough end: it goes, and only its edge inside the
// figure stays, as a line. Ink the band does not touch is a whole detail
// and stays as drawn. On the page of a coloured picture every wide
// stroke inside is drawn as its edge already: so is the rest of one the
// band cut, or one it does not touch (not round, as an eye is), wider
// than two of the page's own lines. Where two lines of the outline meet
// at an angle inside the silhouette, the band misses the wedge of ink
// between them, and the figure's edge, closed over the notch, puts it
// deep. A cut piece lying along the band whose part wider than two page
// lines reaches no farther from the band than a shard does, spans a few
// of its widths (a wing's dark border runs on along it), no wider than
// the outline drawn twice (a fill, a hoof, is wider), with no more than
// stubs of lines running out of it, is that wedge and goes: drawn round
// it would be a knot of short lines. A stroke that runs on from it
// (between two legs) stays. Thin line art, its lines `line` px
// wide, keeps every line the band cuts as drawn, down to the shortest
// stub, and a line drawn bolder than the rest (a kite's spars) is still a
// line: only a shape drawn filled that the band cut into (an animal's far
// leg, a tuft drawn solid), wider than a line and no longer than a few
// times as wide, leaves its edge. `side` (px) is the picture's shorter
// side.
void settleCuts(Band& found, const cv::Mat& ink, const cv::Mat& mask, const cv::Mat& depth,
                const cv::Mat& outside, Lines lines, double line, int side)
{
    const bool coloured = lines == Lines::Coloured;
    const cv::Mat rest = ink & mask & ~found.band;
    cv::Mat labels, stats, centroids, near, bounds, across, fromBand;
    const int count = cv::connectedComponentsWithStats(rest, labels, stats, centroids, 8, CV_32S);
    if (count < 2)
        return;
    const double width = std::max(1.0, bandWidth(found.band, depth));
    // Where the outline itself is bold, so is every line it cuts as wide.
    const double bold = coloured ? 2 * std::max(2.0, side / PageLine)
                                 : (width * BoldBand >= side ? BoldLine : BoldWidth) * width;
    cv::dilate(found.band, near, cv::Mat());
    cv::dilate(found.band | outside, bounds, cv::Mat());
    // A piece is as wide as the ink it was cut from: what the band leaves
    // of a filled wheel is a thin ring, but the wheel was a fill.
    cv::distanceTransform(ink & mask, across, cv::DIST_L2, cv::DIST_MASK_3);
    cv::distanceTransform(~found.band, fromBand, cv::DIST_L2, cv::DIST_MASK_3);
    std::vector<int> edge(size_t(count), 0), touching(size_t(count), 0), area(size_t(count), 0);
    std::vector<cv::Rect> solid(static_cast<size_t>(count));
    std::vector<bool> cut(size_t(count), false);
    std::vector<float> deepest(size_t(count), 0);
    std::vector<float> widest(size_t(count), 0), solidReach(size_t(count), 0);
    for (int y = 0; y < rest.rows; ++y) {
        const int* label = labels.ptr<int>(y);
        const float* deep = depth.ptr<float>(y);
        const uint8_t* band = near.ptr<uint8_t>(y);
        const uint8_t* bound = bounds.ptr<uint8_t>(y);
        const float* wide = across.ptr<float>(y);
        const float* away = fromBand.ptr<float>(y);
        for (int x = 0; x < rest.cols; ++x)
            if (const size_t l = size_t(label[x]); l > 0) {
                cut[l] = cut[l] || band[x];
                ++area[l];
                deepest[l] = std::max(deepest[l], deep[x]);
                widest[l] = std::max(widest[l], wide[x]);
                if (2.0 * wide[x] > bold) {
                    solid[l] |= cv::Rect(x, y, 1, 1);
                    solidReach[l] = std::max(solidReach[l], away[x]);
                }
                // An edge pixel of the piece: light or band beside it.
                const bool onEdge = x == 0 || x + 1 == rest.cols || y == 0 || y + 1 == rest.rows ||
                                    label[x - 1] != label[x] || label[x + 1] != label[x] ||
                                    labels.ptr<int>(y - 1)[x] != label[x] ||
                                    labels.ptr<int>(y + 1)[x] != label[x];
                if (onEdge) {
                    ++edge[l];
                    touching[l] += bound[x] > 0;
                }
            }
    }
    enum Fate : uint8_t { Stays, Goes, LeavesItsEdge };
    std::vector<uint8_t> fate(size_t(count), Stays);
    for (size_t l = 1; l < size_t(count); ++l) {
        // The line drawing takes a stroke round a window the page shows
        // through for part of the outline, but the band runs round the
        // outer edge alone. A round piece (an eye) covers no more than a
        // few discs as wide as it is, and stays.
        const bool stroke = area[l] > 4 * M_PI * double(widest[l]) * widest[l];
        if (!cut[l] && coloured && stroke && 2.0 * widest[l] > bold)
            fate[l] = LeavesItsEdge;
        if (!cut[l])
            continue;
        if (lines == Lines::Thin) {
            const double thick = 2.0 * widest[l];
            if (thick > BoldWidth * line && area[l] <= Blob * thick * thick)
                fate[l] = LeavesItsEdge;
            continue;
        }
        const int span = std::max(stats.at<int>(int(l), cv::CC_STAT_WIDTH),
                                  stats.at<int>(int(l), cv::CC_STAT_HEIGHT));
        const int wide = std::max(solid[l].width, solid[l].height);
        const bool wedge = widest[l] <= width && solidReach[l] < ShardDepth * width &&
                           wide <= WedgeLength * width && span <= wide + width;
        if ((deepest[l] < ShardDepth * width || wedge) && touching[l] > AlongBand * edge[l])
            fate[l] = Goes;
        else if (2.0 * widest[l] > bold)
            fate[l] = LeavesItsEdge;
    }
    for (int y = 0; y < rest.rows; ++y) {
        const int* label = labels.ptr<int>(y);
        uint8_t* band = found.band.ptr<uint8_t>(y);
        uint8_t* outlined = found.outlined.ptr<uint8_t>(y);
        for (int x = 0; x < rest.cols; ++x)
            if (const uint8_t f = fate[size_t(label[x])]; f != Stays) {
                band[x] = 255;
                outlined[x] = f == LeavesItsEdge ? 255 : 0;
            }
    }
    if (coloured)
        return;
    // A drawing drawn mostly solid joins its solid parts (a chimney, a
    // wheel, a cab's roof) to the rest through its lines, so a part the
    // band cuts stays whole with what it hangs on, and the band's edge
    // leaves it a saw-toothed black stump. What a child sees there is a part
    // to colour: where the ink is wider than the outline is drawn twice,
    // the part leaves its edge. Whole solid details (an eye) stay as drawn.
    const cv::Mat cores = tracing::touching(tracing::opened(rest, SolidPart * width), near);
    found.band.setTo(255, cores);
    found.outlined.setTo(255, cores);
}

Band outlineBand(const cv::Mat& ink, const cv::Mat& mask, double reach, double stroke,
                 bool coloured)
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
    open[0] = false; // label 0 is the ink itself, never light open to the border
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
    Band found{cv::Mat::zeros(h, w, CV_8UC1), cv::Mat::zeros(h, w, CV_8UC1),
               cv::Mat::zeros(h, w, CV_8UC1)};
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
    // How wide the outline is drawn, told before the cut strokes join the
    // band: one deep inside (a dog's muzzle) would make the outline seem as
    // wide as the figure, and every line near it a shard of it.
    const double width = std::max({1.0, stroke, bandWidth(found.band, depth)});
    // Only round the figures: what lies beyond is neither cut nor band.
    const cv::Rect box =
        (cv::boundingRect(mask) - cv::Point(2, 2) + cv::Size(4, 4)) & cv::Rect(0, 0, w, h);
    Band part{found.band(box), found.enclosed(box), found.outlined(box), found.width};
    const Lines lines = coloured                                ? Lines::Coloured
                        : stroke * BoldStroke >= std::min(w, h) ? Lines::Bold
                                                                : Lines::Thin;
    settleCuts(part, ink(box), mask(box), depth(box), openLight(box), lines, width, std::min(w, h));
    found.width = width;
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

// The edge of the filled shapes the band cut into, where they meet the
// figure's inside, drawn on `page` as a line `line` pixels wide; where
// they meet the band the figure's outline is, and that the dots draw. The
// band is told `scale` times smaller than the page. A piece of that edge
// beside the band spanning no more than `stub` px is
// what is left of a stroke the band all but took: a tick, no line a child
// makes out, and left off.
void drawInnerEdge(QImage& page, const Band& found, int line, double stub, int scale)
{
    // Only round the shapes is looked at: they are few and small.
    const int margin = (3 * line + scale - 1) / scale + 1;
    const cv::Rect small = (cv::boundingRect(found.outlined) + cv::Size(2 * margin, 2 * margin) -
                            cv::Point(margin, margin)) &
                           cv::Rect(0, 0, found.outlined.cols, found.outlined.rows);
    const cv::Rect box = cv::Rect(small.tl() * scale, small.size() * scale) &
                         cv::Rect(0, 0, page.width(), page.height());
    cv::Mat shapes = found.outlined(small), band = found.band(small) & ~shapes;
    if (scale > 1) {
        cv::resize(cv::Mat(shapes), shapes, small.size() * scale, 0, 0, cv::INTER_NEAREST);
        cv::resize(cv::Mat(band), band, small.size() * scale, 0, 0, cv::INTER_NEAREST);
    }
    shapes = shapes(cv::Rect({0, 0}, box.size()));
    band = band(cv::Rect({0, 0}, box.size()));
    const cv::Mat round =
        cv::getStructuringElement(cv::MORPH_ELLIPSE, {2 * line + 1, 2 * line + 1});
    cv::Mat inner, near, labels, stats, centroids;
    cv::erode(shapes, inner, round);
    cv::dilate(band, near, round, cv::Point(-1, -1), 2);
    const cv::Mat edge = shapes & ~inner & ~near;
    const int count = cv::connectedComponentsWithStats(edge, labels, stats, centroids, 8);
    // A tick lies beside the band; a piece farther off is the edge of a
    // whole detail (a window's glass), however small.
    cv::Mat beside;
    cv::dilate(near, beside, round);
    std::vector<bool> drawn(size_t(count), true);
    drawn[0] = false;
    for (int y = 0; y < box.height; ++y) {
        const int* label = labels.ptr<int>(y);
        const uint8_t* by = beside.ptr<uint8_t>(y);
        for (int x = 0; x < box.width; ++x)
            if (label[x] && by[x])
                drawn[size_t(label[x])] =
                    std::max(stats.at<int>(label[x], cv::CC_STAT_WIDTH),
                             stats.at<int>(label[x], cv::CC_STAT_HEIGHT)) > stub;
    }
    for (int y = 0; y < box.height; ++y) {
        const int* label = labels.ptr<int>(y);
        QRgb* row = reinterpret_cast<QRgb*>(page.scanLine(box.y + y)) + box.x;
        for (int x = 0; x < box.width; ++x)
            if (drawn[size_t(label[x])])
                row[x] = qRgb(0, 0, 0);
    }
}

} // namespace

QImage withoutOutline(const QImage& picture, FigureChoice chosen)
{
    if (picture.isNull())
        return picture.convertToFormat(QImage::Format_RGB32);
    const tracing::Figures figures = tracing::cachedFiguresOf(picture, chosen);
    QImage erased = figures.drawing.convertToFormat(QImage::Format_RGB32);
    if (figures.contours.empty())
        return erased;
    const int w = picture.width(), h = picture.height();
    // On a large picture the band is found on the smaller copy the figures
    // were, and taken back to the picture's own ink.
    const int scale = tracing::reduction(picture.size());
    cv::Mat ink = figures.ink, mask = figures.mask;
    if (scale > 1) {
        const cv::Size small((w + scale - 1) / scale, (h + scale - 1) / scale);
        cv::resize(figures.ink, ink, small, 0, 0, cv::INTER_AREA);
        ink = ink > 0;
        cv::resize(figures.mask, mask, small, 0, 0, cv::INTER_NEAREST);
    }
    const Band found =
        outlineBand(ink, mask, figures.reach / scale, figures.stroke / scale, figures.coloured);
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
    const int line = std::max(1, std::min(w, h) / 300);
    if (cv::countNonZero(found.outlined) > 0)
        drawInnerEdge(erased, found, line, tracing::ShardLength * found.width * scale, scale);
    // The shards are told on the page as the child sees it, after the cut
    // fills' edges are drawn: pale soft edges join pieces that stand apart
    // there.
    if (figures.coloured)
        tracing::dropDarkSeams(erased, picture, found.band & ~found.outlined, found.width, line);
    tracing::dropShards(erased, found.band & ~found.outlined, mask, found.width,
                        figures.reach / scale, scale, figures.coloured);
    // A shard is told on the pen's stroke as drawn: a line along its middle
    // stops short of its ends, and a stroke's whole stub would look one.
    if (figures.paper)
        tracing::redrawPenLines(erased, figures.ink, figures.mask, line);
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
    const double least = 16.0 * line * line;
    cv::Mat page = tracing::matOf(erased, CV_8UC4);
    for (size_t d = 0; d < details.size(); ++d)
        if (cv::contourArea(details[d]) >= least)
            cv::drawContours(page, details, int(d), cv::Scalar(0, 0, 0, 255), line, cv::LINE_8);
    return erased;
}

} // namespace editor
