#include "editorfixture.h"

#include <QBuffer>
#include <QFile>
#include <QStandardPaths>
#include <QtEndian>

// Files an adult may hand the editor by mistake, and a program folder it may
// not write into: nothing crashes and no drawing or activity is lost.
class EditorBadInputTest : public EditorTest
{
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        startEditor();
        form->chooseTool(Tool::Line);
        drag(600, 600, 3000, 600); // a drawing that must survive
        drawing = page(0).Image();
    }

    void open(const QString& name, const QByteArray& content)
    {
        QFile file(appDir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        platform.fileNameAnswers.push_back(file.fileName());
        form->chooseTool(Tool::OpenPicture);
    }

    QImage drawing;
};

QByteArray jpegOf(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
}

// A BITMAPINFOHEADER bitmap that claims width x height pixels but holds none.
QByteArray bitmapClaiming(int width, int height)
{
    QByteArray header(54, '\0');
    auto put32 = [&](int at, quint32 v) { qToLittleEndian(v, header.data() + at); };
    auto put16 = [&](int at, quint16 v) { qToLittleEndian(v, header.data() + at); };
    header[0] = 'B';
    header[1] = 'M';
    put32(2, 54);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<quint32>(width));
    put32(22, static_cast<quint32>(height));
    put16(26, 1);
    put16(28, 24);
    return header;
}

TEST_F(EditorBadInputTest, PicturesThatCannotBeReadLeaveThePageAsItWas)
{
    const struct
    {
        const char* name;
        QByteArray content;
    } files[] = {
        {"texto.gif", "esto no es una imagen\r\n"},
        {"enorme.bmp", bitmapClaiming(20000, 20000)},
        {"enorme.png", QByteArrayLiteral("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0N \0\0N \x08\x02")},
        {"rota.svg", "<svg"},
        {"vacia.jpg", QByteArray()}};
    for (const auto& file : files) {
        open(file.name, file.content);
        EXPECT_EQ(page(0).Image(), drawing) << file.name;
        ASSERT_FALSE(platform.messages.isEmpty()) << file.name;
        EXPECT_EQ(platform.messages.last().text, "No se ha podido abrir la imagen.");
    }
}

// A JPEG cut in half either opens as far as it goes or is refused; the
// editor goes on drawing either way.
TEST_F(EditorBadInputTest, TruncatedJpegOpensAsFarAsItGoesOrNotAtAll)
{
    QImage photo(200, 100, QImage::Format_RGB32);
    photo.fill(QColor(30, 120, 200));
    const QByteArray whole = jpegOf(photo);
    open("cortada.jpg", whole.left(whole.size() / 2));
    form->chooseTool(Tool::Line);
    drag(600, 1200, 3000, 1200);
    EXPECT_EQ(pageAt(0, 1800, 1200), toolkit::vbBlack);
}

// A program folder that cannot be written (a system-wide install): the
// activity goes to the user's data folder instead and nothing is lost.
TEST_F(EditorBadInputTest, ReadOnlyProgramFolderWritesTheActivityToTheUsersFolder)
{
    QFile blocker(appDir.filePath("no-es-carpeta"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    platform.applicationFolder = blocker.fileName() + "/lunipo"; // under a file: never writable
    form->chooseTool(Tool::Dots);
    click(600, 600);
    form->chooseTool(Tool::SaveActivity);

    const QString userFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/lunipo";
    QFile written(userFolder + "/1.txt");
    ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << written.fileName().toStdString();
    EXPECT_TRUE(written.readAll().endsWith("1,600,600,0,0,0,\r\n"));
    EXPECT_TRUE(platform.messages.isEmpty());
    written.remove();
}
