#pragma once

// Colour distances on a picture in CIELAB as OpenCV keeps it in bytes: L*
// scaled to 0..255, a* and b* offset by 128.

#include <opencv2/core.hpp>

namespace editor::tracing {

// CIELAB's deltaE between `p` and `q`, and its square: compared with a
// squared distance, the square tells the same without a root for each of a
// picture's pixels.
double deltaE(const cv::Vec3b& p, const cv::Vec3b& q);
double squaredDeltaE(const cv::Vec3b& p, const cv::Vec3b& q);

// The square of how far apart the hues of `p` and `q` lie (a* and b*
// only).
int squaredHueDistance(const cv::Vec3b& p, const cv::Vec3b& q);

// How far `p` lies from grey.
double chroma(const cv::Vec3b& p);

// 255 where `lab` is farther than `reach` from `colour`, in CV_8UC1.
cv::Mat farFrom(const cv::Mat& lab, const cv::Vec3b& colour, double reach);

} // namespace editor::tracing
