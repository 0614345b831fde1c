// The drawing settings without a window: the mirrors.

#include "drawingsettings.h"

#include <QPointF>
#include <gtest/gtest.h>
#include <vector>

using editor::DrawingSettings;
using Symmetry = DrawingSettings::Symmetry;

// Each mirror switched on gives one copy round the centre, in the order
// left-right, top-bottom, centre, whatever order they were switched on in.
TEST(DrawingSettings, MirrorsGiveTheirCopiesRoundTheCentre)
{
    DrawingSettings s;
    s.chooseGrid(50, {1200, 600});
    s.setMirror(Symmetry::Centre, true);
    s.setMirror(Symmetry::LeftRight, true);
    std::vector<QPointF> copies;
    s.withMirrors(
        [&](bool x, bool y) { copies.emplace_back(s.mirroredX(100, x), s.mirroredY(50, y)); });
    EXPECT_EQ(copies, (std::vector<QPointF>{{100, 50}, {1100, 50}, {1100, 550}}));
    s.clearMirrors();
    EXPECT_FALSE(s.mirrored(Symmetry::LeftRight) || s.mirrored(Symmetry::Centre));
}
