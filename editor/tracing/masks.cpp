#include "masks.h"

#include "pixels.h"

#include <opencv2/imgproc.hpp>

namespace editor::tracing {

cv::Mat pieces(const cv::Mat& labels, const std::vector<bool>& kept)
{
    std::vector<uint8_t> value(kept.size()); // bytes: read faster than bits
    for (size_t i = 0; i < kept.size(); ++i)
        value[i] = kept[i] ? 255 : 0;
    cv::Mat mask(labels.size(), CV_8UC1);
    for (int y = 0; y < labels.rows; ++y) {
        const int* label = labels.ptr<int>(y);
        uint8_t* out = mask.ptr<uint8_t>(y);
        for (int x = 0; x < labels.cols; ++x)
            out[x] = value[size_t(label[x])];
    }
    return mask;
}

std::vector<float> deepestOf(const cv::Mat& labels, int count, const cv::Mat& depth)
{
    std::vector<float> deepest(size_t(count), 0);
    for (int y = 0; y < labels.rows; ++y) {
        const int* label = labels.ptr<int>(y);
        const float* deep = depth.ptr<float>(y);
        for (int x = 0; x < labels.cols; ++x)
            deepest[size_t(label[x])] = std::max(deepest[size_t(label[x])], deep[x]);
    }
    return deepest;
}

cv::Mat largePieces(const cv::Mat& mask, int shortest, double area)
{
    cv::Mat labels, stats, centroids;
    const int count = cv::connectedComponentsWithStats(mask, labels, stats, centroids, 8);
    std::vector<bool> kept(size_t(count), false);
    for (int i = 1; i < count; ++i)
        kept[size_t(i)] = std::max(stats.at<int>(i, cv::CC_STAT_WIDTH),
                                   stats.at<int>(i, cv::CC_STAT_HEIGHT)) >= shortest &&
                          stats.at<int>(i, cv::CC_STAT_AREA) >= area;
    return pieces(labels, kept);
}

cv::Mat touching(const cv::Mat& mask, const cv::Mat& zone)
{
    cv::Mat labels;
    const int count = cv::connectedComponents(mask, labels, 8, CV_32S);
    std::vector<bool> reach(size_t(count), false);
    for (int y = 0; y < labels.rows; ++y) {
        const int* label = labels.ptr<int>(y);
        const uint8_t* in = zone.ptr<uint8_t>(y);
        for (int x = 0; x < labels.cols; ++x)
            if (in[x] && label[x])
                reach[size_t(label[x])] = true;
    }
    return pieces(labels, reach);
}

cv::Mat opened(const cv::Mat& mask, double radius)
{
    const cv::Mat core = shrunk(mask, radius);
    if (cv::countNonZero(core) == 0)
        return core;
    return grown(core, radius + 1) & mask;
}

} // namespace editor::tracing
