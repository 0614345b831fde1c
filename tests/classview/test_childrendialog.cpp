#include "../findcontrol.h"
#include "childpictures.h"
#include "childrendialog.h"
#include "childrensheet.h"
#include "classbook.h"
#include "fakeplatform.h"
#include "newfile.h"
#include "textfiles.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <sys/stat.h>

using classview::ChildrenDialog;
using toolkit::ClassList;

namespace {

struct ChildrenDialogTest : ::testing::Test
{
    QTemporaryDir root;
    QString folder = classview::ClassBook::folderFor(root.path());
    QString file = QDir(folder).filePath(ClassList::FileName);
    toolkit::FakePlatform platform;
    void SetUp() override { QDir().mkpath(folder); }
    std::unique_ptr<ChildrenDialog> open()
    {
        return std::make_unique<ChildrenDialog>(platform, classview::ClassBook(folder),
                                                QStringList{"pau.gil"});
    }
    // "key name picture account groups;…" of the list as the file holds it.
    QString written() const
    {
        QStringList lines;
        const ClassList list = ClassList::read(folder, nullptr).value_or(ClassList());
        for (const auto& c : list.children())
            lines << QStringList{c.key, c.name, c.picture, c.account, c.groups.join('/')}.join(' ');
        return lines.join(';');
    }
    static void type(ChildrenDialog& dialog, const char* field, const QString& text)
    {
        if (auto* box = dialog.findChild<QComboBox*>(field))
            box->setCurrentText(text);
        else
            findControl<QLineEdit>(dialog, field)->setText(text);
    }
    static void press(ChildrenDialog& dialog, const char* name)
    {
        findControl<QPushButton>(dialog, name)->click();
    }
    static void add(ChildrenDialog& dialog, const QString& name, const QString& groups)
    {
        dialog.chooseChild({});
        type(dialog, "nameEdit", name);
        type(dialog, "groupsEdit", groups);
        press(dialog, "addButton");
    }
};

// The picture handed out `n`th, from 0; the set is there once the program runs.
QString picture(int n)
{
    return toolkit::childpictures::names().value(n);
}

} // namespace

// Each of the teacher's edits is in the file as soon as it is made; what
// cannot be made is told and leaves the file as it was.
TEST_F(ChildrenDialogTest, AddRenamePictureJoinAndRemoveAreWrittenAtOnce)
{
    auto dialog = open();
    add(*dialog, "Ana", "P4 A");
    add(*dialog, "Pau", "\"P4 A\"; P5");
    add(*dialog, "Leo", "P5 B");
    const auto* current = findControl<QTreeWidget>(*dialog, "childList")->currentItem();
    EXPECT_EQ(current ? current->text(1) : "", "leo");
    EXPECT_EQ(written(), "ana Ana " + picture(0) + "  P4 A;pau Pau " + picture(1) +
                             "  P4 A/P5;leo Leo " + picture(0) + "  P5 B");
    dialog->chooseChild("ana");
    dialog->givePicture(picture(1)); // Pau's in P4 A
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text, "Pau ya tiene ese dibujo en su grupo.");
    dialog->givePicture("gato");
    type(*dialog, "nameEdit", "Ana María");
    type(*dialog, "accountBox", "../ana");
    press(*dialog, "saveButton"); // no account: nothing of it is written
    EXPECT_EQ(platform.messages.size(), 2);
    type(*dialog, "accountBox", "pau.gil");
    press(*dialog, "saveButton");
    EXPECT_EQ(written(), "ana Ana María gato pau.gil P4 A;pau Pau " + picture(1) +
                             "  P4 A/P5;leo Leo " + picture(0) + "  P5 B");
    dialog->chooseChild("pau");
    platform.messageAnswers = {toolkit::vbNo, toolkit::vbYes};
    press(*dialog, "removeButton");
    EXPECT_EQ(dialog->list().children().size(), 3);
    press(*dialog, "removeButton");
    EXPECT_EQ(written(), "ana Ana María gato pau.gil P4 A;leo Leo " + picture(0) + "  P5 B");
    EXPECT_EQ(dialog->chosenKey(), "");
}

// Two teachers with the window open at once: each edit is made on the list
// as the other left it, and the picture given is free in it.
TEST_F(ChildrenDialogTest, TwoTeachersAtOnceKeepBothEdits)
{
    auto first = open();
    auto second = open();
    add(*first, "Ana", "P4 A");
    add(*second, "Pau", "P4 A");
    second->chooseChild("ana");
    type(*second, "nameEdit", "Ana Gil");
    press(*second, "saveButton");
    first->chooseChild("ana"); // as the first teacher last read her
    type(*first, "groupsEdit", "P4 A; P5");
    press(*first, "saveButton");
    first->givePicture("gato");
    EXPECT_EQ(written(), "ana Ana Gil gato  P4 A/P5;pau Pau " + picture(1) + "  P4 A");
    EXPECT_TRUE(platform.messages.isEmpty());
}

// A list that cannot be read is told in one sentence and never written
// over; the lines of one that can but are wrong are told once, bounded.
TEST_F(ChildrenDialogTest, AnUnreadableListIsToldAndKeptAndItsProblemsBounded)
{
    QByteArray manyBad;
    for (int i = 0; i < 40; ++i)
        manyBad += "Mal Clave," + QByteArray::number(i) + "\n";
    const struct
    {
        QByteArray text;
        bool readable;
    } cases[] = {
        {QByteArray(2 << 20, 'a'), false}, {QByteArray("ana,Ana\0", 8), false}, {manyBad, true}};
    for (const auto& c : cases) {
        ASSERT_TRUE(toolkit::writeFile(file, c.text));
        auto dialog = open();
        const auto* line = findControl<QLabel>(*dialog, "problemsLine");
        EXPECT_EQ(line->text().count('\n'), c.readable ? 3 : 0) << line->text().toStdString();
        EXPECT_EQ(findControl<QPushButton>(*dialog, "addButton")->isEnabled(), c.readable);
        add(*dialog, "Ana", "P4 A");
        EXPECT_NE(toolkit::readRegularFile(file, 4 << 20).value_or("").startsWith(c.text),
                  c.readable);
    }
    ASSERT_EQ(::mkfifo(QFile::encodeName(file + "x").constData(), 0600), 0);
    QFile::remove(file);
    QFile::rename(file + "x", file);
    EXPECT_FALSE(findControl<QLabel>(*open(), "problemsLine")->text().isEmpty());
}

// lunipoclase --importar-clase with no display: the children of a
// spreadsheet join the list, each with the next picture free in their
// group, printed as they are added; a second run adds nobody twice.
TEST_F(ChildrenDialogTest, ImportingASheetWithoutAWindowPrintsAndWritesEachChildOnce)
{
    QDir().mkpath(root.filePath("config/lunipo"));
    ASSERT_TRUE(toolkit::writeFile(root.filePath("config/lunipo/lunipo.conf"),
                                   "[Lunipo]\nprogreso=" + root.filePath("%u").toUtf8() + "\n"));
    const QString sheet = root.filePath("clase.csv");
    ASSERT_TRUE(toolkit::writeFile(sheet, "Nombre;Grupo\r\nAna;P4 A\r\nLuc\xed"
                                          "a;P4 A\r\n;P5\r\n"
                                          "Leo,P5\r\nAna;P4 A\r\n"));
    const auto run = [&](const QString& file, int status) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(name);
        environment.insert("XDG_CONFIG_HOME", root.filePath("config"));
        environment.insert("XDG_CONFIG_DIRS", root.filePath("none"));
        process.setProcessEnvironment(environment);
        process.start(LUNIPO_APP_DIR "/lunipoclase", {"--importar-clase", file});
        EXPECT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitCode(), status) << process.readAllStandardError().toStdString();
        return process.readAllStandardOutput().toStdString();
    };
    EXPECT_EQ(run(sheet, 0),
              ("ana " + picture(0) + "\nlucia " + picture(1) + "\nleo " + picture(0) + "\n")
                  .toStdString());
    EXPECT_EQ(written(), "ana Ana " + picture(0) + "  P4 A;lucia Lucía " + picture(1) +
                             "  P4 A;leo Leo " + picture(0) + "  P5");
    EXPECT_EQ(run(sheet, 0), "");
    EXPECT_EQ(run(root.path(), 1), "");
}
