#pragma once

#include <QByteArray>
#include <QImage>

namespace toolkit {

// A picture kept compressed (zstd) while nobody looks at it. Drawings are
// mostly flat colour, so a full-screen canvas of 8 MB usually shrinks to a
// few tens of kilobytes; the rings of snapshots and the hidden pages hold
// their pictures this way. Storing and reading back take a few milliseconds
// at 1920 x 1080.
class CompactImage
{
public:
    CompactImage() = default;
    CompactImage(const QImage& image) { store(image); } // NOLINT: a picture converts

    void store(const QImage& image);
    // The picture as stored; a null image when nothing is stored.
    QImage image() const;
    // The same into `image`, already made with size() and format(), so that
    // another thread can fill pixels allocated where they will be used.
    // False, with the pixels undefined, when the stored form is damaged.
    bool decompressInto(QImage& image) const;
    bool isNull() const { return format_ == QImage::Format_Invalid; }
    // Bytes held, compressed.
    qsizetype byteSize() const { return data_.size(); }

    // The stored form, for keeping the picture in a file, and back. Bytes
    // from a file are checked when read: image() is null unless they give
    // exactly `size` pixels of `format`, so check the size before asking.
    QByteArray bytes() const { return data_; }
    QSize size() const { return size_; }
    QImage::Format format() const { return format_; }
    static CompactImage fromBytes(QSize size, QImage::Format format, const QByteArray& bytes);

private:
    QByteArray data_;
    QSize size_;
    QImage::Format format_ = QImage::Format_Invalid;
};

} // namespace toolkit
