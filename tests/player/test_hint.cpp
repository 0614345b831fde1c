#include "hintring.h"
#include "playerfixture.h"

#include <QDirIterator>

// The hint, driven through the fake platform's clock: a theme of two
// activities whose dots 1, 2, 3 lie in a row (4 ends the figure), with voices.
class HintTest : public PlayerTest
{
protected:
    void SetUp() override
    {
        PlayerTest::SetUp();
        for (int n : {1, 2})
            writeActivity("a", n,
                          {"1,1500,1500,0,0,128,", "2,4500,1500,0,0,128,", "3,7500,1500,0,0,128,",
                           "4,7500,4500,0,0,128,"});
        writeFile("sonidos/voz/2.wav", "RIFF");
        startPlayer().chooseTheme();
    }

    // w, W: 7.999 s, 8 s pass; r: the right dot; x: a miss; n, l, p, f: the
    // numbers button, a width button, the palette, forward.
    void run(const std::string& steps)
    {
        const std::map<char, std::function<void()>> act = {
            {'w', [&] { platform.advance(7999); }},
            {'W', [&] { platform.advance(8000); }},
            {'r', [&] { clickAt(game().dot(next()).x, game().dot(next()).y); }},
            {'x', [&] { clickAt(9000, 8000); }},
            {'n', [&] { form->showNumbers(); }},
            {'l', [&] { form->chooseWidth(5); }},
            {'p', [&] { form->pressOnPalette(1, 0, 100, 100); }},
            {'f', [&] { form->goForward(); }}};
        for (char step : steps)
            act.at(step)();
    }
    int next() const { return game().expectedRecord(); }
    QPoint ringCentre() const { return hintRing()->geometry().center(); }
};

TEST_F(HintTest, ShowsAfterEightQuietSecondsOrThreeMissesAndEndsAtAnyAction)
{
    const struct
    {
        const char* steps;
        int delay;
        bool shown;
    } cases[] = {
        {"w", 8, false},     {"W", 8, true},      {"wrW", 8, true}, {"wrw", 8, false},
        {"xxx", 8, true},    {"xxrxx", 8, false}, {"Wr", 8, false}, {"Wn", 8, false},
        {"Wl", 8, false},    {"Wp", 8, false},    {"Wf", 8, false}, {"WrrWr", 8, false},
        {"WWxxx", 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.steps);
        form->lab.hintSeconds = c.delay;
        form->chooseTheme();
        run(c.steps);
        EXPECT_EQ(hintRing()->isVisibleTo(form.get()), c.shown);
        EXPECT_TRUE(platform.runningTickers() == 0 || !(game().joined() || c.delay == 0));
    }
}

// The ring goes round the dot to click, in a colour of its own, pulses at
// under 30 frames a second, and the dot's number follows the third buzz.
TEST_F(HintTest, RingsTheNextDotAndSaysItsNumberOnce)
{
    run("rxx");
    platform.sounds.clear();
    run("x");
    EXPECT_EQ(platform.soundNames(), QStringList({"error.wav", "2.wav"}));
    EXPECT_EQ(ringCentre(), QPoint(4500 / 15, 1500 / 15));
    EXPECT_TRUE(hintRing()->colour() != Qt::white && hintRing()->colour() != Qt::darkBlue);
    platform.advance(1000);
    EXPECT_NE(hintRing()->frame(), 0);
    run("WW");
    EXPECT_TRUE(hintRing()->isVisibleTo(form.get()));
    EXPECT_EQ(platform.sounds.size(), 2);
}

// The ring is seen on screen but never lands in the picture: colouring,
// filling and saving give the very bytes they give without a hint.
TEST_F(HintTest, LeavesNoTraceInThePicture)
{
    const auto playAndSave = [this](bool withHints) {
        form->lab.hintSeconds = withHints ? 8 : 0;
        form->chooseTheme();
        while (!game().joined()) {
            platform.advance(9000);
            if (withHints) {
                const QImage screen = canvas()->grab().toImage();
                EXPECT_EQ(screen.pixelColor(ringCentre() - QPoint(0, 22)), hintRing()->colour());
            }
            run("r");
        }
        run("p");
        form->chooseTool(Tool::Fill);
        clickAt(3000, 3000);
        form->chooseTool(Tool::Save);
        QFile saved(QDirIterator(path("dibujosrealizados"), {"*.bmp"}).next());
        EXPECT_TRUE(saved.open(QIODevice::ReadOnly));
        const QByteArray bytes = saved.readAll();
        saved.remove();
        return std::make_pair(canvas()->Image(), bytes);
    };
    const auto plain = playAndSave(false);
    EXPECT_EQ(playAndSave(true), plain);
}
