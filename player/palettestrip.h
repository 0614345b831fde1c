#pragma once

#include <QImage>
#include <QRect>

namespace player {

// The palette strip the child picks colours from: 19 x 897 pixels, a column
// of bevelled 12 x 12 colour cells on a 16-pixel pitch over grey. It never
// holds pure black (the darkest cell is (4, 4, 4)), so a picked colour can
// always be told from the black of an empty picture.
QImage paletteStrip();
// Pixel geometry of the strip.
constexpr int PaletteWidth = 19;
constexpr int PaletteHeight = 897;
constexpr int PaletteGrey = 0x808080;

// The palette as the window shows it: on a desk the strip at 1:1; for a
// finger, every pixel a square of `scale` pixels and the strip cut at whole
// cells into `columns` columns `height` pixels high at most. No smoothing,
// so a cell stays one colour and picking still reads one pixel.
class PaletteView
{
public:
    PaletteView() = default;
    PaletteView(int scale, int columns, int height);

    QImage picture() const;
    // The pixels of colour cell `index` as shown, 0 at the top of the first
    // column, without its frame; past the picture's end for an index too
    // large.
    QRect cell(int index) const;
    // The whole cells that show in a strip `height` pixels high.
    int shownCells(int height) const;

private:
    int scale_ = 1;
    int columns_ = 1;
    int perColumn_ = 0; // 0: the strip whole, in one column
};

} // namespace player
