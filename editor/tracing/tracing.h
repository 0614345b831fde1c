#pragma once

#include <QImage>
#include <QList>
#include <QPointF>
#include <QPolygonF>
#include <QRect>
#include <optional>

namespace editor {

// The outer outline of one figure of a picture, in pixels: a closed path
// that runs clockwise on screen from its topmost point (the leftmost of
// equals), with the points where it turns sharply.
struct Outline
{
    QPolygonF points;   // the first point is not repeated at the end
    QList<int> corners; // indices into points, sharpest first
    QList<bool> drawn;  // of each point: on the drawn line, not across a gap closed
                        // nor along a scene's ground away from where the figure leaves it
    QList<double> away; // of each point not drawn: px to the figure's own line (its
                        // ground left out), as far as the spacing; 0 where drawn
    double spacing = 0; // the least distance between two dots, in pixels
    double length() const;
};

// The distance dots keep apart on a picture of `size` pixels: 24 on the
// editor's page at 1024 x 768, so that their circles do not overlap even
// on the player's 800 x 600 screen (12 is the least that serves on the
// editor's own), and as much more as the picture is larger.
double dotSpacing(QSize size);

// A point of the picture, in pixels, where the teacher picked a figure for
// the dots; none: the figures the tracing chooses itself.
using FigureChoice = std::optional<QPointF>;

// The figures of a picture as a person sees them: every stroke darker than
// light grey, small gaps between strokes closed, and everything a figure
// encloses (its white inside, the lines in it) part of it. Each figure's
// outer outline is traced by potrace. A figure smaller than half a percent
// of the picture, or than a few percent of the largest figure, is a speck
// or a detail and left out; in a coloured picture, so is a piece drawn
// apart from the body (a stem, a tail), however near it. Sorted by their
// topmost points, top to bottom, then left to right. With `chosen`, only
// the figure there.
QList<Outline> traceFigures(const QImage& picture, FigureChoice chosen = {});

// In a scene (strokes that run off the picture's border, or many
// figures), the figure the dots go round by themselves: its bounds, in
// pixels. None when the dots go round every figure.
std::optional<QRect> mainFigure(const QImage& picture);

// How many of `wanted` dots an activity with room for `room` more entries
// takes, when each of `figures` figures needs a closing entry too.
int dotsThatFit(int wanted, int figures, int room);

// The picture with the outlines traceFigures(picture, chosen) finds taken away: along each
// figure's outer edge, the band of stroke as thick as it is drawn there,
// with its soft edge, so that the details inside stay. A figure drawn
// filled loses its fill, and what is drawn inside it in another colour is
// kept as a line round it. A drawing on paper keeps its inner lines as
// thin as any page's, along the middle of the pen's strokes.
QImage withoutOutline(const QImage& picture, FigureChoice chosen = {});

// `count` dots shared among the outlines by their length, at least 3 each
// (the shortest figures are left out when there are not three for each):
// on every outline its topmost point first, then the rest where the
// polygon joining them keeps closest to the outline, in its clockwise
// order: on its tips, down in the dents deeper than the dots' spacing (the
// gaps between legs), evenly along its gentle curves, on the drawn line
// rather than across a gap the tracing closed, at a foot's corners rather
// than along the ground it stands on; where the outline is too short to
// keep them all off those stretches, the rest as near the figure's own
// line as they can go (where a paw comes down to the ground, not under the
// arch between it and the belly). Dots are then nudged along
// the outline, the top one excepted and each as little as will do (a
// corner stays as near its corner as it can), until none is nearer another than the
// outline's spacing, whichever figure the other is on, and the joined path
// does not cross itself, as far as the outline's length and shape allow.
QList<QList<QPointF>> dotsAlong(const QList<Outline>& outlines, int count);

} // namespace editor
