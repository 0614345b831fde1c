#pragma once

#include <QImage>
#include <array>
#include <cstddef>

namespace toolkit {

// Where the swatches of a colour strip lie. "Along" is the direction the
// swatches follow each other (x for a horizontal strip, y for a vertical
// one), "across" the other. All sizes are pixels; colours are 24-bit values
// (colour.h).
struct SwatchStripLayout
{
    QSize size;
    Qt::Orientation orientation;
    int background; // between and around the swatches
    int firstAlong; // first pixel of the first swatch along the strip
    int pitch;      // from one swatch to the next along the strip
    int across;     // first pixel of every swatch across the strip
    int side;       // the swatches are square
    int frameDark;  // one pixel above and to the left of each swatch
    int frameLight; // one pixel below and to the right of each swatch
};

// A colour strip: `count` swatches of `colours` in order, each in a one-pixel
// frame, on the background colour. Swatches that do not fit are cut off at
// the strip's edge. Every pixel is the background, a frame colour or exactly
// one of the swatch colours, so picking a colour is reading one pixel.
QImage swatchStrip(const SwatchStripLayout& layout, const int* colours, std::size_t count);

template <std::size_t N>
QImage swatchStrip(const SwatchStripLayout& layout, const std::array<int, N>& colours)
{
    return swatchStrip(layout, colours.data(), N);
}

// The pixels of swatch `index` (its colour only, without the frame).
QRect swatchRect(const SwatchStripLayout& layout, int index);

} // namespace toolkit
