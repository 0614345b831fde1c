#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>

class QImageReader;

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

// Pictures in a folder others can write (a child's drawings, a shared
// theme) hold whatever their writer chose. They are decoded only as the
// bitmap format their name gives, fixed before a byte is read and never
// guessed from the content: an SVG or any other kind under such a name is
// no picture, so nothing it names (another file, a FIFO, itself) is opened.

// "bmp", "png" or "jpeg" by the suffix of `fileName` (.bmp, .png, .jpg,
// .jpeg, in any case): what the player writes, and what teachers put beside
// it. Empty for any other name.
QByteArray bitmapFormatOf(const QString& fileName);

// A picture read from such a folder, or why there is none.
struct Bitmap
{
    enum class Problem { None, NotAFile, Unreadable, TooLarge, NotAPicture };

    QImage image; // null unless the problem is None
    Problem problem = Problem::None;
};

// What reading one such picture may cost.
struct BitmapLimits
{
    qint64 fileBytes;     // a larger file is refused unread
    int decodedMegabytes; // and so is a picture that would take more decoded
};

// Sees the reader once the declared size is known and sensible, before a
// pixel is decoded; may set a clip or a scaled size. False refuses the
// picture as too large.
using BitmapPreparation = std::function<bool(QImageReader& reader, QSize declared)>;

// `bytes` decoded as `format` and as nothing else. Refused before decoding
// when the declared size is over MaxPictureSide a side or would take more
// than `limits.decodedMegabytes` at 4 bytes a pixel.
Bitmap decodeBitmap(const QByteArray& bytes, const QByteArray& format, const BitmapLimits& limits,
                    const BitmapPreparation& prepare = {});

// The picture at `path`, opened once without following a link or waiting on
// a FIFO, read whole and decoded as decodeBitmap does in the format of its
// name. Reads the file: on a share that may hang, call it off the window's
// thread.
Bitmap readBitmapFile(const QString& path, const BitmapLimits& limits,
                      const BitmapPreparation& prepare = {});

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
