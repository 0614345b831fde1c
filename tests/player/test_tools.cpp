#include "gamefixture.h"

#include <QtEndian>

using toolkit::RGB;
using toolkit::vbWhite;

namespace {
constexpr int Blue = RGB(0, 0, 255);
const QString SaveFailed = QStringLiteral("No se ha podido guardar el dibujo.");
} // namespace

class ToolsTest : public GameTest
{
protected:
    // Marks one pixel of the canvas's kept drawing, so pictures differ.
    void mark(int n) const
    {
        canvas()->AutoRedraw = true;
        canvas()->PSet(150 + 15 * n, 150, Blue);
        canvas()->AutoRedraw = false;
    }
    QString drawing(const QString& name) const { return path("dibujosrealizados/" + name); }

    // Where drawings go when the program's folder cannot take them; testmain
    // points the user's data folder at a temporary one.
    static QString userDrawings()
    {
        return qEnvironmentVariable("XDG_DATA_HOME") + "/lunipo/dibujosrealizados";
    }
    void TearDown() override { QDir(QFileInfo(userDrawings()).path()).removeRecursively(); }
};

TEST_F(ToolsTest, UndoWalksBackRoundTheRing)
{
    setDots({{"1", 1500, 1500}, {"2", 4500, 1500}});
    clickDot(0); // joined
    form->chooseTool(Tool::Pen);
    platform.sounds.clear();
    for (int n = 0; n < 3; ++n) {
        mark(n);
        clickAt(9000, 9000); // the pen keeps the canvas before its stroke
    }
    ASSERT_EQ(form->undoRing().slot(), 3);
    for (int expected : {2, 1, 0, 3, 2}) {
        form->chooseTool(Tool::Undo);
        EXPECT_EQ(form->undoRing().slot(), expected);
        EXPECT_EQ(canvas()->Picture(), form->undoRing().picture(expected));
    }
    clickAt(9000, 9000); // undo is the tool now: the canvas keeps nothing more
    EXPECT_EQ(form->undoRing().slot(), 2);
    EXPECT_EQ(sounds().count("herramientas.wav"), 5);
}

TEST_F(ToolsTest, EarlierDrawingsStartWithTheOneOnTheCanvas)
{
    setDots({{"1", 1500, 1500}, {"2", 4500, 1500}});
    for (int n = 0; n < 3; ++n) {
        clickDot(0); // joined
        mark(n);
        form->goForward(); // the drawing goes to the gallery
    }
    mark(3);
    const QImage current = canvas()->Image();

    for (int expected : {3, 2, 1, 0, 3}) {
        form->chooseTool(Tool::EarlierDrawings);
        EXPECT_EQ(form->gallery().slot(), expected);
        EXPECT_EQ(canvas()->Picture(), form->gallery().picture(expected));
    }
    EXPECT_EQ(form->gallery().picture(3), current) << "stored once, on the first press";
    EXPECT_TRUE(form->gallery().primed());
}

TEST_F(ToolsTest, CopyPutsTheKeptDrawingOnTheClipboard)
{
    setDots({{"1", 1500, 1500}, {"2", 4500, 1500}, {"3", 4500, 4500}});
    clickDot(0);
    moveTo(3000, 6000); // a rubber line on show
    form->chooseTool(Tool::Copy);
    EXPECT_EQ(platform.clipboardWrites, 1);
    EXPECT_EQ(platform.clipboard, canvas()->Image());
}

TEST_F(ToolsTest, SavingWritesA24BitBitmapNamedByTheClock)
{
    setDots({{"1", 1500, 1500}, {"2", 4500, 1500}, {"3", 4500, 4500}});
    joinAll();
    mark(0);
    form->chooseTool(Tool::Save);

    QFile file(drawing("5-12-2026-21-8-3.bmp"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(30);
    EXPECT_TRUE(header.startsWith("BM"));
    EXPECT_EQ(qFromLittleEndian<quint16>(header.constData() + 28), 24);
    const QImage saved(file.fileName());
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32),
              canvas()->Image().convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(platform.messages.isEmpty());

    // Back at rest: the rubber line that follows the pointer stays off the picture.
    EXPECT_FALSE(canvas()->AutoRedraw);
    const QImage afterSave = canvas()->Image();
    moveTo(6000, 6000);
    EXPECT_EQ(canvas()->Image(), afterSave);

    // A second save in the same second keeps the first.
    const QImage first = QImage(file.fileName());
    mark(1);
    form->chooseTool(Tool::Save);
    EXPECT_EQ(QImage(file.fileName()), first);
    EXPECT_EQ(QImage(drawing("5-12-2026-21-8-3-2.bmp")).convertToFormat(QImage::Format_RGB32),
              canvas()->Image().convertToFormat(QImage::Format_RGB32));
}

// The lab's folder for drawings is made when missing, as long as the folder
// holding it is there; one that cannot be reached or written sends the
// drawing where it would go without it, and nothing is asked. The folder
// button opens the folder the drawings went to.
TEST_F(ToolsTest, TheLabsDrawingsFolderIsUsedWhenItCanBeWritten)
{
    QTemporaryDir server;
    const struct
    {
        QString configured, used;
    } cases[] = {{server.filePath("ana"), server.filePath("ana")},
                 {server.filePath("no/hay/ana"), path("dibujosrealizados")},
                 {"/proc/self/fdinfo", path("dibujosrealizados")}};
    for (const auto& c : cases) {
        form->lab.drawingsFolder = c.configured;
        form->chooseTool(Tool::Save);
        form->chooseTool(Tool::OpenFolder);
        EXPECT_TRUE(QFile::remove(c.used + "/5-12-2026-21-8-3.bmp")) << c.used.toStdString();
        EXPECT_EQ(platform.openedFolders.takeLast(), c.used);
    }
    EXPECT_FALSE(QFileInfo::exists(server.filePath("no")));
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(ToolsTest, ADrawingsFolderThatCannotBeWrittenMovesToTheUserDataFolder)
{
    writeFile("dibujosrealizados", "a file where the folder should be");
    mark(0);
    form->chooseTool(Tool::Save);
    EXPECT_TRUE(platform.messages.isEmpty());
    const QImage saved(userDrawings() + "/5-12-2026-21-8-3.bmp");
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32),
              canvas()->Image().convertToFormat(QImage::Format_RGB32));

    form->chooseTool(Tool::OpenFolder);
    EXPECT_EQ(platform.openedFolders, QStringList{userDrawings()}) << "the folder they went to";
}

TEST_F(ToolsTest, ASaveThatCannotBeWrittenSaysSoAndKeepsTheDrawing)
{
    writeFile("dibujosrealizados", "a file where the folder should be");
    QDir().mkpath(QFileInfo(userDrawings()).path());
    QFile blocker(userDrawings());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)) << "nor in the user's data folder";
    blocker.close();
    mark(0);
    const QImage drawn = canvas()->Image();
    form->chooseTool(Tool::Save);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text, SaveFailed);
    EXPECT_EQ(canvas()->Image(), drawn);
    EXPECT_FALSE(canvas()->AutoRedraw);
}

TEST_F(ToolsTest, TheDrawingsFolderOpensInTheFileManager)
{
    form->chooseTool(Tool::OpenFolder);
    EXPECT_EQ(platform.openedFolders, QStringList({path("dibujosrealizados")}));
    EXPECT_TRUE(platform.startedPrograms.isEmpty());
}

TEST_F(ToolsTest, TheExitButtonAsksFirst)
{
    writeFile("idioma/idioma.txt", QStringLiteral(",,,,,,,,,,¿Quieres salir?").toUtf8());
    startPlayer();
    setDots({{"1", 1500, 1500}, {"2", 4500, 1500}, {"3", 4500, 4500}});
    clickDot(0);
    mark(0);
    const QImage drawn = canvas()->Image();

    platform.messageAnswers = {toolkit::vbNo};
    form->askToLeave();
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("¿Quieres salir?"));
    EXPECT_EQ(platform.messages[0].style, toolkit::vbYesNo);
    EXPECT_FALSE(platform.ended);
    EXPECT_EQ(game().nextDot(), 1);
    EXPECT_EQ(canvas()->Image(), drawn);

    QFile::remove(path("idioma/idioma.txt")); // no language file: the box still asks
    startPlayer();
    platform.messageAnswers = {toolkit::vbYes};
    form->askToLeave();
    EXPECT_EQ(platform.messages.size(), 2);
    EXPECT_TRUE(platform.ended);
}
