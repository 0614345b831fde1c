#pragma once

// Whole-picture pixel work the tracing repeats, giving the very pixels the
// plain Qt or OpenCV call gives, sooner: once for each colour met, or only
// as far as what is drawn reaches, since a figure seldom fills its page.

#include <QImage>
#include <opencv2/core.hpp>

namespace editor::tracing {

// picture.convertToFormat(QImage::Format_Grayscale8), pixel for pixel:
// Qt converts each pixel alone, by its colour and the picture's colour
// space, so the 256 opaque greys line art is drawn in are converted once,
// and only the pixels of other colours as Qt converts a picture.
QImage greyscaleOf(const QImage& picture);

// Of `mask` (CV_8UC1), 255 where distanceTransform(~mask, DIST_L2,
// DIST_MASK_3) is no more than `reach` px: the mask grown by it.
cv::Mat grown(const cv::Mat& mask, double reach);

// Of `mask` (CV_8UC1), 255 where distanceTransform(mask, DIST_L2,
// DIST_MASK_3) is more than `reach` px: the mask shrunk by it.
cv::Mat shrunk(const cv::Mat& mask, double reach);

// distanceTransform(mask, DIST_L2, DIST_MASK_3) in CV_32FC1: how far each
// pixel of `mask` lies from the nearest pixel outside it, 0 outside.
cv::Mat depthIn(const cv::Mat& mask);

// Lets the process keep the memory a picture's tracing frees for the next
// picture, rather than hand it back to the system and have every page of
// it faulted in and cleared again: a fifth of a full-HD scene's time went
// to that. The peak is the same; what stays is no more than it. Only the
// first call does anything, and only with glibc's allocator.
void keepPictureMemory();

// The bounds of what `mask` holds (its nonzero pixels), `margin` px wider
// on every side, cut to the mask's own size; empty when it holds nothing.
cv::Rect boundsOf(const cv::Mat& mask, int margin);

} // namespace editor::tracing
