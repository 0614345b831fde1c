#pragma once

// Scale units to pixels and back, shared by the part files of PictureBox.

#include "picturebox.h"
#include "twips.h"

#include <QPoint>

namespace toolkit {

// Scale units to a pixel: 15 in twips, 1 in pixels.
inline double unitsPerPixel(int scaleMode)
{
    return scaleMode == vbPixels ? 1.0 : TwipsPerPixel;
}

inline QPoint toPixels(int scaleMode, double x, double y)
{
    return {floorToPixels(x, unitsPerPixel(scaleMode)), floorToPixels(y, unitsPerPixel(scaleMode))};
}

inline float toScale(int scaleMode, int pixels)
{
    return static_cast<float>(pixels * unitsPerPixel(scaleMode));
}

} // namespace toolkit
