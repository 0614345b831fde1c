#include "form1.h"

#include "activityfile.h"
#include "colour.h"
#include "textfiles.h"
#include "twips.h"

#include <algorithm>
#include <cmath>

namespace editor {

using toolkit::LineShape;

void Form1::Picture1_MouseDown(int, int, float X, float Y)
{
    strokeSnapshotTaken_ = false;
    pressX = snap(X, gridStep);
    pressY = snap(Y, gridStep);
    pressMirrorX = mirror(pressX, centreX);
    pressMirrorY = mirror(pressY, centreY);
}

void Form1::Picture1_MouseMove(int Button, int, float X, float Y)
{
    Picture1->Cls();
    Picture1->DrawWidth = 2;
    pointerX = snap(X, gridStep);
    pointerY = snap(Y, gridStep);
    drawCursorCross();
    if (Button != 0) {
        Picture1->DrawWidth = lineWidth;
        moveAction();
    }
    prevMoveX = pointerX;
    prevMoveY = roundToInt32(pointerY);
}

void Form1::drawCursorCross()
{
    const double arm = gridStep + 100;
    Picture1->Line(pointerX + arm, pointerY, pointerX - arm, pointerY);
    Picture1->Line(pointerX, pointerY + arm, pointerX, pointerY - arm);
}

void Form1::moveAction()
{
    const int C = currentColour();
    switch (activeTool) {
    case 2:
        withMirrors([&](bool flipX, bool flipY) {
            Picture1->Line(mirroredX(pressX, flipX), mirroredY(pressY, flipY),
                           mirroredX(pointerX, flipX), mirroredY(pointerY, flipY), C);
        });
        break;
    case 3:
        stampCircle();
        break;
    case 4:
        pencilSegment();
        break;
    case 8:
        drawShapePreview();
        break;
    case 10:
        drawRectanglePreview();
        break;
    case 12:
        drawPolygonPreview();
        break;
    case 18:
        eraseSquare();
        break;
    case 19:
        Picture1->Line(prevDotX, prevDotY, pointerX, pointerY, C);
        break;
    default:
        break;
    }
}

// The stamp, the pencil and the eraser draw for good while the button is
// held, so their snapshot is taken before the first mark of the stroke: one
// undo then takes back one stroke.
void Form1::snapshotBeforeStroke()
{
    if (strokeSnapshotTaken_)
        return;
    pushUndoSnapshot();
    strokeSnapshotTaken_ = true;
}

void Form1::stampCircle()
{
    snapshotBeforeStroke();
    setPersistent(true);
    withMirrors([&](bool flipX, bool flipY) {
        for (auto* area : {Picture1, &page()})
            area->Circle(mirroredX(pointerX, flipX), mirroredY(pointerY, flipY), stampRadius,
                         currentColour());
    });
    setPersistent(false);
}

void Form1::pencilSegment()
{
    pressMirrorX = mirror(prevMoveX, centreX);
    pressMirrorY = mirror(prevMoveY, centreY);
    snapshotBeforeStroke();
    setPersistent(true);
    withMirrors([&](bool flipX, bool flipY) {
        for (auto* area : {Picture1, &page()})
            area->Line(mirroredX(prevMoveX, flipX), mirroredY(prevMoveY, flipY),
                       mirroredX(pointerX, flipX), mirroredY(pointerY, flipY), currentColour());
    });
    setPersistent(false);
}

void Form1::eraseSquare()
{
    const double left = pointerX - brushSize;
    const double top = pointerY - brushSize;
    const double right = pointerX + brushSize;
    const double bottom = pointerY + brushSize;
    snapshotBeforeStroke();
    setPersistent(true);
    for (auto* area : {Picture1, &page()})
        area->Line(left, top, right, bottom, toolkit::vbWhite, LineShape::BoxFilled);
    setPersistent(false);
    Picture1->DrawWidth = 1;
    Picture1->Line(left, top, right, bottom, toolkit::vbBlack, LineShape::Box);
    Picture1->DrawWidth = lineWidth;
}

void Form1::Picture1_MouseUp(int, int, float, float)
{
    const bool drawnWhileHeld = activeTool == 3 || activeTool == 4 || activeTool == 18;
    strokeSnapshotTaken_ = false;
    if (drawnWhileHeld || (activeTool == 19 && refuseDotBeyondLimit()))
        return;
    pushUndoSnapshot();
    setPersistent(true);
    commitAction();
    if (activeTool == 19)
        placeDot();
    setPersistent(false);
    workChanged();
}

void Form1::commitAction()
{
    const int C = currentColour();
    switch (activeTool) {
    case 2:
        withMirrors([&](bool flipX, bool flipY) {
            for (auto* area : {Picture1, &page()})
                area->Line(mirroredX(pressX, flipX), mirroredY(pressY, flipY),
                           mirroredX(pointerX, flipX), mirroredY(pointerY, flipY), C);
        });
        break;
    case 8:
        drawShape({Picture1, &page()});
        break;
    case 10:
        drawRectangle({Picture1, &page()});
        break;
    case 11:
        floodFill();
        break;
    case 12:
        drawPolygon({Picture1, &page()});
        break;
    default:
        break;
    }
}

// The fill starts at the snapped pointer, in pixels. The pointer itself
// stays in twips, so a second fill without moving fills the same place.
void Form1::floodFill()
{
    const int x = static_cast<int>(pointerX / platform_.twipsPerPixelX());
    const int y = static_cast<int>(pointerY / platform_.twipsPerPixelY());
    for (auto* area : {Picture1, &page()}) {
        area->ScaleMode = toolkit::vbPixels;
        area->FillStyle = toolkit::vbFSSolid;
    }
    const QPoint seeds[2] = {canvasSeed(x, y), {x, y}};
    toolkit::PictureBox* areas[2] = {Picture1, &page()};
    for (int i = 0; i < 2; ++i) {
        const int colour = areas[i]->Point(seeds[i].x(), seeds[i].y());
        if (colour >= 0)
            areas[i]->FloodFill(seeds[i].x(), seeds[i].y(), colour);
    }
    for (auto* area : {Picture1, &page()}) {
        area->ScaleMode = toolkit::vbTwips;
        area->FillStyle = fillStyleChoice;
    }
}

// With the grid shown the snapped seed lies on one of the canvas's grid
// dots, which the page does not have: filling from there would paint that
// one dot on screen while the page fills the whole area. The canvas fill
// starts instead from a neighbour showing the page's colour, so the adult
// sees the fill the page gets.
QPoint Form1::canvasSeed(int x, int y) const
{
    const int wanted = Picture2(currentPage).Point(x, y);
    if (Picture1->Point(x, y) == wanted)
        return {x, y};
    for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
        if (Picture1->Point(x + step.x(), y + step.y()) == wanted)
            return {x + step.x(), y + step.y()};
    return {x, y};
}

// The player reads no more dot lines than this; the adult hears it now
// rather than finding the figure cut short.
bool Form1::refuseDotBeyondLimit()
{
    if (dotEntryCount < MaxDotEntries)
        return false;
    tell(QStringLiteral("Una actividad admite como mucho %1 puntos, contando los cierres. "
                        "Guarda esta actividad y empieza otra.")
             .arg(MaxDotEntries));
    return true;
}

void Form1::placeDot()
{
    Picture1->DrawWidth = 1;
    page().DrawWidth = 1;
    rememberDotStep();
    if (newFigure) {
        prevDotX = pressX;
        prevDotY = pressY;
        firstDotX = pressX;
        firstDotY = roundToInt32(pressY);
        newFigure = false;
    }
    const int C = currentColour();
    const QString label = QString::number(dotNumber);
    addDotEntry(
        dotEntry(label, fileX(pointerX), fileY(pointerY), colourRed, colourGreen, colourBlue));
    for (auto* area : {Picture1, &page()})
        area->Line(prevDotX, prevDotY, pointerX, pointerY, C);
    // Never filled, whatever fill the shapes use: the number must show.
    for (auto* area : {Picture1, &page()}) {
        area->FillStyle = toolkit::vbFSTransparent;
        area->Circle(pointerX, pointerY, dotSize, C);
        area->FillStyle = fillStyleChoice;
    }
    prevDotX = pointerX;
    prevDotY = pointerY;
    const double w = Picture1->TextWidth(label) / 2;
    const double h = Picture1->TextHeight(label) / 2;
    for (auto* area : {Picture1, &page()}) {
        area->CurrentX = pointerX - w;
        area->CurrentY = pointerY - h;
        area->Print(label);
    }
    dotNumber += static_cast<int>(toolkit::leadingNumber(Combo4->Text()));
}

// "CIERRA": a line from the newest dot back to the figure's first dot, and
// a record without a label that tells the player to close the figure there.
// A figure without a dot has nothing to close.
void Form1::closeFigure()
{
    if (newFigure || dotEntryCount == 0 || refuseDotBeyondLimit())
        return;
    pushUndoSnapshot();
    rememberDotStep();
    newFigure = true;
    setPersistent(true);
    Picture1->DrawWidth = 1; // as thin as the lines between the dots
    page().DrawWidth = 1;
    for (auto* area : {Picture1, &page()})
        area->Line(firstDotX, firstDotY, prevDotX, prevDotY, currentColour());
    setPersistent(false);
    addDotEntry(dotEntry(QString(), fileX(firstDotX), fileY(firstDotY), colourRed, colourGreen,
                         colourBlue));
}

void Form1::pushUndoSnapshot()
{
    const int p = currentPage;
    Image[static_cast<size_t>(p + 1)](undoPos[p]).setPicture(Picture2(p).Image());
    slotSnapshot_[p][undoPos[p]] = ++snapshotCount_;
    undoPos[p] = (undoPos[p] + 1) % UndoSlots;
    undoDepth[p] = std::min(undoDepth[p] + 1, UndoSlots);
}

int Form1::numberAfterTheList() const
{
    for (int i = dotEntryCount - 1; i >= 0; --i) {
        const QString label = Combo5->List(i).section(QLatin1Char(','), 0, 0);
        if (!label.isEmpty())
            return label.toInt() + static_cast<int>(toolkit::leadingNumber(Combo4->Text()));
    }
    return 1;
}

void Form1::rememberDotStep()
{
    dotSteps_.push_back(
        {snapshotCount_, dotNumber, newFigure, prevDotX, prevDotY, firstDotX, firstDotY});
}

void Form1::addDotEntry(const QString& entry)
{
    Combo5->AddItem(entry);
    Combo5->setListIndex(Combo5->ListCount() - 1); // the newest dot shows
    dotEntryCount += 1;
}

// After an undo: when the picture went back to the snapshot taken for the
// last dot or closed figure, that entry goes too, with the tool's state as
// it was before it, so the next dot gets the number given back and joins on
// where the figure really ends. An undo of anything else (a line drawn with
// another tool, a dot on another page) leaves the list alone.
void Form1::removeLastDotEntry()
{
    if (dotEntryCount <= 0 || dotSteps_.empty())
        return;
    const DotStep before = dotSteps_.back();
    if (slotSnapshot_[currentPage][undoPos[currentPage]] != before.snapshot)
        return;
    dotSteps_.pop_back();
    Combo5->RemoveItem(dotEntryCount - 1);
    dotEntryCount -= 1;
    dotNumber = before.dotNumber;
    newFigure = before.newFigure;
    prevDotX = before.prevDotX;
    prevDotY = before.prevDotY;
    firstDotX = before.firstDotX;
    firstDotY = before.firstDotY;
}

int Form1::fileX(double x) const
{
    const double screenPixels = platform_.screenWidthTwips() / platform_.twipsPerPixelX();
    return roundToInt32(x * 800 / screenPixels);
}

int Form1::fileY(double y) const
{
    const double screenPixels = platform_.screenHeightTwips() / platform_.twipsPerPixelY();
    return roundToInt32(y * 600 / screenPixels);
}

} // namespace editor
