#include "swatchstrip.h"

#include "colour.h"

namespace toolkit {

namespace {

// A rectangle given along and across the strip, in image coordinates.
QRect stripRect(const SwatchStripLayout& layout, int along, int across, int alongLength,
                int acrossLength)
{
    if (layout.orientation == Qt::Vertical)
        return QRect(across, along, acrossLength, alongLength);
    return QRect(along, across, alongLength, acrossLength);
}

void fill(QImage& strip, const QRect& area, int colour)
{
    const QRect clipped = area & strip.rect();
    const QRgb rgb = toQRgb(colour);
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(strip.scanLine(y));
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            line[x] = rgb;
    }
}

// A sunken well: the dark frame before the swatch along and across the
// strip, the light one after it; the light frame, drawn last, takes the one
// corner the two share.
void drawSwatch(QImage& strip, const SwatchStripLayout& layout, int along, int colour)
{
    const int side = layout.side;
    const int frame = side + 2;
    const int across = layout.across;
    fill(strip, stripRect(layout, along - 1, across - 1, 1, frame), layout.frameDark);
    fill(strip, stripRect(layout, along - 1, across - 1, frame, 1), layout.frameDark);
    fill(strip, stripRect(layout, along + side, across - 1, 1, frame), layout.frameLight);
    fill(strip, stripRect(layout, along, across + side, frame - 1, 1), layout.frameLight);
    fill(strip, stripRect(layout, along, across, side, side), colour);
}

} // namespace

QImage swatchStrip(const SwatchStripLayout& layout, const int* colours, std::size_t count)
{
    QImage strip(layout.size, QImage::Format_RGB32);
    strip.fill(toQRgb(layout.background));
    for (std::size_t i = 0; i < count; ++i)
        drawSwatch(strip, layout, layout.firstAlong + layout.pitch * static_cast<int>(i),
                   colours[i]);
    return strip;
}

QRect swatchRect(const SwatchStripLayout& layout, int index)
{
    return stripRect(layout, layout.firstAlong + layout.pitch * index, layout.across, layout.side,
                     layout.side);
}

} // namespace toolkit
