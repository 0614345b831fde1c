#include "editorfixture.h"

#include <QStringList>

using editor::EditorWindow;
using toolkit::vbGreen;
using toolkit::vbWhite;
namespace pictures = editor::pictures;

namespace {

constexpr int Grey = toolkit::RGB(128, 128, 128);
constexpr int Silver = toolkit::RGB(192, 192, 192);

} // namespace

class PaletteTest : public EditorTest
{
protected:
    // The setting controls on screen, as "widthButtons:14 sidesList" (an array with
    // the number of its members shown).
    QString shownSettings() const
    {
        QStringList shown;
        for (const auto& [name, buttons] : settingPalettes()) {
            int count = 0;
            for (const auto* button : buttons)
                count += !button->isHidden();
            if (count > 0)
                shown << QString("%1:%2").arg(name).arg(count);
        }
        for (const auto& c : settingControls())
            if (!c.control->isHidden())
                shown << c.name;
        return shown.join(' ');
    }
};

TEST_F(PaletteTest, EachToolShowsItsOwnPalettesOnly)
{
    struct Case
    {
        int index;
        int tool;
        const char* shown;
    };
    // In this order every tool follows one whose palettes differ.
    const Case cases[] = {
        {19, 19, "dotSizeButtons:5 closeFigureCheck numberStep dotListBox"},
        {2, 2, "widthButtons:14"},
        {3, 3, "fillStyleButtons:2"},
        {4, 4, "widthButtons:14"},
        {8, 8, "circleKindButtons:6 fillStyleButtons:8"},
        {10, 10, "fillStyleButtons:8"},
        {12, 12, "polygonModeButtons:3 sidesList sidesLabel"},
        {18, 18, "eraserButtons:6"},
        {12, 12, "polygonModeButtons:3 sidesList sidesLabel"},
        // The paint bucket and the grid switches leave the palettes alone.
        {11, 11, "polygonModeButtons:3 sidesList sidesLabel"},
        {6, 11, "polygonModeButtons:3 sidesList sidesLabel"},
        {5, 11, "polygonModeButtons:3 sidesList sidesLabel"},
        {8, 8, "circleKindButtons:6 fillStyleButtons:8"},
        {11, 11, "circleKindButtons:6 fillStyleButtons:8"},
        {2, 2, "widthButtons:14"},
    };
    EditorWindow& f = startEditor();
    EXPECT_EQ(f.activeTool(), Tool::Line);
    EXPECT_EQ(shownSettings(), ""); // none until a tool is chosen
    for (const Case& c : cases) {
        f.chooseTool(Tool(c.index));
        EXPECT_EQ(f.activeTool(), Tool(c.tool)) << "after " << c.index;
        EXPECT_EQ(shownSettings(), c.shown) << "after " << c.index;
    }
}

TEST_F(PaletteTest, SymmetryButtonsToggleIndependentFlags)
{
    struct Step
    {
        int click;
        bool leftRight, topBottom, centre;
        const char* green; // the symmetryButtons members marked, "0123"
    };
    const Step steps[] = {
        {1, true, false, false, "01"}, {3, true, false, true, "013"}, {2, true, true, true, "0123"},
        {1, false, true, true, "023"}, {0, false, false, false, "0"}, {2, false, true, false, "02"},
        {2, false, false, false, "0"},
    };
    EditorWindow& f = startEditor();
    EXPECT_EQ(member("symmetryButtons", Symmetry::None).BackColor(), vbGreen);
    for (const Step& s : steps) {
        SCOPED_TRACE(s.click);
        f.chooseSymmetry(Symmetry(s.click));
        EXPECT_EQ(f.settings().mirrored(Symmetry::LeftRight), s.leftRight);
        EXPECT_EQ(f.settings().mirrored(Symmetry::TopBottom), s.topBottom);
        EXPECT_EQ(f.settings().mirrored(Symmetry::Centre), s.centre);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(member("symmetryButtons", Symmetry(i)).BackColor(),
                      QString(s.green).contains(QString::number(i)) ? vbGreen : vbWhite);
    }
}

// Widths and fill styles hold for the canvas and all ten pages, so a page
// chosen later draws as the canvas does.
TEST_F(PaletteTest, LineWidthsAndFillStylesReachCanvasAndEveryPage)
{
    EditorWindow& f = startEditor();
    EXPECT_EQ(f.settings().lineWidth(), 1);
    EXPECT_EQ(member("widthButtons", 0).BackColor(), vbGreen);
    for (int i : {13, 0, 6, 5}) {
        SCOPED_TRACE(i);
        f.chooseWidth(i + 1);
        EXPECT_EQ(f.settings().lineWidth(), i + 1);
        EXPECT_EQ(canvas()->DrawWidth, i + 1);
        for (int p = 0; p < EditorWindow::Pages; ++p)
            EXPECT_EQ(page(p).DrawWidth, i + 1);
        for (int b = 0; b < 14; ++b)
            EXPECT_EQ(member("widthButtons", b).BackColor(), b == i ? vbGreen : vbWhite);
    }
    EXPECT_EQ(f.settings().fillStyle(), 1);
    for (int i : {0, 7, 2, 1}) {
        SCOPED_TRACE(i);
        f.chooseFillStyle(i);
        EXPECT_EQ(f.settings().fillStyle(), i);
        EXPECT_EQ(canvas()->FillStyle, i);
        for (int p = 0; p < EditorWindow::Pages; ++p)
            EXPECT_EQ(page(p).FillStyle, i);
    }
}

// An eraser chosen before any size still erases, at the smallest size.
TEST_F(PaletteTest, EraserStartsAtTheSmallestSize)
{
    EditorWindow& f = startEditor();
    EXPECT_EQ(f.settings().eraserHalfSide(), 20);
    EXPECT_EQ(member("eraserButtons", 0).BackColor(), vbGreen);
    f.chooseTool(Tool::Eraser);
    const auto keptAt200 = [&] { return toolkit::fromQRgb(canvas()->Image().pixel(200, 200)); };
    ASSERT_NE(keptAt200(), vbWhite); // the start picture
    drag(3000, 3000, 3000, 3000);
    EXPECT_EQ(keptAt200(), vbWhite);
    for (int i : {5, 2}) {
        f.chooseEraserSize(i);
        EXPECT_EQ(f.settings().eraserHalfSide(), 25 * i + 20);
    }
}

TEST_F(PaletteTest, DotSettingsSizesClearListAndCircleToggle)
{
    EditorWindow& f = startEditor();
    EXPECT_EQ(f.settings().dotSize(), 250);
    f.choosePage(3);
    const int sizes[3][2] = {{150, 9}, {200, 12}, {250, 18}};
    for (int i : {0, 2, 1}) {
        f.chooseDotSize(DotButton(i));
        EXPECT_EQ(f.settings().dotSize(), sizes[i][0]);
        EXPECT_EQ(canvas()->FontSize, sizes[i][1]);
        EXPECT_EQ(page(3).FontSize, sizes[i][1]);
    }

    f.chooseTool(Tool::Dots);
    EXPECT_EQ(f.nextDot().number, 1);
    click(600, 600);
    click(1200, 600);
    ASSERT_EQ(dotListBox()->ListCount(), 2);
    EXPECT_FALSE(f.nextDot().newFigure);
    f.clearDotList();
    EXPECT_EQ(dotListBox()->ListCount(), 0);
    EXPECT_EQ(dotCount(), 0);
    EXPECT_TRUE(f.nextDot().newFigure);
    click(1800, 600); // a new list counts from 1
    ASSERT_EQ(dotListBox()->ListCount(), 1);
    EXPECT_TRUE(dotListBox()->List(0).startsWith("1,"));

    for (const char* caption : {"", "O", ""}) {
        f.switchDotCircles();
        EXPECT_EQ(dotSizeButton(DotButton::Circles).text(), caption);
    }
    dotSizeButton(DotButton::Circles).setCaption("o"); // either case counts as on
    f.switchDotCircles();
    EXPECT_EQ(dotSizeButton(DotButton::Circles).text(), "");
}

// A click anywhere on the strip takes the colour of the pixel under it: a
// swatch, or the black frame and grey ground round it. Off the strip it
// changes nothing.
TEST_F(PaletteTest, ColourPickReadsTheStripPixel)
{
    EditorWindow& f = startEditor();
    f.choosePage(2);
    auto expectColour = [&](int colour) {
        EXPECT_EQ(f.settings().colour(), colour);
        for (const toolkit::PictureBox* area : {canvas(), &page(2)}) {
            EXPECT_EQ(area->ForeColor, colour);
            EXPECT_EQ(area->FillColor, colour);
        }
    };
    for (int i = 0; i < int(pictures::stripColours.size()); ++i) {
        SCOPED_TRACE(i);
        pickSwatch(i);
        expectColour(pictures::stripColours[size_t(i)]);
    }

    const QImage strip = pictures::colourStrip();
    int frames = 0;
    int ground = 0;
    for (int i : {0, 1, 22, 43}) {
        const QRect swatch = pictures::stripSwatch(i);
        const QPoint around[] = {{swatch.left() - 1, swatch.center().y()},
                                 {swatch.right() + 1, swatch.top()},
                                 {swatch.center().x(), swatch.top() - 1},
                                 {swatch.left() - 2, swatch.center().y()},
                                 {swatch.center().x(), 0}};
        for (const QPoint at : around) {
            SCOPED_TRACE(QString("%1: %2, %3").arg(i).arg(at.x()).arg(at.y()).toStdString());
            pickSwatch(2);
            pickStripPixel(at.x(), at.y());
            const int colour = toolkit::fromQRgb(strip.pixel(at));
            expectColour(colour);
            EXPECT_TRUE(colour == Grey || colour == Silver || colour == toolkit::vbBlack);
            frames += colour == toolkit::vbBlack;
            ground += colour == Grey;
        }
    }
    EXPECT_GT(frames, 0);
    EXPECT_GT(ground, 0);

    pickSwatch(4);
    f.pressOnColourStrip(1, 0, -15, 100);
    f.pressOnColourStrip(1, 0, 100, float(colourStrip()->Height() + 30));
    expectColour(pictures::stripColours[4]);
}

// The colour and the dot font reach only the page shown when they are
// chosen; a page chosen later must still draw what the canvas shows.
TEST_F(PaletteTest, PageChosenLaterDrawsInTheCanvasColourAndFont)
{
    EditorWindow& f = startEditor();
    pickSwatch(2);
    f.chooseDotSize(DotButton::Small);
    f.choosePage(1);
    f.chooseTool(Tool::Fill);
    click(3000, 3000);
    EXPECT_EQ(canvasAt(3000, 3000), toolkit::RGB(255, 0, 0));
    EXPECT_EQ(pageAt(1, 3000, 3000), toolkit::RGB(255, 0, 0));
    EXPECT_EQ(page(1).ForeColor, canvas()->ForeColor);
    EXPECT_EQ(page(1).FontSize, canvas()->FontSize);
}
