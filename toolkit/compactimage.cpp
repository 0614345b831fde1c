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
    QByteArray data(1 + static_cast<qsizetype>(ZSTD_compressBound(plainSize)), Qt::Uninitialized);
    const size_t written = ZSTD_compress(data.data() + 1, static_cast<size_t>(data.size() - 1),
                                         pixels.constData(), plainSize, CompressionLevel);
    if (ZSTD_isError(written)) {
        // Kept plain rather than lost.
        data_ = QByteArray(1, Plain) + QByteArray(pixels.constData(), pixels.size());
        return;
    }
    data[0] = Compressed;
    data.truncate(1 + static_cast<qsizetype>(written));
    data_ = QByteArray(data.constData(), data.size()); // gives back the unused bound
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
    if (image.isNull())
        return {};
    const char* body = data_.constData() + 1;
    const auto bodySize = static_cast<size_t>(data_.size() - 1);
    const qsizetype line = static_cast<qsizetype>(image.width()) * image.depth() / 8;
    const auto plainSize = static_cast<size_t>(line * image.height());
    if (data_.at(0) == Plain) {
        if (bodySize != plainSize)
            return {};
        unpackPixels(body, image);
    } else if (line == image.bytesPerLine()) {
        const size_t read = ZSTD_decompress(image.bits(), plainSize, body, bodySize);
        if (ZSTD_isError(read) || read != plainSize)
            return {};
    } else {
        QByteArray pixels(static_cast<qsizetype>(plainSize), Qt::Uninitialized);
        const size_t read = ZSTD_decompress(pixels.data(), plainSize, body, bodySize);
        if (ZSTD_isError(read) || read != plainSize)
            return {};
        unpackPixels(pixels.constData(), image);
    }
    return image;
}

} // namespace toolkit
