#include "childchooser.h"
#include "childrecord.h"
#include "playerfixture.h"
#include "progressstore.h"
#include "whoplays.h"

#include <QLabel>
#include <QTest>
#include <future>
#include <sys/stat.h>

using player::ChildChooser;

// A shared account "alumno" on a server folder, whose class list names its
// children; the player asks who plays.
class WhoPlaysTest : public PlayerTest
{
protected:
    QTemporaryDir server;

    void writeList(const QByteArray& lines)
    {
        QDir().mkpath(server.filePath("progreso/.clase"));
        QFile file(server.filePath("progreso/.clase/ninos.csv"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("clave,nombre,dibujo,cuenta,grupos\n" + lines);
    }
    PlayerWindow& startAsking(toolkit::FolderLister* lister = nullptr)
    {
        QDir().mkpath(server.filePath("dibujos")); // as the admin makes it
        form = std::make_unique<PlayerWindow>(platform);
        form->lab.progressPattern = server.filePath("progreso/%u");
        form->lab.progressFolder = server.filePath("progreso/alumno");
        form->lab.drawingsFolder = server.filePath("dibujos/alumno");
        form->lab.whoPlays = "P4 A";
        if (lister)
            form->classLister = lister;
        form->startUp();
        return *form;
    }
    ChildChooser* chooser() const { return form->findChild<ChildChooser*>("childChooser"); }
    void tap(int index) const
    {
        QTest::mouseClick(chooser(), Qt::LeftButton, {}, chooser()->tileOf(index).center());
    }
    // Joins the two dots of the activity shown and saves the drawing.
    void playAndSave() const
    {
        clickAt(1500, 1500);
        clickAt(4500, 1500);
        form->chooseTool(Tool::Save);
    }
};

// Ana plays and saves, walks away; the choice comes back by itself and Leo,
// by the keys, starts on his own place, then Mía by his button; each one's
// record and drawing lie in their own folder under the account's, and Ana
// comes back to where she was.
TEST_F(WhoPlaysTest, EachChildPlaysInTheirOwnName)
{
    for (int n = 1; n <= 2; ++n)
        writeActivity("animales", n, {"1,1500,1500,0,0,0,", "2,4500,1500,0,0,0,"});
    writeList("ana,Ana,gato,,P4 A\nleo,Leo,no-es-de-la-serie,,P4 A\nzoe,Zoe,pez,,P4 B\n"
              "mia,Mía,pez,,P4 A\n");
    startAsking().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    ASSERT_EQ(chooser()->count(), 3);
    tap(0);
    EXPECT_FALSE(chooser()->isVisible());
    form->chooseTheme();
    form->goForward();
    playAndSave();
    platform.advance(3 * 60 * 1000 + 5000);
    ASSERT_TRUE(chooser()->isVisible());
    for (const auto key : {Qt::Key_Tab, Qt::Key_Right, Qt::Key_Space})
        QTest::keyClick(chooser(), key);
    EXPECT_EQ(form->chosenChild(), "leo");
    form->showNumbers(); // his first activity, as if the program had just started
    EXPECT_EQ(QFileInfo(game().file()).fileName(), "1.txt");
    playAndSave();
    const auto chosenButton = findControl<toolkit::CommandButton>(*form, "chosenButton");
    chosenButton->click();
    tap(2); // Mía starts where Leo's game was: on activity 1
    form->showNumbers();
    playAndSave();
    chosenButton->click();
    tap(0);
    form->chooseTheme();
    EXPECT_EQ(QFileInfo(game().file()).fileName(), "2.txt");
    form.reset();

    for (const QString key : {"ana", "leo", "mia"}) {
        const auto played = toolkit::childrecord::read(server.filePath("progreso/alumno/" + key));
        ASSERT_FALSE(played.isEmpty()) << key.toStdString();
        EXPECT_TRUE(QFileInfo::exists(server.filePath("dibujos/alumno/" + key + "/") +
                                      played.first().savedDrawing));
        EXPECT_TRUE(QFileInfo::exists(player::WhoPlays::progressFile(key)));
    }
    EXPECT_FALSE(QFileInfo::exists(player::ProgressStore::defaultFile()));
    EXPECT_FALSE(QFileInfo::exists(
        server.filePath("progreso/alumno/2026-12-" + QSysInfo::machineHostName() + ".txt")));
}

// A list that cannot be used leaves the account playing as before, with one
// line for the adult; a list with bad lines still offers the good ones, and
// a large one goes by pages.
TEST_F(WhoPlaysTest, AHostileListFallsBackWithinTheSeam)
{
    QByteArray many;
    for (int i = 0; i < 10000; ++i)
        many += QByteArray("n") + QByteArray::number(i) + ",N,gato,,P4 A\n";
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    toolkit::FolderLister hung(
        [released](const QString&) { return released.wait(), QStringList(); },
        std::chrono::milliseconds(20));
    const QString list = server.filePath("progreso/.clase/ninos.csv");
    const struct
    {
        std::function<void()> make;
        int children; // 0: the account plays
        toolkit::FolderLister* lister = nullptr;
    } cases[] = {
        {[] {}, 0},
        {[&] { writeList("ana,Ana,gato,,P4 B\n"); }, 0},
        {[&] { writeList("ana,A\x01na,gato,,P4 A\n../x,X,gato,,P4 A\nleo,Leo,gato,,P4 A\n"); }, 2},
        {[&] { writeList(many); }, int(toolkit::ClassList::MostChildren)},
        {[&] { writeList("ana,Ana,gato,,P4 A\n"); }, 0, &hung},
        {[&] { QFile::remove(list), QFile::link("/dev/zero", list); }, 0},
        {[&] { QFile::remove(list), ::mkfifo(QFile::encodeName(list).constData(), 0600); }, 0},
    };
    for (const auto& c : cases) {
        c.make();
        startAsking(c.lister);
        const auto* notice = form->findChild<QLabel*>("adultNotice");
        EXPECT_EQ(notice != nullptr, c.children == 0);
        EXPECT_EQ(chooser() ? chooser()->count() : 0, c.children);
        if (c.children > 2) {
            EXPECT_GT(chooser()->pages(), 1);
        }
    }
    release.set_value();
    form->lab.progressPattern = server.filePath("progreso/p%u");
    form->lab.whoPlays = "todos";
    EXPECT_TRUE(player::WhoPlays::read(form->lab, hung).problem.contains("progreso"));
}
