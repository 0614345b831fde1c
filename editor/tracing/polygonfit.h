#pragma once

// Where the dots of one outline go so that the polygon joining them follows
// the figure's parts, shared by the dots' placement and its tests.

#include "tracing.h"

#include <QList>
#include <QPointF>

namespace editor::tracing {

// A closed outline measured along its length, in pixels.
class Path
{
public:
    explicit Path(const QPolygonF& points);
    double length() const { return arc.back(); }
    double of(qsizetype i) const { return arc[i]; } // how far point i lies along it
    QPointF at(double along) const;                 // 0 <= along <= length()
    qsizetype before(double along) const;           // the last point at or before it

private:
    QPolygonF points;
    QList<double> arc; // of each point, and the length again at the end
};

// Where `count` dots go along `outline` (count >= 1), as distances along it
// from its first point, in pixels, ascending, the first 0: the polygon
// joining them keeps as close to the outline as `count` dots allow (the
// squared distance of the outline from each side, integrated along it, is
// least), so a concavity deep for the dots' spacing gets dots down into it
// and a tip gets one on it. Of places that serve alike, evenly spread ones
// are taken. Two dots in a row lie no nearer than the outline's spacing
// where its length allows, and on the drawn line where there is one near.
QList<double> closestPolygon(const Outline& outline, const Path& path, int count);

} // namespace editor::tracing
