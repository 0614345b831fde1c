#include "classreading.h"
#include "folderlister.h"
#include "openfolder.h"
#include "recordarchive.h"
#include "testaccounts.h"
#include "textfiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using classview::RecordArchive;

namespace {

const QDate Today(2026, 12, 9); // school year 2026

struct RecordArchiveTest : ::testing::Test
{
    QTemporaryDir temp;
    QString root = temp.filePath("progreso");
    QString saved = temp.filePath("archivo");
    QString papelera = temp.filePath("papelera");
    QString teachers = root + "/.clase";

    void write(const QString& path, const QByteArray& bytes = "lunipo-registro 1\n") const
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes + path.toUtf8());
    }
    void SetUp() override
    {
        for (const char* name :
             {"pau/2024-10-aula1.txt", "pau/2025-03-aula1-77.txt", "pau/2026-10-aula1.txt",
              "pau/notas.txt", "lucia/2025-10-aula2.txt", "lucia/2023-13-aula2.txt",
              ".clase/grupos.csv"})
            write(QDir(root).filePath(name));
        QFile::link(QDir(root).filePath("pau/notas.txt"),
                    QDir(root).filePath("lucia/2024-11-enlace.txt"));
    }
    RecordArchive archive(const QString& trash, mode_t mode = 0) const
    {
        toolkit::Trash bin(trash, mode);
        bin.useDesktopTrash = false;
        return RecordArchive(classview::ClassFolders(root + "/%u"), {"pau", "lucia"}, bin);
    }
    static mode_t modeOf(const QString& path)
    {
        struct stat status = {};
        ::lstat(QFile::encodeName(path).constData(), &status);
        return status.st_mode & 07777;
    }
    static QStringList files(const QString& folder)
    {
        QStringList found;
        QDirIterator it(folder, QDir::Files | QDir::System | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            found << QDir(folder).relativeFilePath(it.next());
        found.sort();
        return found;
    }
};

} // namespace

TEST(SchoolYear, RunsFromSeptemberToAugust)
{
    const std::pair<QDate, int> cases[] = {{QDate(2026, 8, 31), 2025},
                                           {QDate(2026, 9, 1), 2026},
                                           {QDate(2027, 1, 1), 2026},
                                           {QDate(2027, 8, 31), 2026}};
    for (const auto& [day, year] : cases)
        EXPECT_EQ(classview::schoolYearOf(day), year) << day.toString().toStdString();
}

// The children come from the root as the class view lists them, the
// teachers' hidden folder not among them.
TEST_F(RecordArchiveTest, PastYearsLeaveOutThisYearAndWhatIsNoRecord)
{
    toolkit::FolderLister lister;
    QStringList logins;
    const classview::ClassFolders folders(root + "/%u", accountsOfThisUser());
    for (const auto& child : classview::ClassReading(folders, lister).readNow({}).children)
        logins << child.login;
    EXPECT_EQ(logins, QStringList({"lucia", "pau"}));
    const RecordArchive records(folders, logins);
    EXPECT_EQ(records.pastYears(Today, nullptr), QList<int>({2024, 2025}));
}

// What went is in the trash (and the archive), what stayed is told, and the
// present school year is never touched.
TEST_F(RecordArchiveTest, ArchiveAndRemoveMoveOnlyThatYear)
{
    const QStringList all = files(root);
    const QStringList of2024 = {"pau/2024-10-aula1.txt", "pau/2025-03-aula1-77.txt"};
    const auto archiveTo = [&](const QString& to, int year) {
        return
            [=](const RecordArchive& r, QStringList* p) { return r.archive(year, to, Today, p); };
    };
    const auto removeOf = [&](int year) {
        return [=](const RecordArchive& r, QStringList* p) { return r.remove(year, Today, p); };
    };
    struct Case
    {
        const char* what;
        int went, told;
        QStringList archived;
        std::function<int(const RecordArchive&, QStringList*)> run;
        bool trashWorks = true;
    } cases[] = {
        {"archive", 2, 1, of2024, archiveTo(saved, 2024)},
        {"copy already there", 1, 2, of2024,
         [&](auto& r, auto* p) {
             write(saved + "/pau/2024-10-aula1.txt", "otra cosa");
             return r.archive(2024, saved, Today, p);
         }},
        {"inside the root", 0, 2, {}, archiveTo(root + "/pau/viejo", 2024)},
        {"this year", 0, 1, {}, archiveTo(saved, 2026)},
        {"remove", 1, 0, {}, removeOf(2025)},
        {"trash refuses", 0, 3, {}, removeOf(2024), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QDir(root).removeRecursively();
        QDir(saved).removeRecursively();
        QDir(papelera).removeRecursively();
        SetUp();
        QStringList problems;
        EXPECT_EQ(c.run(archive(c.trashWorks ? papelera : root + "/pau/notas.txt/x"), &problems),
                  c.went);
        EXPECT_EQ(problems.size(), c.told) << problems.join('\n').toStdString();
        const QStringList left = files(root);
        EXPECT_EQ(all.size() - left.size(), c.went);
        EXPECT_EQ(files(papelera).size(), c.went);
        EXPECT_TRUE(left.contains("pau/2026-10-aula1.txt"));
        if (c.archived.isEmpty())
            continue;
        EXPECT_EQ(files(saved), c.archived);
        for (const QString& name : c.archived) // the copy is the original's
            EXPECT_TRUE(left.contains(name) ||
                        toolkit::readRegularFile(saved + '/' + name, 1000) ==
                            "lunipo-registro 1\n" + (root + '/' + name).toUtf8());
    }
}

// Whatever the umask of the teacher who archives first, the next one can
// go on: what is made in the teachers' folder is the group's.
TEST_F(RecordArchiveTest, WhatIsMadeInTheTeachersFolderIsTheGroups)
{
    const mode_t umask = ::umask(077);
    QStringList problems;
    const QString saved = teachers + "/archivo/2024-2025";
    EXPECT_EQ(archive(teachers + "/papelera", toolkit::SharedFolderMode)
                  .archive(2024, saved, Today, &problems),
              2);
    ::umask(umask);
    for (const char* made : {"papelera", "archivo", "archivo/2024-2025", "archivo/2024-2025/pau"})
        EXPECT_EQ(modeOf(teachers + '/' + made), 02770u) << made;
    EXPECT_EQ(modeOf(saved + "/pau/2024-10-aula1.txt") & 0660, 0660u);
}

// A teachers' folder that anyone can write takes neither archive nor trash.
TEST_F(RecordArchiveTest, AnUntrustedTeachersFolderTakesNothing)
{
    ::chmod(QFile::encodeName(teachers).constData(), 0777);
    const QStringList all = files(root);
    const RecordArchive records = archive(teachers + "/papelera");
    QStringList problems;
    EXPECT_EQ(records.archive(2024, teachers + "/archivo", Today, &problems), 0);
    EXPECT_EQ(records.remove(2024, Today, &problems), 0);
    EXPECT_EQ(problems.filter("install -d").size(), 2) << problems.join('\n').toStdString();
    EXPECT_EQ(files(root), all);
}

// A child who swaps their folder for a link to a classmate's just before
// the record moves still moves only their own.
TEST_F(RecordArchiveTest, AFolderSwappedForALinkMovesNothingOfAnothers)
{
    static QString child, other;
    child = root + "/lucia";
    other = root + "/pau";
    write(other + "/2025-10-aula2.txt");
    const auto swapFirst = [](int fromFd, const char* from, int toFd, const char* to,
                              unsigned int flags) {
        QFile::rename(child, child + ".antes");
        QFile::link(other, child);
        return ::renameat2(fromFd, from, toFd, to, flags);
    };
    toolkit::Trash bin(papelera);
    bin.useDesktopTrash = false;
    toolkit::renameEntry = swapFirst;
    EXPECT_EQ(RecordArchive(classview::ClassFolders(root + "/%u"), {"lucia"}, bin)
                  .remove(2025, Today, nullptr),
              1);
    toolkit::renameEntry = ::renameat2;
    EXPECT_TRUE(QFileInfo::exists(other + "/2025-10-aula2.txt"));
    EXPECT_EQ(files(papelera), QStringList{"lucia 2025-10-aula2.txt"});
    EXPECT_EQ(toolkit::readRegularFile(papelera + "/lucia 2025-10-aula2.txt", 1000),
              "lunipo-registro 1\n" + (child + "/2025-10-aula2.txt").toUtf8());
}

// A child of the class list's records, in their key's folder under an
// account, go as an account's do; a place that is no such folder is none.
TEST_F(RecordArchiveTest, AKeysFolderUnderAnAccountGoesToo)
{
    write(root + "/pau/ana/2024-10-aula3.txt");
    toolkit::Trash bin(papelera);
    bin.useDesktopTrash = false;
    const RecordArchive records(classview::ClassFolders(root + "/%u"), {"pau/ana", "pau/../lucia"},
                                bin);
    QStringList problems;
    EXPECT_EQ(records.archive(2024, saved, Today, &problems), 1);
    EXPECT_EQ(files(saved), QStringList{"pau/ana/2024-10-aula3.txt"});
    EXPECT_EQ(files(papelera).size(), 1);
}
