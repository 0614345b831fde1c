#include "../localshare.h"
#include "activitylistmodel.h"
#include "editor/librarywindow.h"
#include "fakeplatform.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <future>
#include <gtest/gtest.h>

using toolkit::vbNo;
using toolkit::vbYes;

// The library window on a program folder with the themes "animales" (Z) and
// "formas" (A, B, C), the work's bytes in `current`; removed things go to a
// papelera of the test's own.
class LibraryTest : public ::testing::Test
{
protected:
    QTemporaryDir app, papelera;
    toolkit::FakePlatform platform;
    std::string current = "N";
    QStringList opened, moved;
    std::unique_ptr<editor::LibraryWindow> window;

    QString formas(const QString& name = {}) const
    {
        return app.filePath("actividades/formas/" + name);
    }
    void SetUp() override
    {
        platform.applicationFolder = app.path();
        for (const auto& [file, letter] : {std::pair{"formas/1.txt", "A"},
                                           {"formas/2.txt", "B"},
                                           {"formas/3.txt", "C"},
                                           {"animales/1.txt", "Z"}})
            write(app.filePath(QStringLiteral("actividades/") + file), letter);
    }
    static void write(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    editor::LibraryWindow& open(const QString& openedFrom = {})
    {
        editor::LibraryWindow::Work work;
        work.contents = [this] { return QByteArray::fromStdString(current); };
        work.open = [this](const QString& path) { return opened << path, true; };
        work.openedFrom = openedFrom;
        work.openedMoved = [this](const QString& path) { moved << path; };
        window = std::make_unique<editor::LibraryWindow>(platform, std::move(work));
        toolkit::ThemeLibrary library(app.path(), localShare(), papelera.path());
        library.useDesktopTrash = false;
        window->useLibrary(std::move(library));
        return *window;
    }
    // The window's controls, by the names they were given.
    QListWidget* themeList() const { return window->findChild<QListWidget*>("themeList"); }
    QLineEdit* newThemeName() const { return window->findChild<QLineEdit*>("newThemeName"); }
    QListView* activityView() const { return window->findChild<QListView*>("activityView"); }
    QPushButton* button(const char* name) const { return window->findChild<QPushButton*>(name); }
    editor::ActivityListModel* activities() const
    {
        return dynamic_cast<editor::ActivityListModel*>(window->findChild<QObject*>("activities"));
    }
    void choose(const QString& theme)
    {
        const auto found = themeList()->findItems(theme, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        themeList()->setCurrentItem(found[0]);
    }
    // The chosen theme's activities, one letter each.
    std::string order() const
    {
        std::string letters;
        for (const QString& path : toolkit::playableActivities(window->chosenFolder())) {
            QFile file(path);
            letters += file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "?";
        }
        return letters;
    }
    QStringList themeNames() const
    {
        QStringList names;
        for (const auto& theme : window->themes())
            names << theme.name;
        return names;
    }
};

TEST_F(LibraryTest, ActivitiesAreSavedReorderedReplacedAndRemovedInTheChosenTheme)
{
    editor::LibraryWindow& w = open();
    choose("formas");
    const struct
    {
        const char* what;
        std::function<void()> act;
        std::string order;
        int chosen;
    } steps[] = {
        {"save here", [&] { w.saveHere(); }, "ABCN", 4},
        {"earlier", [&] { w.moveEarlier(); }, "ABNC", 3},
        {"first later", [&] { w.chooseActivity(1), w.moveLater(); }, "BANC", 2},
        {"remove, no", [&] { platform.messageAnswers = {vbNo}, w.removeChosen(); }, "BANC", 2},
        {"remove", [&] { platform.messageAnswers = {vbYes}, w.removeChosen(); }, "BNC", 2},
        {"replace last",
         [&] {
             current = "R", platform.messageAnswers = {vbYes};
             w.chooseActivity(3), w.replaceChosen();
         },
         "BNR", 3},
        {"later at the end", [&] { w.moveLater(); }, "BNR", 3},
    };
    for (const auto& step : steps) {
        step.act();
        EXPECT_EQ(order(), step.order) << step.what;
        EXPECT_EQ(w.chosenActivity(), step.chosen) << step.what;
    }
    EXPECT_FALSE(button("laterButton")->isEnabled());
    ASSERT_EQ(platform.messages.size(), 5);
    EXPECT_EQ(platform.messages[0].text, "La actividad se ha guardado en el tema «formas» como "
                                         "4.txt:\n" +
                                             QDir::toNativeSeparators(formas("4.txt")));
    EXPECT_EQ(platform.messages[2].text, "¿Quitar la actividad 2 del tema «formas»? Irá a la "
                                         "papelera, y las que van detrás bajan un número.");
    EXPECT_EQ(QDir(papelera.path()).entryList(QDir::Files), QStringList({"formas 2.txt"}));
    activities()->waitForThumbnails();
    EXPECT_EQ(activities()->thumbnailsShown(), 3);
}

// The window comes back to the activity the work was opened from and offers
// to replace it without a question; it follows that activity as the
// numbers change, and Return opens the chosen one.
TEST_F(LibraryTest, TheWorksOwnActivityIsOfferedFirstAndFollowed)
{
    editor::LibraryWindow& w = open(formas("2.txt"));
    EXPECT_EQ(w.chosenFolder(), formas().chopped(1));
    EXPECT_EQ(w.chosenActivity(), 2);
    EXPECT_TRUE(button("replaceButton")->isDefault());
    w.moveLater();
    w.chooseActivity(1);
    EXPECT_TRUE(button("saveHereButton")->isDefault());
    platform.messageAnswers = {vbYes};
    w.removeChosen();
    EXPECT_EQ(moved, QStringList({formas("3.txt"), formas("2.txt")}));
    current = "R";
    w.chooseActivity(2);
    w.replaceChosen();
    EXPECT_EQ(order(), "CR");
    EXPECT_EQ(platform.messages.size(), 2); // the question to remove, the replacement told
    w.chooseActivity(1);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(activityView(), &enter);
    EXPECT_EQ(opened, QStringList({formas("1.txt")}));
    EXPECT_EQ(w.result(), QDialog::Accepted);
}

TEST_F(LibraryTest, ThemesAreMadeRenamedAndRemoved)
{
    editor::LibraryWindow& w = open();
    themeList()->setCurrentRow(themeList()->count() - 1);
    newThemeName()->setText("colores");
    w.saveHere();
    EXPECT_EQ(themeNames(), QStringList({"animales", "colores", "formas"}));
    EXPECT_EQ(order(), "N");
    w.renameChosenTheme("formas");
    w.renameChosenTheme("Colores vivos");
    EXPECT_EQ(themeNames(), QStringList({"animales", "Colores vivos", "formas"}));
    EXPECT_EQ(themeList()->currentItem()->text(), "Colores vivos");
    EXPECT_EQ(order(), "N");
    platform.messageAnswers = {vbNo};
    w.removeChosenTheme();
    platform.messageAnswers = {vbYes};
    w.removeChosenTheme();
    EXPECT_EQ(themeNames(), QStringList({"animales", "formas"}));
    EXPECT_EQ(QDir(papelera.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList({"Colores vivos"}));
    ASSERT_EQ(platform.messages.size(), 4);
    EXPECT_EQ(platform.messages[1].text, "Ya hay un tema «formas».");
    EXPECT_EQ(platform.messages[2].text,
              "¿Quitar el tema «Colores vivos» con 1 actividad? Irá a la papelera.");
}

// A theme shipped in a folder that cannot be written (here one no one can
// write, root included) is shown but not changed.
TEST_F(LibraryTest, AThemeThatCannotBeWrittenHasItsChangingButtonsDisabled)
{
    QFile::link("/proc/self", app.filePath("actividades/ajeno"));
    editor::LibraryWindow& w = open();
    const QList<QPushButton*> changing{button("saveHereButton"),   button("replaceButton"),
                                       button("earlierButton"),    button("laterButton"),
                                       button("removeButton"),     button("renameThemeButton"),
                                       button("removeThemeButton")};
    choose("formas");
    w.chooseActivity(2);
    for (QPushButton* button : changing)
        EXPECT_TRUE(button->isEnabled() && button->toolTip().isEmpty())
            << button->text().toStdString();
    choose("ajeno");
    for (QPushButton* button : changing) {
        EXPECT_FALSE(button->isEnabled()) << button->text().toStdString();
        EXPECT_TRUE(button->toolTip().contains("no se puede cambiar"));
    }
    w.saveHere();
    w.removeChosenTheme();
    EXPECT_TRUE(platform.messages.isEmpty());
}

// Only the cards the view asks for are drawn, whatever the theme holds: a
// shared theme filled with thousands of files costs what a screenful costs.
// A link among them is a grey card that says why.
TEST_F(LibraryTest, ThumbnailsAreDrawnOnlyForTheCardsAskedFor)
{
    for (int n = 4; n <= 1000; ++n)
        write(formas(QStringLiteral("%1.txt").arg(n)), "");
    QFile::remove(formas("2.txt"));
    ASSERT_TRUE(QFile::link(formas("1.txt"), formas("2.txt")));
    editor::LibraryWindow& w = open();
    choose("formas");
    auto* cards = activities();
    for (int row = 0; row < 5; ++row)
        cards->data(cards->index(row), Qt::DecorationRole);
    for (QDeadlineTimer ends(30000); cards->thumbnailsShown() < 5 && !ends.hasExpired();)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QCoreApplication::processEvents();
    EXPECT_EQ(cards->rowCount(), 1000);
    EXPECT_EQ(cards->thumbnailsShown(), 5);
    const QImage grey = cards->data(cards->index(1), Qt::DecorationRole).value<QPixmap>().toImage();
    EXPECT_EQ(grey.pixelColor(5, 5), QColor(Qt::lightGray));
    EXPECT_TRUE(cards->data(cards->index(1), Qt::ToolTipRole).toString().contains("dañada"));
    w.chooseActivity(2);
    w.openChosen(); // never read: it may be a link to anyone's file
    EXPECT_TRUE(opened.isEmpty() && !button("removeButton")->isEnabled());
}

// A thumbnail held for ever by a server that is gone never holds up closing
// the library.
TEST_F(LibraryTest, ClosingNeverWaitsForAThumbnailAServerHolds)
{
    std::promise<void> server;
    auto cards = std::make_unique<editor::ActivityListModel>();
    cards->drawThumbnail = [answer = server.get_future().share()](const toolkit::ActivityFile&) {
        answer.wait();
        return QImage();
    };
    cards->setTheme(formas());
    cards->data(cards->index(0), Qt::DecorationRole);
    cards.reset();
    server.set_value();
}
