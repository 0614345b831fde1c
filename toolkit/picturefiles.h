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

} // namespace toolkit
