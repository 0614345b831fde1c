#pragma once

// Where a drawing's outline runs into a notch its silhouette closes over,
// for the table's measures: the notch's light, and the outline's strokes
// that meet in a wedge there, which are the outline's own and no detail.

#include <opencv2/core.hpp>

namespace tracingtable {

constexpr double WedgeWidth = 0.55; // of a line's width, from the light: strokes merged

// The light of `mask` that the background reaches within `reach` px
// without crossing `ink` (all 8-bit masks, 255 on).
cv::Mat notchesOf(const cv::Mat& ink, const cv::Mat& mask, double reach);

// The pieces of `dark` that touch `band`.
cv::Mat inkOfBand(const cv::Mat& dark, const cv::Mat& band);

// The pieces of `dark` that meet in a wedge beside the light of `notches`,
// `across` the distance of each dark pixel from the light, `line` (px) how
// wide the drawing's lines are.
cv::Mat notchStrokes(const cv::Mat& dark, const cv::Mat& across, const cv::Mat& notches,
                     double line);

} // namespace tracingtable
