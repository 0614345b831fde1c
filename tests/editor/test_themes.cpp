#include "editorfixture.h"

namespace {

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

} // namespace

class EditorThemesTest : public EditorTest
{
protected:
    // Two dots placed, and the file the yellow floppy writes for them.
    QByteArray placeDotsAndWriteWithTheFloppy()
    {
        startEditor();
        form->Command1_Click(19);
        click(1500, 1500);
        click(3000, 1500);
        form->Command1_Click(16);
        return contentsOf(appDir.filePath("1.txt"));
    }
};

// A bad name is told and asked again; the theme made is then offered, and a
// second save there takes the next number.
TEST_F(EditorThemesTest, SavingIntoAThemeWritesTheFloppysBytesAndSaysWhere)
{
    const QByteArray floppy = placeDotsAndWriteWithTheFloppy();
    platform.themeAnswers = {QString("a/b"), QString(" mis dibujos "), QString("mis dibujos")};
    form->ThemeButton_Click();
    form->ThemeButton_Click();
    const QString theme = appDir.filePath("actividades/mis dibujos/");
    EXPECT_EQ(contentsOf(theme + "1.txt"), floppy);
    EXPECT_EQ(contentsOf(theme + "2.txt"), floppy);
    ASSERT_EQ(platform.messages.size(), 3);
    EXPECT_TRUE(platform.messages[0].text.contains("barras"));
    EXPECT_EQ(platform.messages[1].text,
              "La actividad se ha guardado en el tema «mis dibujos» como 1.txt:\n" + theme +
                  "1.txt");
    EXPECT_EQ(platform.themeDialogs, QList<QStringList>({{}, {}, {"mis dibujos"}}));
}

TEST_F(EditorThemesTest, TryStartsThePlayerBesideTheEditorOnTheDotsPlaced)
{
    const QByteArray floppy = placeDotsAndWriteWithTheFloppy();
    form->TryButton_Click();
    platform.programStarts = false;
    form->TryButton_Click();
    ASSERT_EQ(platform.startedPrograms.size(), 2);
    EXPECT_EQ(platform.startedPrograms[0].program, appDir.filePath("lunipo"));
    ASSERT_EQ(platform.startedPrograms[0].arguments.size(), 2);
    EXPECT_EQ(platform.startedPrograms[0].arguments[0], "--actividad");
    EXPECT_EQ(contentsOf(platform.startedPrograms[0].arguments[1]), floppy);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].text.startsWith("No se ha podido abrir el reproductor"));
}
