#pragma once

// The colouring page of a colour picture where two of its dark colours
// meet, shared by the part that makes the page and its tests.

#include <QImage>
#include <opencv2/core.hpp>

namespace editor::tracing {

// `page` (Format_RGB32, the colouring page of `picture`, the same size)
// without the line it draws where a black line round a dark fill met it:
// where the outline taken off, `band` (255 on it, reduction() times smaller
// than the page, the outline drawn `width` px wide there), ran round a dark
// grey leg, or where a black ring no wider than the outline, lighter
// colours outside it, runs round a dark body. The page shows the line and
// the fill as one dark area white inside its edge, and a line across its
// middle is no part a child colours up to, only a piece of the fill. The
// lines where a dark area meets lighter colours stay, and so do those
// drawn deep inside it away from the outline (a spiral on a dark shell),
// and any dark area the page keeps as drawn (an eye, a thin stroke). The
// page's lines are `line` px wide.
void dropDarkSeams(QImage& page, const QImage& picture, const cv::Mat& band, double width,
                   int line);

} // namespace editor::tracing
