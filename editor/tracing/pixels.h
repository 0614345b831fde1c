#pragma once

// Whole-picture pixel work the tracing repeats, giving the very pixels the
// plain Qt or OpenCV call gives, sooner: once for each colour met, or only
// as far as what is drawn reaches, since a figure seldom fills its page.

#include <QImage>

namespace editor::tracing {

// picture.convertToFormat(QImage::Format_Grayscale8), pixel for pixel:
// Qt converts each pixel alone, by its colour and the picture's colour
// space, so the 256 opaque greys line art is drawn in are converted once,
// and only the pixels of other colours as Qt converts a picture.
QImage greyscaleOf(const QImage& picture);

} // namespace editor::tracing
