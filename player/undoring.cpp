#include "undoring.h"

namespace player {

void UndoRing::keep(const QImage& picture)
{
    slots_[static_cast<size_t>(slot_)].setPicture(picture);
    slot_ = (slot_ + 1) % Slots;
}

QImage UndoRing::stepBack()
{
    slot_ = (slot_ + Slots - 1) % Slots;
    return picture(slot_);
}

} // namespace player
