#pragma once

#include "controls.h"

#include <QImage>
#include <array>

namespace player {

// The colouring's undo: the canvas as it was before each of the last four
// strokes of the fill, line and pen tools, kept round a ring. Pictures are
// parked compressed, as old school computers have little memory.
class UndoRing
{
public:
    static constexpr int Slots = 4;

    // Keeps `picture` in the current slot, over the oldest, and moves on.
    void keep(const QImage& picture);
    // Moves back a slot, round the ring, and gives what it holds: null when
    // it was never written.
    QImage stepBack();

    int slot() const { return slot_; }
    QImage picture(int slot) const { return slots_.at(static_cast<size_t>(slot)).Picture(); }

private:
    std::array<toolkit::ImageHolder, Slots> slots_;
    int slot_ = 0;
};

} // namespace player
