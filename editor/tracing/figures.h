#pragma once

// How the tracing sees a picture's figures, shared by the parts that trace
// their outlines and make the child's colouring page of the picture.

#include "tracing.h"

#include <QImage>
#include <opencv2/core.hpp>
#include <vector>

namespace editor::tracing {

constexpr int SilhouetteSide = 1000; // px: a larger picture is looked at smaller

// How many times smaller than `size` a picture is looked at: a large
// picture's figures are found on a copy no side of which passes
// SilhouetteSide.
int reduction(QSize size);

// How wide the strokes of `ink` are drawn, in pixels: a stroke of width w
// and length L has an area of w L and an edge about 2 L long.
double strokeWidth(const cv::Mat& ink);

// A header over the image's pixels, which it does not own.
cv::Mat matOf(QImage& image, int type);

std::vector<std::vector<cv::Point>> outerEdges(const cv::Mat& mask);

// `ink` (255 where drawn) grown by `reach` pixels and shrunk back: the gaps
// narrower than twice that are closed.
cv::Mat closedFilled(const cv::Mat& ink, double reach);

// How much wider each try closes gaps, when a figure closed too narrow is
// still nothing but strokes.
constexpr double WiderClosing = 1.6;

// Whether the largest of `outer` encloses little for the length of its
// edge, as a stroke does and an outline closed round a figure does not:
// its gaps are to be closed wider.
bool onlyStrokes(const std::vector<std::vector<cv::Point>>& outer);

// The picture's figures as a person sees them.
struct Figures
{
    QImage drawing;                               // the picture as line art: lineDrawing()
    QImage grey;                                  // the drawing in Grayscale8
    cv::Mat ink;                                  // 255 where something is drawn
    cv::Mat ground;                               // 255 on a scene's ground; empty: none
    cv::Mat mask;                                 // 255 inside a figure kept
    std::vector<std::vector<cv::Point>> contours; // their outer edges
    double stroke = 0;                            // how wide the lines are drawn
    double reach = 0;                             // how wide a gap is closed
    bool scene = false;                           // the main figure of a scene only
    bool coloured = false;                        // the drawing was made from the picture's colours
    bool paper = false;                           // drawn on paper: its lines as wide as the pen's
};

// The figures of `picture`. The outlines and the colouring page are asked
// for one after the other on the same picture: it is looked at once.
Figures cachedFiguresOf(const QImage& picture, FigureChoice chosen);

} // namespace editor::tracing
