#include "editorfixture.h"

#include <QRect>

using editor::EditorWindow;
using toolkit::vbBlack;
using toolkit::vbWhite;

namespace {

constexpr int Blue = 0xFF0000;
constexpr int Red = 2; // swatch of (255, 0, 0)

QRect twipsRect(const toolkit::TwipsGeometry& c)
{
    return {c.Left(), c.Top(), c.Width(), c.Height()};
}

// Whether `colour` is on the 3 x 3 pixels round a point given in twips:
// lines are one pixel wide, and where exactly a pixel falls is the
// rasteriser's business.
bool near(const QImage& image, double x, double y, int colour)
{
    const int px = int(x) / 15;
    const int py = int(y) / 15;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.rect().contains(px + dx, py + dy) &&
                toolkit::fromQRgb(image.pixel(px + dx, py + dy)) == colour)
                return true;
    return false;
}

int pixelsOf(const QImage& image, int colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += toolkit::fromQRgb(image.pixel(x, y)) == colour;
    return count;
}

struct Screen
{
    int width;
    int height;
};
void PrintTo(const Screen& s, std::ostream* os)
{
    *os << s.width << " x " << s.height;
}

} // namespace

class EditorLayoutTest : public EditorTest, public ::testing::WithParamInterface<Screen>
{
};

TEST_P(EditorLayoutTest, CanvasPagesAndPaletteRowFollowTheScreen)
{
    const Screen screen = GetParam();
    startEditor(screen.width, screen.height);
    const int W = screen.width * 15;
    const int H = screen.height * 15;
    const QRect area = twipsRect(*canvas());
    EXPECT_EQ(colourStrip()->Top(), toolButton(Tool::OpenPicture).Top());
    EXPECT_EQ(area.top(), colourStrip()->Top() + colourStrip()->Height() + 20);
    EXPECT_EQ(area.left(),
              toolButton(Tool::SavePicture).Left() + toolButton(Tool::SavePicture).Width() + 75);
    EXPECT_EQ(area.left() + area.width(), W - 75);

    for (int i = 0; i < EditorWindow::Pages; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(twipsRect(page(i)), area);
        EXPECT_EQ(page(i).Image().size(), canvas()->Image().size());
        const toolkit::CommandButton& button = member("pageButtons", i);
        EXPECT_EQ(button.Top(), area.top() + area.height() + 20);
        EXPECT_EQ(button.Top() + button.Height(), H - 60);
        EXPECT_EQ(button.Left(), i == 0 ? area.left()
                                        : member("pageButtons", i - 1).Left() +
                                              member("pageButtons", i - 1).Width());
        EXPECT_EQ(button.text(), QString::number(i + 1));
        EXPECT_EQ(button.BackColor(), i == 0 ? Blue : vbWhite);
        EXPECT_FALSE(button.isHidden());
    }

    // Every setting palette starts at one anchor right of the page buttons
    // (the fill styles after the circle kinds), its buttons touching.
    const int A = member("pageButtons", 9).Left() + 1000;
    for (const auto& [name, buttons] : settingPalettes()) {
        SCOPED_TRACE(name);
        const int first = QLatin1String(name) == QLatin1String("fillStyleButtons")
                              ? member("circleKindButtons", 5).Left() + 400
                              : A;
        for (size_t i = 0; i < buttons.size(); ++i) {
            EXPECT_EQ(buttons[i]->Top(), member("pageButtons", 0).Top());
            EXPECT_EQ(buttons[i]->Left(),
                      i == 0 ? first : buttons[i - 1]->Left() + buttons[i - 1]->Width());
        }
    }
    EXPECT_EQ(find<toolkit::Label>("sidesLabel")->Left(),
              member("polygonModeButtons", 2).Left() + member("polygonModeButtons", 2).Width() +
                  100);
    EXPECT_EQ(find<toolkit::ComboBox>("sidesList")->Left(),
              find<toolkit::Label>("sidesLabel")->Left() +
                  find<toolkit::Label>("sidesLabel")->Width() + 50);
    EXPECT_EQ(numberStep()->Left(), dotSizeButton(DotButton::Circles).Left() + 500);
    EXPECT_EQ(find<toolkit::CheckBox>("closeFigureCheck")->Left(),
              numberStep()->Left() + numberStep()->Width() + 150);
    EXPECT_EQ(dotListBox()->Left(), find<toolkit::CheckBox>("closeFigureCheck")->Left() +
                                        find<toolkit::CheckBox>("closeFigureCheck")->Width() + 100);
    for (const auto& c : settingControls())
        EXPECT_EQ(c.place->Top(), member("pageButtons", 0).Top()) << c.name;
}

// Every control of the window, shown or waiting to be shown, lies wholly on
// the screen, the left column clear of the canvas and the palettes clear of
// the page buttons.
TEST_P(EditorLayoutTest, EveryControlIsWhollyOnScreen)
{
    const Screen screen = GetParam();
    EditorWindow& f = startEditor(screen.width, screen.height);
    const QRect onScreen(0, 0, screen.width * 15, screen.height * 15);
    int controls = 0;
    for (QObject* child : f.children()) {
        const auto* place = dynamic_cast<const toolkit::TwipsGeometry*>(child);
        auto* widget = qobject_cast<QWidget*>(child);
        if (!place || !widget)
            continue;
        ++controls;
        EXPECT_TRUE(onScreen.contains(twipsRect(*place)))
            << widget->metaObject()->className() << " at " << place->Left() << ", " << place->Top()
            << " size " << place->Width() << " x " << place->Height();
        EXPECT_TRUE(QRect(0, 0, screen.width, screen.height).contains(widget->geometry()));
    }
    EXPECT_GE(controls, 20 + 8 + 4 + 2 + 10 + 10 + 3 + 6 + 14 + 8 + 6 + 5 + 5);

    for (const auto& column : {row("toolButtons"), row("gridButtons"), row("symmetryButtons")})
        for (const auto* button : column)
            EXPECT_LE(button->Left() + button->Width(), canvas()->Left());
    const int pageButtonsEnd = member("pageButtons", 9).Left() + member("pageButtons", 9).Width();
    for (const auto& [name, buttons] : settingPalettes())
        EXPECT_GE(buttons.front()->Left(), pageButtonsEnd) << name;
}

INSTANTIATE_TEST_SUITE_P(Screens, EditorLayoutTest,
                         ::testing::Values(Screen{800, 600}, Screen{1920, 1080},
                                           Screen{1024, 768}));

// A screen smaller than the left column still gets a canvas and pages of a
// pixel or more, and every tool works on them.
TEST_F(EditorTest, ScreenTooSmallStillGivesACanvasAndPages)
{
    for (const Screen screen : {Screen{100, 80}, Screen{60, 40}, Screen{1, 1}}) {
        SCOPED_TRACE(QString("%1 x %2").arg(screen.width).arg(screen.height).toStdString());
        EditorWindow& f = startEditor(screen.width, screen.height);
        EXPECT_GE(canvas()->Width(), 15);
        EXPECT_GE(canvas()->Height(), 15);
        EXPECT_GE(canvas()->width(), 1);
        EXPECT_GE(canvas()->height(), 1);
        for (int p = 0; p < EditorWindow::Pages; ++p)
            EXPECT_FALSE(page(p).Image().isNull());
        f.chooseGrid(50);
        f.chooseSymmetry(Symmetry::Centre);
        for (int tool : {2, 3, 4, 8, 10, 11, 12, 18, 19}) {
            f.chooseTool(Tool(tool));
            drag(0, 0, 600, 450);
            click(7, 7);
        }
        f.choosePage(9);
        EXPECT_EQ(f.currentPage(), 9);
    }
}

TEST_F(EditorTest, GridButtonsSetStepMarkAndCentre)
{
    EditorWindow& f = startEditor(); // canvas 10770 x 8120 twips
    EXPECT_EQ(f.settings().gridStep(), 300);
    EXPECT_EQ(f.settings().centreX(), 5100);
    EXPECT_EQ(f.settings().centreY(), 3900);
    const int centres[8][2] = {{5350, 4050}, {5300, 4000}, {5250, 4050}, {5200, 4000},
                               {5250, 4000}, {5100, 3900}, {5250, 3850}, {5200, 4000}};
    for (int i : {7, 0, 3, 1, 6, 2, 4, 5}) {
        SCOPED_TRACE(i);
        f.chooseGrid((i + 1) * 50);
        EXPECT_EQ(f.settings().gridStep(), (i + 1) * 50);
        EXPECT_EQ(f.settings().gridButton(), i);
        EXPECT_EQ(f.settings().centreX(), centres[i][0]);
        EXPECT_EQ(f.settings().centreY(), centres[i][1]);
        for (int b = 0; b < 8; ++b)
            EXPECT_EQ(member("gridButtons", b).BackColor(), b == i ? toolkit::vbGreen : vbWhite);
    }
}

TEST_F(EditorTest, FreePlacementSnapsBackToTheChosenGrid)
{
    EditorWindow& f = startEditor();
    // Before any grid button: the grid of 300 the editor starts with.
    f.chooseTool(Tool::FreeHand);
    EXPECT_EQ(f.settings().gridStep(), 1);
    f.chooseTool(Tool::SnapToGrid);
    EXPECT_EQ(f.settings().gridStep(), 300);

    f.chooseGrid(100);
    const QImage grid = canvas()->Image();
    f.chooseTool(Tool::FreeHand);
    EXPECT_EQ(f.settings().gridStep(), 1);
    EXPECT_EQ(f.settings().centreX(), 5300); // neither the centre nor the grid shown change
    EXPECT_EQ(f.settings().centreY(), 4000);
    EXPECT_EQ(canvas()->Image(), grid);
    f.clearDotList(); // "B" shows the canvas again: the grid, not black
    EXPECT_EQ(canvas()->Image(), grid);
    f.chooseTool(Tool::SnapToGrid);
    EXPECT_EQ(f.settings().gridStep(), 100);
    EXPECT_EQ(f.settings().gridButton(), 1);
}

TEST_F(EditorTest, GridDotsCoverTheCanvasFromRowAndColumnZeroButNoPage)
{
    struct Case
    {
        int button;
        int columns; // multiples of the step left of 10770
        int rows;    // and above 8120
    };
    for (const Case c : {Case{0, 216, 163}, Case{5, 36, 28}, Case{7, 27, 21}}) {
        SCOPED_TRACE(c.button);
        EditorWindow& f = startEditor();
        f.chooseGrid((c.button + 1) * 50);
        const int step = f.settings().gridStep();
        // The start picture went with the first grid: only the dots are left.
        EXPECT_EQ(pixelsOf(canvas()->Image(), vbBlack), c.columns * c.rows);
        for (int x : {0, step, (c.columns - 1) * step})
            for (int y : {0, step, (c.rows - 1) * step})
                EXPECT_EQ(canvasAt(x, y), vbBlack) << x << ", " << y;
        EXPECT_EQ(canvasAt(step / 2, step / 2), vbWhite);
        EXPECT_EQ(pixelsOf(page(0).Image(), vbBlack), 0);
    }
}

TEST_F(EditorTest, PageButtonsHideTheGridAndTheGridShowsTheNewPage)
{
    EditorWindow& f = startEditor();
    pickSwatch(Red);
    f.choosePage(1);
    drag(600, 1500, 3000, 1500); // a red line on page 2
    f.choosePage(0);
    f.chooseGrid(300);
    EXPECT_EQ(canvasAt(0, 0), vbBlack);
    EXPECT_EQ(canvasAt(1050, 1500), vbWhite);

    f.choosePage(1);
    EXPECT_EQ(member("pageButtons", 0).BackColor(), vbWhite);
    EXPECT_EQ(member("pageButtons", 1).BackColor(), Blue);
    EXPECT_TRUE(member("pageButtons", 1).styleSheet().contains("color: white"))
        << "readable on blue";
    EXPECT_EQ(canvasAt(0, 0), vbWhite); // the grid went with the switch
    EXPECT_EQ(canvasAt(1050, 1500), toolkit::RGB(255, 0, 0));

    f.chooseGrid(300);
    EXPECT_EQ(canvasAt(0, 0), vbBlack);
    EXPECT_EQ(canvasAt(1050, 1500), toolkit::RGB(255, 0, 0));
    EXPECT_EQ(pageAt(1, 0, 0), vbWhite);
}

// Previews live on the canvas's temporary layer: shown on screen with their
// mirrored copies, gone at the next move, never in the canvas's kept image
// nor in the page.
TEST_F(EditorTest, ShapePreviewsStayOnTheTemporaryLayer)
{
    struct Case
    {
        const char* name;
        int tool;
        QPointF pressAt, pointer;
        QPointF probe; // a point on the main shape's outline
        bool mirrored;
    };
    const Case cases[] = {
        {"circle", 8, {3000, 3000}, {3900, 4200}, {4500, 3000}, true},
        {"rectangle", 10, {1500, 1500}, {3000, 2400}, {2250, 1500}, true},
        {"polygon", 12, {3000, 3000}, {3000, 3600}, {3285, 3392}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EditorWindow& f = startEditor();
        f.choosePage(0); // the blank page instead of the start picture
        f.chooseSymmetry(Symmetry::LeftRight);
        f.chooseTool(Tool(c.tool));
        press(c.pressAt.x(), c.pressAt.y());
        moveTo(c.pointer.x(), c.pointer.y());
        const QPointF mirrored(2 * f.settings().centreX() - c.probe.x(), c.probe.y());
        const QImage screen = canvas()->screenImage();
        EXPECT_TRUE(near(screen, c.probe.x(), c.probe.y(), vbBlack));
        EXPECT_EQ(near(screen, mirrored.x(), mirrored.y(), vbBlack), c.mirrored);
        EXPECT_EQ(pixelsOf(canvas()->Image(), vbBlack), 0);
        EXPECT_EQ(pixelsOf(page(0).Image(), vbBlack), 0);

        moveTo(600, 7800, 0);
        EXPECT_FALSE(near(canvas()->screenImage(), c.probe.x(), c.probe.y(), vbBlack));
    }
}

// What mouse-up commits is what the last preview left: the circle's
// radius, the polygon's vertices and side count.
TEST_F(EditorTest, PreviewsLeaveWhatTheCommitDraws)
{
    EditorWindow& f = startEditor();
    f.chooseTool(Tool::Circle);
    press(3000, 3000);
    moveTo(3900, 4200);
    EXPECT_TRUE(near(canvas()->screenImage(), 4500, 3000, vbBlack)); // radius 1500
    f.releaseOnCanvas(1, 0, 3900, 4200);
    EXPECT_TRUE(near(page(0).Image(), 4500, 3000, vbBlack));
    click(6000, 6000); // no drag: the radius of the last preview
    EXPECT_TRUE(near(page(0).Image(), 7500, 6000, vbBlack));

    f.chooseTool(Tool::Polygon);
    press(3000, 3000);
    moveTo(3000, 3600);
    EXPECT_TRUE(near(canvas()->screenImage(), 3000, 3600, vbBlack)); // five sides from here
    EXPECT_TRUE(near(canvas()->screenImage(), 3285, 3392, vbBlack));
    find<toolkit::ComboBox>("sidesList")->setListIndex(0); // three sides, too late for this polygon
    f.releaseOnCanvas(1, 0, 3000, 3600);
    EXPECT_TRUE(near(page(0).Image(), 3285, 3392, vbBlack));
    EXPECT_TRUE(near(page(0).Image(), 2715, 3392, vbBlack));
}
