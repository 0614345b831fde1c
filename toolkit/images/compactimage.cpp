#include "compactimage.h"

#include <cstring>
#include <zstd.h>

namespace toolkit {

namespace {

// The fastest of zstd's levels still shrinks flat colour a thousandfold; a
// higher level only costs time on every snapshot.
constexpr int CompressionLevel = 1;

// The first byte of the stored data says how the pixels follow.
constexpr char Compressed = 'Z';
constexpr char Plain = 'P';

// The pixels without line padding; most formats have none, so the image's
// own bits serve.
QByteArray packedPixels(const QImage& image)
{
    const qsizetype line = static_cast<qsizetype>(image.width()) * image.depth() / 8;
    if (line == image.bytesPerLine())
        return QByteArray::fromRawData(reinterpret_cast<const char*>(image.constBits()),
                                       image.sizeInBytes());
    QByteArray pixels(line * image.height(), Qt::Uninitialized);
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(pixels.data() + line * y, image.constScanLine(y), static_cast<size_t>(line));
    return pixels;
}

void unpackPixels(const char* pixels, QImage& image)
{
    const qsizetype line = static_cast<qsizetype>(image.width()) * image.depth() / 8;
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(image.scanLine(y), pixels + line * y, static_cast<size_t>(line));
}

} // namespace

void CompactImage::store(const QImage& image)
{
    data_.clear();
    size_ = image.size();
    format_ = image.isNull() ? QImage::Format_Invalid : image.format();
    if (isNull())
        return;
    const QByteArray pixels = packedPixels(image);
    const auto plainSize = static_cast<size_t>(pixels.size());
    // A drawing rarely needs more room than a sixteenth of its pixels; only
    // a photograph comes back for the full bound. A full-size buffer for
    // every snapshot would keep megabytes in each worker's heap.
    for (const size_t room : {plainSize / 16 + 64, ZSTD_compressBound(plainSize)}) {
        QByteArray data(1 + static_cast<qsizetype>(room), Qt::Uninitialized);
        const size_t written =
            ZSTD_compress(data.data() + 1, room, pixels.constData(), plainSize, CompressionLevel);
        if (ZSTD_isError(written))
            continue;
        data[0] = Compressed;
        data.truncate(1 + static_cast<qsizetype>(written));
        data_ = QByteArray(data.constData(), data.size()); // gives back the unused room
        return;
    }
    data_ = QByteArray(1, Plain) + QByteArray(pixels.constData(), pixels.size()); // kept, not lost
}

CompactImage CompactImage::fromBytes(QSize size, QImage::Format format, const QByteArray& bytes)
{
    CompactImage stored;
    stored.size_ = size;
    stored.format_ = format;
    stored.data_ = bytes;
    return stored;
}

QImage CompactImage::image() const
{
    if (isNull() || data_.isEmpty())
        return {};
    QImage image(size_, format_);
    if (image.isNull() || !decompressInto(image))
        return {};
    return image;
}

bool CompactImage::decompressInto(QImage& image) const
{
    if (data_.isEmpty() || image.size() != size_ || image.format() != format_)
        return false;
    const char* body = data_.constData() + 1;
    const auto bodySize = static_cast<size_t>(data_.size() - 1);
    const qsizetype line = static_cast<qsizetype>(image.width()) * image.depth() / 8;
    const auto plainSize = static_cast<size_t>(line * image.height());
    if (data_.at(0) == Plain) {
        if (bodySize != plainSize)
            return false;
        unpackPixels(body, image);
    } else if (line == image.bytesPerLine()) {
        const size_t read = ZSTD_decompress(image.bits(), plainSize, body, bodySize);
        if (ZSTD_isError(read) || read != plainSize)
            return false;
    } else {
        QByteArray pixels(static_cast<qsizetype>(plainSize), Qt::Uninitialized);
        const size_t read = ZSTD_decompress(pixels.data(), plainSize, body, bodySize);
        if (ZSTD_isError(read) || read != plainSize)
            return false;
        unpackPixels(pixels.constData(), image);
    }
    return true;
}

} // namespace toolkit
