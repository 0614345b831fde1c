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
        form->activityFile = path("actividad.txt");
        form->canvas->setBackColor(toolkit::vbWhite);
        form->readActivity();
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
        const QImage image = form->canvas->Image();
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
    EXPECT_EQ(form->hitRadius, 200);
    EXPECT_EQ(form->labelFontSize, 12.0);
    EXPECT_EQ(form->dotCount, 1);
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
    EXPECT_EQ(form->hitRadius, 150);
    read(activityText({}, "NO", 0).replace(" 0 ", " 151.5 "));
    EXPECT_EQ(form->hitRadius, 152);
}

TEST_F(ActivityTest, LabelIsPrintedInItsColourCentredOnTheDot)
{
    read(activityText({"5,1200,2400,255,0,0,"}));
    ASSERT_EQ(form->dotCount, 1);
    EXPECT_EQ(form->dotLabel[0], "5");
    EXPECT_EQ(form->dotX[0], 1200);
    EXPECT_EQ(form->dotY[0], 2400);
    // The red pixels of the label sit round (80, 160), the dot in pixels.
    const QImage image = form->canvas->Image();
    QRect red;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (toolkit::fromQRgb(image.pixel(x, y)) == toolkit::RGB(255, 0, 0))
                red |= QRect(x, y, 1, 1);
    ASSERT_FALSE(red.isEmpty());
    EXPECT_NEAR(red.center().x(), 80, 2);
    EXPECT_NEAR(red.center().y(), 160, 3);
    EXPECT_EQ(form->canvas->ForeColor, toolkit::RGB(255, 0, 0));
}

TEST_F(ActivityTest, PositionsScaleWithTheScreenRoundingDown)
{
    player::scaleX = 1024.0f / 800.0f;
    player::scaleY = 768 / 600.0;
    read(activityText({"1,400,300,0,0,0,", "2,401,300,0,0,0,", "3,800,600,0,0,0,"}));
    EXPECT_EQ(form->dotX[0], 511);
    EXPECT_EQ(form->dotY[0], 384);
    EXPECT_EQ(form->dotX[1], 513);
    EXPECT_EQ(form->dotX[2], 1023);
    EXPECT_EQ(form->dotY[2], 768);
}

TEST_F(ActivityTest, EmptyLinesAnywhereAreSkipped)
{
    const QStringList dots = {"1,100,100,0,0,0,", "2,200,200,0,0,0,"};
    read(activityText({"", dots[0], "", "", dots[1], ""}));
    EXPECT_EQ(form->dotCount, 2);
    EXPECT_EQ(form->dotLabel[1], "2");
    EXPECT_EQ(form->dotX[1], 200);
}

TEST_F(ActivityTest, ARepeatedPositionPrintsItsLabelOnceAndBecomesTheAnchor)
{
    read(activityText({"1,3000,3000,0,0,0,", "2,6000,3000,0,0,0,", "3,6000,6000,0,0,0,",
                       "4,3000,3000,255,0,0,"}));
    EXPECT_EQ(form->dotCount, 4);
    EXPECT_EQ(form->labelAnchor, 3);
    // Only the black "1" is at dot 0, no red "4" printed over it.
    EXPECT_FALSE(coloursAround(3000, 3000, 12).contains(toolkit::RGB(255, 0, 0)));
    EXPECT_TRUE(coloursAround(3000, 3000, 12).contains(toolkit::vbBlack));
}

TEST_F(ActivityTest, ALineStartingWithACommaHasAnEmptyLabelAndStillCounts)
{
    read(activityText({"1,3000,3000,0,0,0,", ",6000,3000,255,0,0,"}));
    EXPECT_EQ(form->dotCount, 2);
    EXPECT_TRUE(form->dotLabel[1].isEmpty());
    EXPECT_EQ(form->dotX[1], 6000);
    EXPECT_FALSE(coloursAround(6000, 3000, 15).contains(toolkit::RGB(255, 0, 0)));
}

TEST_F(ActivityTest, MissingFieldsKeepWhatTheTableHeldBefore)
{
    read(activityText({"1,100,200,10,20,30,", "2,300,400,40,50,60,"}));
    read(activityText({"7,900,", "8,500,600,70,80,90"}));
    EXPECT_EQ(form->dotCount, 2);
    EXPECT_EQ(form->dotLabel[0], "7");
    EXPECT_EQ(form->dotX[0], 900);
    EXPECT_EQ(form->dotY[0], 200); // kept
    EXPECT_EQ(form->dotRed[0], 10);
    // Without the trailing comma the blue field cannot be cut.
    EXPECT_EQ(form->dotGreen[1], 80);
    EXPECT_EQ(form->dotBlue[1], 60);
}

TEST_F(ActivityTest, TheTableIsNotClearedBetweenActivities)
{
    read(activityText({"1,100,100,0,0,0,", "2,200,200,0,0,0,", "3,300,300,0,0,0,"}));
    read(activityText({"9,900,900,0,0,0,"}));
    EXPECT_EQ(form->dotCount, 1);
    EXPECT_EQ(form->dotLabel[2], "3");
}

TEST_F(ActivityTest, FieldsWithLettersAndNegativesReadByTheLeadingNumberRule)
{
    read(activityText({"a,12abc,-40,1e3,2.5,-7,", "b,x,,300,128.5,127.5,"}));
    EXPECT_EQ(form->dotX[0], 12);
    EXPECT_EQ(form->dotY[0], -40);
    EXPECT_EQ(form->dotRed[0], 1);
    EXPECT_EQ(form->dotGreen[0], 2);
    EXPECT_EQ(form->dotBlue[0], 0); // clamped
    EXPECT_EQ(form->dotX[1], 0);
    EXPECT_EQ(form->dotRed[1], 255); // clamped
    EXPECT_EQ(form->dotGreen[1], 128);
    EXPECT_EQ(form->dotBlue[1], 128); // halves to even
}

TEST_F(ActivityTest, UnixLineEndsReadTheSame)
{
    QByteArray unix = activityText({"1,100,100,0,0,0,", "2,200,200,0,0,0,"});
    unix.replace("\r\n", "\n");
    read(unix);
    EXPECT_EQ(form->dotCount, 2);
    EXPECT_EQ(form->hitRadius, 250);
    EXPECT_EQ(form->dotLabel[1], "2");
}

TEST_F(ActivityTest, AtMost151DotsAreKept)
{
    QStringList dots;
    for (int i = 0; i < 151; ++i)
        dots << QStringLiteral("%1,%2,%3,0,0,0,").arg(i + 1).arg(60 * i).arg(30 * i);
    read(activityText(dots));
    EXPECT_EQ(form->dotCount, 151);
    EXPECT_EQ(form->dotLabel[150], "151");

    dots << "152,100,100,0,0,0,"
         << "153,100,100,0,0,0,";
    read(activityText(dots));
    EXPECT_EQ(form->dotCount, 151);
    EXPECT_EQ(form->dotLabel[150], "151");
}

TEST_F(ActivityTest, AFileThatCannotBeReadOrIsTooShortLeavesNoDots)
{
    read(activityText({"1,100,100,0,0,0,"}));
    ASSERT_EQ(form->dotCount, 1);

    form->activityFile = path("no-existe.txt");
    form->readActivity();
    EXPECT_EQ(form->dotCount, 0);

    read("\r\n\r\n\r\n\r\n");
    EXPECT_EQ(form->dotCount, 0);
    EXPECT_FALSE(form->canvas->AutoRedraw);
}

TEST_F(ActivityTest, AbsurdNumbersAreTamed)
{
    read(activityText({"1,99999999999999999999,-99999999999999999999,0,0,0,"}, "SI", 0)
             .replace(" 0 ", " 999999999 ")
             .replace(" 12 ", " 1000000000 "));
    EXPECT_EQ(form->dotCount, 1);
    EXPECT_LE(form->hitRadius, 32767);
    EXPECT_LE(form->labelFontSize, 300);
    EXPECT_LE(form->dotX[0], 1e9);
    EXPECT_GE(form->dotY[0], -1e9);
}

TEST_F(ActivityTest, NewlinesOnlyRandomBytesAndAHugeFileGiveADefinedResult)
{
    read(QByteArray(1000, '\n'));
    EXPECT_EQ(form->dotCount, 0);

    QRandomGenerator random(42);
    for (int round = 0; round < 20; ++round) {
        QByteArray bytes(4096, 0);
        for (char& byte : bytes)
            byte = char(random.bounded(256));
        read(bytes);
        expectUsableDotTable();
        // The game takes clicks on whatever was read.
        form->nextDot = 0;
        form->dotsJoined = false;
        for (int i = 0; i < form->dotCount; ++i)
            clickAt(form->dotX[i], form->dotY[i]);
        EXPECT_LE(form->nextDot, form->dotCount);
    }

    QByteArray huge = activityText({});
    while (huge.size() < 10 * 1024 * 1024)
        huge += "1,100,100,0,0,0,\r\n";
    read(huge);
    EXPECT_EQ(form->dotCount, 151);
}
