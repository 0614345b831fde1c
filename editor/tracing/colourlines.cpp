#include "colourlines.h"

#include "figures.h"
#include "labcolours.h"
#include "masks.h"
#include "pixels.h"

#include <algorithm>
#include <cmath>
#include <opencv2/imgproc.hpp>
#include <vector>

namespace editor::tracing {

namespace {

constexpr double Still = 1;       // across two pixels: no change of colour
constexpr double FlatShare = 0.8; // of a figure still: it is painted flat
constexpr double Outlined = 0.8;  // of a figure's edge dark: it is drawn with an outline

// 255 where the colours on either side of a pixel differ by more than
// `threshold`, pieces too short to be a boundary left out.
cv::Mat colourEdges(const cv::Mat& lab, double threshold, int shortest)
{
    cv::Mat edges = cv::Mat::zeros(lab.size(), CV_8UC1);
    const double least = threshold * threshold;
    for (int y = 1; y + 1 < lab.rows; ++y) {
        const cv::Vec3b* above = lab.ptr<cv::Vec3b>(y - 1);
        const cv::Vec3b* in = lab.ptr<cv::Vec3b>(y);
        const cv::Vec3b* below = lab.ptr<cv::Vec3b>(y + 1);
        uint8_t* out = edges.ptr<uint8_t>(y);
        for (int x = 1; x + 1 < lab.cols; ++x)
            if (squaredDeltaE(in[x - 1], in[x + 1]) > least ||
                squaredDeltaE(above[x], below[x]) > least)
                out[x] = 255;
    }
    return largePieces(edges, shortest, 0);
}

// The pieces of `drawn` wider than two lines of `width` px that are
// strokes: a round piece (an eye, a nostril) covers no more than a few
// discs as wide as it is.
cv::Mat wideStrokes(const cv::Mat& drawn, double width)
{
    cv::Mat labels, stats, centroids;
    const int count = cv::connectedComponentsWithStats(drawn, labels, stats, centroids, 8);
    const std::vector<float> thickest = deepestOf(labels, count, depthIn(drawn));
    std::vector<bool> stroke(size_t(count), false);
    for (int i = 1; i < count; ++i)
        stroke[size_t(i)] = thickest[size_t(i)] > width &&
                            stats.at<int>(i, cv::CC_STAT_AREA) >
                                4 * M_PI * double(thickest[size_t(i)]) * thickest[size_t(i)];
    return pieces(labels, stroke);
}

// The wide strokes drawn inside a figure, and the line round them.
struct Strokes
{
    cv::Mat thick; // 255 on them
    cv::Mat edge;  // 255 on the line round them
};

// The strokes of `drawn` deeper inside `figure` than its outline (drawn
// `lines` px wide) is, and wider than two lines of `width` px, as their
// clean edge `width` px wide: once the outline comes off, a stroke as wide
// as it left inside is a black bar to a child, not a line to colour up
// to. Where a stroke runs into the outline it stays as drawn, for the
// outline's band to take off with it. Round features (an eye, a nostril)
// are no strokes and stay as drawn.
Strokes innerStrokes(const cv::Mat& drawn, const cv::Mat& figure, double lines, double width)
{
    Strokes found{cv::Mat::zeros(drawn.size(), CV_8UC1), cv::Mat::zeros(drawn.size(), CV_8UC1)};
    if (lines <= 2 * width)
        return found;
    found.thick = wideStrokes(drawn, width) & shrunk(figure, 1.2 * lines);
    cv::Mat core;
    cv::erode(found.thick, core, cv::Mat(), cv::Point(-1, -1), int(std::lround(width)));
    found.edge = found.thick & ~core;
    return found;
}

// The wide strokes of `drawn` that reach the figure's edge `rim`, when
// the figure has no outline: `dark` along less than `Outlined` of its
// edge. On such a figure (a bicycle painted flat, its tyres dark) they are
// parts to colour as any other, not its outline: drawn as they are, the
// outline's band would take them off whole, and their inner edge (a
// tyre's against its rim) with them.
cv::Mat darkParts(const cv::Mat& drawn, const cv::Mat& dark, const cv::Mat& rim, double width)
{
    cv::Mat nearDark;
    cv::dilate(dark, nearDark, cv::Mat(), cv::Point(-1, -1), 2);
    if (cv::countNonZero(rim & nearDark) >= Outlined * cv::countNonZero(rim))
        return cv::Mat::zeros(drawn.size(), CV_8UC1);
    return wideStrokes(drawn, width) & touching(drawn, rim);
}

// `figure` with each slit of background narrower than two of the page's
// lines (`line` px wide) that runs into it (a sail beside its mast) filled,
// the slit's pixels in `lab` given the colours beside them. Drawn along
// either side, such a slit is a black wedge that stays once the outline
// comes off; filled, it is one line between the colours either side.
cv::Mat closedSlits(cv::Mat& lab, const cv::Mat& figure, int line)
{
    cv::Mat whole;
    const int across = 2 * line + 3;
    cv::morphologyEx(figure, whole, cv::MORPH_CLOSE,
                     cv::getStructuringElement(cv::MORPH_ELLIPSE, {across, across}));
    // Its edge's soft pixels too, their colours blended with the background's.
    cv::Mat slit;
    cv::dilate(whole & ~figure, slit, cv::Mat());
    slit &= whole;
    std::vector<cv::Point> left, coloured;
    cv::findNonZero(slit, left);
    const cv::Rect all({0, 0}, lab.size());
    // Each pass colours the pixels beside one coloured before it, from
    // either side at once: the sides meet in the slit's middle.
    for (int pass = 0; pass < across && !left.empty(); ++pass) {
        std::vector<cv::Point> still;
        coloured.clear();
        for (const cv::Point& p : left) {
            const cv::Point beside[] = {
                {p.x - 1, p.y}, {p.x + 1, p.y}, {p.x, p.y - 1}, {p.x, p.y + 1}};
            const auto from = std::find_if(std::begin(beside), std::end(beside), [&](cv::Point q) {
                return all.contains(q) && whole.at<uint8_t>(q) && !slit.at<uint8_t>(q);
            });
            if (from == std::end(beside))
                still.push_back(p);
            else
                lab.at<cv::Vec3b>(p) = lab.at<cv::Vec3b>(*from), coloured.push_back(p);
        }
        for (const cv::Point& p : coloured)
            slit.at<uint8_t>(p) = 0;
        left.swap(still);
    }
    return whole;
}

} // namespace

bool paintedFlat(const cv::Mat& lab, const cv::Mat& figure)
{
    const double least = Still * Still;
    double still = 0, all = 0;
    for (int y = 1; y + 1 < lab.rows; y += 2) { // every other row tells as well
        const uint8_t* inside = figure.ptr<uint8_t>(y);
        const cv::Vec3b* above = lab.ptr<cv::Vec3b>(y - 1);
        const cv::Vec3b* in = lab.ptr<cv::Vec3b>(y);
        const cv::Vec3b* below = lab.ptr<cv::Vec3b>(y + 1);
        for (int x = 1; x + 1 < lab.cols; ++x)
            if (inside[x])
                ++all, still += squaredDeltaE(in[x - 1], in[x + 1]) <= least &&
                                squaredDeltaE(above[x], below[x]) <= least;
    }
    return still >= FlatShare * all;
}

cv::Mat colouringLines(cv::Mat lab, const cv::Mat& grey, const cv::Mat& figure, double edge,
                       double& stroke, bool bold)
{
    const int side = std::min(lab.cols, lab.rows), line = std::max(1, side / 500);
    cv::Mat dark, inner, near;
    cv::extractChannel(lab, dark, 0);
    dark = (dark < DarkL * 255 / 100) & figure;
    // A dark area wider than the picture's lines (where two of them meet
    // included) and larger than an eye is a fill: it goes white inside its
    // edge. The rest is drawn as it is.
    const double thin = std::max(3, side / 60), eye = M_PI * side * side / 576.0;
    // A bold drawing's lines are all wider than that.
    const double lines = bold ? 0 : strokeWidth(dark & ~opened(dark, thin));
    cv::Mat drawn = dark & ~largePieces(opened(dark, std::max(thin, 1.2 * lines)), 0, eye);
    const cv::Mat whole = bold ? figure : closedSlits(lab, figure, line);
    cv::erode(whole, inner, cv::Mat(), cv::Point(-1, -1), line);
    if (!bold)
        drawn &= ~darkParts(drawn, dark, whole & ~inner, std::max(2.0, side / 300.0));
    // A bold drawing's dark piece that runs into its outline is cut by it:
    // no whole detail, it is drawn as its edge.
    if (bold)
        drawn &= ~touching(drawn, figure & ~inner);
    cv::dilate(drawn, near, cv::Mat());
    lab.setTo(cv::Scalar(White), ~whole);
    const cv::Mat boundaries = colourEdges(lab, edge, std::max(4, side / 60));
    const Strokes inside = innerStrokes(drawn, figure, lines, std::max(2.0, side / 300.0));
    cv::Mat page(lab.size(), CV_8UC1, cv::Scalar(255)), nearThick;
    cv::dilate(inside.thick, nearThick, cv::Mat(), cv::Point(-1, -1), 2);
    // A bold drawing's lines are its ink's edges, drawn on the ink: the
    // figure's outline is where the ink ends, and no line is drawn across
    // a gap the figure closes, so that the dots keep to what is drawn.
    const cv::Mat drawnLines =
        (bold ? boundaries & (grey < LightGrey) : boundaries | (whole & ~inner)) & ~near;
    const cv::Mat soft = near & (grey < 160);
    page.setTo(0, drawnLines);
    // The figure is told by how wide the picture's own lines are drawn; a
    // bold drawing's by its strokes.
    stroke = bold ? 0 : strokeWidth(drawnLines | drawn | soft);
    grey.copyTo(page, (drawn & ~inside.thick) | (soft & ~nearThick));
    page.setTo(0, inside.edge);
    return page;
}

} // namespace editor::tracing
