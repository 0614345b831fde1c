// Each page's undo ring without a window.

#include "undorings.h"

#include <QImage>
#include <gtest/gtest.h>

using editor::UndoRings;

namespace {

QImage grey(int level)
{
    QImage image(1, 1, QImage::Format_RGB32);
    image.fill(qRgb(level, level, level));
    return image;
}

} // namespace

// Nine snapshots: the newest seven come back newest first, then nothing,
// never the newest again; another page's ring is its own.
TEST(UndoRings, PagesGoBackThroughTheirSevenNewestSnapshots)
{
    UndoRings rings(2);
    for (int level = 1; level <= 9; ++level)
        rings.push(0, grey(level));
    rings.push(1, grey(100));
    for (int level = 9; level >= 3; --level)
        EXPECT_EQ(qRed(rings.takeBack(0).pixel(0, 0)), level);
    EXPECT_TRUE(rings.takeBack(0).isNull());
    EXPECT_EQ(qRed(rings.takeBack(1).pixel(0, 0)), 100);
}

// A dot step comes back only with the snapshot taken for it: not with a
// later line's, nor with another page's.
TEST(UndoRings, DotStepsComeBackWithTheirOwnSnapshot)
{
    UndoRings rings(2);
    rings.push(0, grey(1));
    rings.rememberDotStep({{14}, {}, {}});
    rings.push(0, grey(2));
    rings.push(1, grey(3));
    for (int page : {1, 0}) {
        rings.takeBack(page);
        EXPECT_FALSE(rings.takeBackDotStep(page)) << page;
    }
    rings.takeBack(0);
    const auto step = rings.takeBackDotStep(0);
    ASSERT_TRUE(step);
    EXPECT_EQ(step->next.number, 14);
    EXPECT_FALSE(rings.takeBackDotStep(0)); // given up once taken back
}
