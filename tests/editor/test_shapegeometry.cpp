#include "shapegeometry.h"

#include <QPointF>
#include <cmath>
#include <gtest/gtest.h>

using namespace editor;

namespace {

const double Pi = 4 * std::atan(1.0);

QPointF vertex(const PolygonShape& shape, int i)
{
    return {shape.x[i], double(shape.y[i])};
}

double distance(QPointF a, QPointF b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

// Where the middle of an arc lies, as an angle in [0, 2 pi).
double middleOf(ArcAngles arc)
{
    const double span = std::fmod(arc.end - arc.start + 2 * Pi, 2 * Pi);
    return std::fmod(arc.start + span / 2 + 2 * Pi, 2 * Pi);
}

} // namespace

TEST(ShapeGeometry, SnapRoundsHalvesToEvenThenTruncatesTowardZero)
{
    struct Case
    {
        double v;
        int step;
        int snapped;
    };
    const Case cases[] = {
        {300, 300, 300},     {599.4, 300, 300}, {599.5, 300, 600}, {-350, 300, -300},
        {-299.6, 300, -300}, {2.5, 1, 2},       {3.5, 1, 4},       {-2.5, 1, -2},
        {7.4, 1, 7},         {449.5, 50, 450},  {7.6, 0, 8},       {1e12, 300, 2147483400},
    };
    for (const Case& c : cases)
        EXPECT_EQ(snap(c.v, c.step), c.snapped) << c.v << " on " << c.step;
    EXPECT_EQ(roundToInt32(std::nan("")), 0);
    EXPECT_EQ(roundToInt32(-1e12), INT32_MIN);
}

TEST(ShapeGeometry, MirrorsAndCircleRadius)
{
    EXPECT_EQ(QPointF(mirror(100, 600), mirror(50, 300)), QPointF(1100, 550));
    EXPECT_EQ(mirror(mirror(123.25, 600), 600), 123.25);
    EXPECT_EQ(circleRadius(300, 400), 500);
    EXPECT_EQ(circleRadius(-300, -400), 500);
    EXPECT_EQ(circleRadius(1, 1), 1);
    EXPECT_EQ(circleRadius(0, 0), 0);
}

TEST(ShapeGeometry, EllipseFillsTheDraggedRectangleWhicheverWayItIsDragged)
{
    const EllipseShape flat = ellipseInDrag(0, 0, 600, 0);
    EXPECT_DOUBLE_EQ(flat.centreX, 300);
    EXPECT_DOUBLE_EQ(flat.centreY, 0.05);
    EXPECT_DOUBLE_EQ(flat.radius, 300);
    EXPECT_DOUBLE_EQ(flat.radius * flat.aspect, 0.05) << "vertical half-axis";

    const EllipseShape downRight = ellipseInDrag(0, 0, 600, 400);
    const EllipseShape upLeft = ellipseInDrag(600, 400, -600, -400);
    EXPECT_DOUBLE_EQ(upLeft.centreX, downRight.centreX);
    EXPECT_DOUBLE_EQ(upLeft.centreY, downRight.centreY);
    EXPECT_DOUBLE_EQ(upLeft.radius, 300);
    EXPECT_DOUBLE_EQ(upLeft.aspect, downRight.aspect);

    const EllipseShape tall = ellipseInDrag(0, 0, 0, -800);
    EXPECT_DOUBLE_EQ(tall.radius, 400);
    EXPECT_DOUBLE_EQ(tall.radius / tall.aspect, 0.05) << "horizontal half-axis";
    EXPECT_DOUBLE_EQ(ellipseInDrag(10, 10, 0, 0).aspect, 1);
}

TEST(ShapeGeometry, ArcsPickTheirQuarterByTheSideOfThePointerAlone)
{
    // A pointer straight below or left of the press point is "left": upper-left.
    const ArcSet below = arcAngles(2, false, Pi);
    EXPECT_EQ(below.main.start, Pi / 2);
    EXPECT_EQ(below.main.end, Pi);
    const ArcSet lower = arcAngles(3, true, Pi);
    EXPECT_EQ(lower.main.start, Pi / 2 * 3);
    EXPECT_EQ(lower.main.end, Pi + Pi);
    EXPECT_EQ(arcAngles(2, true, Pi).main.start, 0.0);
    EXPECT_EQ(arcAngles(4, false, Pi).main.start, Pi) << "a half to the left is the lower one";
    EXPECT_EQ(arcAngles(5, true, Pi).main.start, Pi / 2 * 3) << "right half";

    EXPECT_EQ(arcRadius(2, true, 300, -400), 500);
    EXPECT_EQ(arcRadius(5, true, 300, -400), 300);
    EXPECT_EQ(arcRadius(5, false, -300, 400), 300);
    EXPECT_EQ(arcRadius(5, false, 0, -400), 0) << "straight above: left half of radius 0";
}

TEST(ShapeGeometry, ArcCopiesAreMirrorImagesOfTheMainArc)
{
    for (int kind = 2; kind <= 5; ++kind) {
        for (bool right : {false, true}) {
            const ArcSet arcs = arcAngles(kind, right, Pi);
            const double m = middleOf(arcs.main);
            const auto same = [](double a, double b) {
                return std::abs(std::remainder(a - b, 2 * Pi)) < 1e-9;
            };
            EXPECT_TRUE(same(middleOf(arcs.leftRight), Pi - m)) << kind << right;
            EXPECT_TRUE(same(middleOf(arcs.topBottom), -m)) << kind << right;
            EXPECT_TRUE(same(middleOf(arcs.centre), Pi + m)) << kind << right;
        }
    }
}

TEST(ShapeGeometry, PolygonSidesReadTheLeadingNumberWithinThreeToTwenty)
{
    const std::pair<const char*, int> cases[] = {
        {"2", 3}, {"21", 3}, {"", 3}, {"abc", 3}, {"20", 20}, {" 7 ", 7}, {"3.5", 4}, {"4.5", 4},
    };
    for (const auto& [text, sides] : cases)
        EXPECT_EQ(polygonSides(QString::fromUtf8(text)), sides) << text;
}

TEST(ShapeGeometry, PolygonAroundThePressPointStartsAtThePointer)
{
    const QPointF pointers[] = {{0, 600},   {0, -600},   {600, 0},    {-600, 0},
                                {300, 400}, {-300, 400}, {300, -400}, {-300, -400}};
    for (const QPointF p : pointers) {
        const PolygonShape shape = polygonVertices(0, 5, 0, 0, p.x(), p.y(), Pi);
        EXPECT_EQ(shape.sides, 5);
        EXPECT_FALSE(shape.hasEdgeLine);
        EXPECT_GE(shape.count, 5);
        EXPECT_LT(distance(vertex(shape, 0), p), 0.5) << p.x() << "," << p.y();
        EXPECT_LT(std::abs(distance(vertex(shape, 2), {0, 0}) - distance(p, {0, 0})), 0.5);
    }
    // Mode 1 keeps the vertices on the ellipse of the dragged half-axes.
    const PolygonShape inEllipse = polygonVertices(1, 6, 100, 100, 400, 300, Pi);
    for (int i = 0; i < 6; ++i) {
        const double u = (inEllipse.x[i] - 100) / 300;
        const double v = (inEllipse.y[i] - 100) / 200.0;
        EXPECT_NEAR(u * u + v * v, 1, 0.01) << i;
    }
}

TEST(ShapeGeometry, PolygonStandsOnTheDraggedEdge)
{
    const PolygonShape square = polygonVertices(2, 4, 0, 0, 600, 0, Pi);
    EXPECT_TRUE(square.hasEdgeLine);
    const QPointF corners[] = {{600, 0}, {600, -600}, {0, -600}, {0, 0}};
    for (int i = 0; i < 4; ++i)
        EXPECT_LT(distance(vertex(square, i), corners[i]), 1e-6) << i;

    // Every drag direction and side count: press and pointer are neighbouring
    // vertices and every edge has the dragged length.
    const QPointF pointers[] = {{600, 0}, {-600, 0}, {0, 600}, {0, -600}, {450, -300}, {-450, 300}};
    for (int sides = 3; sides <= 20; ++sides) {
        for (const QPointF p : pointers) {
            const PolygonShape shape = polygonVertices(2, sides, 0, 0, p.x(), p.y(), Pi);
            ASSERT_GE(shape.count, sides);
            ASSERT_LE(shape.count, sides + 1);
            EXPECT_LT(distance(vertex(shape, 0), p), 0.5);
            const bool pressIsNeighbour = distance(vertex(shape, 1), {0, 0}) < 0.5 ||
                                          distance(vertex(shape, sides - 1), {0, 0}) < 0.5;
            EXPECT_TRUE(pressIsNeighbour) << sides << ": " << p.x() << "," << p.y();
            for (int i = 0; i + 1 < sides; ++i)
                EXPECT_NEAR(distance(vertex(shape, i), vertex(shape, i + 1)), distance(p, {0, 0}),
                            1.0);
        }
    }
}

TEST(ShapeGeometry, DegeneratePolygonsStayFiniteAndInRange)
{
    const PolygonShape dot = polygonVertices(2, 6, 300, 300, 300, 300, Pi);
    for (int i = 0; i < dot.count; ++i)
        EXPECT_EQ(vertex(dot, i), QPointF(300, 300));
    EXPECT_EQ(polygonVertices(0, 0, 0, 0, 100, 100, Pi).sides, 3);
    EXPECT_EQ(polygonVertices(2, 1000, 0, 0, 100, 100, Pi).count, 4);
}
