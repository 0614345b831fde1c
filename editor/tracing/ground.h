#pragma once

// The ground a scene's figures stand on, found so that they are found
// apart from it.

#include <opencv2/core.hpp>

namespace editor::tracing {

// Where `ink` (255 where drawn, lines `stroke` pixels wide) has a line that
// runs level across most of the page, in its lower half, as a scene's
// ground does: that line, so that the figures standing on it are found
// apart from it, feet and all. Empty when there is none.
cv::Mat groundOf(const cv::Mat& ink, double stroke);

} // namespace editor::tracing
