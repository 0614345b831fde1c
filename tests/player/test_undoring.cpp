#include "undoring.h"

#include <gtest/gtest.h>

namespace {

QImage marked(int n)
{
    QImage image(8, 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(n, 0, qRgb(255, 0, 0));
    return image;
}

} // namespace

TEST(UndoRing, FiveSnapshotsWrapRoundTheRingOfFour)
{
    player::UndoRing ring;
    for (int i = 0; i < 5; ++i)
        ring.keep(marked(i));
    EXPECT_EQ(ring.picture(0), marked(4));
    for (int slot = 1; slot < 4; ++slot)
        EXPECT_EQ(ring.picture(slot), marked(slot));
    EXPECT_EQ(ring.slot(), 1);
}

TEST(UndoRing, StepsBackRoundTheRingToSlotsNeverWritten)
{
    player::UndoRing ring;
    ring.keep(marked(0));
    EXPECT_EQ(ring.stepBack(), marked(0));
    EXPECT_TRUE(ring.stepBack().isNull());
    EXPECT_EQ(ring.slot(), 3);
}
