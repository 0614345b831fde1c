#include "palettestrip.h"

#include "colour.h"

#include <QPainter>
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

constexpr int Pitch = 16;
constexpr int FirstCellTop = 6;
constexpr int CellLeft = 4;
constexpr int CellSide = 12;
constexpr int FrameDark = RGB(4, 4, 4);
constexpr int FrameLight = RGB(192, 192, 192);

void fill(QImage& strip, int left, int top, int width, int height, int colour)
{
    const QRgb rgb = toolkit::toQRgb(colour);
    for (int y = std::max(0, top); y < std::min(strip.height(), top + height); ++y) {
        auto* line = reinterpret_cast<QRgb*>(strip.scanLine(y));
        for (int x = left; x < left + width; ++x)
            line[x] = rgb;
    }
}

// A sunken well: dark frame above and to the left, light below and right.
void drawCell(QImage& strip, int top, int colour)
{
    const int frameTop = top - 1;
    const int frameSide = CellSide + 2;
    fill(strip, CellLeft - 1, frameTop, frameSide, 1, FrameDark);
    fill(strip, CellLeft - 1, frameTop, 1, frameSide, FrameDark);
    fill(strip, CellLeft - 1, top + CellSide, frameSide, 1, FrameLight);
    fill(strip, CellLeft + CellSide, frameTop + 1, 1, frameSide - 1, FrameLight);
    fill(strip, CellLeft, top, CellSide, CellSide, colour);
}

} // namespace

QImage paletteStrip()
{
    QImage strip(PaletteWidth, PaletteHeight, QImage::Format_RGB32);
    strip.fill(toolkit::toQRgb(PaletteGrey));
    for (size_t cell = 0; cell < cellColours.size(); ++cell)
        drawCell(strip, FirstCellTop + Pitch * static_cast<int>(cell), cellColours[cell]);
    return strip;
}

} // namespace player
