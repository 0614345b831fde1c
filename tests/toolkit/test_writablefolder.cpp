#include "writablefolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using toolkit::writableFolder;

// Failures show paths as text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << text.toStdString();
}

namespace {

void writeFile(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
}

// The suite's folder in the user's data folder; testmain points that at a
// temporary folder.
QString userData()
{
    return qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/lunipo");
}

} // namespace

class WritableFolderTest : public ::testing::Test
{
protected:
    QTemporaryDir scratch;

    void TearDown() override
    {
        QDir(userData()).removeRecursively();
        QFile::remove(userData());
    }
    QString path(const QString& relative) const { return scratch.filePath(relative); }
};

// A path whose parent is a regular file cannot be made even by root, so these
// cases mean the same whoever runs the tests.
TEST_F(WritableFolderTest, WritesBesideTheProgramWhenItCanElseInTheUserDataFolder)
{
    struct Case
    {
        const char* what;
        QStringList files; // regular files to make first, under a fresh folder
        QString appFolder;
        QString name;
        bool beside;
        QString dataBeside = "app/sonidos"; // as in the build tree
    };
    const Case cases[] = {
        {"a missing subfolder is made beside", {}, "app", "dibujosrealizados", true},
        {"an empty name is the program folder", {}, "app", "", true},
        {"program folder under a regular file", {"file"}, "file/app", "dibujosrealizados", false},
        {"the same, with an empty name", {"file"}, "file/app", "", false},
        {"subfolder name taken by a regular file",
         {"app/actividades"},
         "app",
         "actividades",
         false},
        {"no data beside, as in /usr/bin", {}, "app", "dibujosrealizados", false, "app"},
        {"themes beside", {}, "app", "", true, "app/actividades"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        QTemporaryDir base;
        QDir().mkpath(base.filePath(c.dataBeside));
        for (const QString& file : c.files)
            writeFile(base.filePath(file));
        const QString app = base.filePath(c.appFolder);
        const QString sub = c.name.isEmpty() ? QString() : "/" + c.name;
        const QString expected = (c.beside ? app : userData()) + sub;
        EXPECT_EQ(writableFolder(app, c.name), expected);
        EXPECT_TRUE(QFileInfo(expected).isDir()) << "created when missing";
    }
}

// The lab's drawings folder of one child: made on the first save, and
// closed to the other children.
TEST_F(WritableFolderTest, AChildsDrawingsFolderOpensToItsGroupOnly)
{
    QDir().mkpath(path("srv/dibujos"));
    ASSERT_EQ(toolkit::drawingsFolder(path("app"), path("srv/dibujos/ana")),
              path("srv/dibujos/ana"));
    struct stat made = {};
    ASSERT_EQ(::stat(QFile::encodeName(path("srv/dibujos/ana")).constData(), &made), 0);
    EXPECT_EQ(made.st_mode & 0777, 0750u);
}

// Another child may make a folder in Ana's name before she first plays:
// her drawings stay on this computer rather than go where that one looks.
TEST_F(WritableFolderTest, AChildsFolderThatIsNotHersIsNotUsed)
{
    QDir().mkpath(path("srv/dibujos/luis"));
    QFile::link(path("srv/dibujos/luis"), path("srv/dibujos/ana"));
    QStringList taken = {path("srv/dibujos/ana")};
    if (::geteuid() == 0) { // only root can give a folder away
        QDir().mkpath(path("srv/dibujos/eva"));
        ASSERT_EQ(::chown(QFile::encodeName(path("srv/dibujos/eva")).constData(), 65534, 65534), 0);
        taken << path("srv/dibujos/eva");
    }
    for (const QString& folder : taken)
        EXPECT_EQ(toolkit::drawingsFolder(path("app"), folder),
                  writableFolder(path("app"), "dibujosrealizados"));
    EXPECT_TRUE(QDir(path("srv/dibujos/luis")).isEmpty());
}

TEST_F(WritableFolderTest, TheProbeLeavesNothingBehind)
{
    QDir().mkpath(path("app/actividades/animales"));
    ASSERT_EQ(writableFolder(path("app"), "actividades"), path("app/actividades"));
    EXPECT_EQ(QDir(path("app/actividades"))
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"animales"});
}

// Permission bits are honoured as the system applies them: root may write
// into a read-only folder, and then the program does too.
TEST_F(WritableFolderTest, AReadOnlyProgramFolderCountsOnlyWhenItRefusesAWrite)
{
    QDir().mkpath(path("app/idioma"));
    QFile::setPermissions(path("app"), QFile::ReadOwner | QFile::ExeOwner);
    const bool root = ::geteuid() == 0;
    const QString folder = writableFolder(path("app"), "dibujosrealizados");
    QFile::setPermissions(path("app"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(folder, root ? path("app/dibujosrealizados") : userData() + "/dibujosrealizados");
}

TEST_F(WritableFolderTest, WhenNothingCanBeWrittenTheUserPathStillComesBackForTheWriteToFail)
{
    writeFile(path("file"));
    writeFile(userData());
    const QString folder = writableFolder(path("file/app"), "dibujosrealizados");
    EXPECT_EQ(folder, userData() + "/dibujosrealizados");
    QFile file(folder + "/1.bmp");
    EXPECT_FALSE(file.open(QIODevice::WriteOnly));
}
