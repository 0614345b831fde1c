#include "shapegeometry.h"

#include "textfiles.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace editor {

namespace {

constexpr int MinSides = 3;
constexpr int MaxSides = 20;

double degreesToRadians(double degrees, double pi)
{
    return degrees * pi / 180;
}

// Direction in polygon degrees (0 down the screen, 90 right) of the offset
// (x, y), defined when both are non-zero.
double polygonAngle(double x, double y, double pi)
{
    return std::atan(x / y) * 180 / pi;
}

// Vertices at distance (rx, ry) around (cx, cy), starting at `startAngle` and
// stepping by a full turn / sides. The angle is accumulated step by step, as
// the window always did, so a step that does not add up exactly to 360 may
// drop the repeated last vertex.
void writeVertices(PolygonShape& shape, double cx, double cy, double rx, double ry,
                   double startAngle, double pi)
{
    const double step = 360.0 / shape.sides;
    const double last = startAngle + 360;
    shape.count = 0;
    for (double k = startAngle; k <= last && shape.count < PolygonShape::MaxVertices; k += step) {
        const double angle = degreesToRadians(k, pi);
        shape.x[shape.count] = cx + rx * std::sin(angle);
        shape.y[shape.count] = roundToInt32(cy + ry * std::cos(angle));
        ++shape.count;
    }
}

// Modes 0 and 1: vertex 0 points from the press point at the pointer; the
// axis-aligned drags are decided explicitly since the arctangent would
// divide by zero or lose the side.
double startAngleTowardsPointer(double pressX, double pressY, double pointerX, double pointerY,
                                double pi)
{
    const double dx = pointerX - pressX;
    const double dy = pointerY - pressY;
    double t = 0;
    if (dx != 0 && dy != 0) {
        t = polygonAngle(dx, dy, pi);
        if (pointerY < pressY)
            t += 180;
    }
    if (dy == 0)
        t = pointerX < pressX ? 270 : 90;
    if (dx == 0 && pointerY < pressY)
        t = 180;
    return t;
}

// Mode 2: the centre of the polygon whose edge runs from the press point to
// the pointer. It lies on the left of the edge walked up the screen (a level
// edge walked from the press point to the pointer), so a drag to the right
// builds the polygon above the edge.
void centreOnEdge(int sides, double pressX, double pressY, double pointerX, double pointerY,
                  double pi, double& cx, double& cy)
{
    const double dx = pointerX - pressX;
    const double dy = pointerY - pressY;
    const double a = 360.0 / (sides * 2);
    const double h = std::sqrt(dx * dx + dy * dy) / 2;
    const double circumradius = h / std::sin(degreesToRadians(a, pi));
    const double g = dx != 0 && dy != 0 ? polygonAngle(dx, dy, pi) : 0;
    if (dy == 0) {
        const double b = degreesToRadians(270 + a, pi);
        if (pointerX > pressX) {
            cx = pressX + circumradius * std::cos(b);
            cy = pressY + circumradius * std::sin(b);
        } else {
            cx = pointerX + circumradius * std::cos(-b);
            cy = pointerY + circumradius * std::sin(-b);
        }
    } else {
        const double b = degreesToRadians((90 - g) + a + 90, pi);
        const double fromX = pointerY < pressY ? pressX : pointerX;
        const double fromY = pointerY < pressY ? pressY : pointerY;
        cx = fromX + circumradius * std::cos(b);
        cy = fromY + circumradius * std::sin(b);
    }
}

} // namespace

int roundToInt32(double v)
{
    if (std::isnan(v))
        return 0;
    const double rounded = std::nearbyint(v);
    if (rounded <= INT32_MIN)
        return INT32_MIN;
    if (rounded >= INT32_MAX)
        return INT32_MAX;
    return static_cast<int>(rounded);
}

int snap(double v, int gridStep)
{
    const int step = std::max(gridStep, 1);
    return roundToInt32(v) / step * step;
}

double mirror(double v, double centre)
{
    return (centre - v) + centre;
}

ArcSet arcAngles(int kind, bool pointerRight, double pi)
{
    const double zero = 0;
    const double quarter = pi / 2;
    const double half = pi;
    const double threeQuarters = pi / 2 * 3;
    const double full = pi + pi;
    const ArcAngles upperRight{zero, quarter}, upperLeft{quarter, half};
    const ArcAngles lowerLeft{half, threeQuarters}, lowerRight{threeQuarters, full};
    const ArcAngles upperHalf{zero, half}, lowerHalf{half, full};
    const ArcAngles rightHalf{threeQuarters, quarter}, leftHalf{quarter, threeQuarters};

    switch (kind) {
    case 2:
        return pointerRight ? ArcSet{upperRight, upperLeft, lowerRight, lowerLeft}
                            : ArcSet{upperLeft, upperRight, lowerLeft, lowerRight};
    case 3:
        return pointerRight ? ArcSet{lowerRight, lowerLeft, upperRight, upperLeft}
                            : ArcSet{lowerLeft, lowerRight, upperLeft, upperRight};
    case 4:
        // A half drawn to the left is the lower one: the side picks the half.
        return pointerRight ? ArcSet{upperHalf, upperHalf, lowerHalf, lowerHalf}
                            : ArcSet{lowerHalf, lowerHalf, upperHalf, upperHalf};
    case 5:
        return pointerRight ? ArcSet{rightHalf, leftHalf, rightHalf, leftHalf}
                            : ArcSet{leftHalf, rightHalf, leftHalf, rightHalf};
    default:
        return {};
    }
}

double arcRadius(int kind, bool pointerRight, double dx, double dy)
{
    if (kind == 5)
        return pointerRight ? dx : -dx;
    return std::sqrt(dx * dx + dy * dy);
}

int circleRadius(double dx, double dy)
{
    return roundToInt32(std::trunc(std::sqrt(dx * dx + dy * dy)));
}

EllipseShape ellipseInDrag(double pressX, double pressY, double dx, double dy)
{
    const double ex = dx == 0 ? 0.1 : dx;
    const double ey = dy == 0 ? 0.1 : dy;
    const double halfWidth = std::abs(ex) / 2;
    const double halfHeight = std::abs(ey) / 2;
    return {pressX + ex / 2, pressY + ey / 2, std::max(halfWidth, halfHeight),
            halfHeight / halfWidth};
}

int polygonSides(const QString& comboText)
{
    const double v = toolkit::leadingNumber(comboText);
    if (v < MinSides || v > MaxSides)
        return MinSides;
    return roundToInt32(v);
}

PolygonShape polygonVertices(int mode, int sides, double pressX, double pressY, double pointerX,
                             double pointerY, double pi)
{
    PolygonShape shape;
    shape.sides = sides < MinSides || sides > MaxSides ? MinSides : sides;
    const double dx = pointerX - pressX;
    const double dy = pointerY - pressY;

    if (mode == 2) {
        shape.hasEdgeLine = true;
        double cx = 0;
        double cy = 0;
        centreOnEdge(shape.sides, pressX, pressY, pointerX, pointerY, pi, cx, cy);
        const double ux = pointerX - cx;
        const double uy = pointerY - cy;
        const double r = std::sqrt(ux * ux + uy * uy);
        double t = 0;
        if (ux != 0 && uy != 0) {
            t = polygonAngle(ux, uy, pi);
            if (pointerY < cy)
                t += 180;
        }
        writeVertices(shape, cx, cy, r, r, t, pi);
        return shape;
    }

    const double t = startAngleTowardsPointer(pressX, pressY, pointerX, pointerY, pi);
    if (mode == 1) {
        writeVertices(shape, pressX, pressY, std::abs(dx), std::abs(dy), t, pi);
    } else {
        const double r = std::sqrt(dx * dx + dy * dy);
        writeVertices(shape, pressX, pressY, r, r, t, pi);
    }
    return shape;
}

} // namespace editor
