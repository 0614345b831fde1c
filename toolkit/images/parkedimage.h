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
//
// A picture likely to be wanted soon can be held instead (kept whole), and
// a parked one fetched back whole in the background before it is wanted:
// reading a held picture costs nothing, reading a compressed one a few
// milliseconds of decompression.
class ParkedImage
{
public:
    ParkedImage() = default;
    ParkedImage(const QImage& image) { park(image); } // NOLINT: a picture converts

    void park(const QImage& image);
    void hold(const QImage& image);
    // Compresses what is held, in the background, and lets the pixels go.
    void park();
    // Brings the pixels back on a worker thread and keeps them until park().
    void prefetch();

    QImage image() const;
    bool isNull() const;

    // The compressed form (compresses or waits for the worker when needed).
    CompactImage compact() const;
    // Bytes held once compressed.
    qsizetype byteSize() const { return compact().byteSize(); }

private:
    struct State;
    std::shared_ptr<State> state_;
};

} // namespace toolkit
