#pragma once

#include <QBrush>
#include <QImage>

namespace toolkit {

// Paints with `brush` every pixel of `image` that has exactly the colour
// `target` and is 4-connected to (x, y); stops at any other colour. Does
// nothing when the start pixel lies outside or has another colour. Works on
// RGB32 images. Returns the bounding box of the pixels painted.
QRect floodFillSurface(QImage& image, int x, int y, QRgb target, const QBrush& brush);

} // namespace toolkit
