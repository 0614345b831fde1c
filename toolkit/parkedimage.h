#pragma once

#include "compactimage.h"

#include <QImage>
#include <memory>

namespace toolkit {

// A picture put aside for a while: an undo snapshot, a page nobody looks at.
// Parking takes the picture at once (a shallow copy, no pixels move) and
// compresses it on a worker thread, so the hand that draws never waits for
// zstd. Reading it back gives the same picture whether or not the
// compression has finished. Copies share what they hold.
class ParkedImage
{
public:
    ParkedImage() = default;
    ParkedImage(const QImage& image) { park(image); } // NOLINT: a picture converts

    void park(const QImage& image);
    QImage image() const;
    bool isNull() const;

    // The compressed form, once the worker has made it (waits for it).
    CompactImage compact() const;
    // Bytes held once compressed (waits for the compression).
    qsizetype byteSize() const { return compact().byteSize(); }

private:
    struct State;
    std::shared_ptr<State> state_;
};

} // namespace toolkit
