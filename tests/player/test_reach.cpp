#include "anybutton.h"
#include "dwellring.h"
#include "gamefixture.h"
#include "reach.h"

#include <QCoreApplication>
#include <QMouseEvent>

using player::ScreenReach;

// At the fake screen's 4 pixels a millimetre, a millimetre is 60 twips.
TEST(ScreenReach, TurnsTheLabsMillimetresIntoTwips)
{
    const struct
    {
        bool whiteboard;
        int target, snap, hitRadius;
        double pixelsPerMm, circle, snapTwips;
    } cases[] = {
        {false, 0, 0, 250, 4, 0, 0},     {false, 10, 0, 250, 4, 300, 0},
        {true, 0, 0, 100, 4, 270, 0},    {true, 0, 0, 400, 4, 630, 0},
        {true, 20, 5, 100, 4, 600, 300}, {false, 0, 5, 250, 8, 0, 600},
        {true, 10, 5, 100, 0, 180, 0},   {false, 10, 5, 100, -1, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.whiteboard << " " << c.target << " " << c.snap << " " << c.pixelsPerMm);
        toolkit::LabSettings::Reach settings;
        settings.whiteboard = c.whiteboard;
        settings.targetMillimetres = c.target;
        settings.snapMillimetres = c.snap;
        const auto reach = ScreenReach(c.pixelsPerMm, 15).reach(settings, c.hitRadius);
        EXPECT_DOUBLE_EQ(reach.circle, c.circle);
        EXPECT_DOUBLE_EQ(reach.snap, c.snapTwips);
    }
}

// "atraer=5" is 300 twips; dot 3, not expected yet, lies 500 twips right of dot 1.
TEST_F(GameTest, ASnapJoinsWithinItsReachUnlessAWrongDotIsNearer)
{
    const struct
    {
        double dx, dy;
        bool hit;
    } cases[] = {{0, 300, true}, {0, 301, false}, {-290, 0, true}, {290, 0, false}};
    form->lab.reach.snapMillimetres = 5;
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.dx << "," << c.dy);
        setDots({{"1", 1500, 1500}, {"2", 4500, 1500}, {"3", 2000, 1500}, {"4", 4500, 4500}});
        EXPECT_DOUBLE_EQ(game().reach().snap, 300);
        clickAt(1500 + c.dx, 1500 + c.dy);
        EXPECT_EQ(game().nextDot(), c.hit ? 1 : 0);
    }
}

// d: rest on the dot expected, e: on its edge, o: off it; w: 999 ms pass, t: 1 ms.
TEST_F(GameTest, RestingOnTheDotExpectedJoinsItAfterItsTimeAndNotBefore)
{
    const struct
    {
        const char* steps;
        int joined;
        bool ringShown;
    } cases[] = {{"dw", 0, true},      {"dwt", 1, false},        {"dwet", 1, false},
                 {"dwodt", 0, true},   {"dwo", 0, false},        {"dwtwt", 1, false},
                 {"dwtdwt", 2, false}, {"dwtdwtdwtdw", 3, false}};
    form->lab.hintSeconds = 0;
    form->lab.reach.dwellMilliseconds = 1000;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.steps);
        setDots({{"1", 1500, 1500}, {"2", 4500, 1500}, {"3", 4500, 4500}, {"4", 1500, 4500}});
        platform.sounds.clear();
        for (char step : std::string(c.steps)) {
            const int record = std::max(0, game().expectedRecord());
            const double x = game().dot(record).x, y = game().dot(record).y;
            const std::map<char, std::function<void()>> act = {
                {'d', [&] { moveTo(x, y); }},
                {'e', [&] { moveTo(x + 150, y - 150); }},
                {'o', [&] { moveTo(x + 900, y); }},
                {'w', [&] { platform.advance(999); }},
                {'t', [&] { platform.advance(1); }}};
            act.at(step)();
        }
        EXPECT_EQ(game().nextDot(), c.joined);
        EXPECT_EQ(sounds().count("acierto.wav"), std::min(c.joined, 2));
        EXPECT_EQ(findControl<player::DwellRing>(*form, "dwellRing")->isVisibleTo(form.get()),
                  c.ringShown);
        EXPECT_EQ(platform.runningTickers(), c.ringShown ? 2 : 0);
    }
}

TEST_F(GameTest, AnyButtonMakesARightOrMiddleClickPressAButton)
{
    const struct
    {
        bool anyButton;
        Qt::MouseButton button;
        int width;
    } cases[] = {{false, Qt::RightButton, 1},
                 {true, Qt::RightButton, 5},
                 {true, Qt::MiddleButton, 5},
                 {true, Qt::LeftButton, 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.anyButton << " " << c.button);
        form->chooseWidth(1);
        player::AnyButtonIsLeft filter;
        if (c.anyButton)
            QCoreApplication::instance()->installEventFilter(&filter);
        const QPointF at(5, 5);
        for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, widthButton(4)->mapToGlobal(at), c.button,
                              type == QEvent::MouseButtonPress ? c.button : Qt::NoButton,
                              Qt::NoModifier);
            QCoreApplication::sendEvent(widthButton(4), &event);
        }
        EXPECT_EQ(canvas()->DrawWidth, c.width);
    }
}

TEST_F(GameTest, SilentMissesBuzzNotButStillBringTheHint)
{
    for (bool silent : {false, true}) {
        SCOPED_TRACE(silent);
        form->lab.reach.silentMisses = silent;
        setDots({{"1", 1500, 1500}, {"2", 4500, 1500}, {"3", 4500, 4500}});
        platform.sounds.clear();
        for (int miss = 0; miss < 3; ++miss)
            clickAt(9000, 8000);
        EXPECT_EQ(sounds().count("error.wav"), silent ? 0 : 3);
        EXPECT_TRUE(hintRing()->isVisibleTo(form.get()));
    }
}
