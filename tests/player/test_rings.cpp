// The player's two rings of pictures: the colouring's undo snapshots and
// the drawings finished earlier.

#include "galleryring.h"
#include "undoring.h"

#include <gtest/gtest.h>

namespace {

// A picture told apart from the others by one pixel at column n.
QImage drawing(int n)
{
    QImage image(30, 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(n, 1, qRgb(1, 2, 3));
    return image;
}

} // namespace

TEST(UndoRing, FiveSnapshotsWrapRoundTheRingOfFour)
{
    player::UndoRing ring;
    for (int i = 0; i < 5; ++i)
        ring.keep(drawing(i));
    EXPECT_EQ(ring.picture(0), drawing(4));
    for (int slot = 1; slot < 4; ++slot)
        EXPECT_EQ(ring.picture(slot), drawing(slot));
    EXPECT_EQ(ring.slot(), 1);
}

TEST(UndoRing, StepsBackRoundTheRingToSlotsNeverWritten)
{
    player::UndoRing ring;
    ring.keep(drawing(0));
    EXPECT_EQ(ring.stepBack(), drawing(0));
    EXPECT_TRUE(ring.stepBack().isNull());
    EXPECT_EQ(ring.slot(), 3);
}

// All 25 drawings can be stepped back to, the 25th too; the 26th takes the
// oldest's slot.
TEST(GalleryRing, KeepsTwentyFiveAndTheSlotWraps)
{
    player::GalleryRing gallery;
    for (int i = 0; i < 24; ++i)
        gallery.store(drawing(0));
    EXPECT_EQ(gallery.count(), 24);
    EXPECT_EQ(gallery.slot(), 24);
    gallery.store(drawing(2));
    EXPECT_EQ(gallery.count(), 25);
    EXPECT_EQ(gallery.slot(), 0);
    gallery.store(drawing(1)); // the 26th goes to slot 0
    EXPECT_EQ(gallery.slot(), 1);
    EXPECT_EQ(gallery.picture(0), drawing(1));
    EXPECT_EQ(gallery.stepBack(), drawing(1));
    EXPECT_EQ(gallery.stepBack(), drawing(2));
}

TEST(GalleryRing, StepsBackFromTheDrawingShownOnceKept)
{
    player::GalleryRing gallery;
    for (int n = 0; n < 3; ++n)
        gallery.store(drawing(n));
    gallery.keepShown(drawing(3));
    for (int expected : {3, 2, 1, 0, 3})
        EXPECT_EQ(gallery.stepBack(), drawing(expected));
    EXPECT_TRUE(gallery.primed());
    gallery.newActivity();
    EXPECT_FALSE(gallery.primed());
}
