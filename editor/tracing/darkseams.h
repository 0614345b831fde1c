#pragma once

// The colouring page of a colour picture where two of its dark colours
// meet, shared by the part that makes the page and its tests.

#include <QImage>
#include <opencv2/core.hpp>

namespace editor::tracing {

// `page` (Format_RGB32, the colouring page of `picture`, the same size)
// without the line it draws where the outline taken off, `band` (255 on
// it, reduction() times smaller than the page, the outline drawn `width` px
// wide there), met a dark fill (a black
// outline round a dark grey leg): with the outline gone, the page shows
// the outline and the fill as one dark area white inside its edge, and a
// line across its middle is no part a child colours up to, only a piece
// of the fill. The lines where a dark area meets lighter colours stay, and
// so do those drawn inside it away from the outline (a spiral on a dark
// shell), and any dark area the page keeps as drawn (an eye, a thin
// stroke). The page's lines are `line` px wide.
void dropDarkSeams(QImage& page, const QImage& picture, const cv::Mat& band, double width,
                   int line);

} // namespace editor::tracing
