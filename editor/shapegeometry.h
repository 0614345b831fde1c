#pragma once

// Geometry of the editor's canvas tools: snapping, mirroring and the shapes
// dragged out from the press point to the pointer. Pure functions, no window
// and no drawing: the window's preview and commit both call them, so what is
// committed is exactly what was previewed.
//
// Positions and lengths are canvas twips; screen y grows downwards. Arc
// angles are radians counterclockwise from the direction of growing x, with
// pi/2 pointing up the screen. Polygon angles are degrees with 0 pointing
// down the screen and 90 to the right.

#include <QString>
#include <array>

namespace editor {

// The classic conversion of a number to a 32-bit integer: to the nearest
// whole number, halves to even. Values beyond the 32-bit range saturate and
// NaN gives 0, so no caller can hit an undefined conversion.
int roundToInt32(double v);

// v rounded to a whole twip (halves to even), then down to the grid line
// towards zero: with a step of 300, 300..599.4 give 300 and -350 gives -300.
// A step below 1 means free placement, as a step of 1 does.
int snap(double v, int gridStep);

// v reflected across the line at `centre`.
double mirror(double v, double centre);

// Start and end of an arc, drawn counterclockwise from start to end.
struct ArcAngles
{
    double start = 0;
    double end = 0;
};

// The arc of a shape kind and its three mirrored copies (left-right,
// top-bottom and across the centre); every copy keeps the main radius.
struct ArcSet
{
    ArcAngles main, leftRight, topBottom, centre;
};

// Angles of the arc kinds 2 (upper quarter), 3 (lower quarter), 4 (half)
// and 5 (side half). Only the side of the pointer matters: pointerRight is
// pressX < pointerX. `pi` is the window's own value of pi, so that the angles
// are built exactly as the window built them before. Other kinds give all
// angles 0.
ArcSet arcAngles(int kind, bool pointerRight, double pi);

// Radius of the arc kinds 2 to 5 for a drag of (dx, dy) from the press
// point: the drag's length for kinds 2 to 4, its horizontal extent for kind 5
// (dx when the pointer is right of the press point, -dx otherwise, so a
// vertical drag gives radius 0).
double arcRadius(int kind, bool pointerRight, double dx, double dy);

// Radius of the circle tool (kind 0): the whole part of the drag's length.
int circleRadius(double dx, double dy);

// An ellipse as the platform's Circle takes it: the larger half-axis as
// radius, and aspect = vertical half-axis / horizontal half-axis.
struct EllipseShape
{
    double centreX = 0, centreY = 0, radius = 0, aspect = 1;
};

// The ellipse (kind 1) inside the rectangle dragged from the press point by
// (dx, dy). A zero extent counts as 0.1 twips, so a flat drag gives a thin
// ellipse and nothing divides by zero. Mirrored copies mirror the centre and
// keep radius and aspect.
EllipseShape ellipseInDrag(double pressX, double pressY, double dx, double dy);

// Number of sides chosen by the text of the sides list, by the leading-number
// rule; anything below 3 or above 20 (an empty text too) gives a triangle.
// A fraction within range is rounded like any whole-number setting.
int polygonSides(const QString& comboText);

// Vertices of a regular polygon, vertex 0 first. Usually sides + 1 vertices
// are written, the last repeating the first; rounding of the angle steps may
// leave that last one out. Edges are vertex i to i + 1 for i < sides - 1,
// then sides - 1 back to 0. x is kept exact, y as whole twips.
struct PolygonShape
{
    static constexpr int MaxVertices = 51;
    int sides = 0;
    std::array<double, MaxVertices> x{};
    std::array<int, MaxVertices> y{};
    int count = 0;            // vertices written
    bool hasEdgeLine = false; // mode 2 previews the dragged edge as a line too
};

// The polygon dragged from (pressX, pressY) to (pointerX, pointerY):
// mode 0 around the press point with vertex 0 at the pointer; mode 1 inside
// the ellipse of half-axes |dx| and |dy| around the press point; mode 2
// standing on the dragged edge (a square dragged to the right lies above the
// edge on the screen). Other modes are taken as mode 0. `sides` is 3..20
// (polygonSides); anything else is taken as 3. `pi` as for arcAngles.
PolygonShape polygonVertices(int mode, int sides, double pressX, double pressY, double pointerX,
                             double pointerY, double pi);

} // namespace editor
