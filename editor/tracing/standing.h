#pragma once

// What a figure stands on, when the picture draws it as part of the figure.

#include <opencv2/core.hpp>
#include <vector>

namespace editor::tracing {

// `figures` less the ground a figure among them stands on: a flat strip
// along its bottom, enclosed by the lines of `ink` (255 where drawn),
// much wider than tall, no narrower at its foot than at its top, and as
// wide as what stands on it, which is taller than it: the sea under a
// boat, a strip of grass, a floor. Lines are drawn `stroke` px wide. A
// part that tapers (a hull, a bowl's foot), is round (a wheel), or is
// narrower than the figure stays.
std::vector<std::vector<cv::Point>> offTheGround(std::vector<std::vector<cv::Point>> figures,
                                                 const cv::Mat& ink, double stroke);

} // namespace editor::tracing
