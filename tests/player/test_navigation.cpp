#include "playerfixture.h"

using player::PlayerWindow;

// Choosing themes and walking their activities with forward and back.
class NavigationTest : public PlayerTest
{
protected:
    // A theme whose activity n has n dots in a row, so dotCount tells which
    // activity is shown.
    void makeTheme(const QString& theme, std::initializer_list<int> numbers)
    {
        for (int n : numbers) {
            QStringList dots;
            for (int i = 0; i < n; ++i)
                dots << QStringLiteral("%1,%2,1000,0,0,0,").arg(i + 1).arg(1000 + 1000 * i);
            writeActivity(theme, n, dots);
        }
    }

    int shown() const { return game().count(); }
    QStringList soundsSinceStart() const { return platform.soundNames(); }
};

TEST_F(NavigationTest, ForwardAndBackWrapRoundAnUnbrokenRun)
{
    makeTheme("a", {1, 2, 3});
    PlayerWindow& f = startPlayer();
    f.chooseTheme();
    EXPECT_EQ(shown(), 1);
    f.goForward();
    f.goForward();
    EXPECT_EQ(shown(), 3);
    f.goForward();
    EXPECT_EQ(shown(), 1); // forward from 3 shows 1
    f.goBack();
    EXPECT_EQ(shown(), 3); // back from 1 shows 3
    f.goBack();
    f.goBack();
    EXPECT_EQ(shown(), 1); // back from 2 shows 1
    EXPECT_EQ(places().activity(0), 1);
    EXPECT_EQ(soundsSinceStart(),
              QStringList({"combo.wav", "adelante.wav", "adelante.wav", "adelante.wav", "atras.wav",
                           "atras.wav", "atras.wav"}));
}

TEST_F(NavigationTest, AGapEndsTheRun)
{
    makeTheme("a", {1, 2, 4});
    PlayerWindow& f = startPlayer();
    f.chooseTheme();
    f.goForward();
    EXPECT_EQ(shown(), 2);
    f.goForward();
    EXPECT_EQ(shown(), 1); // forward from 2 shows 1
    f.goBack();
    EXPECT_EQ(shown(), 2); // back from 1 shows 2
}

// A link in a shared theme (perhaps to a teacher's file) is never read:
// forward and back pass over it.
TEST_F(NavigationTest, ALinkedActivityIsPassedOver)
{
    makeTheme("a", {1, 3});
    writeFile("secreto.txt", activityText({"1,1,1,0,0,0,", "2,2,2,0,0,0,"}));
    ASSERT_TRUE(QFile::link(path("secreto.txt"), path("actividades/a/2.txt")));
    PlayerWindow& f = startPlayer();
    f.chooseTheme();
    f.goForward();
    EXPECT_EQ(shown(), 3);
    f.goBack();
    EXPECT_EQ(shown(), 1);
    f.goBack();
    EXPECT_EQ(shown(), 3);
}

TEST_F(NavigationTest, ForwardRightAfterStartUpShowsActivityTwo)
{
    makeTheme("a", {1, 2});
    PlayerWindow& f = startPlayer();
    f.goForward();
    EXPECT_EQ(shown(), 2);
    EXPECT_EQ(game().file(), path("actividades/a/2.txt"));
}

TEST_F(NavigationTest, EachThemeRemembersItsActivity)
{
    makeTheme("a", {1, 2, 3});
    makeTheme("b", {1, 2});
    PlayerWindow& f = startPlayer();
    f.chooseTheme();
    f.goForward();
    f.goForward();
    themeList()->setListIndex(1);
    f.chooseTheme();
    EXPECT_EQ(shown(), 1);
    themeList()->setListIndex(0);
    f.chooseTheme();
    EXPECT_EQ(shown(), 3);
    EXPECT_EQ(places().folder(), path("actividades/a"));
}

TEST_F(NavigationTest, ARemovedActivityOpensAtTheOneBelow)
{
    makeTheme("a", {1, 2, 3});
    makeTheme("b", {1});
    PlayerWindow& f = startPlayer();
    f.chooseTheme();
    f.goForward();
    f.goForward();
    themeList()->setListIndex(1);
    f.chooseTheme();
    QFile::remove(path("actividades/a/3.txt"));
    themeList()->setListIndex(0);
    f.chooseTheme();
    EXPECT_EQ(shown(), 2);
}

TEST_F(NavigationTest, NamesMatchIgnoringCase)
{
    makeTheme("a", {1, 2});
    writeFile("actividades/a/3.TXT",
              activityText({"1,1,1,0,0,0,", "2,2,2,0,0,0,", "3,3,3,0,0,0,"}));
    PlayerWindow& f = startPlayer();
    f.chooseTheme();
    f.goBack();
    EXPECT_EQ(shown(), 3);
    EXPECT_EQ(game().file(), path("actividades/a/3.TXT"));
}

TEST_F(NavigationTest, AThemeWithoutActivityOneIsInert)
{
    makeTheme("a", {2, 3});
    PlayerWindow& f = startPlayer();
    f.chooseTheme();
    EXPECT_EQ(places().activity(0), 0);
    EXPECT_EQ(shown(), 0);
    f.pressOnCanvas(1, 0, 0, 0);
    EXPECT_FALSE(game().joined());
    EXPECT_EQ(game().nextDot(), 0);
}

TEST_F(NavigationTest, LoadingClearsTheCanvasAndLocksTheTools)
{
    makeTheme("a", {1, 2});
    PlayerWindow& f = startPlayer();
    f.chooseTheme();
    clickAt(1000, 1000); // joined: the tools are free
    f.chooseTool(Tool::EarlierDrawings);
    ASSERT_TRUE(form->gallery().primed());
    canvas()->AutoRedraw = true;
    canvas()->Line(0, 3000, 10000, 3000, toolkit::RGB(255, 0, 0));
    canvas()->AutoRedraw = false;
    f.goForward();
    EXPECT_EQ(canvasPixel(300, 200), toolkit::vbWhite);
    EXPECT_FALSE(game().joined());
    EXPECT_FALSE(form->gallery().primed());
    EXPECT_EQ(game().nextDot(), 0);
    for (int i = 0; i < 8; ++i)
        EXPECT_FALSE(toolButton(Tool(i))->isEnabled());
}

TEST_F(NavigationTest, NumbersBeforeFinishingRedrawsTheLabelsAndKeepsTheGame)
{
    makeTheme("a", {3});
    writeActivity("a", 1,
                  {"1,3000,3000,255,0,0,", "2,6000,3000,255,0,0,", "3,6000,6000,255,0,0,",
                   "4,3000,6000,255,0,0,"});
    PlayerWindow& f = startPlayer();
    f.chooseTheme();
    clickAt(3000, 3000);
    clickAt(6000, 3000);
    canvas()->AutoRedraw = true;
    canvas()->Line(0, 1500, 10000, 1500, toolkit::RGB(0, 0, 255));
    canvas()->AutoRedraw = false;
    f.showNumbers();
    EXPECT_EQ(platform.soundNames().last(), "numero.wav");
    EXPECT_EQ(canvasPixel(300, 100), toolkit::vbWhite); // the segment is gone
    EXPECT_EQ(game().nextDot(), 2);
    EXPECT_EQ(game().count(), 4);
}

TEST_F(NavigationTest, NumbersAfterFinishingShowsTheBareOutline)
{
    makeTheme("a", {3});
    writeActivity("a", 1, {"1,3000,3000,255,0,0,", "2,6000,3000,255,0,0,", "3,6000,6000,255,0,0,"});
    PlayerWindow& f = startPlayer();
    f.chooseTheme();
    clickAt(3000, 3000);
    clickAt(6000, 3000); // joined
    joinedOutline()->Line(3000, 3000, 6000, 3000, toolkit::RGB(0, 0, 255));
    const int soundsBefore = platform.sounds.size();
    f.showNumbers();
    EXPECT_EQ(platform.sounds.size(), soundsBefore);
    EXPECT_EQ(canvasPixel(300, 200), toolkit::RGB(0, 0, 255));
    EXPECT_EQ(canvas()->Image(), joinedOutline()->Image());
}

TEST_F(NavigationTest, FinishedDrawingsGoToTheGalleryBeforeTheCanvasIsCleared)
{
    makeTheme("a", {1, 2});
    PlayerWindow& f = startPlayer();
    f.chooseTheme();
    f.goForward(); // not finished: nothing stored
    EXPECT_EQ(form->gallery().slot(), 0);
    clickAt(1000, 1000); // joined
    canvas()->AutoRedraw = true;
    canvas()->Line(0, 3000, 10000, 3000, toolkit::RGB(255, 0, 0));
    canvas()->AutoRedraw = false;
    f.goForward();
    EXPECT_EQ(form->gallery().slot(), 1);
    EXPECT_EQ(form->gallery().count(), 1);
    EXPECT_EQ(toolkit::fromQRgb(form->gallery().picture(0).pixel(300, 200)),
              toolkit::RGB(255, 0, 0));
}
