// Playing with keys and switches: a child with one switch (which sends Space
// or Enter) joins the figure and colours it; a second switch (Tab) goes
// round the controls, and arrows move a large cursor over the canvas. Each
// key acts as the click it stands for, so the sounds, the hint, the undo
// and the child's record follow as they do for the mouse.

#include "playerwindow.h"

#include "focusring.h"
#include "keyboardcursor.h"
#include "palettestrip.h"
#include "twips.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <algorithm>
#include <cmath>

namespace player {

namespace {

using toolkit::TwipsPerPixel;
using toolkit::vbLeftButton;

// The chosen cell's mark: black, white, black, seen round any colour.
constexpr int CellMarkMargin = 2; // pixels round the cell
constexpr int CellMarkWidth = 3;

// Space, Enter, and the select key some switch interfaces send.
bool isPress(int key)
{
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter ||
           key == Qt::Key_Select;
}

// The step an arrow key takes: across, down; none for another key.
QPoint arrowStep(int key)
{
    switch (key) {
    case Qt::Key_Left:
        return {-1, 0};
    case Qt::Key_Right:
        return {1, 0};
    case Qt::Key_Up:
        return {0, -1};
    case Qt::Key_Down:
        return {0, 1};
    default:
        return {};
    }
}

} // namespace

void PlayerWindow::createKeyboardControls()
{
    focusRing = new FocusRing(this);
    focusRing->setObjectName(QStringLiteral("focusRing"));
    keyboardCursor = new KeyboardCursor(canvas, platform_.pixelsPerMillimetre());
    keyboardCursor->setObjectName(QStringLiteral("keyboardCursor"));
    keyboardCursor->setWanted([this] { return game_.joined(); });

    // A click on a button leaves the keys where they were, so a switch
    // pressed after the teacher used the mouse still joins the next dot;
    // the exit and the theme list stay out of the keys' reach.
    canvas->setFocusPolicy(Qt::StrongFocus);
    QWidget* previous = canvas;
    const auto chain = [&](QWidget& control) {
        control.setFocusPolicy(Qt::TabFocus);
        setTabOrder(previous, &control);
        previous = &control;
    };
    chain(*paletteStrip);
    for (auto& button : widthButtons)
        chain(button);
    for (auto& button : toolButtons)
        chain(button);
    for (auto& button : navigationButtons)
        chain(button);
    canvas->setFocus();
    // Only focus that comes to this window: focus leaving it (a question
    // shown, the window closing, its controls being deleted) changes nothing.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && (now == this || isAncestorOf(now)))
            showFocus();
    });
}

void PlayerWindow::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    // A switch held down repeats its key: it is still one press.
    if (isPress(key) && event->isAutoRepeat())
        return;
    QWidget* focused = focusWidget();
    bool used = false;
    if (focused == paletteStrip)
        used = keyOnPalette(key);
    else if (auto* button = qobject_cast<QAbstractButton*>(focused)) {
        // The button takes Space itself; Enter comes here.
        if (isPress(key))
            button->click();
        used = isPress(key);
    } else
        used = keyOnCanvas(key);
    if (!used)
        QWidget::keyPressEvent(event);
}

bool PlayerWindow::focusNextPrevChild(bool next)
{
    const bool moved = QWidget::focusNextPrevChild(next);
    showFocus();
    return moved;
}

void PlayerWindow::showFocus()
{
    QWidget* focused = focusWidget();
    focusRing->frame(focused == canvas ? nullptr : focused);
    showPaletteCell();
}

bool PlayerWindow::keyOnCanvas(int key)
{
    const QPoint step = arrowStep(key);
    if (!isPress(key) && step.isNull())
        return false;
    if (!game_.joined()) {
        // The cursor is for colouring: until the figure is joined, every
        // press joins the next dot, wherever the cursor was.
        keyboardCursor->hide();
        keyStroke_ = Tool::None;
        keyboardCursor->setDrawing(false);
        if (isPress(key))
            joinNextDotByKey();
        return true;
    }
    showKeyboardCursor();
    if (isPress(key)) {
        colourAtCursor();
        return true;
    }
    keyboardCursor->step(step.x(), step.y());
    if (keyStroke_ != Tool::None && keyStroke_ == currentTool)
        moveOnCanvas(vbLeftButton, 0, cursorX(), cursorY());
    return true;
}

void PlayerWindow::joinNextDotByKey()
{
    const int record = game_.expectedRecord();
    if (record < 0)
        return;
    // A click right on the dot: its sound, its voice and the figure's end
    // come as they do for the mouse.
    const auto x = static_cast<float>(game_.dot(record).x);
    const auto y = static_cast<float>(game_.dot(record).y);
    pressOnCanvas(vbLeftButton, 0, x, y);
    releaseOnCanvas(vbLeftButton, 0, x, y);
    if (game_.joined())
        showKeyboardCursor();
}

void PlayerWindow::showKeyboardCursor()
{
    if (!keyboardCursor->isHidden())
        return;
    // A cursor shown anew starts where a fill colours the figure.
    const QPointF inside = insideFigure() / TwipsPerPixel;
    keyboardCursor->moveTo(QPoint(int(std::floor(inside.x())), int(std::floor(inside.y()))));
    keyboardCursor->show();
}

void PlayerWindow::colourAtCursor()
{
    // A child with one switch has no way to a tool: the fill comes to them.
    if (currentTool != Tool::Fill && currentTool != Tool::Line && currentTool != Tool::Pen)
        chooseTool(Tool::Fill);
    const float x = cursorX();
    const float y = cursorY();
    if (currentTool == Tool::Fill) {
        pressOnCanvas(vbLeftButton, 0, x, y);
        releaseOnCanvas(vbLeftButton, 0, x, y);
        keyStroke_ = Tool::None;
    } else if (keyStroke_ == currentTool) {
        releaseOnCanvas(vbLeftButton, 0, x, y);
        keyStroke_ = Tool::None;
    } else {
        pressOnCanvas(vbLeftButton, 0, x, y);
        keyStroke_ = currentTool;
    }
    keyboardCursor->setDrawing(keyStroke_ != Tool::None);
}

bool PlayerWindow::keyOnPalette(int key)
{
    const int cells = paletteView_.shownCells(paletteStrip->height());
    const QPoint step = arrowStep(key);
    if (cells == 0 || (!isPress(key) && step.isNull()))
        return false;
    // The strip may have been laid out shorter since the cell was chosen.
    paletteCell_ = std::min(paletteCell_, cells - 1);
    if (isPress(key)) {
        const QPoint centre = paletteView_.cell(paletteCell_).center();
        pressOnPalette(vbLeftButton, 0, float(centre.x() * TwipsPerPixel),
                       float(centre.y() * TwipsPerPixel));
        return true;
    }
    // Round and round: a child scanning with arrows never meets a wall.
    paletteCell_ = (paletteCell_ + step.x() + step.y() + cells) % cells;
    showPaletteCell();
    return true;
}

void PlayerWindow::showPaletteCell()
{
    paletteStrip->Cls();
    if (focusWidget() != paletteStrip)
        return;
    const QRect cell =
        paletteView_.cell(paletteCell_)
            .adjusted(-CellMarkMargin, -CellMarkMargin, CellMarkMargin, CellMarkMargin);
    const auto box = [&](int colour, int width) {
        paletteStrip->DrawWidth = width;
        paletteStrip->Line(cell.left() * TwipsPerPixel, cell.top() * TwipsPerPixel,
                           cell.right() * TwipsPerPixel, cell.bottom() * TwipsPerPixel, colour,
                           toolkit::LineShape::Box);
    };
    box(toolkit::vbBlack, CellMarkWidth);
    box(toolkit::vbWhite, 1);
}

float PlayerWindow::cursorX() const
{
    return float(keyboardCursor->position().x() * TwipsPerPixel);
}

float PlayerWindow::cursorY() const
{
    return float(keyboardCursor->position().y() * TwipsPerPixel);
}

QPointF PlayerWindow::insideFigure() const
{
    // A record without a label closes the figure it ends.
    QPolygonF largest;
    QPolygonF figure;
    const auto area = [](const QPolygonF& polygon) {
        const QRectF bounds = polygon.boundingRect();
        return bounds.width() * bounds.height();
    };
    for (int i = 0; i < game_.count(); ++i) {
        figure << QPointF(game_.dot(i).x, game_.dot(i).y);
        if (game_.dot(i).label.isEmpty() || i == game_.count() - 1) {
            if (area(figure) > area(largest))
                largest = figure;
            figure.clear();
        }
    }
    return pointInside(largest);
}

} // namespace player
