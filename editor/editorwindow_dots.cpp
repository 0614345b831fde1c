// The dots over the page: drawn from the dot list on the canvas, never into
// the page, so that the adult can move and remove them without harming the
// drawing under them.

#include "editorwindow.h"

#include "colour.h"
#include "editorpictures.h"
#include "twips.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

namespace editor {

using toolkit::PictureBox;

namespace {

constexpr int MoveGap = 75; // twips between "Mover" and the dot sizes

// A point of the canvas in pixels.
QPoint pixelOf(QPointF twips)
{
    return {toolkit::twipsToPixels(twips.x()), toolkit::twipsToPixels(twips.y())};
}

// A line as a few rectangles along it, each with room for the pen.
QRegion lineBands(QPoint from, QPoint to)
{
    const QPoint d = to - from;
    const int steps = std::clamp(std::max(std::abs(d.x()), std::abs(d.y())) / 32, 1, 64);
    QRegion bands;
    QPoint last = from;
    for (int i = 1; i <= steps; ++i) {
        const QPoint next =
            from + QPoint(int(qint64(d.x()) * i / steps), int(qint64(d.y()) * i / steps));
        bands += QRect(last, next).normalized().adjusted(-2, -2, 2, 2);
        last = next;
    }
    return bands;
}

// The label's box as the canvas prints it, with room for the glyphs' overhang.
QRect labelBox(const Dot& dot, const QString& fontName)
{
    QFont font(fontName);
    font.setPixelSize(std::max(1, toolkit::pointsToPixels(dot.fontSize)));
    font.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics metrics(font);
    const QSize size(metrics.horizontalAdvance(dot.label), metrics.height());
    const QPoint centre = pixelOf(dot.at);
    return QRect(centre - QPoint(size.width() / 2, size.height() / 2), size).adjusted(-4, -4, 4, 4);
}

} // namespace

void EditorWindow::createMoveButton()
{
    moveButton = new toolkit::CommandButton(this);
    name(moveButton, "moveButton");
    moveButton->setPicture(pictures::moveDots());
    moveButton->setBackColor(toolkit::vbWhite);
    moveButton->setAccessibleName(tr("Mover"));
    moveButton->setToolTipText(tr("Mover: arrastra un punto para moverlo; Supr o el "
                                  "botón derecho lo quitan"));
    moveButton->onClick = [this] { switchMoving(); };
    moveButton->Move(0, 0, dotSizeButtons(DotButton::Small).Width(),
                     dotSizeButtons(DotButton::Small).Height());
    moveButton->hide();
    toolkit::addShortcut(this, QStringLiteral("Delete"), [this] { deleteKey(); });
}

void EditorWindow::placeMoveButton()
{
    moveButton->setTop(dotSizeButtons(DotButton::Small).Top());
    moveButton->setLeft(dotSizeButtons(DotButton::Small).Left() - moveButton->Width() - MoveGap);
}

void EditorWindow::switchMoving()
{
    movingDots = !movingDots;
    moveButton->setBackColor(movingDots ? toolkit::vbGreen : toolkit::vbWhite);
    grabbed_ = -1;
    if (movingDots)
        showCanvas(); // what a moved dot uncovers is the page's own drawing
}

void EditorWindow::showPage()
{
    canvas->setPicture(page().Image());
    gridShown_ = false;
    drawDots(*canvas, currentPage_);
}

void EditorWindow::showCanvas()
{
    if (gridShown_)
        showGrid();
    else
        showPage();
}

QImage EditorWindow::pagePicture(int p)
{
    composer_->setPicture(pages(p).Image());
    drawDots(*composer_, p);
    const QImage picture = composer_->Image();
    composer_->compact(); // until the next picture: it is rarely wanted
    return picture;
}

void EditorWindow::drawDots(PictureBox& area, int p, const QRegion& within)
{
    if (std::none_of(dots_.begin(), dots_.end(), [p](const Dot& d) { return d.page == p; }))
        return; // and the area keeps sharing its picture
    const bool persistent = area.AutoRedraw;
    area.AutoRedraw = true;
    for (int i = 0; i < int(dots_.size()); ++i)
        if (dots_[size_t(i)].page == p && (within.isEmpty() || within.intersects(dotMarks(i))))
            drawDot(area, i);
    area.AutoRedraw = persistent;
}

// As the dot tool has always drawn them: a thin line from the dot before
// (a closing's from the figure's first dot), an unfilled circle and the
// label centred on the dot, in the dot's colour.
void EditorWindow::drawDot(PictureBox& area, int i)
{
    const Dot& dot = dots_[size_t(i)];
    const QPointF from = lineStart(dots_, i);
    const int width = area.DrawWidth, fill = area.FillStyle, ink = area.ForeColor;
    const double points = area.FontSize;
    area.DrawWidth = 1;
    if (dot.closes()) {
        area.Line(dot.at.x(), dot.at.y(), from.x(), from.y(), dot.colour);
    } else {
        area.Line(from.x(), from.y(), dot.at.x(), dot.at.y(), dot.colour);
        area.FillStyle = toolkit::vbFSTransparent;
        area.Circle(dot.at.x(), dot.at.y(), dot.radius, dot.colour);
        area.FontSize = dot.fontSize;
        area.ForeColor = dot.colour;
        area.CurrentX = dot.at.x() - area.TextWidth(dot.label) / 2;
        area.CurrentY = dot.at.y() - area.TextHeight(dot.label) / 2;
        area.Print(dot.label);
    }
    area.DrawWidth = width;
    area.FillStyle = fill;
    area.ForeColor = ink;
    area.FontSize = points;
}

QRegion EditorWindow::dotMarks(int i) const
{
    const Dot& dot = dots_[size_t(i)];
    QRegion marks = lineBands(pixelOf(lineStart(dots_, i)), pixelOf(dot.at));
    if (dot.closes())
        return marks;
    const int r = dot.radius / toolkit::TwipsPerPixel + 2;
    const QPoint centre = pixelOf(dot.at);
    marks += QRect(centre - QPoint(r, r), centre + QPoint(r, r));
    return marks + labelBox(dot, canvas->FontName);
}

void EditorWindow::redrawCanvas(const QRegion& pixels)
{
    const QRegion area = pixels & canvas->Image().rect();
    if (area.isEmpty())
        return;
    canvas->copyPixels(page().Image(), area);
    canvas->ClipPixels = area;
    canvas->AutoRedraw = true;
    if (gridShown_)
        canvas->PSetGrid(settings_.shownGridStep(), canvas->Width(), canvas->Height(),
                         toolkit::vbBlack);
    drawDots(*canvas, currentPage_, area);
    canvas->AutoRedraw = false;
    canvas->ClipPixels = QRegion();
}

// The nearest dot of the page whose circle holds the point; a small dot
// still takes a press a little beside it.
int EditorWindow::dotAt(double x, double y) const
{
    int found = -1;
    double nearest = 0;
    for (int i = 0; i < int(dots_.size()); ++i) {
        const Dot& dot = dots_[size_t(i)];
        if (dot.closes() || dot.page != currentPage_)
            continue;
        const double distance = std::hypot(dot.at.x() - x, dot.at.y() - y);
        if (distance <= std::max(dot.radius, 150) && (found < 0 || distance < nearest)) {
            found = i;
            nearest = distance;
        }
    }
    return found;
}

void EditorWindow::moveDown(int button, double x, double y)
{
    grabbed_ = -1;
    const int i = dotAt(x, y);
    if (i < 0)
        return;
    if (button == toolkit::vbRightButton) {
        removeDotAt(i);
        return;
    }
    grabbed_ = lastMoved_ = i;
    grabStepTaken_ = false;
}

// The dot follows the snapped pointer; only the pixels its marks leave and
// reach are drawn again. The undo snapshot waits for the first real move,
// so a click on a dot is no step.
void EditorWindow::moveDrag()
{
    if (grabbed_ < 0 || dots_[size_t(grabbed_)].at == QPointF(pointerX, pointerY))
        return;
    if (!grabStepTaken_) {
        pushUndoSnapshot();
        rememberDotStep();
        grabStepTaken_ = true;
    }
    QRegion changed;
    for (int j : dependents(dots_, grabbed_))
        changed += dotMarks(j);
    editor::moveDot(dots_, grabbed_, QPointF(pointerX, pointerY));
    for (int j : dependents(dots_, grabbed_))
        changed += dotMarks(j);
    redrawCanvas(changed);
}

void EditorWindow::moveUp()
{
    if (grabbed_ >= 0 && grabStepTaken_) {
        dotListChanged();
        if (!next_.newFigure)
            next_.follow(dots_);
        workChanged();
    }
    grabbed_ = -1;
}

void EditorWindow::removeDotAt(int i)
{
    pushUndoSnapshot();
    rememberDotStep();
    next_.number -= removeDot(dots_, i);
    grabbed_ = lastMoved_ = -1;
    dotListChanged();
    if (!next_.newFigure)
        next_.follow(dots_);
    showCanvas();
    workChanged();
}

void EditorWindow::deleteKey()
{
    if (activeTool_ != Tool::Dots || !movingDots)
        return;
    int i = dotAt(pointerX, pointerY);
    if (i < 0)
        i = lastMoved_;
    if (i >= 0 && i < int(dots_.size()) && !dots_[size_t(i)].closes())
        removeDotAt(i);
}

} // namespace editor
