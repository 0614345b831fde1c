// The main palette's file commands: the activity file, pictures in and out,
// paste and leaving.

#include "activityfile.h"
#include "editorfixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <csignal>
#include <sys/resource.h>

namespace {

using toolkit::RGB;

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void touch(const QString& path, const QByteArray& text = "x")
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QImage solid(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

class FilesTest : public EditorTest
{
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        startEditor();
        form->chooseTool(Tool::ClearPage);
    }

    QString inApp(const QString& name) const { return appDir.filePath(name); }
    QStringList messageTexts() const
    {
        QStringList texts;
        for (const auto& m : platform.messages)
            texts << m.text;
        return texts;
    }
    // The header the editor writes for its canvas as it stands.
    QByteArray header(const char* circles = "SI") const
    {
        return QStringLiteral(" %1 \r\n %2 \r\n%3\r\n 250 \r\n 18 \r\n")
            .arg(canvas()->Width())
            .arg(canvas()->Height())
            .arg(circles)
            .toLatin1();
    }
};

TEST(ActivityText, NumbersAsPrintedAndLinesEndedByCrLf)
{
    const std::pair<double, const char*> numbers[] = {
        {250, " 250 "}, {0, " 0 "}, {-3, "-3 "}, {9.75, " 9.75 "}, {10790, " 10790 "}};
    for (const auto& [value, text] : numbers)
        EXPECT_EQ(editor::printedNumber(value), QString(text)) << value;

    EXPECT_EQ(editor::dotEntry("7", 600, 300, 255, 0, 0), "7,600,300,255,0,0,");
    EXPECT_EQ(editor::dotEntry("", 600, 300, 255, 0, 0), ",600,300,255,0,0,");
    const editor::ActivityHeader header{10790, 8185, false, 200, 12};
    EXPECT_EQ(editor::activityText(header, {"1,600,300,255,0,0,", ",600,300,255,0,0,"}),
              QByteArray(" 10790 \r\n 8185 \r\nNO\r\n 200 \r\n 12 \r\n"
                         "1,600,300,255,0,0,\r\n,600,300,255,0,0,\r\n"));
    EXPECT_EQ(editor::activityText({10790, 8185, true, 150, 9}, {}),
              QByteArray(" 10790 \r\n 8185 \r\nSI\r\n 150 \r\n 9 \r\n"));
}

TEST_F(FilesTest, ActivityGoesToTheNextFreeNumberWithTheExactText)
{
    touch(inApp("1.txt"));
    touch(inApp("2.TXT"));
    form->chooseTool(Tool::SaveActivity); // an empty list: the header alone
    EXPECT_EQ(contents(inApp("3.txt")), header());

    form->chooseTool(Tool::Dots);
    ASSERT_TRUE(pick(RGB(255, 0, 0)));
    click(600, 300);
    click(1200, 300);
    form->pressCloseFigure();
    form->switchDotCircles(); // circles off
    QFile::remove(inApp("1.txt"));
    form->chooseTool(Tool::SaveActivity); // not back to 1: the counter goes on
    EXPECT_EQ(contents(inApp("4.txt")),
              header("NO") + "1,600,300,255,0,0,\r\n2,1200,300,255,0,0,\r\n,600,300,255,0,0,\r\n");
    EXPECT_FALSE(QFile::exists(inApp("1.txt")));
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(QDir(appDir.path()).entryList(QDir::Files).size(), 3); // no temporary left
}

TEST_F(FilesTest, ActivityCounterStopsAtTheSixteenBitLimit)
{
    form->lastActivityNumber = 32766;
    form->chooseTool(Tool::SaveActivity);
    EXPECT_TRUE(QFile::exists(inApp("32767.txt")));
    form->chooseTool(Tool::SaveActivity);
    EXPECT_EQ(form->lastActivityNumber, 32767);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(QDir(appDir.path()).entryList(QDir::Files).size(), 1);
}

// A full disk (a file-size limit) says so and keeps the dots; a folder named
// like the next activity is passed over.
TEST_F(FilesTest, ActivityThatCannotBeWrittenSaysSoAndKeepsTheDots)
{
    ASSERT_TRUE(QDir(appDir.path()).mkdir("1.txt"));
    form->chooseTool(Tool::Dots);
    click(600, 300);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const rlimit small{10, old.rlim_max};
    signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    form->chooseTool(Tool::SaveActivity);
    setrlimit(RLIMIT_FSIZE, &old);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].text.contains(appDir.path()));
    EXPECT_EQ(records(), QStringList({"1,600,300,0,0,0,"}));
    form->chooseTool(Tool::SaveActivity);
    EXPECT_EQ(contents(inApp("2.txt")), header() + "1,600,300,0,0,0,\r\n");
}

// The name tells the kind, in any case: "Jpg" and "JPEG" are pictures, "tif"
// is not. A refused, unreadable or cancelled open keeps the page.
TEST_F(FilesTest, OpenTakesPicturesByTheirNameIntoCanvasAndPage)
{
    solid(100, 60, Qt::red).save(inApp("a.jpg"), "JPG");
    for (const char* name : {"p.JPEG", "p.Jpg", "p.jPG", "p.gif"})
        QFile::copy(inApp("a.jpg"), inApp(name));
    solid(100, 60, Qt::blue).save(inApp("p.bmp"), "BMP");
    solid(100, 60, Qt::blue).save(inApp("p.png"), "PNG");
    solid(100, 60, Qt::blue).save(inApp("p.webp"), "WEBP");
    touch(inApp("broken.bmp"));
    const QString refused = "El fichero seleccionado no es un gráfico soportado";
    struct Case
    {
        QString name; // empty: cancelled
        bool opens;
        QString message;
    } cases[] = {{"p.JPEG", true, ""},
                 {"p.png", true, ""},
                 {"p.webp", true, ""},
                 {"p.tif", false, refused},
                 {"p.Jpg", true, ""},
                 {"p.jPG", true, ""},
                 {"p.gif", true, ""},
                 {"p.bmp", true, ""},
                 {"broken.bmp", false, "No se ha podido abrir la imagen."},
                 {"", false, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        form->chooseTool(Tool::ClearPage);
        drag(300, 300, 900, 300); // a drawing that must not be lost
        platform.messages.clear();
        platform.fileNameAnswers = {c.name.isEmpty() ? QString() : inApp(c.name)};
        form->chooseTool(Tool::OpenPicture);
        EXPECT_EQ(platform.dialogs.last().title, "Selecciona una imagen");
        EXPECT_EQ(platform.dialogs.last().folder, appDir.path());
        EXPECT_EQ(messageTexts(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
        const int pageColour = pageAt(0, 600, 300);
        EXPECT_EQ(canvasAt(600, 300), pageColour);
        EXPECT_EQ(pageColour != toolkit::vbBlack, c.opens);
    }
    platform.fileNameAnswers = {inApp("p.bmp")};
    form->chooseTool(Tool::OpenPicture);
    form->choosePage(3);
    form->choosePage(0); // what was opened stays with the page
    EXPECT_EQ(canvasAt(150, 150), RGB(0, 0, 255));
}

// ".bmp" is added only when missing, and the file actually written is the
// one asked about: an existing file behind a completed name needs a yes.
TEST_F(FilesTest, SaveAddsBmpWhenMissingAndAsksBeforeReplacing)
{
    drag(300, 300, 900, 300);
    const struct
    {
        const char* chosen;
        const char* written;
    } names[] = {{"dibujo", "dibujo.bmp"}, {"otro.bmp", "otro.bmp"}, {"MAYUS.BMP", "MAYUS.BMP"}};
    for (const auto& n : names) {
        platform.fileNameAnswers = {inApp(n.chosen)};
        form->chooseTool(Tool::SavePicture);
        EXPECT_TRUE(QFile::exists(inApp(n.written))) << n.chosen;
    }
    EXPECT_EQ(platform.dialogs.last().title, "Guardar como  ");
    EXPECT_EQ(platform.dialogs.last().filter, "Archivo gráfico (*.bmp)");
    EXPECT_FALSE(QFile::exists(inApp("otro.bmp.bmp")));
    EXPECT_EQ(QImage(inApp("dibujo.bmp")).pixelColor(40, 20), QColor(Qt::black));
    EXPECT_TRUE(platform.messages.isEmpty());

    form->chooseTool(Tool::ClearPage);
    for (int answer : {toolkit::vbNo, toolkit::vbYes}) {
        platform.messageAnswers = {answer};
        platform.fileNameAnswers = {inApp("dibujo")};
        form->chooseTool(Tool::SavePicture);
        ASSERT_EQ(platform.messages.size(), 1);
        EXPECT_TRUE(platform.messages[0].text.contains("dibujo.bmp"));
        EXPECT_EQ(QImage(inApp("dibujo.bmp")).pixelColor(40, 20),
                  QColor(answer == toolkit::vbYes ? Qt::white : Qt::black));
        platform.messages.clear();
    }

    platform.fileNameAnswers = {appDir.filePath("no/such/folder/x")};
    form->chooseTool(Tool::SavePicture);
    EXPECT_EQ(messageTexts(), QStringList{"No se ha podido guardar la imagen."});
}

TEST_F(FilesTest, SaveTakesTheGridOffTheCanvasEvenWhenCancelled)
{
    form->chooseGrid(300);
    EXPECT_EQ(canvasAt(300, 300), toolkit::vbBlack);
    form->chooseTool(Tool::SavePicture);
    EXPECT_EQ(canvasAt(300, 300), toolkit::vbWhite);
}

TEST_F(FilesTest, PasteGoesIntoThePageAndAnEmptyClipboardChangesNothing)
{
    drag(300, 300, 900, 300);
    form->chooseTool(Tool::Paste); // nothing on the clipboard
    EXPECT_EQ(pageAt(0, 600, 300), toolkit::vbBlack);
    EXPECT_EQ(canvasAt(600, 300), toolkit::vbBlack);

    platform.clipboard = solid(100, 100, Qt::green);
    form->chooseTool(Tool::Paste);
    for (int page : {2, 0})
        form->choosePage(page);
    EXPECT_EQ(canvasAt(600, 300), RGB(0, 255, 0));
    drag(300, 600, 900, 600); // a stroke and its undo keep the picture
    form->chooseTool(Tool::Undo);
    EXPECT_EQ(canvasAt(600, 300), RGB(0, 255, 0));
    EXPECT_EQ(pageAt(0, 600, 300), RGB(0, 255, 0));
}

// A picture file copied in a file manager is pasted, or dropped on the
// canvas, as the open button brings it: fitted, one undo step each.
TEST_F(FilesTest, PictureFilesArePastedAndDroppedAsTheyAreOpened)
{
    solid(100, 100, Qt::blue).save(inApp("azul.png"));
    platform.clipboardFilePath = inApp("azul.png");
    form->chooseTool(Tool::Paste);
    EXPECT_EQ(pageAt(0, 6000, 4500), RGB(0, 0, 255));
    QMimeData dropped;
    dropped.setImageData(solid(10, 10, Qt::green));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, {});
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, {});
    for (QEvent* event : std::initializer_list<QEvent*>{&enter, &drop})
        QCoreApplication::sendEvent(canvas(), event);
    EXPECT_EQ(pageAt(0, 6000, 4500), RGB(0, 255, 0));
    form->chooseTool(Tool::Undo);
    EXPECT_EQ(pageAt(0, 6000, 4500), RGB(0, 0, 255));
}

TEST_F(FilesTest, LeavingAsksFirstAndNoKeepsEverything)
{
    drag(300, 300, 900, 300);
    form->chooseTool(Tool::Exit);
    EXPECT_EQ(messageTexts(), QStringList{"Quieres salir del programa"});
    EXPECT_FALSE(platform.ended);
    EXPECT_EQ(pageAt(0, 600, 300), toolkit::vbBlack);
    platform.messageAnswers = {toolkit::vbYes};
    form->chooseTool(Tool::Exit);
    EXPECT_TRUE(platform.ended);
}

} // namespace
