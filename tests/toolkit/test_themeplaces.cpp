#include "../hungfolder.h"
#include "../localshare.h"
#include "folderlister.h"
#include "themelibrary.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using toolkit::ThemeLibrary;

// A program folder and a user's data folder of their own for every test.
class ThemePlacesTest : public ::testing::Test
{
protected:
    QTemporaryDir app, data;
    const QByteArray oldData = qgetenv("XDG_DATA_HOME");
    void SetUp() override { qputenv("XDG_DATA_HOME", data.path().toLocal8Bit()); }
    void TearDown() override { qputenv("XDG_DATA_HOME", oldData); }
    QString shipped(const QString& path) const { return app.filePath("actividades/" + path); }
    QString user(const QString& path) const { return data.filePath("lunipo/actividades/" + path); }
    static void make(const QString& file)
    {
        QDir().mkpath(QFileInfo(file).path());
        QFile(file).open(QIODevice::WriteOnly);
    }
};

TEST_F(ThemePlacesTest, ListsBothPlacesSortedAndTheUsersThemeWinsAClash)
{
    for (const QString& file : {shipped("formas/1.txt"), shipped("animales/1.txt"),
                                user("animales/1.txt"), user("Mis dibujos/1.txt")})
        make(file);
    QStringList listed;
    for (const auto& theme : ThemeLibrary(app.path(), localShare()).themes())
        listed << theme.name + " = " + theme.folder;
    EXPECT_EQ(listed,
              QStringList({"animales = " + user("animales"), "formas = " + shipped("formas"),
                           "Mis dibujos = " + user("Mis dibujos")}));
}

// A theme's tema.ini names it in each language; the folder keeps its name,
// and a tema.ini that is a link or too large is not read. Two themes shown
// alike are told apart by their folders, and no new theme may show a name
// another one shows.
TEST_F(ThemePlacesTest, AThemeIsShownByItsNameInTheLanguageChosen)
{
    make(shipped("zoo/1.txt"));
    for (const QString theme : {"animales", "formas", "vehiculos"}) {
        make(shipped(theme + "/1.txt"));
        QFile ini(shipped(theme + "/tema.ini"));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[Tema]\nNombre[ca]=Zoo\n" + QByteArray(theme == "formas" ? 70 * 1024 : 0, ' '));
    }
    QFile::remove(shipped("vehiculos/tema.ini"));
    QFile::link(shipped("animales/tema.ini"), shipped("vehiculos/tema.ini"));
    for (const auto& [language, shown] :
         {std::pair{"ca", "formas vehiculos Zoo (animales)=animales zoo (zoo)=zoo"},
          {"gl", "animales formas vehiculos zoo"}}) {
        QStringList listed;
        for (const auto& theme : ThemeLibrary(app.path(), localShare()).themes(language))
            listed << (theme.shown == theme.name ? theme.name : theme.shown + "=" + theme.name);
        EXPECT_EQ(listed.join(' ').toStdString(), shown) << language;
    }
    EXPECT_TRUE(ThemeLibrary(app.path(), localShare()).save("ZOO", "x").problem.contains("Ya hay"));
}

// Each listing sees tema.ini as it is now, even changed to a name of the
// same length within the same second.
TEST_F(ThemePlacesTest, AThemeIsShownByTheNameItsTemaIniGivesNow)
{
    make(shipped("zoo/1.txt"));
    for (const QByteArray name : {"Zoo", "Mar", "Zoo"}) {
        QFile ini(shipped("zoo/tema.ini"));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly) && ini.write("[Tema]\nNombre[es]=" + name) > 0);
        ini.close();
        EXPECT_EQ(ThemeLibrary(app.path(), localShare()).themes("es").value(0).shown, name);
    }
}

// The shipped library's themes show their level's range and come by level,
// after a teacher's own; a class sees the levels its lab allows and the
// themes made for its language.
TEST_F(ThemePlacesTest, LevelsAreShownInOrderAndChosenByTheLab)
{
    for (const auto& [theme, settings] :
         {std::pair{"granja2", "Nombre[es]=Granja\nNivel=2"},
          {"granja1", "Nombre[es]=Granja\nNivel=1"},
          {"abc", "Nombre[es]=Letras\nNivel=letras\nIdiomas=es gl eu"},
          {"mio", ""}}) {
        make(shipped(theme + QString("/1.txt")));
        QFile ini(shipped(theme + QString("/tema.ini")));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[Tema]\n" + QByteArray(settings) + "\n");
    }
    const auto shown = [&](const QString& language, const QStringList& levels) {
        QStringList listed;
        for (const auto& theme : ThemeLibrary(app.path(), localShare()).themes(language, levels))
            listed << theme.shown;
        return listed.join(", ").toStdString();
    };
    EXPECT_EQ(shown("es", {}), "mio, Granja · 1–10, Granja · 1–20, Letras · A–Z");
    EXPECT_EQ(shown("es", {"1", "letras"}), "mio, Granja · 1–10, Letras · A–Z");
    EXPECT_EQ(shown("ca", {"2"}), "mio, granja2 · 1–20");
}

// The next number is the first one missing from 1, in any case, where the
// player stops. A listed theme keeps its folder; a new one goes beside the
// program, or into the user's folder when the program's cannot be written;
// a listed theme that cannot be written is told, never shadowed; a name
// that cannot be a visible folder makes nothing.
TEST_F(ThemePlacesTest, SaveWritesTheBytesAsTheThemesNextNumberWhereThePlayerLooks)
{
    for (const QString& file : {shipped("formas/1.TXT"), shipped("formas/3.txt"),
                                user("animales/1.txt"), app.filePath("file")})
        make(file);
    QFile::link("/proc/self", shipped("ajeno"));
    const struct
    {
        QString app, theme, written;
    } cases[] = {{app.path(), "formas", shipped("formas/2.txt")},
                 {app.path(), "animales", user("animales/2.txt")},
                 {app.path(), " mis dibujos ", shipped("mis dibujos/1.txt")},
                 {app.filePath("file/app"), "mis dibujos", user("mis dibujos/1.txt")},
                 {app.path(), "ajeno", ""},
                 {app.path(), QString(64, 'a'), shipped(QString(64, 'a') + "/1.txt")}};
    for (const QString& bad :
         QStringList{"  ", "a/b", "a\\b", "..", ".oculto", "a\tb", QString(65, 'a')})
        EXPECT_FALSE(ThemeLibrary(app.path(), localShare()).save(bad, "x").problem.isEmpty())
            << bad.toStdString();
    for (const auto& c : cases) {
        const auto saved =
            ThemeLibrary(c.app, localShare()).save(c.theme, "1,600,300,255,0,0,\r\n");
        EXPECT_EQ(saved.path, c.written) << saved.problem.toStdString();
        EXPECT_EQ(saved.problem.isEmpty(), !c.written.isEmpty());
        QFile written(c.written);
        EXPECT_EQ(written.open(QIODevice::ReadOnly) ? written.readAll() : "",
                  c.written.isEmpty() ? "" : "1,600,300,255,0,0,\r\n");
    }
    EXPECT_EQ(QDir(shipped("")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({QString(64, 'a'), "ajeno", "formas", "mis dibujos"}));
}

// Places from the least important: beside the program, the system data
// folders (the last of $XDG_DATA_DIRS first), the shared folders in their
// order, the user's own. A new theme goes into the first shared folder that
// answers and can be written; a shared folder that is missing is never made.
TEST_F(ThemePlacesTest, EveryPlaceJoinsTheListTheMoreImportantWinningAndSharedFoldersTakeNewThemes)
{
    const QByteArray oldDirs = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_DIRS", (data.filePath("high") + ":" + data.filePath("low")).toLocal8Bit());
    const QString high = data.filePath("high/lunipo/actividades/"),
                  low = data.filePath("low/lunipo/actividades/"), one = data.filePath("uno/"),
                  two = data.filePath("dos/"), missing = data.filePath("no/hay");
    for (const QString& file :
         {shipped("a/1.txt"), shipped("b/1.txt"), shipped("e/1.txt"), low + "b/1.txt",
          low + "f/1.txt", high + "a/1.txt", high + "b/1.txt", high + "c/1.txt", one + "c/1.txt",
          one + "d/1.txt", two + "a/1.txt", two + "d/1.txt", user("a/1.txt")})
        make(file);
    toolkit::FolderLister lister;
    const ThemeLibrary store(app.path(), {{missing, "/proc/self/fdinfo", one, two}, lister});
    QStringList listed;
    for (const auto& theme : store.themes())
        if (theme.name.size() == 1)
            listed << theme.name + " = " + theme.folder;
    EXPECT_EQ(listed, QStringList({"a = " + user("a"), "b = " + high + "b", "c = " + one + "c",
                                   "d = " + two + "d", "e = " + shipped("e"), "f = " + low + "f"}));
    EXPECT_EQ(store.save("c", "x").path, one + "c/2.txt");
    EXPECT_EQ(store.save("nuevo", "x").path, one + "nuevo/1.txt");
    EXPECT_FALSE(QFileInfo::exists(missing));
    // A shared theme's tema.ini whose server stops answering: the theme is
    // shown by its folder's name, within the share's patience.
    QFile ini(one + "c/tema.ini");
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly) && ini.write("[Tema]\nNombre[es]=Ce\n") > 0);
    ini.close();
    HungFolder hung(one + "c/tema.ini");
    for (const auto& theme : ThemeLibrary(app.path(), {{one}, hung.lister}).themes("es"))
        EXPECT_EQ(theme.shown, theme.name);
    qputenv("XDG_DATA_DIRS", oldDirs);
}
