#include "themestore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using toolkit::ThemeStore;

// A program folder and a user's data folder of their own for every test.
class ThemeStoreTest : public ::testing::Test
{
protected:
    QTemporaryDir app, data;
    const QByteArray oldData = qgetenv("XDG_DATA_HOME");
    void SetUp() override { qputenv("XDG_DATA_HOME", data.path().toLocal8Bit()); }
    void TearDown() override { qputenv("XDG_DATA_HOME", oldData); }
    QString shipped(const QString& path) const { return app.filePath("actividades/" + path); }
    QString user(const QString& path) const { return data.filePath("lunipo/actividades/" + path); }
    static void make(const QString& file, const QByteArray& bytes = "x")
    {
        QDir().mkpath(QFileInfo(file).path());
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
};

TEST_F(ThemeStoreTest, ListsBothPlacesSortedAndTheUsersThemeWinsAClash)
{
    for (const QString& file : {shipped("formas/1.txt"), shipped("animales/1.txt"),
                                user("animales/1.txt"), user("Mis dibujos/1.txt")})
        make(file);
    QStringList listed;
    for (const auto& theme : ThemeStore(app.path()).themes())
        listed << theme.name + " = " + theme.folder;
    EXPECT_EQ(listed,
              QStringList({"animales = " + user("animales"), "formas = " + shipped("formas"),
                           "Mis dibujos = " + user("Mis dibujos")}));
}

TEST_F(ThemeStoreTest, NextNumberIsTheFirstMissingFromOneAsThePlayerStops)
{
    const struct
    {
        QStringList files;
        int next;
    } cases[] = {{{}, 1},        {{"1.txt", "2.txt"}, 3}, {{"1.txt", "3.txt"}, 2},
                 {{"2.txt"}, 1}, {{"1.TXT", "2.Txt"}, 3}, {{"1.txt/folder"}, 1}};
    for (const auto& c : cases) {
        const QTemporaryDir theme;
        for (const QString& file : c.files)
            make(theme.filePath(file));
        EXPECT_EQ(ThemeStore::nextNumber(theme.path()), c.next) << c.files.join(' ').toStdString();
    }
}

TEST_F(ThemeStoreTest, NamesThatCannotBeAFolderTheUserSeesAreRefusedAndNothingIsWritten)
{
    for (const QString& name :
         {QString(""), QString("  "), QString("a/b"), QString("a\\b"), QString("."), QString(".."),
          QString(".oculto"), QString(65, 'a'), QString("a\tb")}) {
        EXPECT_FALSE(ThemeStore::nameProblem(name).isEmpty()) << name.toStdString();
        EXPECT_FALSE(ThemeStore(app.path()).save(name, "x").problem.isEmpty());
    }
    for (const QString& name : {QString("mis dibujos"), QString(64, 'a'), QString("Año 2º.b")})
        EXPECT_EQ(ThemeStore::nameProblem(name), "") << name.toStdString();
    EXPECT_TRUE(QDir(app.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

// Where a save lands: a listed theme keeps its folder; a new one goes beside
// the program, or into the user's folder when the program's cannot be
// written; a listed theme that cannot be written is told, not shadowed.
TEST_F(ThemeStoreTest, SaveWritesTheBytesAsTheThemesNextNumberWhereThePlayerLooks)
{
    make(shipped("formas/1.txt"));
    make(user("animales/1.txt"));
    make(app.filePath("file"));
    QFile::link("/proc/self", shipped("ajeno"));
    const QString readOnlyApp = app.filePath("file/app");
    const struct
    {
        QString app, theme, written;
    } cases[] = {{app.path(), "formas", shipped("formas/2.txt")},
                 {app.path(), "animales", user("animales/2.txt")},
                 {app.path(), " mis dibujos ", shipped("mis dibujos/1.txt")},
                 {readOnlyApp, "mis dibujos", user("mis dibujos/1.txt")},
                 {app.path(), "ajeno", ""}};
    for (const auto& c : cases) {
        const auto saved = ThemeStore(c.app).save(c.theme, "1,600,300,255,0,0,\r\n");
        EXPECT_EQ(saved.path, c.written) << c.theme.toStdString();
        EXPECT_EQ(saved.problem.isEmpty(), !c.written.isEmpty()) << saved.problem.toStdString();
        QFile written(c.written);
        if (written.open(QIODevice::ReadOnly)) {
            EXPECT_EQ(written.readAll(), "1,600,300,255,0,0,\r\n");
        }
    }
}
