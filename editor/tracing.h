#pragma once

#include <QImage>
#include <QList>
#include <QPointF>
#include <QPolygonF>

namespace editor {

// The outer outline of one figure of a picture, in pixels: a closed path
// that runs clockwise on screen from its topmost point (the leftmost of
// equals), with the points where it turns sharply.
struct Outline
{
    QPolygonF points;   // the first point is not repeated at the end
    QList<int> corners; // indices into points, sharpest first
    double length() const;
};

// The figures of a picture: whatever cannot be reached from its edge through
// light background, so that the inside of a drawn outline belongs to its
// figure. Each figure's outer outline is traced by potrace; figures smaller
// than `minAreaFraction` of the picture are specks and left out. Sorted by
// their topmost points, top to bottom, then left to right.
QList<Outline> traceFigures(const QImage& picture, double minAreaFraction = 0.005);

// How many of `wanted` dots an activity with room for `room` more entries
// takes, when each of `figures` figures needs a closing entry too.
int dotsThatFit(int wanted, int figures, int room);

// The picture with its figures' outlines taken away, a band as wide as
// the outline is drawn, so that the details inside stay. A filled
// silhouette, whose outline is no line, is left as it is.
QImage withoutOutline(const QImage& picture);

// `count` dots shared among the outlines by their length, at least 3 each
// (the shortest figures are left out when there are not three for each):
// on every outline its topmost point first, then its sharpest corners,
// then the rest spread along it so that the gaps are as even as those
// allow, in the outline's clockwise order.
QList<QList<QPointF>> dotsAlong(const QList<Outline>& outlines, int count);

} // namespace editor
