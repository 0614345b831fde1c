#pragma once

// Which of a picture's figures the dots go round: every figure of a plain
// drawing, the main figure of a scene, or the one the teacher picked.

#include "figures.h"

#include <opencv2/core.hpp>
#include <optional>
#include <vector>

namespace editor::tracing {

using Contour = std::vector<cv::Point>;

struct Chosen
{
    std::vector<Contour> figures; // the outer edges the dots go round
    bool scene = false;           // one of a scene's figures, chosen by the tracing
};

// What is drawn in a picture, as the figures were found in it.
struct Drawn
{
    cv::Mat ink;      // 255 where drawn, a scene's ground left out
    double least = 0; // px: how wide a gap between strokes is closed at least
    double reach = 0; // px: how wide a gap was closed, wider where only strokes were found
    cv::Mat ground;   // 255 on the ground the figures stand on; empty: none
    cv::Mat whole;    // 255 in the figures closed, before thin parts were left out; empty: same
};

// Of `figures`, the outer edges of the figures found in `drawn`: the one
// that holds `picked` (a point of the picture, in the same pixels) or lies
// nearest to it; without it, every figure, unless the picture is a scene,
// where the main figure only. On a ground, things the tracing ran
// together (a cat whose tail nears a tree) are figures apart when they
// stand side by side on it, and a scene's main figure keeps the thin
// parts it stands on the ground with (legs drawn as one line each).
Chosen chooseFigures(std::vector<Contour> figures, const Drawn& drawn,
                     std::optional<cv::Point2f> picked);

// `figures`, where it is the main figure of a scene in line art drawn in
// strokes that are bars on its page (barsOn(): an animal's legs and tail
// as wide as its outline), with its page, grey and ink redrawn there as a
// drawing in bold strokes is drawn: the strokes' edges, thin, so that once
// its outline comes off no stroke is left inside as a black bar. The rest
// of the scene stays as drawn; so does any other picture.
void thinBoldFigure(Figures& figures);

} // namespace editor::tracing
