#include "editorwindow.h"

namespace editor {

using toolkit::LineShape;
using toolkit::PictureBox;

// The previews draw on the canvas's temporary layer; the commit on mouse-up
// draws the same shapes with the same geometry on the canvas and the page.

void EditorWindow::drawShapePreview()
{
    if (circleKind == 0)
        circleRadius = editor::circleRadius(pointerX - pressX, pointerY - pressY);
    drawShape({canvas});
}

void EditorWindow::drawRectanglePreview()
{
    drawRectangle({canvas});
}

void EditorWindow::drawPolygonPreview()
{
    const PolygonShape polygon =
        polygonVertices(polygonMode, editor::polygonSides(sidesList->Text()), pressX, pressY,
                        pointerX, pointerY, piValue);
    polygonSides = polygon.sides;
    polygonX = polygon.x;
    polygonY = polygon.y;
    if (polygon.hasEdgeLine)
        canvas->Line(pressX, pressY, pointerX, pointerY);
    drawPolygon({canvas});
}

void EditorWindow::drawShape(std::initializer_list<PictureBox*> areas)
{
    const int C = currentColour();
    const double dx = pointerX - pressX;
    const double dy = pointerY - pressY;
    if (circleKind == 0) {
        withMirrors([&](bool flipX, bool flipY) {
            for (PictureBox* area : areas)
                area->Circle(mirroredX(pressX, flipX), mirroredY(pressY, flipY), circleRadius, C);
        });
    } else if (circleKind == 1) {
        const EllipseShape e = ellipseInDrag(pressX, pressY, dx, dy);
        withMirrors([&](bool flipX, bool flipY) {
            for (PictureBox* area : areas)
                area->Circle(mirroredX(e.centreX, flipX), mirroredY(e.centreY, flipY), e.radius, C,
                             {}, {}, e.aspect);
        });
    } else {
        const bool right = pressX < pointerX;
        const ArcSet arcs = arcAngles(circleKind, right, piValue);
        const double r = arcRadius(circleKind, right, dx, dy);
        withMirrors([&](bool flipX, bool flipY) {
            const ArcAngles& a = !flipX && !flipY ? arcs.main
                                 : flipX && flipY ? arcs.centre
                                 : flipX          ? arcs.leftRight
                                                  : arcs.topBottom;
            for (PictureBox* area : areas)
                area->Circle(mirroredX(pressX, flipX), mirroredY(pressY, flipY), r, C, a.start,
                             a.end);
        });
    }
}

void EditorWindow::drawRectangle(std::initializer_list<PictureBox*> areas)
{
    const int C = currentColour();
    withMirrors([&](bool flipX, bool flipY) {
        for (PictureBox* area : areas)
            area->Line(mirroredX(pressX, flipX), mirroredY(pressY, flipY),
                       mirroredX(pointerX, flipX), mirroredY(pointerY, flipY), C, LineShape::Box);
    });
}

void EditorWindow::drawPolygon(std::initializer_list<PictureBox*> areas)
{
    const int C = currentColour();
    const int N = polygonSides;
    if (N < 2)
        return; // no preview yet: nothing to commit
    for (PictureBox* area : areas) {
        for (int i = 0; i <= N - 2; ++i)
            area->Line(polygonX[i], polygonY[i], polygonX[i + 1], polygonY[i + 1], C);
        area->Line(polygonX[N - 1], polygonY[N - 1], polygonX[0], polygonY[0], C);
    }
}

} // namespace editor
