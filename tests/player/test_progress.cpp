#include "../localshare.h"
#include "playerfixture.h"
#include "progressstore.h"
#include "themelibrary.h"

#include <sys/stat.h>

using player::ProgressStore;

// Whatever lies in the file, the store keeps only what is sound, and its next
// change leaves a sound file of a few bytes in its place.
TEST(ProgressStore, KeepsWhatIsSoundAndReplacesDamagedOrForeignFiles)
{
    const std::pair<QByteArray, int> cases[] = {
        {"", 0},
        {"\x00\xff garbage", 0},
        {R"({"lunipo-progreso":1,"temas":{"a":{"ultima":4,"terminad)", 0}, // cut short
        {R"({"otro-programa":1,"temas":{"a":{"ultima":4}}})", 0},
        {R"({"lunipo-progreso":2,"temas":{"a":{"ultima":4}}})", 0},
        {R"({"lunipo-progreso":1,"temas":{"a":{"ultima":-3,"terminadas":["x",0]}}})", 0},
        {R"({"lunipo-progreso":1,"temas":{"a":{"ultima":1e12}}})", 0},
        {R"({"lunipo-progreso":1,"temas":{"a":7,"b":{"ultima":4}}})", 0},
        {R"({"lunipo-progreso":1,"temas":{"a":{"ultima":4}}})", 4},
    };
    QTemporaryDir folder;
    const QString file = folder.filePath("lunipo/progreso.json");
    for (const auto& [contents, lastShown] : cases) {
        SCOPED_TRACE(contents.toStdString());
        QDir().mkpath(folder.filePath("lunipo"));
        QFile raw(file);
        ASSERT_TRUE(raw.open(QIODevice::WriteOnly));
        raw.write(contents);
        raw.close();
        {
            ProgressStore store(file);
            EXPECT_EQ(store.lastShown("a"), lastShown);
            store.setFinished("a", 2);
            store.setLastShown("formas ñ", 3);
            store.setLastShown("formas ñ", 0); // no activity: the 3 stays
        }
        EXPECT_LT(QFileInfo(file).size(), 160);
        ProgressStore reread(file);
        EXPECT_EQ(reread.lastShown("a"), lastShown);
        EXPECT_EQ(reread.lastShown("formas ñ"), 3);
        EXPECT_TRUE(reread.finished("a", 2) && !reread.finished("a", 3));
    }
    // A FIFO or a link to an endless device is no progress, and never stops
    // the player before its window shows.
    ASSERT_TRUE(QFile::remove(file) && QFile::link("/dev/zero", file));
    EXPECT_EQ(ProgressStore(file).lastShown("a"), 0);
    ASSERT_TRUE(QFile::remove(file) && ::mkfifo(QFile::encodeName(file).constData(), 0600) == 0);
    EXPECT_EQ(ProgressStore(file).lastShown("a"), 0);
}

// The window: each child goes on in each theme where they stopped, and sees
// a star on the numbers button for an activity finished before. An activity
// opened alone (the editor's "Probar") is never remembered.
class ProgressTest : public PlayerTest
{
protected:
    // Activities alike but for the blank lines at their end, each of its own.
    void makeTheme(const QString& theme, int activities)
    {
        for (int n = 1; n <= activities; ++n) {
            writeActivity(theme, n, {"1,1500,1500,0,0,0,", "2,4500,1500,0,0,0,", "3,0,0,0,0,0,"});
            QFile file(path(QStringLiteral("actividades/%1/%2.txt").arg(theme).arg(n)));
            ASSERT_TRUE(file.open(QIODevice::Append));
            file.write(QByteArray(n, '\n'));
        }
    }
    // Closes the player, as at the end of a day, and starts it on `theme`.
    int restartOn(int theme)
    {
        form.reset();
        startPlayer();
        themeList()->setListIndex(theme);
        form->chooseTheme();
        return QFileInfo(game().file()).baseName().toInt();
    }
};

TEST_F(ProgressTest, GoesOnWhereTheChildStoppedWithAStarOnFinishedOnes)
{
    makeTheme("animales", 5);
    makeTheme("formas", 2);
    startPlayer().chooseTheme();
    for (int i = 0; i < 3; ++i)
        form->goForward();
    clickAt(1500, 1500);
    clickAt(4500, 1500);
    EXPECT_TRUE(starShown());
    form->goForward();
    EXPECT_FALSE(starShown());

    EXPECT_EQ(restartOn(1), 1); // each theme keeps its own place
    EXPECT_EQ(restartOn(0), 5);
    EXPECT_FALSE(starShown());
    form->goBack();
    EXPECT_TRUE(starShown());
    form->openActivityFile(path("actividades/animales/1.txt"));
    EXPECT_EQ(restartOn(0), 4);
}

// The teacher moves the activity a child was on, and the one the child
// finished: the place and the star follow the activities, not their numbers.
TEST_F(ProgressTest, ThePlaceAndTheStarFollowAMovedActivity)
{
    makeTheme("animales", 4);
    startPlayer().chooseTheme();
    form->goForward();
    clickAt(1500, 1500);
    clickAt(4500, 1500); // activity 2 finished
    form->goForward();   // and 3 shown
    form.reset();
    toolkit::ThemeLibrary library({}, localShare());
    ASSERT_EQ(library.move(path("actividades/animales"), 3, -2), "");
    ASSERT_EQ(library.move(path("actividades/animales"), 2, +2), "");
    // Now 3 is 1, and 2 is 4.
    EXPECT_EQ(restartOn(0), 1);
    form->goBack();
    EXPECT_EQ(QFileInfo(game().file()).baseName().toInt(), 4);
    EXPECT_TRUE(starShown());
}

// The place is the theme's folder's, whatever name the theme shows in the
// language of the day.
TEST_F(ProgressTest, ThePlaceStaysWhenTheThemeShowsAnotherName)
{
    makeTheme("animales", 3);
    QFile ini(path("actividades/animales/tema.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Tema]\nNombre[ca]=animals\n");
    ini.close();
    startPlayer().chooseTheme();
    form->goForward();
    const QByteArray locale = qgetenv("LC_ALL");
    qputenv("LC_ALL", "ca_ES.UTF-8");
    EXPECT_EQ(restartOn(0), 2);
    EXPECT_EQ(themeList()->List(0), "animals");
    qputenv("LC_ALL", locale);
}

// A theme renamed, shortened, emptied or gone is never a reason to fail: the
// child starts at its first activity, or at its last when it got shorter.
TEST_F(ProgressTest, ThemeRenamedShortenedOrGoneStartsAfresh)
{
    const std::tuple<QString, int, int> cases[] = {
        {"animales", 9, 7}, {"animales", 3, 3}, {"animales", 0, 0}, {"bichos", 9, 1}};
    for (const auto& [theme, activitiesLeft, shown] : cases) {
        SCOPED_TRACE(shown);
        form.reset();
        ProgressStore(ProgressStore::defaultFile()).setLastShown("animales", 7);
        QDir(path("actividades")).removeRecursively();
        makeTheme(theme, activitiesLeft);
        QDir().mkpath(path("actividades/" + theme));
        EXPECT_EQ(restartOn(0), shown);
    }
}

// With the lab's "progreso", each activity played goes into the child's
// record: the clicks beside the dot, the finish, the colouring, the drawing
// saved and the reach settings; the next one shown is a new entry.
TEST_F(ProgressTest, TheLabsRecordTellsTheTeacherWhatWasPlayed)
{
    makeTheme("animales", 2);
    QTemporaryDir server;
    form = std::make_unique<PlayerWindow>(platform);
    form->lab.progressFolder = server.filePath("progreso/ana");
    form->lab.reach.silentMisses = true;
    form->startUp();
    form->chooseTheme();
    clickAt(9000, 7000); // beside the dot
    clickAt(1500, 1500);
    platform.clock = platform.clock.addSecs(40);
    clickAt(4500, 1500);
    form->chooseTool(Tool::Fill);
    clickAt(3000, 3000);
    form->chooseTool(Tool::Save);
    form->goForward();
    form.reset(); // the end of the lesson: what is left is written

    const auto played = toolkit::childrecord::read(server.filePath("progreso/ana"));
    ASSERT_EQ(played.size(), 2);
    EXPECT_EQ(played[0].theme + QString::number(played[0].activity), "animales1");
    EXPECT_EQ(played[0].id, ProgressStore::idOf(path("actividades/animales/1.txt")));
    EXPECT_EQ(played[0].wrongDots, 1);
    EXPECT_EQ(played[0].seconds(), 40);
    EXPECT_TRUE(played[0].coloured);
    EXPECT_EQ(played[0].savedDrawing, "5-12-2026-21-8-43.bmp");
    EXPECT_EQ(played[0].reach, "sin-fallos");
    EXPECT_EQ(played[1].activity, 2);
    EXPECT_FALSE(played[1].finished.isValid());
}
