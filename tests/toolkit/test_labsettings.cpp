#include "labsettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

// Each key of a more important file replaces the same key of a less
// important one ($XDG_CONFIG_DIRS lists the most important first, the
// account's file comes last); what cannot be used is told, one line each
// naming its file, and the rest is kept.
TEST(LabSettings, KeysOverrideOneByOneAndEveryProblemIsOneLine)
{
    const QString login = QString::fromLocal8Bit(getpwuid(getuid())->pw_name);
    const struct
    {
        QByteArray high, low, account;
        QString read;     // temas|dibujos|sonido|pista|idioma|niveles|progreso|dibujos as written
        QString problems; // a word of each line, in order
    } cases[] = {
        {"[Lunipo]\ntemas=/srv/c\nidioma=EU\nniveles=1, Letras\n",
         "[Lunipo]\ntemas=/srv/a:/srv/b\nsonido=no\npista=3\n", "[Lunipo]\npista=0\n",
         "/srv/c||0|0|eu|1,letras||", ""},
        {{},
         "[Lunipo]\ntemas=/srv/a\nsonido=no\n",
         "[Lunipo]\ntemas=\nsonido=Sí\ndibujos=/d/%u/\nprogreso=/p/%u\n",
         "|/d/" + login + "|1|8|||/p/" + login + "|/d/%u",
         ""},
        {{},
         "[Lunipo]\ntemas = /srv/a : rel/x : /srv/a/ :\ndibujos=/srv/d\n",
         "clave=1\n[Lunipo]\nsonido=quizá\npista=-1\npista2=3\ndibujos=dibujos\nidioma=fr\n"
         "niveles=2,5\nprogreso=p\n[Otra]\nx=1\n",
         "/srv/a|/srv/d|1|8||2||/srv/d",
         "rel/x dibujos idioma=fr «5» pista=-1 pista2 progreso quizá Otra/x clave"},
        {{}, "[Lunipo]\nsonido=no\n", "[Lunipo\nsonido=", "||0|8||||", "leer"},
    };
    const QByteArray oldDirs = qgetenv("XDG_CONFIG_DIRS"), oldHome = qgetenv("XDG_CONFIG_HOME");
    for (const auto& c : cases) {
        QTemporaryDir dir; // fresh: QSettings keeps what it once read of a path
        qputenv("XDG_CONFIG_DIRS",
                (dir.filePath("high") + ":" + dir.filePath("low")).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", dir.filePath("home").toLocal8Bit());
        for (const auto& [folder, text] :
             {std::pair{"high", c.high}, {"low", c.low}, {"home", c.account}}) {
            QDir().mkpath(dir.filePath(folder + QString("/lunipo")));
            QFile file(dir.filePath(folder + QString("/lunipo/lunipo.conf")));
            if (!text.isNull() && file.open(QIODevice::WriteOnly))
                file.write(text);
        }
        QStringList problems;
        const auto read = toolkit::LabSettings::read(&problems);
        EXPECT_EQ(QString("%1|%2|%3|%4|%5|%6|%7|%8")
                      .arg(read.themeFolders.join(':'), read.drawingsFolder)
                      .arg(read.sound)
                      .arg(read.hintSeconds)
                      .arg(read.language, read.levels.join(','), read.progressFolder,
                           read.drawingsPattern),
                  c.read);
        const QStringList words = c.problems.split(' ', Qt::SkipEmptyParts);
        ASSERT_EQ(problems.size(), words.size()) << problems.join('\n').toStdString();
        for (qsizetype i = 0; i < problems.size(); ++i)
            EXPECT_TRUE(problems[i].contains(words[i]) && problems[i].contains("lunipo.conf") &&
                        !problems[i].contains('\n'))
                << problems[i].toStdString();
    }
    qputenv("XDG_CONFIG_DIRS", oldDirs), qputenv("XDG_CONFIG_HOME", oldHome);
}

// The keys of how children reach the dots: the teacher's record shows the
// ones that are on, in a fixed order, and a bad value keeps what was there.
TEST(LabSettings, ReachKeysReadAndSummarise)
{
    const struct
    {
        QByteArray lab, account;
        QString summary;
        int problems;
    } cases[] = {
        {"[Lunipo]\npizarra=sí\natraer=5\n", "[Lunipo]\nsin-fallos=\npermanencia=800\n",
         "pizarra atraer=5 permanencia=800 sin-fallos", 0},
        {"[Lunipo]\npizarra=sí\nun-clic=si\ndiana=12\n", "[Lunipo]\npizarra=no\natraer=0\n",
         "diana=12 un-clic", 0},
        {"[Lunipo]\natraer=7\n", "[Lunipo]\natraer=101\npermanencia=-5\nun-clic=quizá\n",
         "atraer=7", 3},
    };
    const QByteArray oldDirs = qgetenv("XDG_CONFIG_DIRS"), oldHome = qgetenv("XDG_CONFIG_HOME");
    for (const auto& c : cases) {
        QTemporaryDir dir;
        qputenv("XDG_CONFIG_DIRS", dir.filePath("lab").toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", dir.filePath("home").toLocal8Bit());
        for (const auto& [folder, text] : {std::pair{"lab", c.lab}, {"home", c.account}}) {
            QDir().mkpath(dir.filePath(folder + QString("/lunipo")));
            QFile file(dir.filePath(folder + QString("/lunipo/lunipo.conf")));
            if (file.open(QIODevice::WriteOnly))
                file.write(text);
        }
        QStringList problems;
        EXPECT_EQ(toolkit::LabSettings::read(&problems).reach.summary(), c.summary);
        EXPECT_EQ(problems.size(), c.problems) << problems.join('\n').toStdString();
    }
    qputenv("XDG_CONFIG_DIRS", oldDirs), qputenv("XDG_CONFIG_HOME", oldHome);
}

// Who plays: a group's name as written, "todos" among them, and the minutes
// before the choice comes back; a bad value keeps what was there.
TEST(LabSettings, WhoPlaysKeys)
{
    const struct
    {
        QByteArray text;
        QString group;
        int minutes, problems;
    } cases[] = {
        {"[Lunipo]\n", "", 3, 0},
        {"[Lunipo]\nquien-juega=\"P4 A, tarde\"\nquien-juega-espera=0\n", "P4 A, tarde", 0, 0},
        {"[Lunipo]\nquien-juega=\"a\\tb\"\nquien-juega-espera=61\n", "", 3, 2},
    };
    const QByteArray oldDirs = qgetenv("XDG_CONFIG_DIRS"), oldHome = qgetenv("XDG_CONFIG_HOME");
    for (const auto& c : cases) {
        QTemporaryDir dir;
        qputenv("XDG_CONFIG_DIRS", dir.filePath("none").toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
        QDir().mkpath(dir.filePath("lunipo"));
        QFile file(dir.filePath("lunipo/lunipo.conf"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.text);
        file.close();
        QStringList problems;
        const auto read = toolkit::LabSettings::read(&problems);
        EXPECT_EQ(read.whoPlays, c.group);
        EXPECT_EQ(read.whoPlaysWaitMinutes, c.minutes);
        EXPECT_EQ(problems.size(), c.problems) << problems.join('\n').toStdString();
    }
    qputenv("XDG_CONFIG_DIRS", oldDirs), qputenv("XDG_CONFIG_HOME", oldHome);
}
