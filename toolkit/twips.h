#pragma once

#include <cmath>

namespace toolkit {

// Every window position and size is kept in twips; the screen has 15 twips to
// a pixel whatever its real DPI, and a point of type is 20 twips.
constexpr int TwipsPerPixel = 15;
constexpr int TwipsPerPoint = 20;

// Whole pixels of a value in units of `unitsPerPixel`, rounding down like the
// classic toolkit does. Clamped so that absurd coordinates from a file never
// overflow an int.
inline int floorToPixels(double value, double unitsPerPixel)
{
    const double px = std::floor(value / unitsPerPixel);
    return px < -1e6 ? -1000000 : (px > 1e6 ? 1000000 : static_cast<int>(px));
}

inline int twipsToPixels(double twips)
{
    return floorToPixels(twips, TwipsPerPixel);
}

// Pixel size of a font given in points (Arial 18 points is 24 pixels).
inline int pointsToPixels(double points)
{
    return static_cast<int>(std::lround(points * TwipsPerPoint / TwipsPerPixel));
}

// Rounding of the classic toolkit: to the nearest whole number, halves to even.
inline double roundHalfEven(double value)
{
    return std::nearbyint(value);
}

} // namespace toolkit
