#include "activityfiles.h"
#include "themelibrary.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using toolkit::ThemeLibrary;

// A theme "formas" of activities A, B, C, D (the second named in capitals),
// A and C with pictures a and c, and an F past a gap, which the player never
// reaches; removed things go to a papelera of the test's own.
class ThemeLibraryTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString theme = dir.filePath("formas");
    QString papelera = dir.filePath("papelera");
    ThemeLibrary library{{}, toolkit::Share::current(), papelera};

    void SetUp() override
    {
        library.useDesktopTrash = false;
        QDir().mkpath(theme);
        const QStringList names{"1.txt", "2.TXT", "3.txt", "4.txt", "6.txt"};
        for (int n = 0; n < names.size(); ++n)
            write(theme + "/" + names[n], QByteArray(1, "ABCDF"[n]));
        write(theme + "/1.png", "a");
        write(theme + "/3.png", "c");
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
    QString inTheme() const { return contents(ThemeLibrary::activities(theme)); }
    // Each activity's picture, "-" for none: "a-c-" at first.
    QString picturesInTheme() const
    {
        QString all;
        for (const QString& path : ThemeLibrary::activities(theme))
            all += QFile::exists(path.chopped(4) + ".png") ? contents({path.chopped(4) + ".png"})
                                                           : QString("-");
        return all;
    }
    static QString picturesOf(QString letters)
    {
        for (QChar& letter : letters)
            letter = QString("AC").contains(letter) ? letter.toLower() : QChar('-');
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
// exactly once, 1 to n: in the old order when the plan was not written yet,
// otherwise in the new one, the removed activity in the papelera.
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
            library.stepDone = [&] { return ++steps < cut; };
            const bool finished = c.run(library, theme).isEmpty();
            library.stepDone = {};
            const QString kept = QString("ABCD").remove(c.removed);
            for (QChar letter : kept) // meanwhile, the player finds them all
                EXPECT_TRUE(inTheme().contains(letter)) << inTheme().toStdString();
            library.recover({theme});
            EXPECT_EQ(inTheme(), cut == 1 && !finished ? "ABCD" : c.after);
            EXPECT_EQ(picturesInTheme(), picturesOf(inTheme())); // each with its own
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
    EXPECT_EQ(contents(ThemeLibrary::activities(papelera + "/formas")), "CD");
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
    QDir().mkpath(dir.filePath("animales"));
    for (const QString bad : {"animales", " ", "a/b", ".oculto"})
        EXPECT_NE(library.renameTheme(theme, bad), "") << bad.toStdString();
    QString renamed;
    EXPECT_EQ(library.renameTheme(theme, " Mis formas ", &renamed), "");
    EXPECT_EQ(renamed, dir.filePath("Mis formas"));
    EXPECT_EQ(contents(ThemeLibrary::activities(renamed)), "ABCD");
    EXPECT_EQ(library.replace(renamed + "/2.TXT", "Z"), "");
    EXPECT_EQ(contents(ThemeLibrary::activities(renamed)), "AZCD");
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
// number, the plan is kept aside under a dated name, and the theme changes
// again. While another editor holds the theme, it is neither changed nor
// recovered, and the second teacher is told.
TEST_F(ThemeLibraryTest, ABrokenPlanIsSetAsideAndALiveOneLeftToItsEditor)
{
    QDir().mkpath(theme + "/.renumerando");
    write(theme + "/.renumerando/plan", "../fuera.txt/1.txt\n");
    ASSERT_TRUE(QFile::rename(theme + "/3.txt", theme + "/.renumerando/1.txt"));
    QLockFile other(theme + "/.lunipo-cambiando.lock");
    ASSERT_TRUE(other.tryLock(0));
    library.recover({theme});
    EXPECT_EQ(inTheme(), "ABDFC"); // meanwhile, all played: those after the gap, then C
    EXPECT_TRUE(library.move(theme, 1, +1).contains("Otra persona"));
    other.unlock();
    library.recover({theme});
    EXPECT_EQ(inTheme(), "ABCD");
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
    theme = dir.filePath("actividades/formas"); // where the program's themes are
    SetUp();
    ThemeLibrary here(dir.path(), toolkit::Share::current(), papelera);
    write(theme + "/5.png", "stale");
    const auto saved = here.save("formas", "E", "e");
    ASSERT_EQ(saved.path, theme + "/5.txt");
    EXPECT_EQ(picturesInTheme(), "a-c-e-");
    EXPECT_EQ(here.replace(saved.path, "E", {}), "");
    EXPECT_FALSE(QFile::exists(theme + "/5.png"));
    EXPECT_EQ(here.replace(theme + "/2.TXT", "B", "b"), "");
    EXPECT_EQ(picturesInTheme(), "abc---");
}
