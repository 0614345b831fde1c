#pragma once

// The colouring page of a drawing on paper, whose lines are as wide as the
// pen drew them, shared by the part that makes the page and its tests.

#include <QImage>
#include <opencv2/core.hpp>

namespace editor::tracing {

// `page` (Format_RGB32, the outline already taken off) with each line the
// figures (`mask`) keep redrawn `line` px wide along its middle, as wide
// as the lines of any other page: a marker's stroke kept as drawn is a
// heavy bar to a child and leaves less to colour. The middle is found on
// `ink` (255 where the drawing has a line, the outline's too), so that a
// line runs on up to where the outline was. What is round (an eye) or no
// wider than a page's line stays as drawn.
void redrawPenLines(QImage& page, const cv::Mat& ink, const cv::Mat& mask, int line);

} // namespace editor::tracing
