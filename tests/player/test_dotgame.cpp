#include "dotgame.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using player::DotGame;

// The game alone, read from an activity whose dots lie 200 twips round.
class DotGameTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    DotGame game;

    void read(const QStringList& dots)
    {
        QFile file(dir.filePath("1.txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(("1\r\n1\r\nNO\r\n200\r\n12\r\n" + dots.join("\r\n") + "\r\n").toLatin1());
        file.close();
        ASSERT_TRUE(game.read(file.fileName(), 1, 1));
        game.start();
    }
};

TEST_F(DotGameTest, EachClickTellsWhatItJoinedAndCountsTheMisses)
{
    // A triangle closed back to 1; the click on 4 closes it and ends the list.
    read({"1,0,0,", "2,3000,0,", "3,3000,3000,", ",0,0,", "4,0,6000,"});
    const struct
    {
        float x, y;
        bool hit;
        QString label;
        std::vector<std::pair<int, int>> joins;
        bool completed;
        int misses;
    } steps[] = {
        {0, 0, true, "1", {}, false, 0},
        {9000, 0, false, "2", {}, false, 1},
        {9000, 0, false, "2", {}, false, 2},
        {3000, 0, true, "2", {{0, 1}}, false, 0},
        {3000, 3000, true, "3", {{1, 2}}, false, 0},
        {0, 6000, true, "4", {{2, 3}}, true, 0},
        {0, 0, false, "", {}, false, 0},
    };
    for (const auto& step : steps) {
        const DotGame::Click click = game.click(step.x, step.y);
        std::vector<std::pair<int, int>> joins;
        for (const DotGame::Segment& segment : click.joins)
            joins.emplace_back(segment.from, segment.to);
        EXPECT_EQ(click.hit, step.hit) << step.x << "," << step.y;
        EXPECT_EQ(click.label, step.label);
        EXPECT_EQ(joins, step.joins);
        EXPECT_EQ(click.completed, step.completed);
        EXPECT_EQ(game.missesInARow(), step.misses);
    }
    EXPECT_TRUE(game.joined());
    EXPECT_EQ(game.expectedRecord(), -1);
}

TEST_F(DotGameTest, ALabelBackOnItsFiguresStartIsPrintedOnce)
{
    read({"1,0,0,", "2,3000,0,", ",0,0,", "3,0,6000,", "4,0,0,"});
    for (int i = 0; i < game.count(); ++i)
        EXPECT_EQ(game.labelPrinted(i), i != 2 && i != 4) << i;
    EXPECT_EQ(game.labelAnchor(), 4);
}

// How far a press reaches: the circle round each dot beside the square, the
// snap to the dot expected unless another dot is nearer, and a slide that
// joins what it passes and never misses.
TEST_F(DotGameTest, CircleSnapAndSlideReachTheDotExpected)
{
    read({"1,0,0,", "2,3000,0,", "3,3000,1000,", "4,6000,6000,", "5,9000,0,"});
    const struct
    {
        DotGame::Reach reach;
        bool slide;
        float x, y;
        bool hit;
        int misses;
    } steps[] = {
        {{}, false, 150, 150, true, 0},         // 1, inside the square
        {{}, false, 3000, 250, false, 1},       // beside 2's square
        {{300, 0}, false, 3000, 250, true, 0},  // within 2's circle
        {{0, 900}, false, 3000, 400, false, 1}, // near 3, but nearer 2
        {{0, 900}, false, 2400, 1500, true, 0}, // near 3, and nearest it
        {{0, 900}, true, 5500, 5500, false, 0}, // a slide neither snaps nor misses
        {{}, true, 6100, 6100, true, 0},        // 4, and 5 is the last record
    };
    for (const auto& step : steps) {
        game.setReach(step.reach);
        const auto click = step.slide ? game.slide(step.x, step.y) : game.click(step.x, step.y);
        EXPECT_EQ(click.hit, step.hit) << step.x << "," << step.y;
        EXPECT_EQ(game.missesInARow(), step.misses) << step.x << "," << step.y;
    }
    EXPECT_TRUE(game.joined());
}
