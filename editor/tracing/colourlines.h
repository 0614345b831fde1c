#pragma once

// The lines of a colouring page drawn from a figure's colours: its outer
// edge, the boundaries between its regions, its dark features.

#include <opencv2/core.hpp>

namespace editor::tracing {

constexpr double DarkL = 35;          // a darker pixel (L*, 0..100) is drawn: a line or a feature
constexpr int LightGrey = 200;        // a lighter pixel (grey, 0..255) is no ink
const cv::Vec3b White(255, 128, 128); // in CIELAB as OpenCV keeps it

// Whether `figure` is painted flat, as vector clip art is: in regions of
// one colour each, with sharp steps between them. Shading, texture and a
// photograph's or a JPEG's noise leave little of it still. Between such
// regions even a small step is a boundary the child colours up to (a
// crab's legs a little darker than its body); elsewhere it may be a
// highlight's soft edge.
bool paintedFlat(const cv::Mat& lab, const cv::Mat& figure);

// The colouring page of a figure: its outer edge and the boundaries
// between its colours as lines, its small dark features as drawn, its
// wide strokes as their edge. `stroke` is how wide the picture's own
// lines are drawn (px), the strokes as wide as they were.
cv::Mat colouringLines(cv::Mat lab, const cv::Mat& grey, const cv::Mat& figure, double edge,
                       double& stroke, bool bold = false);

} // namespace editor::tracing
