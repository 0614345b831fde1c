#pragma once

#include "controls.h"

#include <QImage>
#include <array>

namespace player {

// The drawings the child finished earlier in the session, the newest over
// the oldest once 25 are kept. Pictures are parked compressed, as old school
// computers have little memory.
class GalleryRing
{
public:
    static constexpr int Slots = 25;

    // Keeps a finished drawing in the current slot and moves on.
    void store(const QImage& picture);
    // Keeps the drawing shown, once an activity, before the first step back.
    void keepShown(const QImage& shown);
    // The drawing before the one shown, round the ring.
    QImage stepBack();
    // A new activity is shown: its drawing is not kept yet.
    void newActivity() { primed_ = false; }

    int slot() const { return slot_; }
    int count() const { return count_; }
    // Whether the drawing of the activity shown is kept already.
    bool primed() const { return primed_; }
    QImage picture(int slot) const { return slots_.at(static_cast<size_t>(slot)).Picture(); }

private:
    std::array<toolkit::ImageHolder, Slots> slots_;
    int slot_ = 0;  // 0..24
    int count_ = 0; // 0..25
    bool primed_ = false;
};

} // namespace player
