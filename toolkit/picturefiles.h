#pragma once

#include <QImage>
#include <QString>

namespace toolkit {

// Writes a picture as a 24-bit Windows bitmap. The file is written beside its
// final name and renamed into place when complete, so a failed save never
// destroys an earlier file of that name. False when it could not be written.
bool writeBitmap(const QImage& image, const QString& path);

// Reads a bitmap, JPEG or GIF picture by its content; a null image when the
// file is missing, damaged or claims a size too large to hold.
QImage readPicture(const QString& path);

} // namespace toolkit
