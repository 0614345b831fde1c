// The layout for an interactive whiteboard or a touch screen: a child of
// three reaches neither the top fifth of a whiteboard nor a button narrower
// than a fingertip, so everything moves down and grows, and the canvas, with
// its activity, shrinks to what is left.

#include "playerwindow.h"

#include "palettestrip.h"
#include "program.h"
#include "twips.h"

#include <algorithm>
#include <cmath>

namespace player {

namespace {

using toolkit::TwipsPerPixel;

constexpr double FingerMillimetres = 9;
// The desk layout's button and theme list, in pixels: a finger never gets
// less.
constexpr int DeskSide = 41;
constexpr int DeskList = 153;
// Pixels round the screen's edges and between the groups of controls.
constexpr int Margin = 8;
// Pixels between the groups of the bottom row, six gaps in all.
constexpr int RowGap = 4;
constexpr int RowGaps = 6 * RowGap;
constexpr int WidthButtons = 10;
// The bottom row holds twelve square buttons: the arrows, narrower on a
// desk, are squares too, so that a finger hits them.
constexpr int SquaresInRow = 12;
constexpr int PaletteCell = 12; // pixels, at the strip's own scale
// Larger cells fit fewer in a column: a second one keeps the dark colours.
constexpr int PaletteColumns = 2;

int twips(int pixels)
{
    return pixels * TwipsPerPixel;
}

int pixels(int twips)
{
    return twips / TwipsPerPixel;
}

int fingerPixels(double pixelsPerMillimetre)
{
    return static_cast<int>(std::ceil(FingerMillimetres * pixelsPerMillimetre));
}

// Where everything goes on a screen of `screen` pixels, with `perMm` pixels
// a millimetre, for an activity's picture of `picture` pixels before it
// shrinks.
struct Board
{
    Board(QSize screen, double perMm, QSizeF picture)
    {
        const int finger = fingerPixels(perMm);
        const int fits = (screen.width() - DeskList - RowGaps - 2 * Margin) / SquaresInRow;
        side = std::max(1, std::min(std::max(DeskSide, finger), fits));
        top = (screen.height() + 4) / 5 + Margin;
        rowTop = screen.height() - Margin - side;
        const int areaHeight = std::max(1, rowTop - Margin - top);
        perColumn = std::clamp(areaHeight / side, 1, WidthButtons);
        const int columns = (WidthButtons + perColumn - 1) / perColumn;
        paletteScale = std::max(1, (finger + PaletteCell - 1) / PaletteCell);
        paletteWidth = PaletteWidth * paletteScale * PaletteColumns;
        // The activity's picture is made for the whole screen; it shrinks as
        // a whole, so its dots stay on it and nothing is cut off.
        const int areaWidth = screen.width() - paletteWidth - columns * side - 4 * Margin;
        shrink = std::clamp(std::min(areaWidth / picture.width(), areaHeight / picture.height()),
                            0.01, 1.0);
        const int canvasWidth = qRound(picture.width() * shrink);
        const int groupWidth = paletteWidth + canvasWidth + columns * side + 2 * Margin;
        left = std::max(Margin, (screen.width() - groupWidth) / 2);
        canvasLeft = left + paletteWidth + Margin;
        widthsLeft = canvasLeft + canvasWidth + Margin;
        // The theme list takes what the buttons leave, up to twice its desk
        // width: a theme's whole name shows.
        const int rowLeftOver = screen.width() - 2 * Margin - RowGaps - SquaresInRow * side;
        wideList = std::max(DeskList, std::min(2 * DeskList, rowLeftOver));
        const int rowWidth = wideList + SquaresInRow * side + RowGaps;
        rowLeft = std::max(Margin, std::min(canvasLeft, screen.width() - Margin - rowWidth));
        // The palette goes down beside the row, unless the row runs under it.
        const int paletteBottom = rowLeft < canvasLeft ? rowTop - Margin : screen.height() - Margin;
        paletteHeight = paletteBottom - top;
    }

    // Of every button: a fingertip, the desk's at least, less only when the
    // bottom row would not fit the screen.
    int side;
    int top;       // of the palette, the canvas and the width buttons
    int rowTop;    // of the bottom row
    int perColumn; // width buttons in a column
    int paletteScale;
    int paletteWidth;
    int paletteHeight;
    double shrink; // of the activity
    int left;      // of the palette
    int canvasLeft;
    int widthsLeft; // of the width buttons' first column
    int rowLeft;    // of the bottom row: under the canvas, unless it would not fit
    int wideList;   // the theme list's width
};

} // namespace

void PlayerWindow::listAboveRow(int height)
{
    // The style's own popup covers the screen with a long list of themes;
    // a plain list shows as many as `height` pixels hold, and scrolls.
    themeList->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    const int item = themeList->fontMetrics().height() + 2 * Margin;
    themeList->setMaxVisibleItems(std::max(3, height / item));
}

void PlayerWindow::layoutForWhiteboard()
{
    const QSize screen(pixels(platform_.screenWidthTwips()), pixels(platform_.screenHeightTwips()));
    const Board board(screen, platform_.pixelsPerMillimetre(),
                      QSizeF(double(scaleX) * 800, scaleY * 600));
    const int side = board.side;
    activityShrink_ = board.shrink;
    // Sized as readActivityPicture sizes the picture, to the pixel.
    const int canvasWidth = qRound(double(scaleX) * activityShrink_ * 800);
    const int canvasHeight = qRound(scaleY * activityShrink_ * 600);

    paletteStrip->Move(twips(board.left), twips(board.top), twips(board.paletteWidth),
                       twips(board.paletteHeight));
    paletteView_ = PaletteView(board.paletteScale, PaletteColumns, board.paletteHeight);
    paletteStrip->setPicture(paletteView_.picture());
    canvas->Move(twips(board.canvasLeft), twips(board.top), twips(canvasWidth),
                 twips(canvasHeight));
    joinedOutline->Move(canvas->Left(), canvas->Top(), canvas->Width(), canvas->Height());
    for (int i = 0; i < WidthButtons; ++i)
        widthButtons(i).Move(twips(board.widthsLeft + i / board.perColumn * side),
                             twips(board.top + i % board.perColumn * side), twips(side),
                             twips(side));

    int x = board.rowLeft;
    const auto place = [&](toolkit::TwipsGeometry& control, int width, int gap) {
        control.Move(twips(x), twips(board.rowTop), twips(width), twips(side));
        x += width + gap;
    };
    place(navigationButtons(Navigation::Forward), side, 0);
    place(navigationButtons(Navigation::Back), side, RowGap);
    place(*themeList, board.wideList, RowGap);
    listAboveRow(board.rowTop - board.top);
    place(navigationButtons(Navigation::Numbers), side, 2 * RowGap);
    for (auto& button : toolButtons)
        place(button, side, 0);
    x += 2 * RowGap;
    place(*exitButton, side, 0);
}

} // namespace player
