// The canvas as an adult uses it: pointing on the grid, drawing with
// mirrors, placing numbered dots, filling and taking strokes back.

#include "editorfixture.h"

#include <cmath>
#include <functional>

namespace {

using toolkit::RGB;

constexpr int Red = RGB(255, 0, 0);
constexpr int Blue = RGB(0, 0, 255);
constexpr int Grey = RGB(192, 192, 192);

int at(const QImage& image, double x, double y)
{
    return toolkit::fromQRgb(image.pixel(int(x / 15), int(y / 15)));
}

bool same(const QImage& a, const QImage& b)
{
    return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

class CanvasTest : public EditorTest
{
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        startEditor();
        form->chooseTool(Tool::ClearPage); // a clean page, without the start picture
    }

    // A grey picture pasted into the page, so that white marks show too.
    void greyPage()
    {
        QImage grey(int(canvas()->ScaleWidth() / 15), int(canvas()->ScaleHeight() / 15),
                    QImage::Format_RGB32);
        grey.fill(QColor(192, 192, 192));
        platform.clipboard = grey;
        form->chooseTool(Tool::Paste);
    }
};

TEST_F(CanvasTest, PointsSnapToTheGridHalvesToEvenThenTowardZero)
{
    struct Case
    {
        int gridButton; // -1: grid off
        double in;
        double snapped;
    } cases[] = {{5, 300, 300},     {5, 599.4, 300},   {5, 599.5, 600}, {5, -350, -300},
                 {5, -449.5, -300}, {5, -599.5, -600}, {-1, 10.5, 10},  {-1, 11.5, 12},
                 {-1, -2.5, -2},    {0, 124.9, 100},   {0, 125, 100}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in);
        if (c.gridButton < 0)
            form->chooseTool(Tool::FreeHand);
        else
            form->chooseGrid((c.gridButton + 1) * 50);
        EXPECT_EQ(form->settings().snapped(c.in), c.snapped);
        EXPECT_EQ(form->settings().snapped(-c.in), -c.snapped);
    }
}

TEST_F(CanvasTest, LineToolClickWithoutMovementJoinsThePressToTheLastHover)
{
    form->chooseGrid(300);
    click(599.4, 599.5); // a single point, on the grid at (300, 600)
    EXPECT_EQ(pageAt(0, 300, 600), toolkit::vbBlack);
    EXPECT_EQ(pageAt(0, 450, 600), toolkit::vbWhite);

    form->moveOnCanvas(0, 0, 2400, 1200);
    form->pressOnCanvas(1, 0, 1200, 1200);
    form->releaseOnCanvas(1, 0, 1200, 1200);
    for (double x : {1200, 1800, 2400})
        EXPECT_EQ(pageAt(0, x, 1200), toolkit::vbBlack) << x;
}

// A mark at (x, y) has its copies at (2 cx - x, y), (x, 2 cy - y) and
// (2 cx - x, 2 cy - y) round the centre (cx, cy); the eraser never mirrors.
TEST_F(CanvasTest, StrokesWithEveryMirrorOnLandAroundTheCentre)
{
    struct Case
    {
        int tool;
        int colour;
        bool mirrored;
    } cases[] = {{2, Red, true}, {4, Red, true}, {18, toolkit::vbWhite, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tool);
        greyPage();
        form->chooseGrid(50); // a grid of 50
        const double cx = form->settings().centreX();
        const double cy = form->settings().centreY();
        form->chooseSymmetry(Symmetry::None);
        for (int i = 1; i <= 3; ++i)
            form->chooseSymmetry(Symmetry(i));
        form->chooseTool(Tool(c.tool));
        ASSERT_TRUE(pick(Red));
        stroke({{100, 50}, {250, 50}, {400, 50}});

        const double copies[4][2] = {
            {250, 50}, {2 * cx - 250, 50}, {250, 2 * cy - 50}, {2 * cx - 250, 2 * cy - 50}};
        for (int i = 0; i < 4; ++i) {
            const bool drawn = i == 0 || c.mirrored;
            EXPECT_EQ(pageAt(0, copies[i][0], copies[i][1]), drawn ? c.colour : Grey) << i;
            if (drawn) { // the canvas also shows the grid's dots
                EXPECT_EQ(at(canvas()->Image(), copies[i][0], copies[i][1]), c.colour) << i;
            }
        }
        EXPECT_EQ(pageAt(0, cx, cy), Grey);
    }

    // Mirrors off again: the same stroke leaves one mark.
    greyPage();
    form->chooseSymmetry(Symmetry::None);
    form->chooseTool(Tool::Line);
    stroke({{100, 50}, {400, 50}});
    EXPECT_EQ(pageAt(0, 250, 50), Red);
    EXPECT_EQ(pageAt(0, 950, 50), Grey);
}

TEST_F(CanvasTest, DotsCountByTheStepWithTheirLabelsCentred)
{
    form->chooseTool(Tool::Dots);
    numberStep()->setListIndex(1); // step 2
    ASSERT_TRUE(pick(Red));
    for (double x : {600, 1800, 3000})
        click(x, 600);
    EXPECT_EQ(records(),
              QStringList({"1,600,600,255,0,0,", "3,1800,600,255,0,0,", "5,3000,600,255,0,0,"}));
    EXPECT_EQ(form->nextDot().number, 7);
    EXPECT_EQ(pageAt(0, 1200, 600), Red); // the connecting line
    for (const QImage& image : {pageImage(0), canvas()->Image()})
        for (double x : {600, 1800, 3000}) {
            const QPointF ink = inkCentre(image, x, 600);
            EXPECT_NEAR(ink.x(), x, 45) << x;
            EXPECT_NEAR(ink.y(), 600, 45) << x;
        }
}

// The file holds positions for an 800 x 600 screen whatever screen the
// editor runs on, closing records included.
TEST_F(CanvasTest, DotRecordsHoldPositionsForTheEightHundredBySixHundredScreen)
{
    struct Case
    {
        int w, h;
        QString dot, closing;
    } cases[] = {{800, 600, "1,3000,1500,0,0,0,", ",3000,1500,0,0,0,"},
                 {1024, 768, "1,2344,1172,0,0,0,", ",2344,1172,0,0,0,"},
                 {1920, 1080, "1,1250,833,0,0,0,", ",1250,833,0,0,0,"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.w);
        startEditor(c.w, c.h);
        form->chooseTool(Tool::Dots);
        click(3000, 1500);
        click(4500, 1500);
        form->pressCloseFigure();
        ASSERT_EQ(records().size(), 3);
        EXPECT_EQ(records()[0], c.dot);
        EXPECT_EQ(records()[2], c.closing);
    }
}

// Stamp, pencil and eraser draw while the button is held; one undo still
// takes back one stroke.
TEST_F(CanvasTest, EachHeldStrokeIsOneUndo)
{
    for (Tool tool : {Tool::Stamp, Tool::Pencil, Tool::Eraser}) {
        SCOPED_TRACE(int(tool));
        greyPage();
        form->chooseTool(tool);
        stroke({{600, 600}, {900, 600}, {1200, 900}});
        const QImage afterFirst = pageImage(0);
        stroke({{3000, 3000}, {3300, 3000}, {3600, 3300}});
        const QImage afterSecond = pageImage(0);
        ASSERT_FALSE(same(afterFirst, afterSecond));

        form->chooseTool(Tool::Undo);
        EXPECT_TRUE(same(pageImage(0), afterFirst));
        EXPECT_TRUE(same(canvas()->Image(), afterFirst));
    }
}

// Undo walks back through the page's own snapshots and stops at the oldest:
// it never blanks a page nor comes round again.
TEST_F(CanvasTest, UndoStopsAtThePagesOldestSnapshot)
{
    drag(600, 600, 1800, 600); // page 0 has a snapshot
    form->choosePage(2);
    greyPage();
    form->chooseTool(Tool::Undo); // the paste taken back
    EXPECT_EQ(pageAt(2, 900, 900), toolkit::vbWhite);
    greyPage();
    for (int i = 0; i < 9; ++i)
        drag(300, 300 + i * 300, 9000, 300 + i * 300);
    for (int i = 0; i < 9; ++i)
        form->chooseTool(Tool::Undo); // seven are kept, the rest do nothing
    EXPECT_EQ(pageAt(2, 600, 900), Grey) << "the two oldest lines stay";
    EXPECT_EQ(pageAt(2, 600, 300), toolkit::vbBlack);
    EXPECT_EQ(canvasAt(600, 300), toolkit::vbBlack);

    form->choosePage(0);
    EXPECT_EQ(pageAt(0, 1200, 600), toolkit::vbBlack);
    EXPECT_EQ(canvasAt(1200, 600), toolkit::vbBlack);
}

// An undo in the dot tool takes back the last dot or "CIERRA" whole: its
// entry, its picture, its number, where the next line starts and where the
// figure starts.
TEST_F(CanvasTest, UndoInTheDotToolTakesBackTheLastStepWhole)
{
    form->chooseTool(Tool::Dots);
    click(600, 600);
    click(1800, 600);
    const QImage twoDots = pageImage(0);
    click(1800, 3000); // misplaced
    form->chooseTool(Tool::Undo);
    EXPECT_EQ(records(), QStringList({"1,600,600,0,0,0,", "2,1800,600,0,0,0,"}));
    EXPECT_TRUE(same(pageImage(0), twoDots));
    click(3000, 1800); // gets the number back and joins on from dot 2
    EXPECT_EQ(records().last(), "3,3000,1800,0,0,0,");
    EXPECT_EQ(pageAt(0, 2400, 1200), toolkit::vbBlack);
    EXPECT_EQ(pageAt(0, 1800, 2400), toolkit::vbWhite);

    // "CIERRA" too early, taken back: the figure stays open.
    form->pressCloseFigure();
    EXPECT_EQ(pageAt(0, 1800, 1200), toolkit::vbBlack);
    form->chooseTool(Tool::Undo);
    EXPECT_EQ(records().size(), 3);
    EXPECT_FALSE(form->nextDot().newFigure);
    EXPECT_EQ(pageAt(0, 1800, 1200), toolkit::vbWhite);
    EXPECT_EQ(pageAt(0, 2400, 1200), toolkit::vbBlack);
    click(3000, 3000);
    EXPECT_EQ(pageAt(0, 3000, 2400), toolkit::vbBlack);
    form->pressCloseFigure();
    EXPECT_EQ(records().last(), ",600,600,0,0,0,");
    EXPECT_EQ(pageAt(0, 1800, 1800), toolkit::vbBlack);

    // The first dot of a figure taken back: the next dot starts it.
    click(6000, 600);
    form->chooseTool(Tool::Undo);
    click(7200, 600);
    click(7200, 1800);
    form->pressCloseFigure();
    EXPECT_EQ(records().mid(5),
              QStringList({"5,7200,600,0,0,0,", "6,7200,1800,0,0,0,", ",7200,600,0,0,0,"}));
    EXPECT_EQ(pageAt(0, 6600, 600), toolkit::vbWhite);

    // "B" takes the dots from the page with the list; an undo brings both back.
    form->clearDotList();
    EXPECT_EQ(dotListBox()->ListCount(), 0);
    EXPECT_EQ(pageAt(0, 7200, 1200), toolkit::vbWhite);
    form->chooseTool(Tool::Undo);
    EXPECT_EQ(dotCount(), 8);
    EXPECT_EQ(pageAt(0, 7200, 1200), toolkit::vbBlack);
}

TEST_F(CanvasTest, CierraWithoutADotInTheFigureDoesNothing)
{
    form->chooseTool(Tool::Dots);
    const int before = form->undoRings().nextSlot(0);
    form->pressCloseFigure(); // before any dot
    EXPECT_TRUE(records().isEmpty());
    EXPECT_EQ(form->undoRings().nextSlot(0), before);
    click(600, 600);
    click(1800, 600);
    form->pressCloseFigure();
    form->pressCloseFigure(); // twice in a row
    EXPECT_EQ(records().size(), 3);
    EXPECT_EQ(form->undoRings().nextSlot(0), before + 3);
    form->clearDotList(); // the list cleared
    form->pressCloseFigure();
    EXPECT_TRUE(records().isEmpty());
}

// The fill seeds at the snapped pointer; the pointer stays in twips, so a
// second fill without moving fills the same place.
TEST_F(CanvasTest, FillTwiceWithoutMovingFillsTheSamePlace)
{
    form->chooseTool(Tool::Rectangle);
    drag(600, 600, 1800, 1500);
    form->chooseTool(Tool::Fill);
    ASSERT_TRUE(pick(Red));
    click(1200, 900);
    EXPECT_EQ(pageAt(0, 900, 1200), Red);
    EXPECT_EQ(canvasAt(900, 1200), Red);
    EXPECT_EQ(pageAt(0, 3000, 3000), toolkit::vbWhite);

    ASSERT_TRUE(pick(Blue));
    form->pressOnCanvas(1, 0, 1200, 900);
    form->releaseOnCanvas(1, 0, 1200, 900);
    EXPECT_EQ(pageAt(0, 900, 1200), Blue);
    EXPECT_EQ(canvasAt(900, 1200), Blue);
    EXPECT_EQ(pageAt(0, 3000, 3000), toolkit::vbWhite);
}

// Whatever a tool, a palette or a page switch left on the canvas or the
// page, each mark is kept on the page as the canvas shows it, and a dot's
// circle is never filled, so its number shows.
TEST_F(CanvasTest, WhatTheCanvasShowsIsWhatThePageKeeps)
{
    const std::function<void()> gestures[] = {
        [&] { // a wide line after dots
            form->chooseTool(Tool::Dots);
            click(600, 600);
            form->chooseTool(Tool::Line);
            form->chooseWidth(10);
            drag(600, 3000, 6000, 3000);
        },
        [&] { // a pencil stroke after dots on a page chosen later
            form->chooseWidth(10);
            form->choosePage(3);
            form->chooseTool(Tool::Dots);
            click(900, 900);
            form->chooseTool(Tool::Pencil);
            stroke({{600, 1500}, {3000, 1800}, {4500, 1200}});
        },
        [&] { // a solid box and dots on a page chosen later
            form->chooseTool(Tool::Rectangle);
            form->chooseFillStyle(0);
            form->choosePage(5);
            drag(600, 600, 3000, 2400);
            form->chooseTool(Tool::Dots);
            click(4500, 600);
            EXPECT_EQ(pageAt(5, 4350, 750), toolkit::vbWhite);
        },
    };
    for (const auto& gesture : gestures) {
        startEditor();
        form->chooseTool(Tool::ClearPage);
        gesture();
        EXPECT_TRUE(same(canvas()->Image(), pageImage(form->currentPage())));
    }
}

// One undo gives back the page as it was before the last step, whatever
// the step was and whatever was undone on other pages meanwhile.
TEST_F(CanvasTest, OneUndoTakesBackOneStep)
{
    const QString picture = appDir.filePath("rojo.bmp");
    ASSERT_TRUE(colourStrip()->Image().save(picture));
    platform.clipboard = colourStrip()->Image();
    platform.fileNameAnswers = {picture};
    const std::function<void()> steps[] = {[&] { form->chooseTool(Tool::ClearPage); },
                                           [&] { form->chooseTool(Tool::Paste); },
                                           [&] { form->chooseTool(Tool::OpenPicture); },
                                           [&] {
                                               form->choosePage(4);
                                               form->chooseTool(Tool::Undo);
                                               form->choosePage(0);
                                               drag(600, 2400, 6000, 2400);
                                           }};
    for (const auto& step : steps) {
        drag(600, 1200, 6000, 1200);
        const QImage before = pageImage(0);
        step();
        ASSERT_FALSE(same(pageImage(0), before));
        form->chooseTool(Tool::Undo);
        EXPECT_TRUE(same(pageImage(0), before));
        EXPECT_TRUE(same(canvas()->Image(), before));
    }
}

// Choosing the dot tool again starts a new figure but goes on counting;
// "B" starts the list again from 1.
TEST_F(CanvasTest, DotNumbersGoOnAcrossFiguresAndTools)
{
    form->chooseTool(Tool::Dots);
    click(600, 600);
    click(1800, 600);
    form->chooseTool(Tool::Line);
    form->chooseTool(Tool::Dots);
    numberStep()->setListIndex(1); // a step of 2
    click(600, 1800);
    form->pressCloseFigure();
    click(600, 3000);
    QStringList labels;
    for (const QString& record : records())
        labels << record.section(',', 0, 0);
    EXPECT_EQ(labels, QStringList({"1", "2", "3", "", "5"}));
    form->clearDotList();
    click(600, 4200);
    EXPECT_EQ(records(), QStringList({"1,600,4200,0,0,0,"}));
}

// "ABC" letters the dots in the language's alphabet; a lettered list
// opened again, or the tool chosen again, goes on from the next letter.
TEST_F(CanvasTest, LetteredDotsGoOnThroughTheAlphabet)
{
    form->chooseTool(Tool::Dots);
    numberStep()->setListIndex(editor::EditorWindow::LetterStep);
    for (double x : {600, 1800})
        click(x, 600);
    form->chooseTool(Tool::Line);
    form->chooseTool(Tool::Dots);
    click(3000, 600);
    QStringList labels;
    for (const QString& record : records())
        labels << record.section(',', 0, 0);
    EXPECT_EQ(labels, QStringList({"A", "B", "C"}));
    for (int i = 0; i < 10; ++i) // D to M
        click(600 + 600 * i, 2400);
    click(4200, 600);
    form->chooseTool(Tool::Line);
    form->chooseTool(Tool::Dots);
    click(5400, 600);
    EXPECT_EQ(records().mid(13).join(' '), QStringLiteral("N,4200,600,0,0,0, Ñ,5400,600,0,0,0,"));
}

TEST_F(CanvasTest, PolygonReleasedBeforeAnyPreviewDrawsNothing)
{
    const QImage blank = pageImage(0);
    form->chooseTool(Tool::Polygon);
    click(1200, 1200);
    EXPECT_TRUE(same(pageImage(0), blank));
    drag(1200, 1200, 2400, 1200);
    EXPECT_FALSE(same(pageImage(0), blank));
}

} // namespace

// An undo in the dot tool takes back a dot only when the picture goes back
// to before that dot: a line drawn after the dots, or dots on another page,
// leave the list as it was.
TEST_F(CanvasTest, UndoRemovesADotOnlyWhenItUndoesThatDot)
{
    form->chooseTool(Tool::Dots);
    click(600, 600);
    click(1800, 600);
    form->chooseTool(Tool::Line);
    drag(600, 3000, 3000, 3000);
    form->chooseTool(Tool::Dots); // back to the dots
    form->chooseTool(Tool::Undo); // takes back the line
    EXPECT_EQ(records().size(), 2);
    EXPECT_EQ(pageAt(0, 1800, 3000), toolkit::vbWhite);
    form->chooseTool(Tool::Undo); // now the second dot
    EXPECT_EQ(records(), QStringList{"1,600,600,0,0,0,"});

    form->choosePage(1);
    form->chooseTool(Tool::Undo); // page 2 has no dot of its own
    EXPECT_EQ(records().size(), 1);
}

// With the grid shown, the snapped seed sits on a grid dot of the canvas:
// the canvas still fills the whole area at once, as the page does, and the
// grid dots stay on top.
TEST_F(CanvasTest, FillWithTheGridShownFillsTheCanvasAtOnce)
{
    form->chooseTool(Tool::Rectangle);
    drag(600, 600, 3000, 2400);
    form->chooseGrid(300);
    form->chooseTool(Tool::Fill);
    ASSERT_TRUE(pick(Red));
    click(1200, 1200);
    EXPECT_EQ(pageAt(0, 1200, 1200), Red);
    EXPECT_EQ(canvasAt(1650, 1350), Red);
    EXPECT_EQ(canvasAt(1500, 1500), toolkit::vbBlack) << "the grid dots stay";
    EXPECT_EQ(canvasAt(4650, 4650), toolkit::vbWhite);
}

// The player reads at most 151 dot lines; the 152nd is refused with a word
// to the adult instead of being cut off later without one.
TEST_F(CanvasTest, TheDotListStopsAtWhatThePlayerReads)
{
    form->chooseTool(Tool::Dots);
    for (int i = 0; i < editor::EditorWindow::MaxDotEntries; ++i)
        click(300 + (i % 30) * 300, 300 + (i / 30) * 600);
    EXPECT_TRUE(platform.messages.isEmpty());
    click(9300, 4500);
    form->pressCloseFigure();
    EXPECT_EQ(dotCount(), editor::EditorWindow::MaxDotEntries);
    EXPECT_EQ(platform.messages.size(), 2);
    form->chooseTool(Tool::Undo); // the refused dot took nothing: the last dot goes
    EXPECT_EQ(dotCount(), editor::EditorWindow::MaxDotEntries - 1);
}
