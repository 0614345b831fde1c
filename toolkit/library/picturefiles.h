#pragma once

#include <QImage>
#include <QString>

namespace toolkit {

// Writes a picture as a 24-bit Windows bitmap. The file is written beside its
// final name and renamed into place when complete, so a failed save never
// destroys an earlier file of that name. False when it could not be written.
bool writeBitmap(const QImage& image, const QString& path);

// Writes a picture as writeBitmap does under a name nobody holds yet in
// `folder`: `baseName`.bmp, else `baseName`-2.bmp, -3... The name is taken
// and the file written in one step (createNewFile), so saves from many
// computers into one folder in the same second never replace one another.
// The path written, or empty when it could not be written.
QString writeNewBitmap(const QImage& image, const QString& folder, const QString& baseName);

// Reads a bitmap, JPEG or GIF picture by its content; a null image when the
// file is missing, damaged or claims a size too large to hold.
QImage readPicture(const QString& path);

// A side no sensible picture has; a larger one is refused, as a
// decompression bomb would be, before any memory is taken for it.
constexpr int MaxPictureSide = 16000;

// `picture` fitted into a page of `page` pixels, a margin of a twentieth of
// the page all round: its proportions kept, centred, white round it and
// behind any transparency; never stretched.
QImage fittedPicture(const QImage& picture, QSize page);

// Reads a picture of any common kind (PNG, JPEG, GIF, BMP, SVG, WebP) by its
// content, fitted into `page` (an SVG drawn at the fitted size); a null
// image when it is missing, damaged, or too large to be sensible: over
// MaxPictureSide a side, or beyond Qt's 256 MB allocation limit.
QImage readFittedPicture(const QString& path, QSize page);

} // namespace toolkit
