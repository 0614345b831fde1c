#pragma once

// The picture a teacher brings, whatever it is (colour clip art, a
// photograph, a drawing photographed on paper), as the black line art on
// white that the figures and the colouring page are found on.

#include <QImage>
#include <opencv2/core.hpp>

namespace editor::tracing {

// A picture as line art, and where its colours show the figure.
struct LineDrawing
{
    QImage page;        // lineDrawing()
    cv::Mat figure;     // 255 on what differs from a coloured picture's background (or a
                        // photograph's object), reduction() times smaller than the picture;
                        // empty for line art and drawings on paper
    double stroke = 0;  // px on the figure's scale: how wide the picture's own lines
                        // are drawn, where the page draws them otherwise (a bold
                        // drawing's: the line its gaps close as); 0: as drawn
    cv::Mat bold{};     // 255 on a bold drawing's strokes, on the figure's scale; empty
                        // for any other picture
    bool paper = false; // drawn on paper: the page's lines are as wide as the pen's
};

// `picture` as a line drawing on a white page of the same size:
// - plain black (or grey) line art on white comes back as it is, the same
//   image; on plain paper of another colour, its lines in black on white;
// - drawn in bold strokes on white, the edges of its strokes, thin, where
//   the ink ends: no line across a gap between strokes, and a dark piece
//   that runs into the figure's edge drawn as its edge too;
// - on a plain background (white, transparent, one colour) every pixel
//   that differs from it in colour is figure, light colours included, but
//   a faint grey shadow under the figure is not: the figure's outer edge
//   becomes a dark line, so do the boundaries between its regions of
//   clearly different colour; soft shading is no line, small dark features
//   (eyes, thin strokes) stay as drawn, wide strokes inside the figure
//   become their edge, and fills and large dark areas go white inside
//   their edge;
// - a drawing photographed on paper (uneven light, noise): its strokes in
//   black, the paper white, specks left out;
// - a photograph: its main object, found by grabCut from the picture's
//   border, drawn as a coloured figure is.
// Where the picture was fitted into a white page, what is inside the
// margins is looked at. A picture of less than 32 pixels a side comes back
// as it is. Otherwise the drawing is in Format_Grayscale8. With `bold`,
// line art on white is drawn in bold strokes whatever their width (a
// scene's figure, bold for the page it stands on).
QImage lineDrawing(const QImage& picture);
LineDrawing lineDrawingOf(const QImage& picture, bool bold = false);

} // namespace editor::tracing
