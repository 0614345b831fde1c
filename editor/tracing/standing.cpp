#include "standing.h"

#include "figures.h"
#include "masks.h"

#include <algorithm>
#include <cmath>
#include <opencv2/imgproc.hpp>

namespace editor::tracing {

namespace {

constexpr double Flat = 4;           // a strip is this many times wider than tall, at least
constexpr double Solid = 0.85;       // of its box, at least, a strip covers: its edges are flat
constexpr double Foot = 0.9;         // of its width, at least, its foot spans: it does not taper
constexpr double AsWide = 0.9;       // of what stands on it, at least, ground is as wide
constexpr double Taller = 2;         // what stands on ground is this many times taller, at least
constexpr double DetailShare = 0.03; // of the largest piece left: a smaller one goes with the strip

using Contours = std::vector<std::vector<cv::Point>>;

// `figure` less the ground under it, or `figure` alone when it stands on none.
Contours offItsGround(const std::vector<cv::Point>& figure, const cv::Mat& ink, double stroke)
{
    const cv::Rect box = cv::boundingRect(figure) & cv::Rect(0, 0, ink.cols, ink.rows);
    cv::Mat mask = cv::Mat::zeros(box.size(), CV_8UC1), labels, stats, centroids;
    cv::drawContours(mask, Contours{figure}, 0, 255, cv::FILLED, cv::LINE_8, cv::noArray(), 0,
                     -box.tl());
    // The light the lines enclose: the ground is one such region of the
    // drawing, not a shape the figure's edge alone makes (a wide hull).
    const cv::Mat light = mask & ~ink(box);
    const int count = cv::connectedComponentsWithStats(light, labels, stats, centroids, 4);
    const double line = std::max(1.0, stroke);
    int lowest = 0;
    for (int i = 1; i < count; ++i) {
        const int bottom = stats.at<int>(i, cv::CC_STAT_TOP) + stats.at<int>(i, cv::CC_STAT_HEIGHT);
        if (bottom + 2 * line + 2 >= box.height &&
            (!lowest ||
             stats.at<int>(i, cv::CC_STAT_AREA) > stats.at<int>(lowest, cv::CC_STAT_AREA)))
            lowest = i;
    }
    if (!lowest)
        return {figure};
    const cv::Rect strip(
        stats.at<int>(lowest, cv::CC_STAT_LEFT), stats.at<int>(lowest, cv::CC_STAT_TOP),
        stats.at<int>(lowest, cv::CC_STAT_WIDTH), stats.at<int>(lowest, cv::CC_STAT_HEIGHT));
    const cv::Mat cell = labels == lowest;
    // Its foot: the widest of its last rows, the soft edge of the line
    // under it taking a pixel or two off one.
    int foot = 0;
    for (int y = std::max(strip.y, strip.y + strip.height - 3); y < strip.y + strip.height; ++y)
        foot = std::max(foot, cv::countNonZero(cell.row(y)));
    if (strip.width < Flat * strip.height ||
        stats.at<int>(lowest, cv::CC_STAT_AREA) < Solid * strip.area() || foot < Foot * strip.width)
        return {figure};
    // The strip goes with the lines round it, but for the line the figure
    // stands on: that is the figure's own edge, which the dots draw, and it
    // goes with the figure's outline.
    cv::Mat ground;
    const int across = 2 * int(std::ceil(line)) + 3;
    cv::dilate(cell, ground, cv::getStructuringElement(cv::MORPH_ELLIPSE, {across, across}));
    Contours rest = outerEdges((mask & ~ground) | (opened(mask & ~cell, line + 1) & ground));
    double largest = 0;
    for (const auto& each : rest)
        largest = std::max(largest, cv::contourArea(each));
    rest.erase(std::remove_if(
                   rest.begin(), rest.end(),
                   [&](const auto& each) { return cv::contourArea(each) < DetailShare * largest; }),
               rest.end());
    if (rest.empty())
        return {figure};
    cv::Rect standing = cv::boundingRect(rest[0]);
    for (const auto& each : rest)
        standing |= cv::boundingRect(each);
    if (standing.height < Taller * strip.height || strip.width < AsWide * standing.width)
        return {figure};
    for (auto& each : rest)
        for (cv::Point& p : each)
            p += box.tl();
    return rest;
}

} // namespace

Contours offTheGround(Contours figures, const cv::Mat& ink, double stroke)
{
    Contours kept;
    for (const auto& figure : figures) {
        Contours off = offItsGround(figure, ink, stroke);
        kept.insert(kept.end(), std::make_move_iterator(off.begin()),
                    std::make_move_iterator(off.end()));
    }
    return kept;
}

} // namespace editor::tracing
