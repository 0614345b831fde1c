#pragma once
// The figure of a test picture as a person sees it, and what the measures
// of its activities share: where its outer edge may run, the outline a
// child's picture is to take off, the details it is to keep, the inside it
// is to leave white. Found with OpenCV apart from the tracing code.

#include "measures.h"
#include "tablepictures.h"

#include <QImage>
#include <opencv2/core.hpp>
#include <vector>

namespace tracingtable {

constexpr int Drawn = 200; // darker is drawn
constexpr int Dark = 128;  // darker is a line a child sees

// The figures as a person sees them, measured in the table's own way: the
// strokes closed with a round brush a little wider than they are drawn,
// wider again while the largest part is still only a stroke (its edge long
// for its area), everything enclosed filled, the parts thinner than two
// strokes side by side (but a scene's figure's legs down to its ground)
// and those much smaller than the largest left out.
struct Silhouette
{
    cv::Mat grey, mask;
    std::vector<std::vector<cv::Point>> outer;
    std::vector<std::vector<cv::Point>> withThin; // the outer edges, thin parts kept
    cv::Mat offEdge; // px from the nearest place the outer edge may run
    double stroke = 0;
    double closing = 0; // px: the radius its gaps and notches were closed with
};

// What the measures of one picture share, whatever dots it is given and
// whatever the child's picture made of it.
struct Drawing
{
    Silhouette s;
    cv::Mat band;      // the outline: not to be seen dark in the child's picture
    cv::Mat details;   // to be seen dark; empty when there are none to count
    cv::Mat lines;     // the strokes the details are the edges of; empty when they are no strokes
    cv::Mat others;    // the outlines of the figures beside the main one: to stay drawn
    cv::Mat notched;   // the outline's strokes meeting in a notch the silhouette closes over
    bool near = false; // a detail is kept by a dark line within 2 px of it
    cv::Mat inside;    // to be left white
    cv::Mat fills;     // each filled part's core numbered 1, 2...: to be kept whole or not at all
    int fillCount = 0;
    double line = 2; // px: how wide the drawing's lines are
    Measures base;
};

// The drawing `picture` shows, measured as the table's `measure` says.
Drawing drawingOf(const Picture& picture);
// A picture in dark strokes; with `near`, one drawn apart from its clean
// drawing, whose strokes are a little wider or off; with `scene`, the
// figure of that scene, its thin parts that stand on the scene's ground
// line (legs drawn as one line each) kept.
Drawing strokesOf(const QImage& picture, bool near = false, const QImage& scene = {});

// A copy of the 8-bit grey `grey`, and of `picture` in RGB.
cv::Mat matOf(const QImage& grey);
cv::Mat rgbOf(const QImage& picture);

} // namespace tracingtable
