#pragma once

// Pieces of a mask (CV_8UC1, 255 on what it holds), kept or left out whole.

#include <opencv2/core.hpp>
#include <vector>

namespace editor::tracing {

// 255 where a component of `labels` (CV_32SC1) is one of `kept`.
cv::Mat pieces(const cv::Mat& labels, const std::vector<bool>& kept);

// How deep each of the `count` pieces of `labels` goes: the largest value of
// `depth` (CV_32FC1, from depthIn()) over its pixels.
std::vector<float> deepestOf(const cv::Mat& labels, int count, const cv::Mat& depth);

// The pieces of `mask` that span `shortest` pixels or more one way and
// cover `area` pixels or more.
cv::Mat largePieces(const cv::Mat& mask, int shortest, double area);

// The pieces of `mask` that reach into `zone`.
cv::Mat touching(const cv::Mat& mask, const cv::Mat& zone);

// `mask` less what a disc of `radius` does not fit in.
cv::Mat opened(const cv::Mat& mask, double radius);

} // namespace editor::tracing
