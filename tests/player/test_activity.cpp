#include "playerfixture.h"

#include <QRandomGenerator>

using player::PlayerWindow;

// Reading activity files: the header, the dot lines, scaling and drawing.
class ActivityTest : public PlayerTest
{
protected:
    void SetUp() override
    {
        PlayerTest::SetUp();
        startPlayer();
    }

    // Reads `content` as the activity file, onto a cleared canvas.
    void read(const QByteArray& content)
    {
        writeFile("actividad.txt", content);
        canvas()->setBackColor(toolkit::vbWhite);
        form->openActivityFile(path("actividad.txt"));
    }

    // Whether the circle outline crosses the row of the centre, a pixel either
    // way of `radius` to the right of it, in blue.
    bool circleAt(int x, int y, int radius) const
    {
        for (int dx = radius - 1; dx <= radius + 1; ++dx)
            if (canvasPixel(x + dx, y) == toolkit::RGB(0, 0, 255))
                return true;
        return false;
    }

    // The colours found in the canvas's persistent image, within a square.
    QSet<int> coloursAround(double xTwips, double yTwips, int halfSide) const
    {
        QSet<int> colours;
        const QImage image = canvas()->Image();
        const int cx = int(xTwips / 15);
        const int cy = int(yTwips / 15);
        for (int y = cy - halfSide; y <= cy + halfSide; ++y)
            for (int x = cx - halfSide; x <= cx + halfSide; ++x)
                if (image.rect().contains(x, y))
                    colours.insert(toolkit::fromQRgb(image.pixel(x, y)));
        return colours;
    }
};

TEST_F(ActivityTest, HeaderGivesCirclesHitRadiusAndFontSize)
{
    read(activityText({"1,3000,3000,0,0,255,"}, "si", 200, "12,75"));
    EXPECT_EQ(game().hitRadius(), 200);
    EXPECT_EQ(game().labelFontSize(), 12.0);
    EXPECT_EQ(game().count(), 1);
    // A circle of radius 220 twips (about 15 pixels) in the dot colour.
    EXPECT_TRUE(circleAt(200, 200, 15));
    EXPECT_EQ(canvasPixel(200 + 18, 200), toolkit::vbWhite);
}

TEST_F(ActivityTest, CircleFlagMustBeExactlySiIgnoringCase)
{
    read(activityText({"1,3000,3000,0,0,255,"}, " SI", 200));
    EXPECT_FALSE(circleAt(200, 200, 15));
    read(activityText({"1,3000,3000,0,0,255,"}, "Si", 200));
    EXPECT_TRUE(circleAt(200, 200, 15));
}

TEST_F(ActivityTest, HitRadiusRoundsHalvesToEven)
{
    read(activityText({}, "NO", 0).replace(" 0 ", " 150.5 "));
    EXPECT_EQ(game().hitRadius(), 150);
    read(activityText({}, "NO", 0).replace(" 0 ", " 151.5 "));
    EXPECT_EQ(game().hitRadius(), 152);
}

TEST_F(ActivityTest, LabelIsPrintedInItsColourCentredOnTheDot)
{
    read(activityText({"5,1200,2400,255,0,0,"}));
    ASSERT_EQ(game().count(), 1);
    EXPECT_EQ(game().dot(0).label, "5");
    EXPECT_EQ(game().dot(0).x, 1200);
    EXPECT_EQ(game().dot(0).y, 2400);
    // The red pixels of the label sit round (80, 160), the dot in pixels.
    const QImage image = canvas()->Image();
    QRect red;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (toolkit::fromQRgb(image.pixel(x, y)) == toolkit::RGB(255, 0, 0))
                red |= QRect(x, y, 1, 1);
    ASSERT_FALSE(red.isEmpty());
    EXPECT_NEAR(red.center().x(), 80, 2);
    EXPECT_NEAR(red.center().y(), 160, 3);
    EXPECT_EQ(canvas()->ForeColor, toolkit::RGB(255, 0, 0));
}

TEST_F(ActivityTest, PositionsScaleWithTheScreenRoundingDown)
{
    player::scaleX = 1024.0f / 800.0f;
    player::scaleY = 768 / 600.0;
    read(activityText({"1,400,300,0,0,0,", "2,401,300,0,0,0,", "3,800,600,0,0,0,"}));
    EXPECT_EQ(game().dot(0).x, 511);
    EXPECT_EQ(game().dot(0).y, 384);
    EXPECT_EQ(game().dot(1).x, 513);
    EXPECT_EQ(game().dot(2).x, 1023);
    EXPECT_EQ(game().dot(2).y, 768);
}

TEST_F(ActivityTest, EmptyLinesAnywhereAreSkipped)
{
    const QStringList dots = {"1,100,100,0,0,0,", "2,200,200,0,0,0,"};
    read(activityText({"", dots[0], "", "", dots[1], ""}));
    EXPECT_EQ(game().count(), 2);
    EXPECT_EQ(game().dot(1).label, "2");
    EXPECT_EQ(game().dot(1).x, 200);
}

TEST_F(ActivityTest, ARepeatedPositionPrintsItsLabelOnceAndBecomesTheAnchor)
{
    read(activityText({"1,3000,3000,0,0,0,", "2,6000,3000,0,0,0,", "3,6000,6000,0,0,0,",
                       "4,3000,3000,255,0,0,"}));
    EXPECT_EQ(game().count(), 4);
    EXPECT_EQ(game().labelAnchor(), 3);
    // Only the black "1" is at dot 0, no red "4" printed over it.
    EXPECT_FALSE(coloursAround(3000, 3000, 12).contains(toolkit::RGB(255, 0, 0)));
    EXPECT_TRUE(coloursAround(3000, 3000, 12).contains(toolkit::vbBlack));
}

TEST_F(ActivityTest, ALineStartingWithACommaHasAnEmptyLabelAndStillCounts)
{
    read(activityText({"1,3000,3000,0,0,0,", ",6000,3000,255,0,0,"}));
    EXPECT_EQ(game().count(), 2);
    EXPECT_TRUE(game().dot(1).label.isEmpty());
    EXPECT_EQ(game().dot(1).x, 6000);
    EXPECT_FALSE(coloursAround(6000, 3000, 15).contains(toolkit::RGB(255, 0, 0)));
}

TEST_F(ActivityTest, MissingFieldsKeepWhatTheTableHeldBefore)
{
    read(activityText({"1,100,200,10,20,30,", "2,300,400,40,50,60,"}));
    read(activityText({"7,900,", "8,500,600,70,80,90"}));
    EXPECT_EQ(game().count(), 2);
    EXPECT_EQ(game().dot(0).label, "7");
    EXPECT_EQ(game().dot(0).x, 900);
    EXPECT_EQ(game().dot(0).y, 200); // kept
    EXPECT_EQ(game().dot(0).red, 10);
    // Without the trailing comma the blue field cannot be cut.
    EXPECT_EQ(game().dot(1).green, 80);
    EXPECT_EQ(game().dot(1).blue, 60);
}

TEST_F(ActivityTest, TheTableIsNotClearedBetweenActivities)
{
    read(activityText({"1,100,100,0,0,0,", "2,200,200,0,0,0,", "3,300,300,0,0,0,"}));
    read(activityText({"9,900,900,0,0,0,"}));
    EXPECT_EQ(game().count(), 1);
    EXPECT_EQ(game().dot(2).label, "3");
}

TEST_F(ActivityTest, FieldsWithLettersAndNegativesReadByTheLeadingNumberRule)
{
    read(activityText({"a,12abc,-40,1e3,2.5,-7,", "b,x,,300,128.5,127.5,"}));
    EXPECT_EQ(game().dot(0).x, 12);
    EXPECT_EQ(game().dot(0).y, -40);
    EXPECT_EQ(game().dot(0).red, 1);
    EXPECT_EQ(game().dot(0).green, 2);
    EXPECT_EQ(game().dot(0).blue, 0); // clamped
    EXPECT_EQ(game().dot(1).x, 0);
    EXPECT_EQ(game().dot(1).red, 255); // clamped
    EXPECT_EQ(game().dot(1).green, 128);
    EXPECT_EQ(game().dot(1).blue, 128); // halves to even
}

TEST_F(ActivityTest, UnixLineEndsReadTheSame)
{
    QByteArray unix = activityText({"1,100,100,0,0,0,", "2,200,200,0,0,0,"});
    unix.replace("\r\n", "\n");
    read(unix);
    EXPECT_EQ(game().count(), 2);
    EXPECT_EQ(game().hitRadius(), 250);
    EXPECT_EQ(game().dot(1).label, "2");
}

TEST_F(ActivityTest, AtMost151DotsAreKept)
{
    QStringList dots;
    for (int i = 0; i < 151; ++i)
        dots << QStringLiteral("%1,%2,%3,0,0,0,").arg(i + 1).arg(60 * i).arg(30 * i);
    read(activityText(dots));
    EXPECT_EQ(game().count(), 151);
    EXPECT_EQ(game().dot(150).label, "151");

    dots << "152,100,100,0,0,0,"
         << "153,100,100,0,0,0,";
    read(activityText(dots));
    EXPECT_EQ(game().count(), 151);
    EXPECT_EQ(game().dot(150).label, "151");
}

TEST_F(ActivityTest, AFileThatCannotBeReadOrIsTooShortLeavesNoDots)
{
    read(activityText({"1,100,100,0,0,0,"}));
    ASSERT_EQ(game().count(), 1);

    form->openActivityFile(path("no-existe.txt"));
    EXPECT_EQ(game().count(), 0);

    read("\r\n\r\n\r\n\r\n");
    EXPECT_EQ(game().count(), 0);
    EXPECT_FALSE(canvas()->AutoRedraw);
}

TEST_F(ActivityTest, AbsurdNumbersAreTamed)
{
    read(activityText({"1,99999999999999999999,-99999999999999999999,0,0,0,"}, "SI", 0)
             .replace(" 0 ", " 999999999 ")
             .replace(" 12 ", " 1000000000 "));
    EXPECT_EQ(game().count(), 1);
    EXPECT_LE(game().hitRadius(), 32767);
    EXPECT_LE(game().labelFontSize(), 300);
    EXPECT_LE(game().dot(0).x, 1e9);
    EXPECT_GE(game().dot(0).y, -1e9);
}

TEST_F(ActivityTest, NewlinesOnlyRandomBytesAndAHugeFileGiveADefinedResult)
{
    read(QByteArray(1000, '\n'));
    EXPECT_EQ(game().count(), 0);

    QRandomGenerator random(42);
    for (int round = 0; round < 20; ++round) {
        QByteArray bytes(4096, 0);
        for (char& byte : bytes)
            byte = char(random.bounded(256));
        read(bytes);
        expectUsableDotTable();
        // The game takes clicks on whatever was read.
        for (int i = 0; i < game().count(); ++i)
            clickAt(game().dot(i).x, game().dot(i).y);
        EXPECT_LE(game().nextDot(), game().count());
    }

    QByteArray huge = activityText({});
    while (huge.size() < 10 * 1024 * 1024)
        huge += "1,100,100,0,0,0,\r\n";
    read(huge);
    EXPECT_EQ(game().count(), 151);
}
