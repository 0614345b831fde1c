#include "../hungfolder.h"
#include "../localshare.h"
#include "activitylistmodel.h"
#include "editor/librarywindow.h"
#include "editorfixture.h"
#include "themelibrary.h"

#include <QLineEdit>
#include <QListView>
#include <QListWidget>

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
    form->chooseTool(Tool::Dots);
    click(1500, 1500);
    click(3000, 1500);
    form->chooseTool(Tool::SaveActivity);
    const QByteArray floppy = contentsOf(appDir.filePath("1.txt"));
    // In the library, a name that cannot be a folder is told; the theme
    // made is then listed.
    QList<QStringList> listed;
    platform.dialogScript = [&](QDialog& dialog) {
        auto& library = dynamic_cast<editor::LibraryWindow&>(dialog);
        listed << QStringList();
        for (const auto& theme : library.themes())
            listed.back() << theme.name;
        for (const QString name : {"a/b", " mis dibujos "}) {
            if (listed.size() > 1)
                break; // the theme made is chosen first
            auto* themes = library.findChild<QListWidget*>("themeList");
            themes->setCurrentRow(themes->count() - 1);
            library.findChild<QLineEdit*>("newThemeName")->setText(name);
            library.saveHere();
        }
        if (listed.size() > 1)
            library.saveHere();
        return int(QDialog::Accepted);
    };
    form->saveInTheme();
    form->saveInTheme();
    const QString theme = appDir.filePath("actividades/mis dibujos/");
    EXPECT_EQ(contentsOf(theme + "1.txt"), floppy);
    EXPECT_EQ(contentsOf(theme + "2.txt"), floppy);
    EXPECT_EQ(listed, QList<QStringList>({{}, {"mis dibujos"}}));
    EXPECT_EQ(platform.modalWindows, QStringList(2, "Guardar en un tema"));
    form->tryInPlayer();
    platform.programStarts = false;
    form->tryInPlayer();
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

// A renumbering cut short (here after its first file moved out) is finished
// when the editor next starts.
TEST_F(EditorTest, StartingFinishesARenumberingCutShort)
{
    const QString theme = appDir.filePath("actividades/formas");
    QDir().mkpath(theme);
    for (const char* name : {"1", "2"}) {
        QFile file(theme + "/" + name + ".txt");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(name);
    }
    toolkit::ThemeLibrary cut({}, localShare());
    cut.stepDone = [steps = 0]() mutable { return ++steps < 3; };
    cut.move(theme, 1, +1);
    ASSERT_EQ(toolkit::playableActivities(theme).size(), 2); // one of them parked
    startEditor();
    EXPECT_EQ(contentsOf(theme + "/1.txt") + contentsOf(theme + "/2.txt"), "21");
}

// A shared theme that is a mount whose server is gone: the editor's start
// leaves its recovery for later, and opening one of its activities, showing
// it in the library and saving into it each say so, without waiting again.
TEST_F(EditorTest, AHungSharedThemeIsToldAndNeverWaitedOnTwice)
{
    QTemporaryDir shared;
    const QString hung = shared.filePath("colgada");
    QDir().mkpath(hung + "/.renumerando");
    HungFolder server(hung);
    form = std::make_unique<editor::EditorWindow>(platform);
    form->lab.themeFolders = {shared.path()};
    form->themeLister = &server.lister;
    form->startUp();
    EXPECT_FALSE(form->openActivity(hung + "/1.txt"));
    int shown = -1;
    platform.dialogScript = [&](QDialog& dialog) {
        auto& library = dynamic_cast<editor::LibraryWindow&>(dialog);
        shown = library.findChild<QListView*>("activityView")->model()->rowCount();
        auto* themes = library.findChild<QListWidget*>("themeList");
        themes->setCurrentRow(themes->count() - 1);
        library.findChild<QLineEdit*>("newThemeName")->setText("colgada");
        library.saveHere();
        return int(QDialog::Rejected);
    };
    form->saveInTheme();
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(platform.messages.size(), 3);
    for (const auto& message : platform.messages)
        EXPECT_EQ(message.text, toolkit::Share::notAnswering(hung));
    EXPECT_TRUE(QFileInfo::exists(hung + "/.renumerando")); // recovered at a later start
}
