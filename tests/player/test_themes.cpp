#include "../hungfolder.h"
#include "playerfixture.h"
#include "singleactivity.h"

#include <QDeadlineTimer>
#include <QScopeGuard>
#include <future>
#include <thread>

// The user's themes join the shipped ones in one sorted list; on a clash of
// names the user's is the one played.
TEST_F(PlayerTest, ThemesOfTheUsersDataFolderJoinTheListAndWinAClash)
{
    const QString user = qEnvironmentVariable("XDG_DATA_HOME") + "/lunipo/actividades/";
    for (const QString& theme : {path("actividades/formas"), path("actividades/animales"),
                                 user + "animales", user + "mis dibujos"})
        QDir().mkpath(theme);
    startPlayer();
    EXPECT_EQ(QStringList({themeList()->List(0), themeList()->List(1), themeList()->List(2)}),
              QStringList({"animales", "formas", "mis dibujos"}));
    EXPECT_EQ(places().folder(), user + "animales");
    QDir(user).removeRecursively();
}

// Forward, back and numbers stay on the one file; a missing one is told.
TEST_F(PlayerTest, OpenedOnOneFileItShowsThatAloneOrTellsItIsMissing)
{
    for (const QString& missing : {path("no/hay.txt"), path(".")})
        EXPECT_FALSE(player::openSingleActivity(platform, missing));
    ASSERT_EQ(platform.messages.size(), 2);
    EXPECT_EQ(platform.messages[0].text,
              "No se encuentra la actividad " + path("no/hay.txt") + ".");
    EXPECT_TRUE(player::mainWindow.isNull());

    writeFile("prueba.txt", activityText({"1,100,100,0,0,0,", "2,900,900,0,0,0,"}));
    ASSERT_TRUE(player::openSingleActivity(platform, path("prueba.txt")));
    std::unique_ptr<player::PlayerWindow> f(player::mainWindow.data());
    for (auto press : {&PlayerWindow::goForward, &PlayerWindow::goBack, &PlayerWindow::showNumbers,
                       &PlayerWindow::goForward}) {
        (f.get()->*press)();
        EXPECT_EQ(f->game().file() + QString::number(f->game().count()), path("prueba.txt2"));
    }
}

// Opening the theme list lists the themes again: one saved into a shared
// folder meanwhile is there, and the shown theme stays chosen with its
// activity. A shared folder that does not answer is left out without holding
// the window beyond the listing's patience, its stuck reader is not started
// again, and the next opening after it answers lists its themes.
TEST_F(PlayerTest, OpeningTheThemeListShowsNewThemesAndNeverWaitsForAHungServer)
{
    QTemporaryDir shared;
    for (const char* theme : {"aula/animales", "colgada/lenta"})
        QDir().mkpath(shared.filePath(theme));
    for (int number : {1, 2})
        writeActivity("zoo", number, {"1,1,1,0,0,0,"});
    std::promise<void> answer;
    auto release = qScopeGuard([&] { answer.set_value(); });
    auto reads = std::make_shared<std::atomic<int>>(0);
    toolkit::FolderLister lister(
        [reads, answered = answer.get_future().share()](const QString& folder) {
            if (folder.endsWith("colgada"))
                ++*reads, answered.wait();
            return toolkit::FolderLister::subfolders(folder);
        },
        std::chrono::seconds(1));
    form = std::make_unique<player::PlayerWindow>(platform);
    form->lab.themeFolders = {shared.filePath("colgada"), shared.filePath("aula")};
    form->themeLister = &lister;
    form->startUp();
    themeList()->setListIndex(1);
    form->chooseTheme();
    form->goForward();

    QDir().mkpath(shared.filePath("aula/barcos"));
    // Reaching the next line at all shows the window did not wait: the stuck
    // reader answers only when the test ends.
    for (int opening = 0; opening < 2; ++opening)
        themeList()->showPopup(), themeList()->hidePopup();
    EXPECT_EQ(*reads, 1);
    EXPECT_EQ(themeList()->List(1) + QString::number(themeList()->ListCount()), "barcos3");
    EXPECT_EQ(themeList()->ListIndex(), 2);
    form->goBack(); // from zoo's 2 to its 1, as zoo is the theme shown
    EXPECT_EQ(QFileInfo(game().file()).dir().dirName() + "/" + QFileInfo(game().file()).fileName(),
              "zoo/1.txt")
        << "zoo's activity 2 stays with zoo";

    release.dismiss();
    answer.set_value();
    for (QDeadlineTimer ends(30000);
         lister.stuck(shared.filePath("colgada")) && !ends.hasExpired();)
        std::this_thread::yield(); // its reader finishes after the answer
    form->openThemeList();
    EXPECT_EQ(themeList()->List(2) + themeList()->Text(), "lentazoo");
}

// A theme that is itself a mount whose server is gone: the player starts
// without waiting on it again, and choosing it or going forward in it says
// so in one sentence and leaves the window to the other themes.
TEST_F(PlayerTest, AHungSharedThemeIsToldAndTheWindowStaysUsable)
{
    QTemporaryDir shared;
    const QString hung = shared.filePath("colgada");
    QDir().mkpath(hung);
    QDir().mkpath(shared.filePath("aula"));
    QFile(shared.filePath("aula/1.txt")).open(QIODevice::WriteOnly);
    HungFolder server(hung);
    form = std::make_unique<player::PlayerWindow>(platform);
    form->lab.themeFolders = {shared.path()};
    form->themeLister = &server.lister;
    form->startUp();
    for (const char* theme : {"colgada", "aula"}) {
        themeList()->setListIndex(themeList()->findText(theme));
        form->chooseTheme();
        form->goForward();
    }
    ASSERT_EQ(platform.messages.size(), 2);
    EXPECT_EQ(platform.messages[1].text, toolkit::Share::notAnswering(hung));
    EXPECT_EQ(game().file(), shared.filePath("aula/1.txt"));
}
