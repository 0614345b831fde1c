#include "palettestrip.h"

#include "colour.h"
#include "swatchstrip.h"

#include <QPainter>
#include <algorithm>
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

QImage paletteColumns(int scale, int height, int columns)
{
    const QImage strip = paletteStrip();
    scale = std::max(1, scale);
    const int cells = std::max(1, (height / scale - layout.firstAlong) / layout.pitch);
    // Each column ends a grey pixel past its last cell's frame, and the
    // columns after the first start at their first cell's frame.
    const int rows =
        std::min(strip.height(), layout.firstAlong + (cells - 1) * layout.pitch + layout.side + 2);
    const int above = layout.firstAlong - 1;
    QImage page(strip.width() * std::max(1, columns), rows, strip.format());
    page.fill(toolkit::toQColor(PaletteGrey));
    QPainter painter(&page);
    for (int column = 0; column < columns; ++column) {
        const int skip = column == 0 ? 0 : above;
        painter.drawImage(column * strip.width(), skip, strip, 0,
                          column * cells * layout.pitch + skip, strip.width(), rows - skip);
    }
    painter.end();
    return page.scaled(page.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace player
