#include "../findcontrol.h"
#include "fakeplatform.h"
#include "installerwindow.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

const QString Gif = QStringLiteral("GIF89.DLL");
const QString Vb = QStringLiteral("MSVBVM50.DLL");

QString notFound(const QString& name)
{
    return QStringLiteral("el archivo ") + name + QStringLiteral(" No lo encuentro");
}

QString alreadyThere(const QString& name)
{
    return QStringLiteral("el archivo ") + name + QStringLiteral(" ya se encontraba en SYSTEM");
}

QString copyFailed(const QString& name)
{
    return QStringLiteral("No se pudo copiar el archivo ") + name + QStringLiteral(" en SYSTEM");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class InstallerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(appDir.isValid());
        ASSERT_TRUE(systemDir.isValid());
        platform.applicationFolder = appDir.path();
        platform.systemFolderPath = systemDir.path();
    }

    // Loads the window as the program does, then presses its button.
    void install()
    {
        installer::InstallerWindow form(platform);
        form.startUp();
        form.install();
    }

    QString beside(const QString& name) const { return appDir.filePath(name); }
    QString inSystem(const QString& name) const { return systemDir.filePath(name); }

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const auto& message : platform.messages) {
            EXPECT_EQ(message.style, toolkit::vbOKOnly);
            texts << message.text;
        }
        return texts;
    }

    QTemporaryDir appDir;
    QTemporaryDir systemDir;
    toolkit::FakePlatform platform;
};

TEST(InstallerStartUp, ShowsItsTextsAndTheFilesToInstall)
{
    toolkit::FakePlatform platform;
    platform.systemFolderPath = QStringLiteral("/tmp/sistema");
    installer::InstallerWindow form(platform);
    form.Show();

    EXPECT_TRUE(form.windowTitle().startsWith(QStringLiteral("REGISTRAR ARCHIVOS")));
    EXPECT_EQ(findControl<toolkit::Label>(form, "systemsLabel")->Caption(),
              QStringLiteral("Para windows XP y para windows VISTA "));
    EXPECT_EQ(
        findControl<toolkit::Label>(form, "destinationLabel")->Caption(),
        QStringLiteral("Estos archivos se han de copiar en la carpeta 'system32' de windows."));
    EXPECT_EQ(findControl<toolkit::CommandButton>(form, "installButton")->text(),
              QStringLiteral("Copiar archivos y registrar componentes"));
    const auto* files = findControl<toolkit::ListBox>(form, "fileList");
    ASSERT_EQ(files->ListCount(), 2);
    EXPECT_EQ(files->List(0), Gif);
    EXPECT_EQ(files->List(1), Vb);
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_FALSE(platform.ended);
}

TEST_F(InstallerTest, ReportsBothMissingFilesInListOrderAndEnds)
{
    install();

    EXPECT_EQ(messageTexts(), QStringList({notFound(Gif), notFound(Vb)}));
    EXPECT_TRUE(platform.startedPrograms.isEmpty());
    EXPECT_TRUE(platform.ended);
}

TEST_F(InstallerTest, LeavesFilesAlreadyInTheSystemFolderAlone)
{
    writeFile(inSystem(Gif), "old gif");
    writeFile(inSystem(Vb), "old vb");
    writeFile(beside(Gif), "new gif");

    install();

    // A file in both places gets only the system-folder message.
    EXPECT_EQ(messageTexts(), QStringList({alreadyThere(Gif), alreadyThere(Vb)}));
    EXPECT_EQ(readFile(inSystem(Gif)), QByteArray("old gif"));
    EXPECT_TRUE(platform.startedPrograms.isEmpty());
    EXPECT_TRUE(platform.ended);
}

TEST_F(InstallerTest, CopiesAFileBesideTheProgramAndRegistersItByName)
{
    static const char raw[] = "MZ\0\x01\xff binary\r\n";
    const QByteArray bytes(raw, sizeof raw - 1);
    writeFile(beside(Gif), bytes);

    install();

    EXPECT_EQ(readFile(inSystem(Gif)), bytes);
    ASSERT_EQ(platform.startedPrograms.size(), 1);
    EXPECT_EQ(platform.startedPrograms[0].program, QStringLiteral("REGSVR32.EXE"));
    EXPECT_EQ(platform.startedPrograms[0].arguments, QStringList({Gif}));
    EXPECT_EQ(messageTexts(), QStringList({notFound(Vb)}));
    EXPECT_TRUE(platform.ended);
}

// A package puts them in /usr/share/lunipo, the program in /usr/bin.
TEST_F(InstallerTest, FindsTheFilesBesideTheProgramElseInTheSystemDataFolders)
{
    QTemporaryDir data;
    const QByteArray savedDataDirs = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_DIRS", data.path().toUtf8());
    QDir(data.path()).mkdir("lunipo");
    writeFile(data.filePath("lunipo/" + Gif), "shipped gif");
    writeFile(data.filePath("lunipo/" + Vb), "shipped vb");
    writeFile(beside(Vb), "vb beside");

    install();
    qputenv("XDG_DATA_DIRS", savedDataDirs);

    EXPECT_EQ(readFile(inSystem(Gif)), "shipped gif");
    EXPECT_EQ(readFile(inSystem(Vb)), "vb beside");
    EXPECT_EQ(platform.startedPrograms.size(), 2);
    EXPECT_TRUE(messageTexts().isEmpty());
}

TEST_F(InstallerTest, ReportsAFailedCopyAndStillHandlesTheNextFile)
{
    writeFile(beside(Gif), "gif");
    writeFile(beside(Vb), "vb");
    platform.systemFolderPath = systemDir.filePath(QStringLiteral("falta"));

    install();

    EXPECT_EQ(messageTexts(), QStringList({copyFailed(Gif), copyFailed(Vb)}));
    EXPECT_TRUE(platform.startedPrograms.isEmpty());
    EXPECT_TRUE(platform.ended);
}

TEST_F(InstallerTest, TreatsAFolderNamedLikeALibraryAsInTheWay)
{
    ASSERT_TRUE(QDir(systemDir.path()).mkdir(Gif));
    ASSERT_TRUE(QDir(systemDir.path()).mkdir(Vb));
    writeFile(beside(Gif), "gif");

    install();

    // Never "already there": the copy fails for the one that exists, and the
    // other is simply missing.
    EXPECT_EQ(messageTexts(), QStringList({copyFailed(Gif), notFound(Vb)}));
    EXPECT_TRUE(platform.startedPrograms.isEmpty());
    EXPECT_TRUE(platform.ended);
}

TEST_F(InstallerTest, FileNamesMatchWhateverTheirCase)
{
    // In the system folder under another case: already there, left alone.
    writeFile(inSystem(QStringLiteral("gif89.dll")), "old gif");
    writeFile(beside(Gif), "new gif");
    // Beside the program under another case: copied under the listed name.
    writeFile(beside(QStringLiteral("MsVbVm50.dll")), "vb");

    install();

    EXPECT_EQ(messageTexts(), QStringList({alreadyThere(Gif)}));
    EXPECT_EQ(readFile(inSystem(QStringLiteral("gif89.dll"))), QByteArray("old gif"));
    EXPECT_FALSE(QFile::exists(inSystem(Gif)));
    EXPECT_EQ(readFile(inSystem(Vb)), QByteArray("vb"));
    ASSERT_EQ(platform.startedPrograms.size(), 1);
    EXPECT_EQ(platform.startedPrograms[0].arguments, QStringList({Vb}));
}

// Each message is one sentence of the language: Basque names the file first.
TEST_F(InstallerTest, EachMessageIsOneSentenceOfTheLanguage)
{
    QTranslator basque;
    ASSERT_TRUE(basque.load("lunipo_eu", ":/traducciones"));
    QCoreApplication::installTranslator(&basque);
    writeFile(inSystem(Gif), "old gif");
    install();
    QCoreApplication::removeTranslator(&basque);
    EXPECT_EQ(messageTexts(), QStringList({"GIF89.DLL fitxategia SYSTEM karpetan zegoen lehendik",
                                           "Ez dut MSVBVM50.DLL fitxategia aurkitzen"}));
}

TEST_F(InstallerTest, TheButtonRunsTheInstall)
{
    writeFile(beside(Vb), "vb");
    installer::InstallerWindow form(platform);
    form.Show();

    findControl<toolkit::CommandButton>(form, "installButton")->click();

    EXPECT_EQ(readFile(inSystem(Vb)), QByteArray("vb"));
    ASSERT_EQ(platform.startedPrograms.size(), 1);
    EXPECT_EQ(platform.startedPrograms[0].arguments, QStringList({Vb}));
    EXPECT_EQ(messageTexts(), QStringList({notFound(Gif)}));
    EXPECT_TRUE(platform.ended);
}

} // namespace
