#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <array>

// The pictures the editor's window carries: the button pictures of every
// palette with their tooltips, the canvas's start picture, its mouse pointer
// and the colour strip.
//
// Button pictures are PictureSide x PictureSide pixels with a transparent
// background, so the button's own colour (the green mark of a chosen grid,
// symmetry or width) shows round them. An index outside a palette's range
// gives a null image and an empty tooltip.
namespace editor::pictures {

constexpr int PictureSide = 32;

// Main palette, toolButtons: indexes 0-6, 8 and 10-19 (there is no 7 and no 9).
QImage mainPalette(int index);
QString mainPaletteTip(int index);

// Grid spacing, gridButtons 0..7: dot grids from dense to sparse.
QImage gridButton(int index);
QString gridButtonTip(int index);

// Symmetry, symmetryButtons 0..3: none, left-right, top-bottom, through the centre.
QImage symmetry(int index);
QString symmetryTip(int index);

// Polygon mode, polygonModeButtons 0..2: from the centre, flattened, from one side.
QImage polygonMode(int index);
QString polygonModeTip(int index);

// Circle kind, circleKindButtons 0..5: circle, ellipse, arcs upper right, lower left,
// top and right.
QImage circleKind(int index);
QString circleKindTip(int index);

// Line width, widthButtons 0..13: bars 1 to 14 pixels thick.
QImage lineWidth(int index);
QString lineWidthTip(int index);

// Fill style, fillStyleButtons 0..7: solid, transparent, horizontal, vertical,
// upward diagonal, downward diagonal, cross, diagonal cross.
QImage fillStyle(int index);
QString fillStyleTip(int index);

// Eraser size, eraserButtons 0..5: squares of growing size.
QImage eraserSize(int index);
QString eraserSizeTip(int index);

// The buttons that take the activity to the player: save it into a theme,
// and try it as the child will see it.
QImage saveInTheme();
QImage tryActivity();

// The dot tool's "Mover": a numbered dot with arrows to the four sides.
QImage moveDots();

// What the canvas shows at start-up: what the editor is for and how an
// activity is made, in Spanish, StartWidth x StartHeight pixels, opaque.
constexpr int StartWidth = 713;
constexpr int StartHeight = 535;
QImage startPicture();

// The canvas's mouse pointer: a 16 x 16 crosshair in black and white on
// transparent pixels, whose hot spot is the centre of the cross.
QImage pointerIcon();
QPoint pointerHotSpot();

// The colour strip, StripWidth x StripHeight pixels, opaque: stripColours as
// 12 x 12 swatches left to right on a 16-pixel pitch, each in a black frame
// on grey (128, 128, 128). A pixel read from anywhere on it is one of the
// listed colours, the grey or black.
constexpr int StripWidth = 713;
constexpr int StripHeight = 19;
QImage colourStrip();

// The swatch colours from left to right, 24-bit (red + 256 green + 65536 blue).
extern const std::array<int, 44> stripColours;

// The pixels of swatch `index` on the colour strip (without its frame).
QRect stripSwatch(int index);

} // namespace editor::pictures
