#include "playerfixture.h"
#include "singleactivity.h"

// The user's themes join the shipped ones in one sorted list; on a clash of
// names the user's is the one played.
TEST_F(PlayerTest, ThemesOfTheUsersDataFolderJoinTheListAndWinAClash)
{
    const QString user = qEnvironmentVariable("XDG_DATA_HOME") + "/lunipo/actividades/";
    for (const QString& theme : {path("actividades/formas"), path("actividades/animales"),
                                 user + "animales", user + "mis dibujos"})
        QDir().mkpath(theme);
    player::Form1& f = startPlayer();
    EXPECT_EQ(QStringList({f.Combo1->List(0), f.Combo1->List(1), f.Combo1->List(2)}),
              QStringList({"animales", "formas", "mis dibujos"}));
    EXPECT_EQ(f.themeFolder, user + "animales");
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
    std::unique_ptr<player::Form1> f(player::mainWindow.data());
    for (int button : {0, 1, 2, 0}) {
        f->Command1_Click(button);
        EXPECT_EQ(f->activityFile + QString::number(f->dotCount), path("prueba.txt2"));
    }
}
