#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QTranslator>
#include <gtest/gtest.h>

// The language comes from the lab, else from the session as gettext reads
// it, else Spanish.
TEST(Language, IsTheLabsElseTheSessionsElseSpanish)
{
    const struct
    {
        const char* lab;
        QMap<QString, QString> environment;
        const char* chosen;
    } cases[] = {
        {"", {}, "es"},
        {"", {{"LANG", "ca_ES.UTF-8"}}, "ca"},
        {"", {{"LANG", "ca_ES.UTF-8@valencia"}}, "ca"},
        {"", {{"LANG", "pt_BR.UTF-8"}}, "pt"},
        {"", {{"LANG", "fr_FR.UTF-8"}}, "es"},
        {"", {{"LANG", "C"}}, "es"},
        {"", {{"LANG", "C"}, {"LANGUAGE", "eu"}}, "es"},       // gettext: C ignores LANGUAGE
        {"", {{"LANG", "C.UTF-8"}, {"LANGUAGE", "eu"}}, "eu"}, // C.UTF-8 does not
        {"", {{"LANG", "es_ES.UTF-8"}, {"LANGUAGE", "fr:gl:en"}}, "gl"},
        {"", {{"LANG", "ca_ES.UTF-8"}, {"LANGUAGE", "fr:de"}}, "es"}, // LANG is not tried after
        {"", {{"LANG", "en_GB.UTF-8"}, {"LC_MESSAGES", "eu_ES.UTF-8"}}, "eu"},
        {"", {{"LC_MESSAGES", "eu_ES.UTF-8"}, {"LC_ALL", "POSIX"}}, "es"},
        {"eu", {{"LANG", "ca_ES.UTF-8"}}, "eu"},
    };
    for (const auto& c : cases) {
        const QString chosen = toolkit::chooseLanguage(
            c.lab, [&](const char* name) { return c.environment.value(name); });
        EXPECT_EQ(chosen, c.chosen) << c.lab << " " << c.environment.value("LANG").toStdString();
    }
}

// Every translation file is complete, keeps each text's %1, %2... and its
// line breaks, and is carried in the programs.
TEST(Language, EveryTranslationIsCompleteAndCarried)
{
    static const QRegularExpression message(
        QStringLiteral("<source>(.*?)</source>\\s*<translation( type=\"unfinished\")?>(.*?)<"),
        QRegularExpression::DotMatchesEverythingOption);
    const QDir folder(QStringLiteral(LUNIPO_SOURCE_DIR "/translations"));
    ASSERT_EQ(folder.entryList({"lunipo_*.ts"}).size(), toolkit::languages().size() - 1);
    for (const QString& name : folder.entryList({"lunipo_*.ts"})) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        int messages = 0;
        for (const auto& m : message.globalMatch(QString::fromUtf8(file.readAll()))) {
            EXPECT_TRUE(m.captured(2).isEmpty())
                << name.toStdString() << m.captured(1).toStdString();
            for (const QString marker : {"%1", "%2", "%3", "\n"})
                EXPECT_EQ(m.captured(1).count(marker), m.captured(3).count(marker))
                    << name.toStdString() << m.captured(1).toStdString();
            ++messages;
        }
        EXPECT_GT(messages, 150) << name.toStdString();
        QTranslator carried;
        EXPECT_TRUE(carried.load(name.chopped(3), QStringLiteral(":/traducciones")));
    }
}
