// Damaged and hostile input: activity files, language files, theme folders
// and the drawings folder. Every case must end in a defined state, quickly,
// with nothing lost; docs/bad-input.md lists what the player does for each.

#include "gamefixture.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

namespace {

// The longest a handler may take. Sanitizers slow everything several times.
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 HandlerMs = 1000;
#else
constexpr qint64 HandlerMs = 100;
#endif

template <class Step> qint64 millisecondsOf(Step step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    return timer.elapsed();
}

QByteArray utf16(const QString& text, bool littleEndian)
{
    QByteArray bytes = littleEndian ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
    for (const QChar c : text) {
        const char low = char(c.unicode() & 0xFF), high = char(c.unicode() >> 8);
        bytes += littleEndian ? low : high;
        bytes += littleEndian ? high : low;
    }
    return bytes;
}

} // namespace

class BadActivityTest : public GameTest
{
protected:
    // Reads `content` as activity 1 of a theme, as a theme choice does.
    qint64 load(const QByteArray& content)
    {
        writeFile("actividades/tema/1.txt", content);
        form->themeFolder = path("actividades/tema");
        form->activityFile = path("actividades/tema/1.txt");
        return millisecondsOf([&] {
            form->loadActivity();
            form->nextDot = 0;
        });
    }

    // Clicks every record in turn and drags across the canvas; each handler
    // must answer in time.
    void playThrough()
    {
        for (int i = 0; i <= form->dotCount && i < player::Form1::MaxDots; ++i) {
            const float x = float(form->dotX[i]), y = float(form->dotY[i]);
            EXPECT_LT(millisecondsOf([&] { form->Picture1_MouseDown(1, 0, x, y); }), HandlerMs)
                << "click on record " << i;
            EXPECT_LT(millisecondsOf([&] { form->Picture1_MouseMove(1, 0, 3000, 2000); }),
                      HandlerMs)
                << "move after record " << i;
            form->Picture1_MouseUp(1, 0, 3000, 2000);
        }
    }
};

TEST_F(BadActivityTest, ADotFarOffTheCanvasIsJoinedWithoutOverflowOrDelay)
{
    // Found by fuzzing: a click on the first dot drew a rubber line and then
    // a segment a billion twips long, counting bands past int's range.
    for (const QByteArray& file : {QByteArray("\n\n\n9\n\n1,0,0,\n,9999999,5000000,\n"),
                                   QByteArray("\n\n\n9\n\n1,0,0,\n2,9999999,5000000,\n3,0,0,\n")}) {
        EXPECT_LT(load(file), HandlerMs);
        ASSERT_GE(form->dotCount, 2);
        EXPECT_LT(millisecondsOf([&] { form->Picture1_MouseDown(1, 0, 0, 0); }), HandlerMs);
        EXPECT_LT(millisecondsOf([&] { form->Picture1_MouseMove(0, 0, 100, 100); }), HandlerMs);
        playThrough();
        EXPECT_TRUE(form->dotsJoined);
    }
}

TEST_F(BadActivityTest, HugeFilesAndLinesAreReadOnlyAsFarAsTheyAreUsed)
{
    QByteArray manyDots = activityText({});
    while (manyDots.size() < 10 * 1024 * 1024)
        manyDots += "1,100,100,0,0,0,\r\n";
    EXPECT_LT(load(manyDots), HandlerMs);
    EXPECT_EQ(form->dotCount, 151);

    // A long label is cut; a line of 10 MB is cut before its fields, so the
    // dot counts but keeps its earlier values, and nothing after it is read.
    load(activityText({QString(500, '7') + ",300,300,0,0,0,", "2,600,600,0,0,0,"}));
    EXPECT_EQ(form->dotCount, 2);
    EXPECT_EQ(form->dotLabel[0], QString(100, '7'));
    EXPECT_EQ(form->dotX[0], 300);
    EXPECT_LT(load(activityText(
                  {QString(10 * 1024 * 1024, '7') + ",900,900,0,0,0,", "2,600,600,0,0,0,"})),
              HandlerMs);
    EXPECT_EQ(form->dotCount, 1);
    EXPECT_EQ(form->dotX[0], 300);

    // Ten megabytes of line ends before the dots: nothing past the first
    // megabyte is read, so no dot is found.
    EXPECT_LT(load(activityText({}) + QByteArray(10 * 1024 * 1024, '\n') + "1,1,1,0,0,0,\r\n"),
              HandlerMs);
    EXPECT_EQ(form->dotCount, 0);
    expectUsableDotTable();
}

TEST_F(BadActivityTest, Utf16WithAByteOrderMarkReadsLikeEightBitText)
{
    const QString text = QString::fromLatin1(
        activityText({"1,3000,1500,255,0,0,", "2,6000,1500,0,0,0,"}, "SI", 200));
    for (const bool little : {true, false}) {
        load(utf16(text, little));
        ASSERT_EQ(form->dotCount, 2);
        EXPECT_EQ(form->hitRadius, 200);
        EXPECT_EQ(form->dotLabel[1], "2");
        EXPECT_EQ(form->dotX[1], 6000);
        EXPECT_EQ(form->dotRed[0], 255);
    }
}

TEST_F(BadActivityTest, NumbersPastTheRangeOfADoubleReadAsHugeAndAreClamped)
{
    const QString digits(310, '9');
    load(activityText({"1," + digits + ",-" + digits + "," + digits + ",0,0,"}));
    ASSERT_EQ(form->dotCount, 1);
    EXPECT_EQ(form->dotX[0], 1e9);
    EXPECT_EQ(form->dotY[0], -1e9);
    EXPECT_EQ(form->dotRed[0], 255);
}
