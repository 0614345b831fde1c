#include "penlines.h"

#include "figures.h"
#include "masks.h"
#include "pixels.h"

#include <algorithm>
#include <cmath>
#include <opencv2/imgproc.hpp>
#include <vector>

namespace editor::tracing {

namespace {

constexpr int Dark = 128;       // darker than this is a line a child sees
constexpr double Shallow = 0.5; // of the depth of the strokes round it: a middle shallower is
                                // a bump of a stroke's edge, or the very tip of its end

// 255 on the middles of the strokes `depth` (px from the light) is
// measured in: where a pixel is as deep as both of its neighbours across
// the stroke, one way or another, and deeper than one of them. Beside the
// middle, the two neighbours along the stroke are as deep as it is, and
// across it one is deeper. Where the middle climbs towards a place where
// strokes meet, it still stands above the pixels either side: the lines
// stay joined there.
cv::Mat middles(const cv::Mat& depth)
{
    const cv::Mat pairs[] = {(cv::Mat_<uint8_t>(1, 3) << 1, 0, 1),
                             (cv::Mat_<uint8_t>(3, 1) << 1, 0, 1),
                             (cv::Mat_<uint8_t>(3, 3) << 1, 0, 0, 0, 0, 0, 0, 0, 1),
                             (cv::Mat_<uint8_t>(3, 3) << 0, 0, 1, 0, 0, 0, 1, 0, 0)};
    cv::Mat middle = cv::Mat::zeros(depth.size(), CV_8UC1);
    for (const cv::Mat& pair : pairs) {
        cv::Mat deeper, shallower;
        cv::dilate(depth, deeper, pair);
        cv::erode(depth, shallower, pair);
        middle |= (depth >= deeper) & (depth > shallower + 0.5);
    }
    return middle & (depth > 0);
}

} // namespace

void redrawPenLines(QImage& page, const cv::Mat& ink, const cv::Mat& mask, int line)
{
    const cv::Rect box = boundsOf(mask, 2);
    if (box.empty())
        return;
    cv::Mat pixels = matOf(page, CV_8UC4)(box), grey, labels, stats, centroids;
    cv::cvtColor(pixels, grey, cv::COLOR_BGRA2GRAY);
    const cv::Mat kept = (grey < Dark) & mask(box);
    const int count = cv::connectedComponentsWithStats(kept, labels, stats, centroids, 8);
    const std::vector<float> thickest = deepestOf(labels, count, depthIn(kept));
    // A round piece (an eye, a nose) covers no more than two discs as wide as
    // it is; a stroke, however short, covers more.
    std::vector<bool> stroke(size_t(count), false);
    float widest = 0;
    for (int i = 1; i < count; ++i) {
        const double half = thickest[size_t(i)];
        stroke[size_t(i)] =
            half > line && stats.at<int>(i, cv::CC_STAT_AREA) > 2 * M_PI * half * half;
        if (stroke[size_t(i)])
            widest = std::max(widest, thickest[size_t(i)]);
    }
    if (widest == 0)
        return;
    const cv::Mat strokes = pieces(labels, stroke);
    cv::Mat depth, deepest, drawn, gone;
    cv::distanceTransform(ink(box), depth, cv::DIST_L2, cv::DIST_MASK_PRECISE);
    const int reach = 2 * int(std::ceil(widest)) + 1;
    cv::dilate(depth, deepest, cv::getStructuringElement(cv::MORPH_RECT, {reach, reach}));
    // Where the stroke's edge steps from pixel to pixel, a pixel beside its
    // middle may stand above its neighbours one way: a speck, not a middle.
    const cv::Mat middle =
        largePieces(middles(depth) & (depth >= Shallow * deepest) & strokes, int(widest), 0);
    // A stroke left with no middle stays as drawn rather than go.
    const cv::Mat redrawn = touching(strokes, middle);
    cv::dilate(middle, drawn, cv::getStructuringElement(cv::MORPH_ELLIPSE, {line, line}));
    // The soft edge of a stroke goes with it, not that of what stays.
    cv::dilate(redrawn, gone, cv::Mat());
    pixels.setTo(cv::Scalar(255, 255, 255, 255), gone & ~((grey < Dark) & ~redrawn));
    pixels.setTo(cv::Scalar(0, 0, 0, 255), drawn & redrawn);
}

} // namespace editor::tracing
