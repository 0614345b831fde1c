#include "playerfixture.h"
#include "singleactivity.h"

using player::Form1;

// The user's themes join the shipped ones in one sorted list; on a clash of
// names the user's is the one played.
TEST_F(PlayerTest, ThemesOfTheUsersDataFolderJoinTheListAndWinAClash)
{
    const QString userThemes = qEnvironmentVariable("XDG_DATA_HOME") + "/lunipo/actividades/";
    writeActivity("formas", 1, {"1,100,100,0,0,0,"});
    writeActivity("animales", 1, {"1,100,100,0,0,0,"});
    for (const char* theme : {"animales", "mis dibujos"}) {
        QDir().mkpath(userThemes + theme);
        QFile file(userThemes + theme + "/1.txt");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(activityText({"1,100,100,0,0,0,", "2,900,900,0,0,0,"}));
    }
    Form1& f = startPlayer();
    ASSERT_EQ(f.Combo1->ListCount(), 3);
    EXPECT_EQ(QStringList({f.Combo1->List(0), f.Combo1->List(1), f.Combo1->List(2)}),
              QStringList({"animales", "formas", "mis dibujos"}));
    EXPECT_EQ(f.themeFolder, userThemes + "animales");
    for (int theme : {1, 0}) {
        f.Combo1->setListIndex(theme);
        f.Combo1_Click();
        EXPECT_EQ(f.dotCount, theme == 0 ? 2 : 1);
    }
    QDir(userThemes).removeRecursively();
}

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
    std::unique_ptr<Form1> f(player::mainWindow.data());
    EXPECT_EQ(f->Combo1->Text(), "prueba");
    EXPECT_EQ(f->Combo1->ListCount(), 1);
    for (int button : {0, 1, 2, 0}) {
        f->Command1_Click(button);
        EXPECT_EQ(f->activityFile, path("prueba.txt"));
        EXPECT_EQ(f->dotCount, 2);
    }
}
