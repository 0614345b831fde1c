// Colouring: the palette and the width buttons set the pen of both canvases;
// the fill, straight-line and pen tools act on the finished figure, each
// keeping an undo snapshot before it changes the canvas.

#include "playerwindow.h"

#include "colour.h"
#include "twips.h"

#include <algorithm>
#include <cmath>

namespace player {

namespace {

// The tools keep their vertical positions as whole twips, halves to even.
int roundedTwips(float value)
{
    return static_cast<int>(std::clamp(toolkit::roundHalfEven(value), -1e9, 1e9));
}

} // namespace

void PlayerWindow::pressOnPalette(int /*Button*/, int /*Shift*/, float X, float Y)
{
    playSound(QStringLiteral("color.wav"));
    restartHint();
    const int picked = paletteStrip->Point(X, Y);
    if (picked < 0)
        return; // not on the palette at all
    pickRed = toolkit::redOf(picked);
    pickGreen = toolkit::greenOf(picked);
    pickBlue = toolkit::blueOf(picked);
    const int colour = toolkit::RGB(pickRed, pickGreen, pickBlue);

    canvas->AutoRedraw = true;
    canvas->ForeColor = colour;
    canvas->FillColor = colour;
    joinedOutline->ForeColor = colour;
    joinedOutline->FillColor = colour;
    canvas->AutoRedraw = false;
}

void PlayerWindow::chooseWidth(int width)
{
    playSound(QStringLiteral("lineas.wav"));
    restartHint();
    canvas->DrawWidth = width;
    joinedOutline->DrawWidth = width;
}

void PlayerWindow::saveUndoSnapshot()
{
    undoRing_.keep(canvas->Image());
}

void PlayerWindow::toolMouseDown(float X, float Y)
{
    if (record_ &&
        (currentTool == Tool::Fill || currentTool == Tool::Line || currentTool == Tool::Pen))
        record_->coloured();
    switch (currentTool) {
    case Tool::Fill:
        saveUndoSnapshot();
        fillAt(X, Y);
        break;
    case Tool::Line:
        saveUndoSnapshot();
        lineStartX = X;
        lineStartY = roundedTwips(Y);
        break;
    case Tool::Pen:
        saveUndoSnapshot();
        penX = X;
        penY = roundedTwips(Y);
        break;
    default:
        break;
    }
}

void PlayerWindow::toolMouseMove(float X, float Y)
{
    if (currentTool == Tool::Line) {
        // The pointer's move has just wiped the temporary layer; the rubber
        // band is drawn there and never kept.
        canvas->Line(lineStartX, lineStartY, X, Y);
    } else if (currentTool == Tool::Pen) {
        canvas->AutoRedraw = true;
        canvas->Line(penX, penY, X, Y);
        penX = X;
        penY = roundedTwips(Y);
        canvas->AutoRedraw = false;
    }
}

void PlayerWindow::toolMouseUp(float X, float Y)
{
    if (currentTool != Tool::Line)
        return;
    canvas->AutoRedraw = true;
    canvas->Line(lineStartX, lineStartY, X, Y);
    canvas->AutoRedraw = false;
}

void PlayerWindow::fillAt(float X, float Y)
{
    // The fill works in pixels on the persistent image; the canvas goes back
    // to twips afterwards so dot positions and mouse positions keep their
    // units.
    canvas->ScaleMode = toolkit::vbPixels;
    canvas->FillStyle = toolkit::vbFSSolid;
    const int x = toolkit::floorToPixels(X, std::max(1, platform_.twipsPerPixelX()));
    const int y = toolkit::floorToPixels(Y, std::max(1, platform_.twipsPerPixelY()));
    canvas->AutoRedraw = true;
    const int clicked = canvas->Point(x, y);
    canvas->FloodFill(x, y, clicked);
    canvas->AutoRedraw = false;
    canvas->ScaleMode = toolkit::vbTwips;
    canvas->FillStyle = toolkit::vbFSTransparent;
}

} // namespace player
