#include "palettestrip.h"
#include "playerfixture.h"
#include "titlewindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <cmath>

using player::PlayerWindow;
using player::TitleWindow;

namespace {

struct ScreenCase
{
    int width;
    int height;
    float scaleX;
    double scaleY;
};

} // namespace

class StartWindowTest : public PlayerTest, public ::testing::WithParamInterface<ScreenCase>
{
};

TEST_P(StartWindowTest, MeasuresTheScreenIntoTheScaleFactors)
{
    const ScreenCase screen = GetParam();
    platform.screenWidthPx = screen.width;
    platform.screenHeightPx = screen.height;
    TitleWindow start(platform);
    start.startUp();
    EXPECT_EQ(player::scaleX, screen.scaleX);
    EXPECT_EQ(player::scaleY, screen.scaleY);
    // Centred: (screen - window) \ 2, in twips, shown in whole pixels.
    EXPECT_EQ(start.x(), ((screen.width * 15 - 8535) / 2) / 15);
    EXPECT_EQ(start.y(), ((screen.height * 15 - 5685) / 2) / 15);
}

INSTANTIATE_TEST_SUITE_P(Screens, StartWindowTest,
                         ::testing::Values(ScreenCase{800, 600, 1.0f, 1.0},
                                           ScreenCase{1024, 768, 1.28f, 1.28},
                                           ScreenCase{1280, 1024, 1.6f, 1024.0 / 600.0}));

TEST_F(PlayerTest, ScaleXIsHeldInSinglePrecision)
{
    platform.screenWidthPx = 1024;
    TitleWindow start(platform);
    start.startUp();
    // The float nearest 1.28 lies just below it, which is what moves x = 400 to 511.
    EXPECT_LT(double(player::scaleX), 1.28);
    EXPECT_EQ(std::floor(400 * double(player::scaleX)), 511);
}

TEST_F(PlayerTest, ClickOnTheTitleCardOpensTheMainWindowAndClosesTheStartWindow)
{
    auto* start = new TitleWindow(platform);
    start->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<TitleWindow> alive(start);
    start->Show();
    auto* card = findControl<toolkit::PictureBox>(*start, "card");
    card->mouseDownAtPixel(1, 0, 100, 100);
    card->mouseUpAtPixel(1, 0, 100, 100);
    ASSERT_TRUE(player::mainWindow);
    EXPECT_TRUE(player::mainWindow->isVisible());
    // No tool is chosen: none can be until a figure is joined.
    EXPECT_FALSE(findControl<toolkit::CommandButton>(*player::mainWindow, "toolButtons", Tool::Fill)
                     ->isEnabled());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(alive);
    delete player::mainWindow;
}

TEST_F(PlayerTest, StartUpListsThemesByNameAndPointsAtTheFirst)
{
    QDir().mkpath(path("actividades/transportes"));
    QDir().mkpath(path("actividades/animales"));
    QDir().mkpath(path("actividades/formas"));
    startPlayer();
    ASSERT_EQ(themeList()->ListCount(), 3);
    EXPECT_EQ(themeList()->List(0), "animales");
    EXPECT_EQ(themeList()->List(2), "transportes");
    EXPECT_EQ(themeList()->Text(), "animales");
    EXPECT_EQ(places().folder(), path("actividades/animales"));
    EXPECT_EQ(places().activity(0), 1);
    EXPECT_EQ(places().activity(1), 0);
    EXPECT_EQ(player::UndoRing::Slots, 4);
    EXPECT_EQ(player::GalleryRing::Slots, 25);
    for (int i = 0; i < 8; ++i)
        EXPECT_FALSE(toolButton(Tool(i))->isEnabled());
    EXPECT_EQ(canvas()->ForeColor, toolkit::vbGreen);
    EXPECT_EQ(canvas()->FillColor, toolkit::vbGreen);
    EXPECT_EQ(joinedOutline()->ForeColor, toolkit::vbGreen);
    EXPECT_EQ(game().count(), 0);
}

TEST_F(PlayerTest, WithoutThemesStartUpCompletesAndTheThemeFolderIsTheActivitiesFolder)
{
    PlayerWindow& f = startPlayer();
    EXPECT_EQ(themeList()->ListCount(), 0);
    EXPECT_EQ(places().folder(), path("actividades"));
    // The buttons still do something harmless.
    f.goForward();
    f.goBack();
    f.showNumbers();
    EXPECT_EQ(game().count(), 0);
}

TEST_F(PlayerTest, EveryThemeBeyondFiftyOneKeepsItsOwnActivity)
{
    for (int i = 0; i < 60; ++i) {
        const QString theme = QStringLiteral("tema%1").arg(i, 2, 10, QLatin1Char('0'));
        writeActivity(theme, 1, {"1,100,100,0,0,0,", "2,900,100,0,0,0,"});
        writeActivity(theme, 2, {"1,100,100,0,0,0,", "2,900,100,0,0,0,"});
    }
    PlayerWindow& f = startPlayer();
    ASSERT_EQ(themeList()->ListCount(), 60);
    themeList()->setListIndex(58);
    f.chooseTheme();
    f.goForward();
    themeList()->setListIndex(59);
    f.chooseTheme();
    EXPECT_EQ(places().activity(58), 2);
    EXPECT_EQ(places().activity(59), 1);
}

TEST_F(PlayerTest, LanguageFileGivesTooltipsAndTheExitQuestion)
{
    QByteArray text;
    for (int i = 0; i < 10; ++i)
        text += "texto " + QByteArray::number(i) + "\r\n";
    text += "\xbfQuieres salir?\r\n"; // Windows-1252
    writeFile("idioma/idioma.txt", text);
    startPlayer();
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(toolButton(Tool(i))->toolTip(), QStringLiteral("texto %1").arg(i));
    EXPECT_EQ(navigationButton(Navigation::Numbers)->toolTip(), "texto 8");
    EXPECT_EQ(exitButton()->toolTip(), "texto 9");
    EXPECT_EQ(uiText(10), QStringLiteral("¿Quieres salir?"));
}

TEST_F(PlayerTest, LanguageLinesSplitAtCommasUnlessQuoted)
{
    writeFile("idioma/idioma.txt", "uno, dos\n\"tres, cuatro\"\ncinco\n");
    startPlayer();
    EXPECT_EQ(uiText(0), "uno");
    EXPECT_EQ(uiText(1), "dos");
    EXPECT_EQ(uiText(2), "tres, cuatro");
    EXPECT_EQ(uiText(3), "cinco");
    EXPECT_TRUE(uiText(4).isEmpty());
}

TEST_F(PlayerTest, MissingLanguageFileLeavesTextsEmpty)
{
    startPlayer();
    for (int i = 0; i < 11; ++i)
        EXPECT_TRUE(uiText(i).isEmpty()) << i;
    EXPECT_TRUE(toolButton(Tool::Fill)->toolTip().isEmpty());
}

TEST_F(PlayerTest, LayoutOnAnEightHundredBySixHundredScreen)
{
    startPlayer();
    EXPECT_EQ(canvas()->Width(), 10790);
    EXPECT_EQ(canvas()->Height(), 8185);
    EXPECT_EQ(canvas()->geometry(), QRect(32, 8, 719, 545));
    EXPECT_EQ(paletteStrip()->geometry().topLeft(), QPoint(8, 8));
    EXPECT_EQ(joinedOutline()->Width(), 10790);
    EXPECT_EQ(joinedOutline()->Top(), canvas()->Top());

    const int rowTop = 120 + 8185 + 50;
    EXPECT_EQ(navigationButton(Navigation::Forward)->Top(), rowTop);
    EXPECT_EQ(navigationButton(Navigation::Forward)->Left(), 505);
    EXPECT_EQ(navigationButton(Navigation::Back)->Left(), 1000);
    EXPECT_EQ(themeList()->Left(), 1545);
    EXPECT_EQ(navigationButton(Navigation::Numbers)->Left(), 3865);
    EXPECT_EQ(toolButton(Tool::Fill)->Left(), 4655);
    EXPECT_EQ(toolButton(Tool::OpenFolder)->Left(), 4655 + 7 * 615);
    EXPECT_EQ(exitButton()->Left(), 4655 + 8 * 615 + 25);
    EXPECT_EQ(exitButton()->Top(), rowTop);
    EXPECT_EQ(paletteStrip()->Height(), 8185 + 50 + 615);
    EXPECT_EQ(widthButton(0)->Left(), 480 + 10790 + 25);
    EXPECT_EQ(widthButton(9)->Top(), 120 + 9 * 615);
}

TEST_F(PlayerTest, LayoutFollowsTheScreen)
{
    for (const QSize screen : {QSize(1024, 768), QSize(1920, 1080)}) {
        platform.screenWidthPx = screen.width();
        platform.screenHeightPx = screen.height();
        startPlayer();
        const int W = screen.width() * 15;
        const int H = screen.height() * 15;
        EXPECT_EQ(canvas()->Width(), W - 615 - 100 - 120 - 375);
        EXPECT_EQ(canvas()->Height(), H - 615 - 200);
        EXPECT_EQ(navigationButton(Navigation::Forward)->Top(), 120 + canvas()->Height() + 50);
        // The width column and the exit button stay on the screen.
        EXPECT_LE(widthButton(0)->Left() + 615, W);
        EXPECT_LE(widthButton(9)->Top() + 615, H);
        EXPECT_LE(exitButton()->Left() + 615, W);
    }
}

TEST_F(PlayerTest, ATinyScreenStillGivesACanvasOfAtLeastOnePixel)
{
    platform.screenWidthPx = 40;
    platform.screenHeightPx = 30;
    startPlayer();
    EXPECT_GE(canvas()->width(), 1);
    EXPECT_GE(canvas()->height(), 1);
    EXPECT_GE(canvas()->Image().width(), 1);
    canvas()->Line(0, 0, 1000, 1000);
    canvas()->FloodFill(0, 0, toolkit::vbWhite);
}

TEST(PaletteStrip, CellsFramesAndGreyFollowTheColourList)
{
    const QImage strip = player::paletteStrip();
    ASSERT_EQ(strip.size(), QSize(19, 897));
    auto at = [&](int x, int y) { return toolkit::fromQRgb(strip.pixel(x, y)); };
    const int grey = toolkit::RGB(128, 128, 128);
    // Grey in the three leftmost columns and between cells.
    EXPECT_EQ(at(0, 10), grey);
    EXPECT_EQ(at(2, 10), grey);
    EXPECT_EQ(at(10, 19), grey);
    // The first cells: white at rows 6..17, then light grey, then red.
    EXPECT_EQ(at(4, 6), toolkit::RGB(255, 255, 255));
    EXPECT_EQ(at(15, 17), toolkit::RGB(255, 255, 255));
    EXPECT_EQ(at(10, 22), toolkit::RGB(192, 192, 192));
    EXPECT_EQ(at(10, 38), toolkit::RGB(255, 0, 0));
    // A one-pixel bevelled frame round every cell.
    EXPECT_EQ(at(3, 10), toolkit::RGB(4, 4, 4));
    EXPECT_EQ(at(10, 5), toolkit::RGB(4, 4, 4));
    EXPECT_EQ(at(16, 10), toolkit::RGB(192, 192, 192));
    EXPECT_EQ(at(10, 18), toolkit::RGB(192, 192, 192));
    // The 55th whole cell and the cut one after it.
    EXPECT_EQ(at(10, 6 + 54 * 16), toolkit::RGB(255, 0, 255));
    EXPECT_EQ(at(10, 896), toolkit::RGB(255, 255, 128));
    // No pixel is pure black.
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); ++x)
            ASSERT_NE(at(x, y), 0) << x << "," << y;

    // Every pixel, from the colour list: cells on a 16-pixel pitch from row 6,
    // columns 4..15, framed dark above and left, light below and right, with
    // the 56th cell cut by the strip's end.
    const int cells[56][3] = {
        {255, 255, 255}, {192, 192, 192}, {255, 0, 0},     {255, 255, 0},   {0, 255, 0},
        {0, 255, 255},   {0, 0, 255},     {255, 0, 255},   {255, 255, 128}, {0, 255, 128},
        {128, 255, 255}, {128, 128, 255}, {255, 0, 128},   {255, 128, 64},  {255, 255, 255},
        {192, 192, 192}, {255, 0, 0},     {204, 153, 102}, {0, 255, 0},     {204, 51, 204},
        {51, 102, 51},   {255, 0, 255},   {4, 4, 4},       {128, 128, 128}, {128, 0, 0},
        {128, 128, 0},   {0, 128, 0},     {0, 128, 128},   {0, 0, 128},     {128, 0, 128},
        {128, 128, 64},  {0, 64, 64},     {0, 128, 255},   {0, 64, 128},    {64, 0, 255},
        {128, 64, 0},    {4, 4, 4},       {128, 128, 128}, {128, 0, 0},     {153, 51, 0},
        {0, 128, 0},     {0, 128, 128},   {0, 0, 128},     {128, 0, 128},   {128, 64, 0},
        {4, 4, 4},       {128, 128, 128}, {128, 0, 0},     {153, 51, 0},    {255, 0, 0},
        {255, 255, 0},   {0, 255, 0},     {0, 255, 255},   {0, 0, 255},     {255, 0, 255},
        {255, 255, 128}};
    auto expected = [&](int x, int y) {
        const int cell = (y - 5) / 16; // its frame starts the row above it
        const int top = 6 + 16 * cell;
        if (y < 5 || (y - 5) % 16 > 13 || x < 3 || x > 16)
            return grey;
        if (y == top + 12 || (x == 16 && y >= top))
            return toolkit::RGB(192, 192, 192);
        if (y == top - 1 || x == 3)
            return toolkit::RGB(4, 4, 4);
        return toolkit::RGB(cells[cell][0], cells[cell][1], cells[cell][2]);
    };
    int wrong = 0;
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); ++x)
            if (at(x, y) != expected(x, y) && ++wrong <= 5)
                ADD_FAILURE() << "pixel " << x << "," << y << " is " << std::hex << at(x, y)
                              << ", expected " << expected(x, y);
    EXPECT_EQ(wrong, 0);
}

// The strip is drawn by code shared with the editor; it must stay the picture
// the player has always shown.
TEST(PaletteStrip, IsThePictureThePlayerHasAlwaysShown)
{
    const QImage reference(QStringLiteral(LUNIPO_TEST_DATA "/player-palettestrip.png"));
    ASSERT_FALSE(reference.isNull());
    EXPECT_EQ(player::paletteStrip().convertToFormat(QImage::Format_RGB32),
              reference.convertToFormat(QImage::Format_RGB32));
}

// A package keeps only the programs in /usr/bin: what the player reads comes
// from the first data folder that holds it, beside the program first; a voice
// from the first that holds that label's.
TEST_F(PlayerTest, LanguageSoundsAndVoicesComeFromTheFirstDataFolderHoldingThem)
{
    QTemporaryDir system;
    const QByteArray savedDataDirs = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_DIRS", (system.filePath("local") + ":" + system.filePath("usr")).toUtf8());
    for (const QString file : {"usr/lunipo/idioma/idioma.txt", "usr/lunipo/sonidos/acierto.wav",
                               "local/lunipo/sonidos/acierto.wav", "usr/lunipo/sonidos/voz/1.wav",
                               "local/lunipo/sonidos/voz/2.wav", "usr/lunipo/sonidos/error.wav"}) {
        QDir().mkpath(QFileInfo(system.filePath(file)).path());
        QFile written(system.filePath(file)); // each file says where it lies
        ASSERT_TRUE(written.open(QIODevice::WriteOnly) && written.write(file.toUtf8()) > 0);
    }
    writeFile("sonidos/error.wav", "beside");
    writeActivity("t", 1, {"1,0,0,0,0,0,", "2,900,0,0,0,0,", "3,1800,0,0,0,0,"});
    startPlayer().chooseTheme();
    clickAt(5000, 5000);
    clickAt(0, 0);
    qputenv("XDG_DATA_DIRS", savedDataDirs);
    EXPECT_EQ(platform.soundSequences.mid(platform.soundSequences.size() - 2),
              QList<QStringList>({{path("sonidos/error.wav")},
                                  {system.filePath("local/lunipo/sonidos/acierto.wav"),
                                   system.filePath("usr/lunipo/sonidos/voz/1.wav")}}));
    EXPECT_EQ(uiText(0), "usr/lunipo/idioma/idioma.txt");
}
