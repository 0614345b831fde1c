// Opening an activity in the editor, and moving and removing its dots.

#include "editorfixture.h"

#include <QDirIterator>
#include <QFile>

namespace {

using toolkit::vbBlack;
using toolkit::vbWhite;

class OpenTest : public EditorTest
{
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        startEditor();
    }

    int files = 0;
    QString fileWith(const QByteArray& text)
    {
        const QString path = appDir.filePath(QString("abierta%1.txt").arg(++files));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }
    // Header and dot lines, as the editor writes them.
    QString activity(const QStringList& records)
    {
        return fileWith(" 10790 \r\n 8185 \r\nSI\r\n 200 \r\n 14 \r\n" +
                        records.join("\r\n").toLatin1() + "\r\n");
    }
    // The activity as the floppy disk writes it now, from its third line.
    QList<QByteArray> writtenBack()
    {
        form->chooseTool(Tool::SaveActivity);
        QFile file(appDir.filePath(QString("%1.txt").arg(form->lastActivityNumber)));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll().split('\n').mid(2);
    }
    QStringList labels() const
    {
        QStringList list;
        for (const QString& record : records())
            list << record.section(',', 0, 0);
        return list;
    }
    // A right click, or a drag with the left button, in moving.
    void rightClick(double x, double y)
    {
        form->pressOnCanvas(toolkit::vbRightButton, 0, float(x), float(y));
        form->releaseOnCanvas(toolkit::vbRightButton, 0, float(x), float(y));
    }
};

TEST_F(OpenTest, ShippedActivitiesAreWrittenBackAsTheyWereOnEveryScreen)
{
    QDirIterator shipped(LUNIPO_SOURCE_DIR "/data/actividades", {"*.txt"}, QDir::Files,
                         QDirIterator::Subdirectories);
    QStringList files;
    while (shipped.hasNext())
        files << shipped.next();
    ASSERT_GE(files.size(), 16);
    for (const auto& [w, h] : {std::pair{800, 600}, std::pair{1024, 768}, std::pair{1920, 1080}}) {
        startEditor(w, h);
        for (const QString& path : files) {
            SCOPED_TRACE(QString("%1 on %2").arg(path).arg(w).toStdString());
            QFile original(path);
            ASSERT_TRUE(original.open(QIODevice::ReadOnly));
            ASSERT_TRUE(form->openActivity(path));
            EXPECT_EQ(form->openedActivity(), path);
            EXPECT_EQ(writtenBack(), original.readAll().split('\n').mid(2));
        }
        EXPECT_TRUE(platform.messages.isEmpty());
    }
}

// The player's limits: a file it refuses is not opened, one it cuts is
// opened as it plays it, with a word on what was left out.
TEST_F(OpenTest, HostileFilesOpenAsThePlayerReadsThemAndSaySo)
{
    QStringList tooMany;
    for (int i = 1; i <= 400; ++i)
        tooMany << QString("%1,%2,300,0,0,0,").arg(i).arg(i * 15);
    struct Case
    {
        const char* name;
        QString path;
        int entries; // -1: refused
        const char* said;
        QString last;
    } cases[] = {
        {"empty", fileWith(""), -1, "No se puede abrir", ""},
        {"short header", fileWith("1\r\n2\r\nSI\r\n"), -1, "No se puede abrir", ""},
        {"too many dots", activity(tooMany), 151, "primeros 151", "151,2265,300,0,0,0,"},
        {"bad lines", activity({"1,300,300,0,0,0,", "abc", "2,x,y"}), 3, "faltaban",
         "2,0,0,0,0,0,"},
        {"huge numbers", activity({"7,99999999999999999999,-99999999999999999999,999,-5,0,"}), 1,
         "límites", "7,1000000000,-1000000000,255,0,0,"},
        {"long label", activity({QString(500, 'N') + ",300,300,0,0,0,"}), 1, "etiqueta",
         QString(20, 'N') + ",300,300,0,0,0,"},
        {"largest label", activity({"2147483647,300,300,0,0,0,"}), 1, "",
         "2147483647,300,300,0,0,0,"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startEditor(1024, 768);
        platform.messages.clear();
        EXPECT_EQ(form->openActivity(c.path), c.entries >= 0);
        ASSERT_EQ(platform.messages.size(), *c.said ? 1 : 0);
        if (*c.said) {
            EXPECT_TRUE(platform.messages[0].text.contains(QString::fromUtf8(c.said)))
                << platform.messages[0].text.toStdString();
        }
        EXPECT_EQ(dotCount(), std::max(c.entries, 0));
        if (c.entries > 0) {
            EXPECT_EQ(records().last(), c.last);
            // The next dot counts on from the file's last label, whatever it is.
            form->pressOnCanvas(1, 0, 6000, 4500);
            form->releaseOnCanvas(1, 0, 6000, 4500);
        }
    }
}

// The dots come back drawn, go on numbering and closing as by hand, and
// undo takes them back step by step, the opening last.
TEST_F(OpenTest, OpenedDotsGoOnAsIfPlacedByHand)
{
    const QImage blank = pageImage(0);
    platform.fileNameAnswers = {activity({"1,600,600,0,0,0,", "2,1800,600,0,0,0,"})};
    form->chooseTool(Tool::OpenPicture); // the open button, its filter offering activities
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(pageAt(0, 1200, 600), vbBlack);
    EXPECT_EQ(form->settings().dotSize(), 200);
    EXPECT_EQ(dotSizeButton(DotButton::Circles).text(), "O");
    click(1800, 1800);
    form->pressCloseFigure();
    EXPECT_EQ(records().mid(2), QStringList({"3,1800,1800,0,0,0,", ",600,600,0,0,0,"}));
    EXPECT_EQ(pageAt(0, 1200, 1200), vbBlack);
    for (int undo = 0; undo < 2; ++undo)
        form->chooseTool(Tool::Undo);
    EXPECT_EQ(records().size(), 2);
    form->chooseTool(Tool::Undo);
    EXPECT_TRUE(records().isEmpty());
    EXPECT_TRUE(form->openedActivity().isEmpty());
    EXPECT_TRUE(pageImage(0) == blank);
}

TEST_F(OpenTest, MovedAndRemovedDotsCloseUpTheirNumbersAndComeBackWithUndo)
{
    const QStringList figure = {"1,600,600,0,0,0,", "2,1800,600,0,0,0,", "A,1800,1800,0,0,0,",
                                "3,600,1800,0,0,0,", ",600,600,0,0,0,"};
    struct Case
    {
        const char* name;
        std::function<void()> step;
        QStringList after;
    } cases[] = {
        {"drag the second dot",
         [&] { drag(1800, 600, 2400, 300); },
         {"1,600,600,0,0,0,", "2,2400,300,0,0,0,", "A,1800,1800,0,0,0,", "3,600,1800,0,0,0,",
          ",600,600,0,0,0,"}},
        {"drag the first dot: the closing follows",
         [&] { drag(600, 600, 300, 300); },
         {"1,300,300,0,0,0,", "2,1800,600,0,0,0,", "A,1800,1800,0,0,0,", "3,600,1800,0,0,0,",
          ",300,300,0,0,0,"}},
        {"right click on the second",
         [&] { rightClick(1800, 600); },
         {"1,600,600,0,0,0,", "A,1800,1800,0,0,0,", "2,600,1800,0,0,0,", ",600,600,0,0,0,"}},
        {"Supr on the first",
         [&] {
             form->moveOnCanvas(0, 0, 600, 600);
             form->deleteKey();
         },
         {"1,1800,600,0,0,0,", "A,1800,1800,0,0,0,", "2,600,1800,0,0,0,", ",1800,600,0,0,0,"}},
    };
    form->chooseGrid(300);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(form->openActivity(activity(figure)));
        form->switchMoving();
        const QImage before = pageImage(0);
        c.step();
        EXPECT_EQ(records(), c.after);
        form->chooseTool(Tool::Undo);
        EXPECT_EQ(records(), figure);
        EXPECT_TRUE(pageImage(0) == before);
    }
    EXPECT_EQ(labels(), QStringList({"1", "2", "A", "3", ""}));
}

// Moving a dot never harms the drawing under it, on the canvas or the page.
TEST_F(OpenTest, AGuideLineUnderAMovedDotIsIntact)
{
    form->chooseTool(Tool::ClearPage);
    drag(300, 1200, 6000, 1200);
    const QImage guide = page(0).Image();
    form->chooseTool(Tool::Dots);
    click(3000, 1200);
    form->switchMoving();
    press(3000, 1200);
    for (double y : {1500, 2100, 3000})
        moveTo(3000, y); // the line under it shows again at each step
    form->releaseOnCanvas(1, 0, 3000, 3000);
    EXPECT_TRUE(page(0).Image() == guide);
    for (double x : {2700.0, 3000.0, 3300.0}) {
        EXPECT_EQ(pageAt(0, x, 1200), vbBlack) << x;
        EXPECT_EQ(canvasAt(x, 1200), vbBlack) << x;
    }
    EXPECT_TRUE(canvas()->Image() == pageImage(0));
}

// A dot held while an undo (Ctrl+Z, with the button still down) shortens the
// list is let go: the drag that follows moves nothing.
TEST_F(OpenTest, AnUndoLetsGoOfTheHeldDot)
{
    form->chooseTool(Tool::Dots);
    for (double x : {600, 1800, 3000})
        click(x, 600);
    form->switchMoving();
    press(3000, 600);
    form->chooseTool(Tool::Undo);
    moveTo(3300, 900);
    form->releaseOnCanvas(1, 0, 3300, 900);
    EXPECT_EQ(records(), QStringList({"1,600,600,0,0,0,", "2,1800,600,0,0,0,"}));
}

} // namespace
