#include "activitypicture.h"
#include "gamefixture.h"

#include <QPainter>

using toolkit::RGB;
using toolkit::vbGreen;
using toolkit::vbWhite;

namespace {
constexpr int Red = RGB(255, 0, 0);
} // namespace

class ColouringTest : public GameTest
{
protected:
    // A click on the palette strip at one of its pixels.
    void pickPixel(int x, int y) const { form->pressOnPalette(1, 0, x * 15 + 7, y * 15 + 7); }
    void pickRed() const { pickPixel(8, 42); } // the third cell

    // A square of 200 x 200 pixels closed back to its first corner, joined.
    void finishSquare()
    {
        form->chooseWidth(1);
        setDots({{"1", 1500, 1500},
                 {"2", 4500, 1500},
                 {"3", 4500, 4500},
                 {"4", 1500, 4500},
                 {"", 1500, 1500}});
        joinAll();
        ASSERT_TRUE(game().joined());
    }

    void chooseTool(Tool tool) const { form->chooseTool(tool); }
    void press(double x, double y) const { form->pressOnCanvas(1, 0, float(x), float(y)); }
    void drag(double x, double y) const { moveTo(x, y, toolkit::vbLeftButton); }
    void release(double x, double y) const { form->releaseOnCanvas(1, 0, float(x), float(y)); }
};

TEST_F(ColouringTest, AColourPickedMidGameColoursOnlyLaterSegments)
{
    setDots({{"1", 1500, 1500}, {"2", 4500, 1500}, {"3", 4500, 4500}, {"4", 1500, 4500}});
    clickDot(0);
    clickDot(1);
    pickRed();
    EXPECT_EQ(canvas()->ForeColor, Red);
    clickDot(2);

    EXPECT_EQ(keptBetween(0, 1), vbGreen);
    EXPECT_EQ(outlineBetween(0, 1), vbGreen);
    EXPECT_EQ(keptBetween(1, 2), Red);
    EXPECT_EQ(outlineBetween(1, 2), Red);
    moveTo(1500, 4500);
    EXPECT_EQ(shown(3000, 4500), Red) << "the rubber line too";
    EXPECT_EQ(canvas()->FillColor, Red);
    EXPECT_EQ(joinedOutline()->FillColor, Red);
    EXPECT_FALSE(canvas()->AutoRedraw);
    EXPECT_TRUE(sounds().contains("color.wav"));
}

TEST_F(ColouringTest, EveryPalettePixelPicksItsOwnColour)
{
    pickPixel(3, 40); // the dark edge of a cell
    EXPECT_EQ(canvas()->ForeColor, RGB(4, 4, 4));
    pickPixel(1, 40); // grey beside the cells
    EXPECT_EQ(canvas()->ForeColor, RGB(128, 128, 128));
    EXPECT_EQ(joinedOutline()->ForeColor, RGB(128, 128, 128));
}

TEST_F(ColouringTest, AFillStopsAtTheJoinedLines)
{
    finishSquare();
    chooseTool(Tool::Fill);
    pickRed();
    const QImage before = canvas()->Image();
    press(3000, 3000);

    EXPECT_EQ(kept(2000, 2000), Red);
    EXPECT_EQ(kept(6000, 6000), vbWhite);
    EXPECT_EQ(keptBetween(0, 1), vbGreen);
    EXPECT_EQ(outline(3000, 3000), vbWhite) << "the outline canvas is never filled";
    EXPECT_EQ(form->undoRing().picture(0), before);
    EXPECT_EQ(canvas()->ScaleMode, toolkit::vbTwips);
    EXPECT_EQ(canvas()->FillStyle, toolkit::vbFSTransparent);
    EXPECT_FALSE(canvas()->AutoRedraw);

    // Filling with the colour already there changes nothing, but is undoable.
    const QImage filled = canvas()->Image();
    press(3000, 3000);
    EXPECT_EQ(canvas()->Image(), filled);
    EXPECT_EQ(form->undoRing().slot(), 2);
}

TEST_F(ColouringTest, AFillClickRoundsDownToThePixelUnderIt)
{
    finishSquare();
    chooseTool(Tool::Fill);
    pickRed();
    press(1514, 3014); // pixel (100, 200), on the left side of the square
    EXPECT_EQ(keptBetween(0, 1), Red) << "the whole joined outline is recoloured";
    EXPECT_EQ(kept(3000, 3000), vbWhite);
}

TEST_F(ColouringTest, AStraightLineBandsUntilReleased)
{
    finishSquare();
    chooseTool(Tool::Line);
    const QImage before = canvas()->Image();
    press(1500, 6000);
    drag(4500, 6000);
    EXPECT_EQ(shown(3000, 6000), vbGreen);
    EXPECT_EQ(kept(3000, 6000), vbWhite);
    drag(1500, 7500);
    EXPECT_EQ(shown(3000, 6000), vbWhite);
    release(1500, 7500);

    EXPECT_EQ(kept(1500, 6750), vbGreen);
    EXPECT_EQ(kept(3000, 6000), vbWhite);
    EXPECT_EQ(form->undoRing().picture(0), before);
}

TEST_F(ColouringTest, ThePenDrawsAChainOnlyWhileAButtonIsHeld)
{
    finishSquare();
    chooseTool(Tool::Pen);
    moveTo(6000, 6000);
    const QImage before = canvas()->Image();
    press(6000, 1500);
    drag(7500, 1500);
    drag(7500, 3000);
    moveTo(9000, 3000);
    release(9000, 3000);

    EXPECT_EQ(kept(6750, 1500), vbGreen);
    EXPECT_EQ(kept(7500, 2250), vbGreen);
    EXPECT_EQ(kept(8250, 3000), vbWhite);
    EXPECT_EQ(form->undoRing().picture(0), before);
}

TEST_F(ColouringTest, WidthButtonsSetTheLineWidthOfBothCanvases)
{
    setDots({{"1", 1500, 3000}, {"2", 9000, 3000}, {"3", 9000, 6000}});
    form->chooseWidth(10);
    EXPECT_EQ(sounds().last(), "lineas.wav");
    clickDot(0);
    clickDot(1);
    // A horizontal segment ten pixels thick on the canvas and on the outline.
    auto thickness = [](const QImage& image) {
        int rows = 0;
        for (int y = 180; y < 220; ++y)
            rows += toolkit::fromQRgb(image.pixel(300, y)) != vbWhite;
        return rows;
    };
    EXPECT_EQ(thickness(canvas()->Image()), 10);
    EXPECT_EQ(thickness(joinedOutline()->Image()), 10);

    form->chooseWidth(1);
    EXPECT_EQ(canvas()->DrawWidth, 1);
    EXPECT_EQ(joinedOutline()->DrawWidth, 1);
}

// An activity's drawing lies under its dots, scaled as they are (here from
// a 1600 x 1200 screen to 800 x 600): the fill stops at its lines, an undo
// never takes it away, and a damaged one leaves the dots alone.
TEST_F(ColouringTest, TheActivitysDrawingIsUnderTheDotsAndStaysThere)
{
    QImage drawing(1600, 1200, QImage::Format_RGB32);
    drawing.fill(Qt::white);
    QPainter(&drawing).fillRect(396, 0, 8, 1200, Qt::black); // x = 200 on this screen
    writeActivity("formas", 1,
                  {"1,1500,1500,0,0,0,", "2,4500,1500,0,0,0,", "3,4500,4500,0,0,0,",
                   "4,1500,4500,0,0,0,", ",1500,1500,0,0,0,"});
    writeFile("actividades/formas/1.png",
              toolkit::activityPictureBytes(drawing, QSize(1600, 1200)));
    startPlayer();       // with the theme
    form->showNumbers(); // the numbers, before any activity was shown
    EXPECT_EQ(kept(200 * 15, 20 * 15), toolkit::vbBlack);
    form->openActivityFile(path("actividades/formas/1.txt"));
    EXPECT_EQ(kept(200 * 15, 20 * 15), toolkit::vbBlack);
    joinAll();
    ASSERT_TRUE(game().joined());
    chooseTool(Tool::Fill);
    pickRed();
    press(150 * 15, 200 * 15);
    EXPECT_EQ(kept(150 * 15, 200 * 15), Red);
    EXPECT_EQ(kept(250 * 15, 200 * 15), vbWhite);
    for (int i = 0; i < 2; ++i)
        chooseTool(Tool::Undo); // undo
    EXPECT_EQ(kept(200 * 15, 20 * 15), toolkit::vbBlack);

    for (const char* link : {"", "/dev/zero"}) {
        QFile::remove(path("actividades/formas/1.png"));
        if (*link)
            QFile::link(link, path("actividades/formas/1.png"));
        else
            writeFile("actividades/formas/1.png", "no es una imagen");
        form->openActivityFile(path("actividades/formas/1.txt"));
        EXPECT_EQ(kept(200 * 15, 20 * 15), vbWhite) << link;
        EXPECT_EQ(game().count(), 5);
    }
}
