#pragma once

// The ground a scene's figures stand on, found so that they are found
// apart from it.

#include <opencv2/core.hpp>
#include <vector>

namespace editor::tracing {

// Where `ink` (255 where drawn, lines `stroke` pixels wide) has a line that
// runs level across most of the page, in its lower half, as a scene's
// ground does: that line, so that the figures standing on it are found
// apart from it, feet and all; with it, a branch that runs level in from a
// side of the drawing, well above it. Empty when there is no ground.
cv::Mat groundOf(const cv::Mat& ink, double stroke);

// `figure`, the outer edge of a scene's figure standing on `ground`, with
// the spaces its strokes in `ink` (the ground left out) enclose with the
// ground that it covers for the most part already: its inside, where its
// own bottom line (a sole, a house's floor) lay along the ground and went
// with it, leaving the figure open there. So is a room it half covers,
// the world a wall away on its either side, with its doorways: a house
// whose floor lay along the ground. So is a space its outline roofs, the
// world beyond, that it already holds a good part of (a body whose bottom
// line went with the ground), and a pocket on the ground that it and its
// own strokes enclose, no wider than a gap its closing closes a step wider
// (a leg's inside whose sole went with the ground, the space a tail curls
// round). A gap between legs, mostly outside the figure and a leg's
// inside beside it, stays out. `least` (px) is the narrowest gap the
// figures' closing closes; a stroke that ends a third as near the ground
// meets it.
std::vector<cv::Point> standingOn(const std::vector<cv::Point>& figure, const cv::Mat& ink,
                                  const cv::Mat& ground, double least);

} // namespace editor::tracing
