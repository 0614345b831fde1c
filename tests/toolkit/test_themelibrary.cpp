#include "../localshare.h"
#include "activityfiles.h"
#include "themelibrary.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStorageInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using toolkit::ThemeLibrary;

// A theme "formas" of activities A, B, C, D (the second named in capitals),
// A and C with pictures a and c, and an F past a gap, which the player never
// reaches, beside a program of the test's own; removed things go to a
// papelera of the test's own. A second editor, another teacher's, works on
// the same themes and never waits for the first.
class ThemeLibraryTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString theme = dir.filePath("actividades/formas");
    QString papelera = dir.filePath("papelera");
    const QByteArray oldData = qgetenv("XDG_DATA_HOME");
    ThemeLibrary library{dir.path(), localShare(), papelera};
    ThemeLibrary other{dir.path(), localShare(), papelera};

    void SetUp() override
    {
        qputenv("XDG_DATA_HOME", dir.filePath("data").toLocal8Bit());
        library.useDesktopTrash = other.useDesktopTrash = false;
        library.lockPatienceMs = other.lockPatienceMs = 0;
        QDir().mkpath(theme);
        const QStringList names{"1.txt", "2.TXT", "3.txt", "4.txt", "6.txt"};
        for (int n = 0; n < names.size(); ++n)
            write(theme + "/" + names[n], QByteArray(1, "ABCDF"[n]));
        write(theme + "/1.png", "a");
        write(theme + "/3.png", "c");
    }
    // As another computer's lock not refreshed for two minutes.
    static void backdate(const QString& path)
    {
        QFile file(path);
        if (file.open(QIODevice::ReadWrite))
            file.setFileTime(QDateTime::currentDateTime().addSecs(-120),
                             QFileDevice::FileModificationTime);
    }
    static void write(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QString contents(const QStringList& paths)
    {
        QString all;
        for (const QString& path : paths) {
            QFile file(path);
            all += file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : "?";
        }
        return all;
    }
    QString inTheme() const { return contents(toolkit::playableActivities(theme)); }
    // Each activity's picture, "-" for none: "a-c-" at first.
    QString picturesInTheme() const
    {
        QString all;
        for (const QString& path : toolkit::playableActivities(theme))
            all += QFile::exists(path.chopped(4) + ".png") ? contents({path.chopped(4) + ".png"})
                                                           : QString("-");
        return all;
    }
    void TearDown() override { qputenv("XDG_DATA_HOME", oldData); }
    static QString picturesOf(QString letters)
    {
        for (QChar& letter : letters)
            letter = QString("ACE").contains(letter) ? letter.toLower() : QChar('-');
        return letters;
    }
    QString inPapelera(const QString& kind = "*.txt") const
    {
        QStringList paths;
        for (const QString& name : QDir(papelera).entryList({kind}, QDir::Files, QDir::Name))
            paths << QDir(papelera).filePath(name);
        return contents(paths);
    }
};

// Whatever step the work is cut after, the next start finds every activity
// exactly once, 1 to n, each with its own picture: in the old order when the
// plan was not written yet, otherwise in the new one, the removed activity
// in the papelera. While the work goes on, a second teacher's save waits for
// it, and the lock stays fresh however long each step takes; once it is cut
// short, that save finishes the work first and lands after it.
TEST_F(ThemeLibraryTest, RenumberingCutShortAtAnyStepIsFinishedByRecovery)
{
    const struct
    {
        const char* what;
        std::function<QString(const ThemeLibrary&, const QString&)> run;
        QString after, removed;
    } cases[] = {
        {"2 earlier", [](auto& l, auto& t) { return l.move(t, 2, -1); }, "BACD", ""},
        {"3 later", [](auto& l, auto& t) { return l.move(t, 3, +1); }, "ABDC", ""},
        {"remove 1", [](auto& l, auto& t) { return l.remove(t, 1); }, "BCD", "A"},
        {"remove 2", [](auto& l, auto& t) { return l.remove(t, 2); }, "ACD", "B"},
        {"remove 4", [](auto& l, auto& t) { return l.remove(t, 4); }, "ABC", "D"},
    };
    for (const auto& c : cases) {
        for (int cut = 1;; ++cut) {
            SCOPED_TRACE(testing::Message() << c.what << ", cut after step " << cut);
            QDir(dir.path()).removeRecursively();
            SetUp();
            int steps = 0;
            const QString lock = theme + "/.lunipo-cambiando.lock";
            library.stepDone = [&] {
                EXPECT_LT(QFileInfo(lock).lastModified().secsTo(QDateTime::currentDateTime()), 30);
                backdate(lock);
                EXPECT_TRUE(other.save("formas", "E", "e").problem.contains("Otra persona"));
                return ++steps < cut;
            };
            const bool finished = c.run(library, theme).isEmpty();
            library.stepDone = {};
            const QString kept = QString("ABCD").remove(c.removed);
            for (QChar letter : kept) // meanwhile, the player finds them all
                EXPECT_TRUE(inTheme().contains(letter)) << inTheme().toStdString();
            ASSERT_EQ(other.save("formas", "E", "e").problem, "");
            library.recover({theme});
            const QString after = (cut == 1 && !finished ? "ABCD" : c.after) + "E";
            EXPECT_EQ(inTheme(), after.size() == 5 ? after + "F" : after); // E fills 5, before F
            EXPECT_EQ(picturesInTheme(), picturesOf(inTheme()));           // each with its own
            EXPECT_EQ(inPapelera(), cut == 1 && !finished ? "" : c.removed);
            EXPECT_EQ(inPapelera("*.png"), picturesOf(inPapelera()).remove('-'));
            EXPECT_EQ(contents({theme + "/6.txt"}), "F");
            EXPECT_EQ(QDir(theme).entryList(QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot),
                      QStringList());
            if (finished)
                break;
        }
    }
}

// Without a desktop trash, removed activities and themes go to the papelera
// under names that say what they were, never over one already there.
TEST_F(ThemeLibraryTest, ThePapeleraTakesWhatTheDesktopTrashCannot)
{
    EXPECT_EQ(library.remove(theme, 1), "");
    EXPECT_EQ(library.remove(theme, 1), "");
    EXPECT_EQ(library.removeTheme(theme), "");
    EXPECT_EQ(QDir(papelera).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
              QStringList({"formas", "formas 1 (2).txt", "formas 1.png", "formas 1.txt"}));
    EXPECT_EQ(inPapelera(), "BA");
    EXPECT_EQ(contents(toolkit::playableActivities(papelera + "/formas")), "CD");
    EXPECT_FALSE(QFileInfo::exists(theme));
    EXPECT_NE(library.remove(theme, 1), "");
    // A theme whose name fills the 255 bytes a name may take.
    const QString longest = dir.filePath(QString(127, QChar(0xf1)));
    ASSERT_TRUE(QDir().mkpath(longest));
    write(longest + "/1.txt", "L");
    EXPECT_EQ(library.remove(longest, 1), "");
    EXPECT_EQ(library.removeTheme(longest), "");
}

TEST_F(ThemeLibraryTest, RenamingKeepsTheActivitiesAndRefusesNamesThePlayerCouldNotList)
{
    QDir().mkpath(dir.filePath("actividades/animales"));
    for (const QString bad : {"animales", " ", "a/b", ".oculto"})
        EXPECT_NE(library.renameTheme(theme, bad), "") << bad.toStdString();
    QString renamed;
    EXPECT_EQ(library.renameTheme(theme, " Mis formas ", &renamed), "");
    EXPECT_EQ(renamed, dir.filePath("actividades/Mis formas"));
    EXPECT_EQ(contents(toolkit::playableActivities(renamed)), "ABCD");
    EXPECT_EQ(library.replace(renamed + "/2.TXT", "Z"), "");
    EXPECT_EQ(contents(toolkit::playableActivities(renamed)), "AZCD");
    EXPECT_NE(library.replace(dir.filePath("no/1.txt"), "Z"), "");
}

// In a shared theme folder, a plan the library did not write moves nothing:
// not through a staging folder that is a link, not naming other files.
TEST_F(ThemeLibraryTest, AForeignPlanIsLeftAlone)
{
    write(dir.filePath("outside.txt"), "O");
    QDir().mkpath(dir.filePath("elsewhere"));
    write(dir.filePath("elsewhere/plan"), "1.txt/\n");
    QFile::link(dir.filePath("elsewhere"), theme + "/.renumerando");
    library.recover({theme});
    QFile::remove(theme + "/.renumerando");
    QDir().mkpath(theme + "/.renumerando");
    write(theme + "/.renumerando/plan", "../outside.txt/5.txt\n2.TXT/\n");
    library.recover({theme});
    EXPECT_EQ(inTheme(), "ABCD");
    EXPECT_EQ(contents({dir.filePath("outside.txt"), dir.filePath("elsewhere/plan")}), "O1.txt/\n");
    EXPECT_EQ(inPapelera(), "");
}

// Entries that are not regular files of the theme itself: a link to another
// account's file (3), a FIFO (4); the player and the library see them as
// damaged, and no write, move or removal ever touches them or what they
// point at.
TEST_F(ThemeLibraryTest, ALinkOrAFifoInAThemeIsDamagedAndNeverWrittenThrough)
{
    const QString bashrc = dir.filePath("bashrc");
    write(bashrc, "secret");
    QFile::remove(theme + "/3.txt");
    ASSERT_TRUE(QFile::link(bashrc, theme + "/3.txt"));
    QFile::remove(theme + "/4.txt");
    ASSERT_EQ(::mkfifo(QFile::encodeName(theme + "/4.txt").constData(), 0600), 0);
    QList<bool> damaged;
    for (const auto& file : toolkit::activityFiles(theme))
        damaged << file.damaged;
    EXPECT_EQ(damaged, QList<bool>({false, false, true, true}));
    for (const QString& problem :
         {library.replace(theme + "/3.txt", "X"), library.move(theme, 2, +1),
          library.move(theme, 3, -1), library.remove(theme, 1), library.remove(theme, 4)})
        EXPECT_TRUE(problem.contains("dañada")) << problem.toStdString();
    QDir().mkpath(theme + "/.renumerando"); // a plan written to move the link
    write(theme + "/.renumerando/plan", "3.txt/7.txt\n");
    library.recover({theme});
    EXPECT_EQ(contents({bashrc}), "secret");
    EXPECT_TRUE(QFileInfo(theme + "/3.txt").isSymLink());
    EXPECT_FALSE(QFileInfo::exists(theme + "/7.txt"));
    EXPECT_EQ(library.replace(theme + "/1.txt", "Z"), "");
    EXPECT_EQ(contents({theme + "/1.txt"}), "Z");
}

// A plan that cannot be carried out (here one naming files outside the
// theme) never locks the theme: what it parked comes back under a free
// number, never under a picture another activity left there, the plan is
// kept aside under a dated name, and the theme changes again. While another
// editor holds the theme, it is neither changed nor recovered, and the
// second teacher is told.
TEST_F(ThemeLibraryTest, ABrokenPlanIsSetAsideAndALiveOneLeftToItsEditor)
{
    QDir().mkpath(theme + "/.renumerando");
    write(theme + "/.renumerando/plan", "../fuera.txt/1.txt\n");
    ASSERT_TRUE(QFile::rename(theme + "/2.TXT", theme + "/.renumerando/1.txt"));
    write(theme + "/2.png", "stale");
    {
        const toolkit::ThemeLock held(theme, 0);
        ASSERT_TRUE(held.held());
        library.recover({theme});
        EXPECT_EQ(inTheme(), "ACDFB"); // meanwhile, all played: those after the gap, then B
        EXPECT_TRUE(library.move(theme, 1, +1).contains("Otra persona"));
    }
    library.recover({theme});
    EXPECT_EQ(inTheme(), "ABCD");
    EXPECT_EQ(picturesInTheme(), "a-c-");
    EXPECT_EQ(library.move(theme, 1, +1), "");
    EXPECT_EQ(inTheme(), "BACD");
    const QStringList aside = QDir(theme).entryList({".renumerando*"}, QDir::Hidden | QDir::Dirs);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_TRUE(aside[0].startsWith(".renumerando-2"));
}

// A saved or replaced activity has exactly its own picture beside it, never
// one an earlier activity left under its number.
TEST_F(ThemeLibraryTest, APictureIsSavedAndReplacedWithItsActivity)
{
    ThemeLibrary& here = library;
    write(theme + "/5.png", "stale");
    const auto saved = here.save("formas", "E", "e");
    ASSERT_EQ(saved.path, theme + "/5.txt");
    EXPECT_EQ(picturesInTheme(), "a-c-e-");
    EXPECT_EQ(here.replace(saved.path, "E", {}), "");
    EXPECT_FALSE(QFile::exists(theme + "/5.png"));
    EXPECT_EQ(here.replace(theme + "/2.TXT", "B", "b"), "");
    EXPECT_EQ(picturesInTheme(), "abc---");
}

// Whatever lies where the lock goes: a FIFO would block a plain open for
// good, a link leads anywhere; both are set aside and the theme changes. A
// lock whose holder is gone is taken over, a live one is waited for.
TEST_F(ThemeLibraryTest, TheLockTrustsNothingFoundInTheTheme)
{
    const QString lock = theme + "/.lunipo-cambiando.lock";
    const QString elsewhere = dir.filePath("elsewhere");
    const QByteArray here = QSysInfo::machineHostName().toUtf8();
    const struct
    {
        const char* what;
        std::function<void()> plant;
        bool taken;
    } cases[] = {
        {"a FIFO", [&] { ::mkfifo(QFile::encodeName(lock).constData(), 0600); }, true},
        {"a link", [&] { QFile::link(elsewhere, lock); }, true},
        {"a folder", [&] { QDir().mkpath(lock); }, true},
        {"a process gone", [&] { write(lock, "999999999\n" + here + "\n"); }, true},
        {"this process", [&] { write(lock, QByteArray::number(::getpid()) + "\n" + here); }, false},
        {"another computer", [&] { write(lock, "7\nservidor-de-aula\n"); }, false},
        {"another computer, a minute ago",
         [&] {
             write(lock, "7\nservidor-de-aula\n");
             backdate(lock);
         },
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QDir(dir.path()).removeRecursively();
        SetUp();
        write(elsewhere, "kept");
        QDir().mkpath(theme + "/.renumerando"); // a start-up with a plan to finish
        c.plant();
        library.lockPatienceMs = 0;
        library.recover({theme});
        EXPECT_EQ(library.move(theme, 1, +1).isEmpty(), c.taken);
        EXPECT_EQ(inTheme(), c.taken ? "BACD" : "ABCDF"); // meanwhile, all played
        EXPECT_EQ(contents({elsewhere}), "kept");
    }
}

// A theme folder that is a link to a folder elsewhere is played and shown,
// but nothing is ever written through it.
TEST_F(ThemeLibraryTest, ALinkedThemeIsNeverWritten)
{
    const QString linked = dir.filePath("actividades/enlazado");
    ASSERT_TRUE(QFile::link(theme, linked));
    const QStringList before = QDir(theme).entryList(QDir::AllEntries | QDir::Hidden);
    for (const QString& problem :
         {library.save("enlazado", "E", "e").problem, library.replace(linked + "/1.txt", "Z"),
          library.move(linked, 1, +1), library.remove(linked, 1),
          library.renameTheme(linked, "otro"), library.removeTheme(linked)})
        EXPECT_TRUE(problem.contains("enlace")) << problem.toStdString();
    EXPECT_EQ(QDir(theme).entryList(QDir::AllEntries | QDir::Hidden), before);
    EXPECT_EQ(inTheme(), "ABCD");
}

// Into the papelera only by a rename: from another file system a file is not
// copied (which would open by name whatever it had become) but stays.
TEST(Trash, NeverCopiesWhatItCannotRename)
{
    QTemporaryDir elsewhere(QStringLiteral("/dev/shm/lunipo-XXXXXX")), here;
    if (!elsewhere.isValid() ||
        QStorageInfo(elsewhere.path()).device() == QStorageInfo(here.path()).device())
        GTEST_SKIP() << "no second file system";
    const QString file = elsewhere.filePath("1.txt");
    QFile(file).open(QIODevice::WriteOnly);
    toolkit::Trash trash(here.filePath("papelera"));
    trash.useDesktopTrash = false;
    EXPECT_EQ(trash.take(file, "1.txt"), "");
    EXPECT_TRUE(QFileInfo::exists(file));
}
