#pragma once

#include <QImage>

namespace player {

// The palette strip the child picks colours from: 19 x 897 pixels, a column
// of bevelled 12 x 12 colour cells on a 16-pixel pitch over grey. It never
// holds pure black (the darkest cell is (4, 4, 4)), so a picked colour can
// always be told from the black of an empty picture.
QImage paletteStrip();
// The pixels of the strip's colour cell `index`, 0 at the top, without its
// frame; past the strip's end for an index too large.
QRect paletteCell(int index);

// The strip cut at whole cells into `columns` columns side by side, each
// `height` pixels at most once every pixel is made a square of `scale`
// pixels: larger cells for a finger, with no smoothing, so a cell stays one
// colour and picking still reads one pixel. The cells that do not fit are
// left out.
QImage paletteColumns(int scale, int height, int columns);

// Pixel geometry of the strip.
constexpr int PaletteWidth = 19;
constexpr int PaletteHeight = 897;
constexpr int PaletteGrey = 0x808080;

} // namespace player
