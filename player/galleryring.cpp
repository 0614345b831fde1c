#include "galleryring.h"

#include <algorithm>

namespace player {

void GalleryRing::store(const QImage& picture)
{
    slots_[static_cast<size_t>(slot_)].setPicture(picture);
    slot_ += 1;
    if (slot_ == Slots)
        slot_ = 0;
    // Slot 0 after the last means every slot holds a drawing.
    count_ = std::max(count_, slot_ == 0 ? Slots : slot_);
}

void GalleryRing::keepShown(const QImage& shown)
{
    store(shown);
    primed_ = true;
}

QImage GalleryRing::stepBack()
{
    slot_ -= 1;
    if (slot_ == -1)
        slot_ = count_ - 1;
    return picture(slot_);
}

} // namespace player
