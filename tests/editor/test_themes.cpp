#include "editorfixture.h"

namespace {

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "(missing)";
}

} // namespace

// Two dots written by the yellow floppy, then into a theme twice: a bad name
// is told and asked again, and the theme made is then offered. A try starts
// the player beside the editor on the same bytes.
TEST_F(EditorTest, SavingIntoAThemeOrTryingRepeatsTheFloppysBytesAndSaysWhere)
{
    startEditor();
    form->Command1_Click(19);
    click(1500, 1500);
    click(3000, 1500);
    form->Command1_Click(16);
    const QByteArray floppy = contentsOf(appDir.filePath("1.txt"));
    platform.themeAnswers = {QString("a/b"), QString(" mis dibujos "), QString("mis dibujos")};
    form->ThemeButton_Click();
    form->ThemeButton_Click();
    const QString theme = appDir.filePath("actividades/mis dibujos/");
    EXPECT_EQ(contentsOf(theme + "1.txt"), floppy);
    EXPECT_EQ(contentsOf(theme + "2.txt"), floppy);
    EXPECT_EQ(platform.themeDialogs, QList<QStringList>({{}, {}, {"mis dibujos"}}));
    form->TryButton_Click();
    platform.programStarts = false;
    form->TryButton_Click();
    ASSERT_EQ(platform.startedPrograms.size(), 2);
    const auto& started = platform.startedPrograms[0];
    EXPECT_EQ(started.program + " " + started.arguments.value(0),
              appDir.filePath("lunipo --actividad"));
    EXPECT_EQ(contentsOf(started.arguments.value(1)), floppy);
    ASSERT_EQ(platform.messages.size(), 4);
    EXPECT_EQ(platform.messages[1].text,
              "La actividad se ha guardado en el tema «mis dibujos» como 1.txt:\n" + theme +
                  "1.txt");
    EXPECT_TRUE(platform.messages[3].text.startsWith("No se ha podido abrir el reproductor"));
}
