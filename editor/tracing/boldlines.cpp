#include "boldlines.h"

#include "figures.h"

#include <algorithm>
#include <opencv2/imgproc.hpp>
#include <vector>

namespace editor::tracing {

namespace {

constexpr double BoldLines = 25;     // strokes wider than the side / this are bold
constexpr double FilledLines = 10;   // ...and narrower than this, else the ink is a fill
constexpr double DetailShare = 0.03; // of the largest figure: a smaller one is a detail
constexpr double NarrowGap = 0.6;    // of the strokes' width: a narrower gap closes
constexpr double PageLine = 300;     // the side / this: the lines a colouring page draws

} // namespace

double strokeMiddles(const cv::Mat& ink)
{
    cv::Mat depth, around;
    cv::distanceTransform(ink, depth, cv::DIST_L2, cv::DIST_MASK_5);
    cv::dilate(depth, around, cv::Mat());
    // A middle is no shallower than the ink beside it.
    std::vector<float> middles;
    for (int y = 0; y < ink.rows; ++y) {
        const float* deep = depth.ptr<float>(y);
        const float* near = around.ptr<float>(y);
        for (int x = 0; x < ink.cols; ++x)
            if (deep[x] > 0 && deep[x] >= near[x])
                middles.push_back(deep[x]);
    }
    if (middles.empty())
        return 0;
    std::nth_element(middles.begin(), middles.begin() + long(middles.size() / 2), middles.end());
    return 2.0 * middles[middles.size() / 2];
}

bool drawnBold(double width, int side)
{
    return width * BoldLines >= side && width * FilledLines <= side;
}

bool barsOn(double width, int side, int figure)
{
    return width > 2 * std::max(2.0, side / PageLine) && width * FilledLines <= figure;
}

// A bold pen has closed the gaps a thin one leaves already, as far as it
// grew the strokes: what is still open between them is mostly a part's
// shape (the gap between legs), and only narrow gaps close.
cv::Mat boldFigure(const cv::Mat& ink, double width)
{
    const std::vector<std::vector<cv::Point>> outer =
        outerEdges(closedFilled(ink, NarrowGap * width));
    double largest = 0;
    for (const auto& each : outer)
        largest = std::max(largest, cv::contourArea(each));
    cv::Mat figure = cv::Mat::zeros(ink.size(), CV_8UC1);
    for (size_t i = 0; i < outer.size(); ++i)
        if (cv::contourArea(outer[i]) >= DetailShare * largest)
            cv::drawContours(figure, outer, int(i), 255, cv::FILLED);
    return figure;
}

} // namespace editor::tracing
