#pragma once

// A drawing in bold strokes (a thick marker, a drawing made bold), as the
// line drawing sees it: how wide its strokes are, and its figures.

#include <opencv2/core.hpp>

namespace editor::tracing {

// How wide the strokes of `ink` (255 where drawn) are, px: twice the depth
// of their middles, as most of them lie, so that a few fills among the
// strokes do not count.
double strokeMiddles(const cv::Mat& ink);

// Whether strokes `width` px wide are bold on a picture whose shorter side
// is `side` px, and not so wide that they are a filled silhouette.
bool drawnBold(double width, int side);

// Whether strokes `width` px wide, inside a figure whose shorter side is
// `figure` px on a page whose shorter side is `side` px, are bars to a
// child once its outline comes off: wider than two of the lines a
// colouring page draws, and not so wide for the figure that they fill it.
bool barsOn(double width, int side, int figure);

// The figures of `ink`, drawn in bold strokes `width` px wide: the narrow
// gaps between strokes closed, and all they enclose; pieces much smaller
// than the largest left out. 255 on them.
cv::Mat boldFigure(const cv::Mat& ink, double width);

// `page`, the lines (darker than light grey) of a bold drawing whose ink
// is `ink` (255 where drawn), in strokes `width` px wide, and whose figures
// are `figure`, with each stripe closed where it meets the outline: a
// stroke that runs in from the outline at one end and ends in the light
// (a tiger's stripe). Once the outline comes off it stands out as a
// stripe; left open, it is only the gap between two patches of light. The
// light between two stripes or more, no wider than a stripe and a half,
// is the gap between them, no patch: its edge along the outline goes.
void closeStripes(cv::Mat& page, const cv::Mat& ink, const cv::Mat& figure, double width);

// `page`, the lines (darker than light grey) of a bold drawing whose ink
// is `ink` (255 where drawn), the same size, less what no crayon's tip
// fits in: the edges of a narrower hole among the strokes, and fragments.
void withoutSpecks(cv::Mat& page, const cv::Mat& ink);

} // namespace editor::tracing
