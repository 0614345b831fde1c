#include "classfolders.h"
#include "classreading.h"
#include "classtable.h"
#include "csvfields.h"
#include "folderlister.h"
#include "newfile.h"
#include "testaccounts.h"
#include "textfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

using classview::Child;
using classview::ClassTable;
using toolkit::PlayedActivity;

namespace {

const QDateTime Monday(QDate(2026, 12, 7), QTime(10, 0));

// An activity of `theme` started `day` days after Monday, finished in
// `seconds` (not finished when negative).
PlayedActivity played(const QString& theme, int number, const QString& id, int day, int seconds,
                      int hints = 0)
{
    PlayedActivity a;
    a.theme = theme;
    a.activity = number;
    a.id = id;
    a.started = Monday.addDays(day);
    if (seconds >= 0)
        a.finished = a.started.addSecs(seconds);
    a.hints = hints;
    return a;
}

// Row by row: name, then per theme "finished/tries/seconds/hints".
QString figures(const ClassTable& table)
{
    QStringList rows;
    for (int r = 0; r < table.rowCount(); ++r) {
        QStringList row{table.child(r).name};
        for (int t = 0; t < table.themes().size(); ++t) {
            const auto f = table.figures(r, t);
            row << QString("%1/%2/%3/%4").arg(f.finished).arg(f.tries).arg(f.seconds).arg(f.hints);
        }
        rows << row.join(' ');
    }
    return table.themes().join(' ') + " | " + rows.join(" | ");
}

} // namespace

// The same activity finished twice, or renumbered by the teacher, counts
// once; what was left unfinished is a try; the filters leave out children
// and days, and the themes nobody played in the period.
TEST(ClassTable, FiguresPerChildAndThemeWithinTheFilter)
{
    const QList<Child> children = {
        {"pau", "Pau", {played("mar", 1, "a", 0, 60, 2), played("mar", 1, "a", 1, 40)}},
        {"lucia",
         "Lucía",
         {played("granja", 1, "x", 0, 30), played("granja", 2, "x", 2, 50, 1),
          played("granja", 3, "y", 3, -1, 4), played("mar", 1, "a", 3, 90)}},
    };
    ClassTable table(children);
    struct Case
    {
        QSet<QString> logins;
        QDate from;
        const char* expected;
    } cases[] = {
        {{}, {}, "granja mar | Lucía 1/3/80/5 1/1/90/0 | Pau 0/0/0/0 1/2/100/2"},
        {{"pau"}, {}, "mar | Pau 1/2/100/2"},
        {{}, QDate(2026, 12, 9), "granja mar | Lucía 1/2/50/5 1/1/90/0 | Pau 0/0/0/0 0/0/0/0"},
        {{"pau"}, QDate(2026, 12, 9), " | Pau"},
    };
    for (const Case& c : cases) {
        table.setFilter(c.logins, c.from);
        EXPECT_EQ(figures(table).toStdString(), c.expected);
    }
    table.setFilter({"lucia"}, {});
    const auto latest = table.activities(0);
    ASSERT_EQ(latest.size(), 4);
    EXPECT_EQ(latest.first().theme, "mar");
}

// The spreadsheet gets one line per child and quotes what needs it.
TEST(ClassTable, CsvQuotesNamesAndRoundsMinutes)
{
    ClassTable table({{"ana", "Ana \"la\" García, P4", {played("mar", 1, "a", 0, 89)}}});
    EXPECT_EQ(table.csv(), "Nombre,Usuario,mar: terminadas,mar: intentos,mar: minutos,"
                           "mar: pistas\r\n\"Ana \"\"la\"\" García, P4\",ana,1,1,1,0\r\n");
}

// A name a child chose is never a formula nor a terminal's escape in the
// exported table; a write that fails is told.
TEST(ClassTable, CsvCellsAreNeverFormulasNorControlCharacters)
{
    const struct
    {
        const char* text;
        const char* cell;
    } cases[] = {{"=1+1", "'=1+1"},         {"+34 600", "'+34 600"},   {"-2", "'-2"},
                 {"@SUM(A1)", "'@SUM(A1)"}, {"\t=1", "' =1"},          {"\r@x", "' @x"},
                 {"a\x1b[2Jb", "a [2Jb"},   {"Ana-María", "Ana-María"}};
    for (const auto& c : cases)
        EXPECT_EQ(toolkit::csvCell(QString::fromUtf8(c.text)), QByteArray(c.cell)) << c.text;
    PlayedActivity reached = played("=mar", 1, "a", 0, 60);
    reached.reach = "=1+1 diana=20";
    const ClassTable table({{"=ana", "=Ana", {reached}}});
    EXPECT_TRUE(table.csv().startsWith("Nombre,Usuario,'=mar: terminadas,"));
    EXPECT_TRUE(table.csv().endsWith("\r\n'=Ana,'=ana,1,1,1,0,'=1+1 diana=20\r\n"));
    std::FILE* full = std::fopen("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    EXPECT_FALSE(toolkit::writeWhole(full, table.csv()));
    std::fclose(full);
}

// Themes outside the lab's, and beyond the most columns those the fewest
// children played, share one column; sums stop at the largest int.
TEST(ClassTable, ThemesOutsideTheLabAndBeyondTheColumnsShareOneColumn)
{
    QList<PlayedActivity> many, tired;
    for (int t = 0; t < 300; ++t)
        many << played(QString("t%1").arg(t, 3, 10, QChar('0')), 1, "a", 0, 60);
    for (int i = 0; i < 22'000; ++i)
        tired << played("t000", 1, "a", 0, 60, 100'000);
    ClassTable all({{"ana", "Ana", many}, {"pau", "Pau", {played("t299", 1, "a", 0, 60)}}});
    ASSERT_EQ(all.themes().size(), ClassTable::MostThemes);
    EXPECT_EQ(all.themes()[198], "t299");
    EXPECT_EQ(all.themes()[199], "otros temas");
    EXPECT_EQ(all.figures(0, 199).tries, 101);
    const ClassTable lab({{"ana", "Ana", tired}, {"pau", "Pau", many}}, QSet<QString>{"t000"});
    EXPECT_EQ(figures(lab).toStdString(), "t000 otros temas | Ana 1/22000/1320000/2147483647 "
                                          "0/0/0/0 | Pau 1/1/60/0 299/299/17940/0");
}

// The lab's themes are listed with each reading.
TEST(ClassReading, ANameAChildMadeUpIsNoThemeOfItsOwn)
{
    QTemporaryDir share;
    QDir().mkpath(share.filePath("programa/actividades/mar"));
    const classview::ClassFolders folders(share.filePath("progreso/%u"), accountsOfThisUser());
    QDir().mkpath(folders.folderOf("ana"));
    ASSERT_TRUE(
        toolkit::writeFile(folders.folderOf("ana") + "/2026-12-aula1.txt",
                           toolkit::childrecord::format({played("mar", 1, "a", 0, 60),
                                                         played("inventado", 1, "a", 0, 60)})));
    toolkit::FolderLister lister;
    classview::ClassReading reading(folders, lister, {share.filePath("programa"), {}});
    EXPECT_EQ(reading.readNow({}).table.themes(), QStringList({"mar", "otros temas"}));
}

TEST(ClassTable, PeriodsStartOnMondayAndOnTheTermsFirstDay)
{
    using classview::Period;
    const QDate wednesday(2026, 12, 9);
    EXPECT_EQ(periodStart(Period::Today, wednesday), wednesday);
    EXPECT_EQ(periodStart(Period::Week, wednesday), QDate(2026, 12, 7));
    EXPECT_EQ(periodStart(Period::Term, wednesday), QDate(2026, 9, 1));
    EXPECT_EQ(periodStart(Period::Term, QDate(2027, 2, 1)), QDate(2027, 1, 1));
    EXPECT_FALSE(periodStart(Period::All, wednesday).isValid());
}

TEST(ClassFolders, TheLoginIsAWholeFolderOfThePattern)
{
    const struct
    {
        const char* pattern;
        const char* root;
        const char* folder; // of "pau"
    } cases[] = {
        {"/srv/progreso/%u", "/srv/progreso", "/srv/progreso/pau"},
        {"/srv/%u/progreso/", "/srv", "/srv/pau/progreso"},
        {"/srv/p%u", "", ""},
        {"/srv/%u/%u", "", ""},
        {"/srv/progreso", "", ""},
    };
    for (const auto& c : cases) {
        const classview::ClassFolders folders(c.pattern);
        EXPECT_EQ(folders.root(), c.root) << c.pattern;
        if (!folders.root().isEmpty()) {
            EXPECT_EQ(folders.folderOf("pau"), c.folder);
        }
    }
}

// A class where nobody played, from a root that is not there, is told.
TEST(ClassFolders, AMissingRootIsToldNotShownAsAnEmptyClass)
{
    toolkit::FolderLister lister;
    classview::ClassReading reading(classview::ClassFolders("/nonexistent/lunipo/%u"), lister);
    const auto snapshot = reading.readNow({});
    EXPECT_TRUE(snapshot.children.isEmpty());
    EXPECT_EQ(snapshot.problems, QStringList{"/nonexistent/lunipo no existe"});
}

// Any child may make a folder in any name: only an account's own counts,
// and what is passed over is told without a control character a terminal
// would obey.
TEST(ClassFolders, OnlyAnAccountsOwnFolderIsAChild)
{
    QTemporaryDir share;
    // Pau's folder was made by a classmate; the other names are no account.
    const classview::Accounts accounts([](const QString& login) -> std::optional<uid_t> {
        if (login == "ana" || login == "luis" || login == "pau")
            return ::geteuid() + (login == "pau");
        return std::nullopt;
    });
    for (const char* name : {"ana", "pau", "Marta", "=1+1", "@SUM(1+1)", "x\x1b]0;y\x07"})
        QDir().mkpath(share.filePath(name));
    QFile::link(share.filePath("ana"), share.filePath("luis"));
    toolkit::FolderLister lister;
    classview::ClassReading reading(classview::ClassFolders(share.filePath("%u"), accounts),
                                    lister);
    const auto snapshot = reading.readNow({});
    ASSERT_EQ(snapshot.children.size(), 1);
    EXPECT_EQ(snapshot.children[0].login, "ana");
    EXPECT_EQ(snapshot.problems.size(), 6) << snapshot.problems.join('\n').toStdString();
    for (const QString& told : snapshot.problems) // no control character
        EXPECT_EQ(told, toolkit::withoutControlCharacters(told)) << told.toStdString();
}

TEST(ClassFolders, NamesComeFromTheTeachersListInAnySpreadsheetsFormat)
{
    const auto names = classview::readNames("Usuario;Nombre\r\npau;Pau Puig\r\n"
                                            "\"ana\",\"Ana \"\"la\"\" García\"\nluis\tLuis\n"
                                            "sin nombre\n,nadie\n");
    EXPECT_EQ(names.value("pau"), "Pau Puig");
    EXPECT_EQ(names.value("ana"), "Ana \"la\" García");
    EXPECT_EQ(names.value("luis"), "Luis");
    EXPECT_EQ(names.size(), 4); // with the heading "Usuario"
}

namespace {

// A shared account "alumno" and the teacher's "profe": Ana and Luis chose
// their pictures on alumno, Ana on profe too, Marta has an account of her
// own as well, and Zoe never played. `lines` are added to ninos.csv.
class ClassListReading : public ::testing::Test
{
protected:
    QTemporaryDir share;
    toolkit::FolderLister lister;
    const classview::ClassFolders folders{share.filePath("%u"), accountsOfThisUser()};

    void SetUp() override
    {
        QDir().mkpath(share.filePath(".clase"));
        ASSERT_TRUE(toolkit::writeFile(share.filePath(".clase/ninos.csv"),
                                       "clave,nombre,dibujo,cuenta,grupos\nana,Ana,gato,,P4 A\n"
                                       "luis,Luis,pez,,P4 A\nmarta,Marta,sol,marta,P4 B\n"
                                       "zoe,Zoe,luna,,P4 A\n"));
        record("alumno", {played("mar", 1, "a", 0, 60)});
        record("alumno/ana", {played("mar", 1, "a", 1, 60), played("mar", 2, "b", 1, -1)});
        record("profe/ana", {played("mar", 2, "b", 0, 60)});
        record("alumno/luis", {played("granja", 1, "x", 0, 60)});
        record("alumno/marta", {played("granja", 1, "x", 2, 60)});
        record("marta", {played("granja", 2, "y", 0, 60)});
    }
    void record(const QString& folder, const QList<PlayedActivity>& played)
    {
        QDir().mkpath(share.filePath(folder));
        ASSERT_TRUE(toolkit::writeFile(share.filePath(folder + "/2026-12-aula1.txt"),
                                       toolkit::childrecord::format(played)));
    }
    // The table's rows, "name (accounts): figures".
    ClassTable read(QStringList* problems = nullptr)
    {
        const auto snapshot = classview::ClassReading(folders, lister).readNow({});
        if (problems)
            *problems = snapshot.problems;
        return snapshot.table;
    }
};

} // namespace

TEST_F(ClassListReading, EachChildOfTheListIsOneRowWhereverTheyPlayed)
{
    const ClassTable table = read();
    ASSERT_EQ(table.themes(), QStringList({"granja", "mar"}));
    const struct
    {
        const char* id;
        const char* name;
        const char* figures; // granja, mar: finished/tries
        QStringList keptUnder;
    } rows[] = {
        {"alumno", "alumno", "0/0 1/1", {}},      {".ana", "Ana", "0/0 2/3", {"alumno", "profe"}},
        {".luis", "Luis", "1/1 0/0", {"alumno"}}, {"marta", "Marta", "2/2 0/0", {"alumno"}},
        {"profe", "profe", "0/0 0/0", {}},        {".zoe", "Zoe", "0/0 0/0", {}},
    };
    ASSERT_EQ(table.rowCount(), std::size(rows));
    for (int r = 0; r < table.rowCount(); ++r) {
        const Child& child = table.child(r);
        const auto row = std::find_if(std::begin(rows), std::end(rows),
                                      [&](const auto& row) { return child.id() == row.id; });
        ASSERT_NE(row, std::end(rows)) << child.id().toStdString();
        EXPECT_EQ(child.name, row->name);
        EXPECT_EQ(QString("%1/%2 %3/%4")
                      .arg(table.figures(r, 0).finished)
                      .arg(table.figures(r, 0).tries)
                      .arg(table.figures(r, 1).finished)
                      .arg(table.figures(r, 1).tries),
                  row->figures)
            << row->id;
        EXPECT_EQ(child.keptUnder, row->keptUnder) << row->id;
        if (child.key == "ana") { // records of two accounts, latest first
            EXPECT_EQ(table.activities(r).first().started, Monday.addDays(1));
        }
    }
}

// What is no folder of a child of the list is no record, told within
// bounds however much of it an account makes.
TEST_F(ClassListReading, WhatIsNoFolderOfAKeyIsToldAndPassedOver)
{
    QDir(share.filePath("profe")).rename("ana", "ana-aside");
    QFile::link(share.filePath("alumno/ana"), share.filePath("profe/ana"));
    toolkit::writeFile(share.filePath("marta/luis"), "");
    // Only where the tests may give a folder away.
    QDir().mkpath(share.filePath("profe/zoe"));
    const bool givenAway =
        ::chown(qPrintable(share.filePath("profe/zoe")), ::geteuid() + 1, ::getegid()) == 0;
    for (int i = 0; i < classview::ClassFolders::MostEntries + 100; ++i)
        QDir().mkpath(share.filePath(QString("hostil/k%1").arg(i)));
    QStringList problems;
    EXPECT_EQ(read(&problems).child(0).keptUnder, QStringList{"alumno"});
    const auto told = [&](const QString& text) { return problems.filter(text).size(); };
    EXPECT_EQ(told("profe/ana no es una carpeta"), 1); // a link counts as none
    EXPECT_EQ(told("marta/luis no es una carpeta"), 1);
    EXPECT_EQ(told("profe/ana-aside no es de ningún niño de la lista"), 1);
    EXPECT_EQ(told("profe/zoe es de otra cuenta"), givenAway ? 1 : 0);
    EXPECT_EQ(told("hostil/k"), 3);
    EXPECT_EQ(told("hostil: y 2997 más"), 1);
    EXPECT_EQ(told("hostil tiene más de 3000 entradas"), 1);
}
