#pragma once

#include <QColor>
#include <QRgb>

namespace toolkit {

// Colours are 24-bit values red + 256 x green + 65536 x blue, as the classic
// toolkit stores them; these helpers cross over to Qt's colours.
constexpr int RGB(int red, int green, int blue)
{
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}
constexpr int redOf(int colour)
{
    return colour & 0xFF;
}
constexpr int greenOf(int colour)
{
    return (colour >> 8) & 0xFF;
}
constexpr int blueOf(int colour)
{
    return (colour >> 16) & 0xFF;
}

inline QRgb toQRgb(int colour)
{
    return qRgb(redOf(colour), greenOf(colour), blueOf(colour));
}
inline QColor toQColor(int colour)
{
    return QColor::fromRgb(toQRgb(colour));
}
inline int fromQRgb(QRgb rgb)
{
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

constexpr int vbWhite = 0xFFFFFF;
constexpr int vbBlack = 0x000000;
constexpr int vbGreen = 0x00FF00;

} // namespace toolkit
