#include "editorwindow.h"

#include "activityfile.h"
#include "colour.h"
#include "language.h"
#include "textfiles.h"
#include "twips.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace editor {

using toolkit::LineShape;

void EditorWindow::pressOnCanvas(int Button, int, float X, float Y)
{
    choosingFigure_ = picksAnotherFigure(X, Y);
    if (choosingFigure_)
        return;
    strokeSnapshotTaken_ = false;
    pressX = snap(X, settings_.gridStep());
    pressY = snap(Y, settings_.gridStep());
    pressMirrorX = mirror(pressX, settings_.centreX());
    pressMirrorY = mirror(pressY, settings_.centreY());
    if (activeTool_ == Tool::Dots && movingDots)
        moveDown(Button, X, Y);
}

void EditorWindow::moveOnCanvas(int Button, int, float X, float Y)
{
    if (choosingFigure_ && Button != 0)
        return;
    canvas->Cls();
    canvas->DrawWidth = 2;
    pointerX = snap(X, settings_.gridStep());
    pointerY = snap(Y, settings_.gridStep());
    drawCursorCross();
    if (Button != 0 && activeTool_ == Tool::Dots && movingDots) {
        moveDrag();
    } else if (Button != 0) {
        canvas->DrawWidth = settings_.lineWidth();
        moveAction();
    }
    prevMoveX = pointerX;
    prevMoveY = roundToInt32(pointerY);
}

void EditorWindow::drawCursorCross()
{
    const double arm = settings_.gridStep() + 100;
    canvas->Line(pointerX + arm, pointerY, pointerX - arm, pointerY);
    canvas->Line(pointerX, pointerY + arm, pointerX, pointerY - arm);
}

void EditorWindow::moveAction()
{
    const int C = currentColour();
    switch (activeTool_) {
    case Tool::Line:
        withMirrors([&](bool flipX, bool flipY) {
            canvas->Line(mirroredX(pressX, flipX), mirroredY(pressY, flipY),
                         mirroredX(pointerX, flipX), mirroredY(pointerY, flipY), C);
        });
        break;
    case Tool::Stamp:
        stampCircle();
        break;
    case Tool::Pencil:
        pencilSegment();
        break;
    case Tool::Circle:
        drawShapePreview();
        break;
    case Tool::Rectangle:
        drawRectanglePreview();
        break;
    case Tool::Polygon:
        drawPolygonPreview();
        break;
    case Tool::Eraser:
        eraseSquare();
        break;
    case Tool::Dots:
        canvas->Line(next_.prevX, next_.prevY, pointerX, pointerY, C);
        break;
    default:
        break;
    }
}

// The stamp, the pencil and the eraser draw for good while the button is
// held, so their snapshot is taken before the first mark of the stroke: one
// undo then takes back one stroke.
void EditorWindow::snapshotBeforeStroke()
{
    if (strokeSnapshotTaken_)
        return;
    pushUndoSnapshot();
    strokeSnapshotTaken_ = true;
}

void EditorWindow::stampCircle()
{
    snapshotBeforeStroke();
    setPersistent(true);
    withMirrors([&](bool flipX, bool flipY) {
        for (auto* area : {canvas, &page()})
            area->Circle(mirroredX(pointerX, flipX), mirroredY(pointerY, flipY), stampRadius,
                         currentColour());
    });
    setPersistent(false);
}

void EditorWindow::pencilSegment()
{
    pressMirrorX = mirror(prevMoveX, settings_.centreX());
    pressMirrorY = mirror(prevMoveY, settings_.centreY());
    snapshotBeforeStroke();
    setPersistent(true);
    withMirrors([&](bool flipX, bool flipY) {
        for (auto* area : {canvas, &page()})
            area->Line(mirroredX(prevMoveX, flipX), mirroredY(prevMoveY, flipY),
                       mirroredX(pointerX, flipX), mirroredY(pointerY, flipY), currentColour());
    });
    setPersistent(false);
}

void EditorWindow::eraseSquare()
{
    const double left = pointerX - settings_.eraserHalfSide();
    const double top = pointerY - settings_.eraserHalfSide();
    const double right = pointerX + settings_.eraserHalfSide();
    const double bottom = pointerY + settings_.eraserHalfSide();
    snapshotBeforeStroke();
    setPersistent(true);
    for (auto* area : {canvas, &page()})
        area->Line(left, top, right, bottom, toolkit::vbWhite, LineShape::BoxFilled);
    setPersistent(false);
    canvas->DrawWidth = 1;
    canvas->Line(left, top, right, bottom, toolkit::vbBlack, LineShape::Box);
    canvas->DrawWidth = settings_.lineWidth();
}

void EditorWindow::releaseOnCanvas(int, int, float X, float Y)
{
    if (std::exchange(choosingFigure_, false)) {
        // The dots and the erased outline of the figure taken go back.
        undoStep();
        placeDotsAutomatically(
            QPointF(X / platform_.twipsPerPixelX(), Y / platform_.twipsPerPixelY()));
        return;
    }
    const bool drawnWhileHeld =
        activeTool_ == Tool::Stamp || activeTool_ == Tool::Pencil || activeTool_ == Tool::Eraser;
    strokeSnapshotTaken_ = false;
    if (activeTool_ == Tool::Dots && movingDots) {
        moveUp();
        return;
    }
    if (drawnWhileHeld) {
        drawDots(*canvas, currentPage_); // over what the stroke drew on them
        return;
    }
    if (activeTool_ == Tool::Dots && refuseDotBeyondLimit())
        return;
    pushUndoSnapshot();
    setPersistent(true);
    commitAction();
    if (activeTool_ == Tool::Dots)
        placeDot();
    else
        drawDots(*canvas, currentPage_);
    setPersistent(false);
    workChanged();
}

void EditorWindow::commitAction()
{
    const int C = currentColour();
    switch (activeTool_) {
    case Tool::Line:
        withMirrors([&](bool flipX, bool flipY) {
            for (auto* area : {canvas, &page()})
                area->Line(mirroredX(pressX, flipX), mirroredY(pressY, flipY),
                           mirroredX(pointerX, flipX), mirroredY(pointerY, flipY), C);
        });
        break;
    case Tool::Circle:
        drawShape({canvas, &page()});
        break;
    case Tool::Rectangle:
        drawRectangle({canvas, &page()});
        break;
    case Tool::Fill:
        floodFill();
        break;
    case Tool::Polygon:
        drawPolygon({canvas, &page()});
        break;
    default:
        break;
    }
}

// The fill starts at the snapped pointer, in pixels. The pointer itself
// stays in twips, so a second fill without moving fills the same place.
void EditorWindow::floodFill()
{
    const int x = static_cast<int>(pointerX / platform_.twipsPerPixelX());
    const int y = static_cast<int>(pointerY / platform_.twipsPerPixelY());
    for (auto* area : {canvas, &page()}) {
        area->ScaleMode = toolkit::vbPixels;
        area->FillStyle = toolkit::vbFSSolid;
    }
    const QPoint seed = canvasSeed(x, y);
    const int colour = canvas->Point(seed.x(), seed.y());
    if (colour >= 0)
        canvas->FloodFill(seed.x(), seed.y(), colour);
    if (std::any_of(dots_.begin(), dots_.end(),
                    [&](const Dot& d) { return d.page == currentPage_; }))
        fillPageWithinDots(x, y);
    else if (const int colour = page().Point(x, y); colour >= 0)
        page().FloodFill(x, y, colour);
    for (auto* area : {canvas, &page()}) {
        area->ScaleMode = toolkit::vbTwips;
        area->FillStyle = settings_.fillStyle();
    }
}

// The dots' lines bound a fill as the canvas shows them, though the page
// does not hold them: the fill runs on the page with its dots over it, and
// the page takes the pixels it painted.
void EditorWindow::fillPageWithinDots(int x, int y)
{
    const QImage before = pagePicture(currentPage_);
    composer_->ScaleMode = toolkit::vbPixels;
    composer_->FillStyle = toolkit::vbFSSolid;
    composer_->FillColor = page().FillColor;
    const int colour = composer_->Point(x, y);
    if (colour < 0)
        return;
    composer_->AutoRedraw = true;
    composer_->FloodFill(x, y, colour);
    composer_->AutoRedraw = false;
    composer_->ScaleMode = toolkit::vbTwips;
    const QImage filled = composer_->Image();
    QImage drawing = page().Image();
    for (int row = 0; row < filled.height(); ++row) {
        const auto* now = reinterpret_cast<const QRgb*>(filled.constScanLine(row));
        const auto* was = reinterpret_cast<const QRgb*>(before.constScanLine(row));
        if (std::memcmp(now, was, size_t(filled.width()) * 4) == 0)
            continue;
        auto* kept = reinterpret_cast<QRgb*>(drawing.scanLine(row));
        for (int column = 0; column < filled.width(); ++column)
            if (now[column] != was[column])
                kept[column] = now[column];
    }
    page().setPicture(drawing);
}

// With the grid shown the snapped seed lies on one of the canvas's grid
// dots, which the page does not have: filling from there would paint that
// one dot on screen while the page fills the whole area. The canvas fill
// starts instead from a neighbour showing the page's colour, so the adult
// sees the fill the page gets.
QPoint EditorWindow::canvasSeed(int x, int y) const
{
    const int wanted = pages(currentPage_).Point(x, y);
    if (canvas->Point(x, y) == wanted)
        return {x, y};
    for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
        if (canvas->Point(x + step.x(), y + step.y()) == wanted)
            return {x + step.x(), y + step.y()};
    return {x, y};
}

// The player reads no more dot lines than this; the adult hears it now
// rather than finding the figure cut short.
bool EditorWindow::refuseDotBeyondLimit()
{
    if (dotEntryCount < MaxDotEntries)
        return false;
    tell(tr("Una actividad admite como mucho %1 puntos, contando los cierres. "
            "Guarda esta actividad y empieza otra.")
             .arg(MaxDotEntries));
    return true;
}

void EditorWindow::placeDot()
{
    rememberDotStep();
    const bool starts = next_.newFigure;
    if (next_.newFigure) {
        next_.prevX = pressX;
        next_.prevY = pressY;
        next_.firstX = pressX;
        next_.firstY = roundToInt32(pressY);
        next_.newFigure = false;
    }
    const DotLabels labels = dotLabels();
    addDot({labels.label(next_.number),
            {pointerX, pointerY},
            currentColour(),
            currentPage_,
            settings_.dotSize(),
            canvas->FontSize,
            starts,
            {}});
    next_.prevX = pointerX;
    next_.prevY = pointerY;
    next_.number += labels.step;
}

DotLabels EditorWindow::dotLabels() const
{
    if (numberStep->ListIndex() == LetterStep)
        return DotLabels::lettered(alphabetOf(toolkit::languageInUse()));
    return DotLabels::numbers(std::max(1, int(toolkit::leadingNumber(numberStep->Text()))));
}

// "CIERRA": a line from the newest dot back to the figure's first dot, and
// a record without a label that tells the player to close the figure there.
// A figure without a dot has nothing to close.
void EditorWindow::closeFigure()
{
    if (next_.newFigure || dotEntryCount == 0 || refuseDotBeyondLimit())
        return;
    pushUndoSnapshot();
    rememberDotStep();
    next_.newFigure = true;
    addDot({QString(),
            {next_.firstX, double(next_.firstY)},
            currentColour(),
            currentPage_,
            settings_.dotSize(),
            canvas->FontSize,
            false,
            {}});
}

void EditorWindow::pushUndoSnapshot()
{
    sceneDots_ = {};
    undo_.push(currentPage_, pages(currentPage_).Image());
}

int EditorWindow::numberAfterTheList() const
{
    const DotLabels labels = dotLabels();
    for (int i = dotEntryCount - 1; i >= 0; --i) {
        // A label from an opened file may be any number; counting on from
        // it must not overflow.
        if (const auto number =
                labels.numberOf(dotListBox->List(i).section(QLatin1Char(','), 0, 0)))
            return std::clamp(*number, -(1 << 24), 1 << 24) + labels.step;
    }
    return 1;
}

void EditorWindow::rememberDotStep()
{
    undo_.rememberDotStep({next_, dots_, openedActivity_});
}

void EditorWindow::addDot(Dot dot)
{
    dot.record = recordOf(dot);
    dots_.push_back(dot);
    dotListBox->AddItem(dot.record);
    dotListBox->setListIndex(dotListBox->ListCount() - 1); // the newest dot shows
    dotEntryCount += 1;
    canvas->AutoRedraw = true;
    drawDot(*canvas, int(dots_.size()) - 1);
    canvas->AutoRedraw = false;
}

// After an undo: when the picture went back to the snapshot taken for the
// last dot step (a dot, a closed figure, a move, a removal, an opened
// activity), the list goes back to what it was before it, with the tool's
// state, so the next dot gets the number given back and joins on where the
// figure really ends. An undo of anything else (a line drawn with another
// tool, a dot on another page) leaves the list alone.
void EditorWindow::takeBackDotStep()
{
    std::optional<DotStep> before = undo_.takeBackDotStep(currentPage_);
    if (!before)
        return;
    dots_ = std::move(before->dots);
    openedActivity_ = std::move(before->opened);
    next_ = before->next;
    dotListChanged();
}

void EditorWindow::dotListChanged()
{
    dotListBox->Clear();
    for (Dot& dot : dots_) {
        if (dot.record.isEmpty())
            dot.record = recordOf(dot);
        dotListBox->AddItem(dot.record);
    }
    dotListBox->setListIndex(dotListBox->ListCount() - 1);
    dotEntryCount = dotListBox->ListCount();
    lastMoved_ = std::min(lastMoved_, dotEntryCount - 1);
    // A dot held by the pointer may be gone or have another index now (an
    // undo with the button down): the drag ends here.
    grabbed_ = -1;
}

QString EditorWindow::recordOf(const Dot& dot) const
{
    return dotEntry(dot.label, fileX(dot.at.x()), fileY(dot.at.y()), dot.colour % 256,
                    (dot.colour / 256) % 256, dot.colour / 65536);
}

int EditorWindow::fileX(double x) const
{
    const double screenPixels = platform_.screenWidthTwips() / platform_.twipsPerPixelX();
    return roundToInt32(x * 800 / screenPixels);
}

int EditorWindow::fileY(double y) const
{
    const double screenPixels = platform_.screenHeightTwips() / platform_.twipsPerPixelY();
    return roundToInt32(y * 600 / screenPixels);
}

double EditorWindow::canvasX(double x) const
{
    return x * (platform_.screenWidthTwips() / platform_.twipsPerPixelX()) / 800;
}

double EditorWindow::canvasY(double y) const
{
    return y * (platform_.screenHeightTwips() / platform_.twipsPerPixelY()) / 600;
}

} // namespace editor
