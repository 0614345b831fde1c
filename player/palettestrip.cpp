#include "palettestrip.h"

#include "colour.h"
#include "swatchstrip.h"

#include <array>

namespace player {

namespace {

using toolkit::RGB;

// The cells from the top; the strip ends part-way into one more cell.
constexpr std::array<int, 56> cellColours = {
    RGB(255, 255, 255), RGB(192, 192, 192), RGB(255, 0, 0),     RGB(255, 255, 0),
    RGB(0, 255, 0),     RGB(0, 255, 255),   RGB(0, 0, 255),     RGB(255, 0, 255),
    RGB(255, 255, 128), RGB(0, 255, 128),   RGB(128, 255, 255), RGB(128, 128, 255),
    RGB(255, 0, 128),   RGB(255, 128, 64),  RGB(255, 255, 255), RGB(192, 192, 192),
    RGB(255, 0, 0),     RGB(204, 153, 102), RGB(0, 255, 0),     RGB(204, 51, 204),
    RGB(51, 102, 51),   RGB(255, 0, 255),   RGB(4, 4, 4),       RGB(128, 128, 128),
    RGB(128, 0, 0),     RGB(128, 128, 0),   RGB(0, 128, 0),     RGB(0, 128, 128),
    RGB(0, 0, 128),     RGB(128, 0, 128),   RGB(128, 128, 64),  RGB(0, 64, 64),
    RGB(0, 128, 255),   RGB(0, 64, 128),    RGB(64, 0, 255),    RGB(128, 64, 0),
    RGB(4, 4, 4),       RGB(128, 128, 128), RGB(128, 0, 0),     RGB(153, 51, 0),
    RGB(0, 128, 0),     RGB(0, 128, 128),   RGB(0, 0, 128),     RGB(128, 0, 128),
    RGB(128, 64, 0),    RGB(4, 4, 4),       RGB(128, 128, 128), RGB(128, 0, 0),
    RGB(153, 51, 0),    RGB(255, 0, 0),     RGB(255, 255, 0),   RGB(0, 255, 0),
    RGB(0, 255, 255),   RGB(0, 0, 255),     RGB(255, 0, 255),   RGB(255, 255, 128)};

// Bevelled 12 x 12 cells on a 16-pixel pitch, down the middle of the strip.
const toolkit::SwatchStripLayout layout{QSize(PaletteWidth, PaletteHeight),
                                        Qt::Vertical,
                                        PaletteGrey,
                                        6,
                                        16,
                                        4,
                                        12,
                                        RGB(4, 4, 4),
                                        RGB(192, 192, 192)};

} // namespace

QImage paletteStrip()
{
    return toolkit::swatchStrip(layout, cellColours);
}

QRect paletteCell(int index)
{
    return toolkit::swatchRect(layout, index);
}

} // namespace player
