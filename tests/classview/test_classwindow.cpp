#include "../findcontrol.h"
#include "../hungfolder.h"
#include "childrecord.h"
#include "classwindow.h"
#include "fakeplatform.h"
#include "newfile.h"
#include "testaccounts.h"
#include "textfiles.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <mutex>
#include <sys/stat.h>

using classview::ClassWindow;
using toolkit::PlayedActivity;

namespace {

const QDateTime Monday(QDate(2026, 12, 7), QTime(10, 0));

// A lab share with two children who played this week, and two drawings of
// Pau's, seen from Wednesday.
class ClassWindowTest : public ::testing::Test
{
protected:
    QTemporaryDir share;
    toolkit::FakePlatform platform;
    toolkit::FolderLister lister{toolkit::FolderLister::read, std::chrono::seconds(1)};

    void SetUp() override
    {
        platform.clock = Monday.addDays(2);
        QDir().mkpath(share.filePath("progreso/.clase"));
        record("pau", "aula1", {played("mar", 1, 0, 60)});
        record("lucia", "aula1", {played("granja", 1, 0, 30), played("granja", 2, 1, -1)});
        for (const auto& [name, day] : {std::pair{"a.bmp", 0}, std::pair{"b.bmp", 1}}) {
            const QString path = share.filePath(QString("dibujos/pau/") + name);
            QDir().mkpath(QFileInfo(path).path());
            QImage drawing(40, 30, QImage::Format_RGB32);
            drawing.fill(Qt::yellow);
            drawing.save(path);
            QFile file(path);
            file.open(QIODevice::ReadWrite);
            file.setFileTime(Monday.addDays(day), QFileDevice::FileModificationTime);
        }
    }

    static PlayedActivity played(const QString& theme, int number, int day, int seconds)
    {
        PlayedActivity a;
        a.theme = theme;
        a.activity = number;
        a.id = theme + QString::number(number);
        a.started = Monday.addDays(day);
        if (seconds >= 0)
            a.finished = a.started.addSecs(seconds);
        return a;
    }

    void record(const QString& login, const QString& host, const QList<PlayedActivity>& played)
    {
        QDir().mkpath(share.filePath("progreso/" + login));
        QFile file(share.filePath(QString("progreso/%1/2026-12-%2.txt").arg(login, host)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(toolkit::childrecord::format(played));
    }

    std::unique_ptr<ClassWindow> open(toolkit::FolderLister& through)
    {
        auto window = std::make_unique<ClassWindow>(
            platform,
            ClassWindow::Places{share.filePath("progreso/%u"), share.filePath("dibujos/%u"),
                                accountsOfThisUser()},
            through);
        window->settle();
        return window;
    }

    // "login finished/tries" for each child in each theme shown.
    static QString figures(const ClassWindow& window)
    {
        QStringList cells;
        const auto& table = window.table();
        for (int row = 0; row < table.rowCount(); ++row)
            for (int theme = 0; theme < table.themes().size(); ++theme)
                if (const auto f = table.figures(row, theme); f.tries > 0)
                    cells << QString("%1 %2 %3/%4")
                                 .arg(table.child(row).login, table.themes()[theme])
                                 .arg(f.finished)
                                 .arg(f.tries);
        cells.sort();
        return cells.join(", ");
    }

    static void chooseRows(ClassWindow& window, const QStringList& logins)
    {
        auto* view = window.findChild<QTableView*>("classTable");
        view->clearSelection();
        for (int row = 0; row < view->model()->rowCount(); ++row)
            if (logins.contains(view->model()->index(row, 0).data(Qt::ToolTipRole).toString()))
                view->selectionModel()->select(view->model()->index(row, 0),
                                               QItemSelectionModel::Select |
                                                   QItemSelectionModel::Rows);
    }
};

} // namespace

// What a child plays on another computer shows while the window is open.
TEST_F(ClassWindowTest, TheClassAndWhatIsPlayedNowShowWithoutARestart)
{
    auto window = open(lister);
    EXPECT_EQ(figures(*window), "lucia granja 1/2, pau mar 1/1");
    record("lucia", "aula2", {played("granja", 2, 2, 45)});
    platform.advance(5000);
    ASSERT_TRUE(window->settle());
    EXPECT_EQ(figures(*window), "lucia granja 2/3, pau mar 1/1");
    window->choosePeriod(classview::Period::Today);
    EXPECT_EQ(figures(*window), "lucia granja 1/1");
}

TEST_F(ClassWindowTest, AChildsActivitiesDrawingsAndBooklet)
{
    auto window = open(lister);
    window->chooseChild("lucia");
    ASSERT_TRUE(window->settle());
    ASSERT_EQ(window->shownActivities().size(), 2);
    EXPECT_EQ(window->shownActivities().first().activity, 2); // latest first
    EXPECT_TRUE(window->shownDrawings().isEmpty());

    window->chooseChild("pau");
    ASSERT_TRUE(window->settle());
    EXPECT_EQ(window->shownDrawings(), QStringList({"b.bmp", "a.bmp"}));
    const QString booklet = share.filePath("pau.pdf");
    platform.fileNameAnswers = {booklet};
    window->printDrawings();
    window->settle();
    QFile pdf(booklet);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
}

// The settings a child played with in the period show under the name, with
// what each means, and beside each activity, as the text the record holds.
TEST_F(ClassWindowTest, TheSettingsAChildPlayedWithShowInTheRowAndTheDetail)
{
    PlayedActivity tuesday = played("granja", 3, 1, 20), today = played("mar", 2, 2, 20);
    tuesday.reach = "pizarra atraer=4";
    today.reach = "atraer=4 <b>";
    record("lucia", "aula2", {tuesday, today});
    auto window = open(lister);
    const auto* rows = window->findChild<QTableView*>("classTable")->model();
    const auto lucia = [&](int role) { return rows->index(0, 0).data(role).toString(); };
    EXPECT_EQ(lucia(Qt::DisplayRole), "lucia\npizarra atraer=4 <b>");
    EXPECT_TRUE(lucia(Qt::ToolTipRole).contains("4 mm del punto"));
    EXPECT_TRUE(lucia(Qt::ToolTipRole).endsWith("\n&lt;b&gt;</p>"));
    window->choosePeriod(classview::Period::Today);
    window->chooseChild("lucia");
    ASSERT_TRUE(window->settle());
    EXPECT_EQ(lucia(Qt::DisplayRole), "lucia\natraer=4 <b>");
    const auto* activities = window->findChild<QTreeWidget*>("activityList");
    EXPECT_EQ(activities->topLevelItem(0)->text(6), today.reach);
}

// Groups live beside the records, so another teacher's window sees them;
// the export writes the table as shown.
TEST_F(ClassWindowTest, GroupsAreSharedAndFilterTheTableAndItsExport)
{
    auto window = open(lister);
    EXPECT_EQ(window->findChild<QComboBox*>("groupFilter")->count(), 1); // the whole class
    chooseRows(*window, {"pau"});
    window->addChosenToGroup(" P4 A ");
    window->settle();
    auto other = open(lister);
    EXPECT_EQ(other->shownGroups(), QStringList{"P4 A"});
    other->chooseGroup("P4 A");
    EXPECT_EQ(figures(*other), "pau mar 1/1");

    const QString csv = share.filePath("clase.csv");
    platform.fileNameAnswers = {csv};
    other->exportTable();
    other->settle();
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), other->table().csv());
    EXPECT_TRUE(platform.messages.isEmpty());
}

// A past school year is put away on the server, where only teachers look.
TEST_F(ClassWindowTest, APastYearIsArchivedAndItsRecordsTrashedOnTheServer)
{
    record("pau", "aula1", {played("mar", 1, -400, 60)});
    QFile::rename(share.filePath("progreso/pau/2026-12-aula1.txt"),
                  share.filePath("progreso/pau/2025-10-aula1.txt"));
    record("pau", "aula1", {played("mar", 1, 0, 60)});
    auto window = open(lister);
    platform.messageAnswers = {toolkit::vbYes};
    window->archiveYear(2025);
    window->settle();
    const QString clase = share.filePath("progreso/.clase/");
    EXPECT_TRUE(QFile::exists(clase + "archivo/2025-2026/pau/2025-10-aula1.txt"));
    EXPECT_EQ(QDir(clase + "papelera").entryList(QDir::Files).size(), 1);
    EXPECT_EQ(QDir(share.filePath("progreso/pau")).entryList(QDir::Files),
              QStringList{"2026-12-aula1.txt"});
}

TEST_F(ClassWindowTest, AServerThatHangsIsToldAndTheWindowGoesOn)
{
    HungFolder hung(share.filePath("progreso"));
    auto window = std::make_unique<ClassWindow>(
        platform, ClassWindow::Places{share.filePath("progreso/%u"), {}, accountsOfThisUser()},
        hung.lister);
    platform.advance(3000);
    window->settle();
    EXPECT_TRUE(window->status().contains("no responde")) << window->status().toStdString();
    window->choosePeriod(classview::Period::All);
    EXPECT_EQ(window->table().rowCount(), 0);
}

namespace {

// A server that answers only while the test does not hold it shut: what is
// asked of it meanwhile waits until it opens.
struct Gate
{
    std::mutex shut;
    toolkit::FolderLister lister{[this](const QString& folder) {
                                     const std::lock_guard waited(shut);
                                     return toolkit::FolderLister::read(folder);
                                 },
                                 std::chrono::seconds(30)};
};

} // namespace

// Whatever the teacher asks of a server that does not answer, the window
// goes on, tells what it does and lets it be cancelled: a cancelled job
// leaves nothing done and tells nothing; one let be is taken in at its end.
TEST_F(ClassWindowTest, AJobOnAServerThatHangsLeavesTheWindowFreeAndCanBeCancelled)
{
    const QString clase = share.filePath("progreso/.clase/");
    const QString pastRecord = share.filePath("progreso/pau/2025-10-aula1.txt");
    toolkit::writeFile(share.filePath("nombres.csv"), "pau,Pau Gil\n");
    const auto holds = [](const QString& path, const QByteArray& text) {
        return toolkit::readRegularFile(path, 1 << 20).value_or("").contains(text);
    };
    using W = ClassWindow;
    struct Case
    {
        const char* name;
        const char* fileName; // what the teacher picks, if asked
        std::function<void(W&)> start;
        std::function<bool(W&)> done; // whether it was done, and taken in
    };
    const QList<Case> cases = {
        {"booklet", "pau.pdf", &W::printDrawings,
         [&](W&) { return QFile::exists(share.filePath("pau.pdf")); }},
        {"drawing", "", [](W& w) { w.openDrawing(0); },
         [&](W&) { return !platform.modalWindows.isEmpty(); }},
        {"archive", "", [](W& w) { w.archiveYear(2025); },
         [&](W&) { return QFile::exists(clase + "archivo/2025-2026/pau/2025-10-aula1.txt"); }},
        {"trash", "", [](W& w) { w.removeYear(2025); },
         [&](W&) { return !QFile::exists(pastRecord); }},
        {"group", "", [](W& w) { w.addChosenToGroup("P4 A"); },
         [&](W& w) { return holds(clase + "grupos.csv", "P4 A") && !w.shownGroups().isEmpty(); }},
        {"names", "nombres.csv", &W::importNames,
         [&](W&) { return holds(clase + "nombres.csv", "Pau Gil"); }},
        {"years", "", &W::showPastYears,
         [](W& w) { return !findControl<QMenu>(w, "pastYearsMenu")->actions().isEmpty(); }},
    };
    for (const Case& job : cases) {
        for (const bool cancel : {true, false}) {
            SCOPED_TRACE(std::string(job.name) + (cancel ? " cancelled" : " let be"));
            QFile::copy(share.filePath("progreso/pau/2026-12-aula1.txt"), pastRecord);
            Gate gate;
            auto window = open(gate.lister);
            window->chooseChild("pau");
            chooseRows(*window, {"pau"});
            ASSERT_TRUE(window->settle());
            platform.modalWindows.clear();
            platform.messageAnswers = {toolkit::vbYes};
            platform.fileNameAnswers = {share.filePath(job.fileName)};

            std::unique_lock shut(gate.shut);
            job.start(*window);
            const qsizetype asked = platform.messages.size();
            EXPECT_TRUE(findControl<QLabel>(*window, "busyLine")->isVisibleTo(window.get()));
            EXPECT_FALSE(findControl<QPushButton>(*window, "namesButton")->isEnabled());
            if (cancel)
                findControl<QPushButton>(*window, "cancelJobButton")->click();
            EXPECT_EQ(findControl<QLabel>(*window, "busyLine")->isVisibleTo(window.get()), !cancel);
            shut.unlock();
            ASSERT_TRUE(window->settle());
            EXPECT_EQ(job.done(*window), !cancel);
            EXPECT_TRUE(!cancel || platform.messages.size() == asked); // nothing told
            EXPECT_TRUE(findControl<QPushButton>(*window, "namesButton")->isEnabled());
        }
    }
}

// A FIFO picked as the names' table is told, never read: reading it would
// hold the job's thread until something wrote to it.
TEST_F(ClassWindowTest, NamesFromAFifoAreRefusedWithoutWaiting)
{
    const QString fifo = share.filePath("nombres.csv");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    auto window = open(lister);
    ASSERT_TRUE(window->settle());
    platform.fileNameAnswers = {fifo};
    const qsizetype told = platform.messages.size();
    window->importNames();
    ASSERT_TRUE(window->settle());
    EXPECT_EQ(platform.messages.size(), told + 1);
}

// A drawing's name is the child's choice: it is shown as the text it is,
// never as markup that would show a picture from any path.
TEST_F(ClassWindowTest, WhatAChildNamedIsShownAsText)
{
    const QString name = "<img src=a.bmp>.bmp"; // a.bmp: the drawing beside it
    QFile::copy(share.filePath("dibujos/pau/a.bmp"), share.filePath("dibujos/pau/" + name));
    auto window = open(lister);
    window->chooseChild("pau");
    ASSERT_TRUE(window->settle());
    const auto* drawings = window->findChild<QListWidget*>("drawingList");
    ASSERT_EQ(drawings->count(), 3);
    EXPECT_TRUE(drawings->item(0)->toolTip().contains(name.toHtmlEscaped()));
    EXPECT_EQ(window->findChild<QLabel*>("statusLine")->textFormat(), Qt::PlainText);
}

// "Niños de la clase…" offers the accounts of the class's rows to join a
// child to.
TEST_F(ClassWindowTest, TheChildrenWindowOffersTheClassAccounts)
{
    auto window = open(lister);
    QStringList offered;
    platform.dialogScript = [&](QDialog& dialog) {
        const auto* accounts = findControl<QComboBox>(dialog, "accountBox");
        for (int i = 0; i < accounts->count(); ++i)
            offered << accounts->itemText(i);
        return int(QDialog::Accepted);
    };
    findControl<QPushButton>(*window, "childrenButton")->click();
    EXPECT_EQ(offered, QStringList({"", "lucia", "pau"}));
    EXPECT_EQ(platform.modalWindows, QStringList{"Niños de la clase"});
}

// A child who chose their picture on pau's account is a row of their own,
// with the drawings saved there in their name and the list's groups; a
// group given in the window is kept in the list, where the player looks.
TEST_F(ClassWindowTest, AChildOfTheClassListHasTheirRowDrawingsAndGroups)
{
    toolkit::writeFile(share.filePath("progreso/.clase/ninos.csv"),
                       "clave,nombre,dibujo,cuenta,grupos\nana,Ana,gato,,P4 A\n");
    record("pau/ana", "aula1", {played("granja", 1, 1, 30)});
    QDir().mkpath(share.filePath("dibujos/pau/ana"));
    QImage(20, 20, QImage::Format_RGB32).save(share.filePath("dibujos/pau/ana/c.bmp"));
    auto window = open(lister);
    window->chooseGroup("P4 A");
    EXPECT_EQ(figures(*window), " granja 1/1");
    window->chooseChild(".ana");
    ASSERT_TRUE(window->settle());
    EXPECT_EQ(window->shownDrawings(), QStringList{"c.bmp"});

    window->chooseGroup({});
    auto* view = window->findChild<QTableView*>("classTable");
    const auto rows = view->model()->match(view->model()->index(0, 0), Qt::DisplayRole, "Ana");
    ASSERT_EQ(rows.size(), 1);
    view->selectRow(rows.first().row());
    window->addChosenToGroup("P4 B");
    ASSERT_TRUE(window->settle());
    QFile list(share.filePath("progreso/.clase/ninos.csv"));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    EXPECT_TRUE(list.readAll().contains("ana,Ana,gato,,P4 A,P4 B"));
    EXPECT_FALSE(QFile::exists(share.filePath("progreso/.clase/grupos.csv")));
    EXPECT_EQ(window->shownGroups(), QStringList({"P4 A", "P4 B"}));
}
