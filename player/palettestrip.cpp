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

PaletteView::PaletteView(int scale, int columns, int height)
    : scale_(std::max(1, scale)), columns_(std::max(1, columns)),
      perColumn_(std::max(1, (height / scale_ - layout.firstAlong) / layout.pitch))
{
}

QImage PaletteView::picture() const
{
    const QImage strip = paletteStrip();
    if (perColumn_ == 0)
        return strip;
    // Each column ends a grey pixel past its last cell's frame, and the
    // columns after the first start at their first cell's frame.
    const int rows = std::min(strip.height(), layout.firstAlong + (perColumn_ - 1) * layout.pitch +
                                                  layout.side + 2);
    const int above = layout.firstAlong - 1;
    QImage page(strip.width() * columns_, rows, strip.format());
    page.fill(toolkit::toQColor(PaletteGrey));
    QPainter painter(&page);
    for (int column = 0; column < columns_; ++column) {
        const int skip = column == 0 ? 0 : above;
        painter.drawImage(column * strip.width(), skip, strip, 0,
                          column * perColumn_ * layout.pitch + skip, strip.width(), rows - skip);
    }
    painter.end();
    return page.scaled(page.size() * scale_, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QRect PaletteView::cell(int index) const
{
    if (perColumn_ == 0)
        return toolkit::swatchRect(layout, index);
    const QRect inStrip = toolkit::swatchRect(layout, index);
    if (index >= columns_ * perColumn_ || inStrip.bottom() >= PaletteHeight)
        return QRect(0, PaletteHeight * scale_, 1, 1);
    const QRect r = toolkit::swatchRect(layout, index % perColumn_);
    return {(r.x() + index / perColumn_ * PaletteWidth) * scale_, r.y() * scale_,
            r.width() * scale_, r.height() * scale_};
}

int PaletteView::shownCells(int height) const
{
    int cells = 0;
    while (cell(cells).bottom() < std::min(height, PaletteHeight * scale_))
        ++cells;
    return cells;
}

} // namespace player
