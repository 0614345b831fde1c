// A child's whole visit: start window, a sample theme, every dot joined,
// the figure coloured and saved.

#include "playerfixture.h"
#include "titlewindow.h"

#include <QDirIterator>

namespace {

void copyFolder(const QString& from, const QString& to)
{
    QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target = to + source.mid(from.size());
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(source, target);
    }
}

} // namespace

TEST_F(PlayerTest, ASampleHouseFromStartUpToASavedDrawing)
{
    copyFolder(QStringLiteral(LUNIPO_SOURCE_DIR "/data/actividades"), path("actividades"));
    platform.screenWidthPx = 1024;
    platform.screenHeightPx = 768;

    player::TitleWindow start(platform);
    start.startUp();
    start.openPlayer();
    ASSERT_TRUE(player::mainWindow);
    form.reset(player::mainWindow.data());
    player::PlayerWindow& f = *form;

    themeList()->setListIndex(themeList()->findText("formas"));
    f.chooseTheme();
    ASSERT_GT(game().count(), 3);

    // Click each dot the game waits for; a closing record is passed by
    // clicking the dot after it.
    int clicks = 0;
    while (!game().joined() && clicks < 200) {
        const int record = game().expectedRecord();
        f.pressOnCanvas(1, 0, float(game().dot(record).x), float(game().dot(record).y));
        f.releaseOnCanvas(1, 0, float(game().dot(record).x), float(game().dot(record).y));
        ++clicks;
    }
    ASSERT_TRUE(game().joined());
    EXPECT_EQ(platform.soundNames().count("error.wav"), 0);
    EXPECT_EQ(platform.soundNames().last(), "aciertotodo.wav");
    for (int i = 0; i < 8; ++i)
        EXPECT_TRUE(toolButton(Tool(i))->isEnabled());

    // Red from the palette, then a fill inside the walls, beside the door.
    f.pressOnPalette(1, 0, 10 * 15, 40 * 15);
    EXPECT_EQ(canvas()->FillColor, toolkit::RGB(255, 0, 0));
    f.chooseTool(Tool::Fill);
    const double insideX = 7000 * 1.28, insideY = 4500 * 1.28;
    f.pressOnCanvas(1, 0, float(insideX), float(insideY));
    f.releaseOnCanvas(1, 0, float(insideX), float(insideY));
    EXPECT_EQ(canvasPixel(int(insideX / 15), int(insideY / 15)), toolkit::RGB(255, 0, 0));
    EXPECT_EQ(canvasPixel(5, 5), toolkit::vbWhite); // the fill stopped at the walls

    f.chooseTool(Tool::Save);
    const QString saved = path("dibujosrealizados/5-12-2026-21-8-3.bmp");
    ASSERT_TRUE(QFileInfo::exists(saved));
    const QImage drawing(saved);
    ASSERT_FALSE(drawing.isNull());
    EXPECT_EQ(drawing.convertToFormat(QImage::Format_RGB32),
              canvas()->Image().convertToFormat(QImage::Format_RGB32));
}
