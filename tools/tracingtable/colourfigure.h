#pragma once

// The figure of a colour picture as a person sees it, found from colour
// alone and apart from the tracing code, so that the tracing table can
// tell whether the dots go round it and what the child's picture keeps.

#include <opencv2/core.hpp>

namespace tracingtable {

struct ColourFigure
{
    cv::Mat mask;       // 255 on the figures, their insides included
    cv::Mat dark;       // 255 where the picture is drawn dark (an outline, an eye)
    cv::Mat boundaries; // 255 along the sharp edges between clearly different colours
    double outline = 0; // px: how thick its dark outer outline is drawn; 0 without one
};

// `rgb` (8-bit, three channels, RGB) on a plain background, which its
// border gives: every pixel that differs from the background in CIELAB is
// figure, and so is all it encloses; a faint grey shadow under a figure is
// not. Figures much smaller than the largest are left out. Where the figure
// is `known` already (255 on it), only the rest is found.
ColourFigure colourFigure(const cv::Mat& rgb, const cv::Mat& known = {});

// Whether `rgb` is painted rather than drawn: colours other than its
// background's and dark ones (fills, light or grey) cover more than 3 % of
// it, dark areas far wider than a line counted with them where it has clear
// colours too.
bool coloured(const cv::Mat& rgb);

} // namespace tracingtable
