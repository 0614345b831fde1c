#pragma once

// How good the automatic dots are on a picture, measured with OpenCV apart
// from the tracing code: what a teacher would see by looking, as numbers.

#include "madeactivities.h"
#include "tablepictures.h"

#include <QImage>
#include <QList>
#include <QPointF>
#include <QPolygonF>
#include <QString>

namespace tracingtable {

struct Measures
{
    int figures = 0;         // figures found by the tracing
    int seen = 0;            // figures the measure finds
    int dots = 0;            // dots placed
    double farthest = 0;     // px: the dot farthest from the outer edge
    double overlap = 0;      // intersection over union, polygons and silhouette
    bool compact = false;    // the silhouette fills most of its convex hull
    double closest = 0;      // px: the two nearest dots
    double spacing = 0;      // px: what closest must reach
    bool ordered = false;    // every figure from its top, clockwise, no crossing
    double bandDark = 0;     // share of the outline band still dark
    double detailsKept = -1; // share of the details inside still drawn; -1: none
    double insideWhite = -1; // share of the inside left white to colour; -1: none
    int ragged = 0;          // filled parts cut through, neither kept nor taken off
    int shards = 0;          // dark bits left where the outline was, too short to be a line
    int offWhite = 0;        // dots with a dark pixel under them
    QImage erased;           // what the child sees
    QList<QList<QPointF>> placed;
    QList<QPolygonF> silhouette; // the outer edges the measures use
    QList<QPointF> astray;       // the dots too far from them
    QList<QPointF> shardsAt;     // the shards' middles
};

// The picture traced once, given each of `counts` dots, and measured
// against the figure its clean drawing shows when it has one, else against
// the figure found from its colour when it is in colour, else against its
// strokes.
QList<Measures> measure(const Picture& picture, const QList<int>& counts);
// A picture in strokes.
QList<Measures> measure(const QImage& picture, const QList<int>& counts);

// Activities already made from `picture`, measured against it: their
// dots and the pictures the child sees, as the files hold them.
QList<Measures> measureActivities(const QImage& picture, const QList<MadeActivity>& made);

// Every check of the table: what fails, empty when nothing does.
QString failures(const Measures& measures, int count);

// One picture as the child sees it: the erased drawing, its numbered dots;
// with `edges`, the silhouette's outer edges the measures use, in blue, and
// the shards ringed in orange.
// The dots are numbered 1, 2, 3... unless `labels` gives theirs.
QImage childView(const Measures& measures, bool edges = false, const QStringList& labels = {});

} // namespace tracingtable
