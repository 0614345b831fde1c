#include "activitypicture.h"
#include "dotlabels.h"
#include "madeactivities.h"
#include "measures.h"
#include "picturebatch.h"
#include "picturefiles.h"
#include "themenames.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

// The ready activities as they are shipped, each read back as the player
// reads it and measured against the OpenMoji drawing it was made from.
class ReadyLibrary : public ::testing::Test
{
protected:
    static QString folder(const QString& theme)
    {
        return QStringLiteral(LUNIPO_SOURCE_DIR "/data/actividades/") + theme;
    }
    static QString activity(const QString& theme, qsizetype n)
    {
        return folder(theme) + QStringLiteral("/%1.txt").arg(n + 1);
    }
    const QList<tracingtable::LibraryTheme> themes =
        tracingtable::libraryThemes(LUNIPO_TEST_DATA "/biblioteca/temas.txt");
};

// What each level's labels run through, and how many dots it has.
QStringList labelsOf(const toolkit::ThemeSettings& theme)
{
    if (theme.level == QLatin1String("letras"))
        return editor::alphabetOf(theme.languages.value(0)).split("", Qt::SkipEmptyParts);
    const int count = theme.level == QLatin1String("1")   ? 10
                      : theme.level == QLatin1String("3") ? 30
                                                          : 20;
    const int step = theme.level == QLatin1String("4") ? 2 : 1;
    QStringList labels;
    for (int n = 1; n <= count; ++n)
        labels << QString::number(n * step);
    return labels;
}

TEST_F(ReadyLibrary, EveryThemeSaysItsLevelAndNameAndHoldsItsActivities)
{
    ASSERT_GE(themes.size(), 34);
    QStringList pictures;
    for (const auto& theme : themes) {
        SCOPED_TRACE(theme.folder.toStdString());
        const toolkit::ThemeSettings settings = toolkit::readThemeSettings(folder(theme.folder));
        EXPECT_FALSE(toolkit::levelRange(settings.level).isEmpty());
        for (const char* language : {"es", "ca", "eu", "gl", "en", "pt"})
            EXPECT_FALSE(settings.names.value(language).isEmpty()) << language;
        for (qsizetype n = 0; n < theme.pictures.size(); ++n) {
            EXPECT_TRUE(QFileInfo(activity(theme.folder, n)).isFile()) << n + 1;
            EXPECT_TRUE(
                QFileInfo(toolkit::activityPicturePath(activity(theme.folder, n))).isFile());
        }
        EXPECT_FALSE(QFileInfo::exists(activity(theme.folder, theme.pictures.size())));
        pictures += theme.pictures;
    }
    pictures.removeDuplicates();
    EXPECT_GE(pictures.size(), 100);
    // One alphabet with Ñ for the classes whose language has it, one without.
    for (const auto& [theme, languages] :
         {std::pair{"abecedario", QStringList{"es", "gl", "eu"}}, {"alfabeto", {"ca", "en", "pt"}}})
        EXPECT_EQ(toolkit::readThemeSettings(folder(theme)).languages, languages) << theme;
}

// Every activity, at every level: its labels as the level says, its dots
// on the drawing's outline, apart, from the top clockwise without
// crossing, the outline gone from the child's picture, the details kept,
// every dot on white.
TEST_F(ReadyLibrary, EveryActivityIsLabelledForItsLevelAndPassesTheTable)
{
    // Each drawing measured once, with every activity made from it.
    struct Made
    {
        QStringList where, labels;
        QList<tracingtable::MadeActivity> activities;
    };
    QMap<QString, Made> byDrawing;
    for (const auto& theme : themes) {
        const QStringList labels = labelsOf(toolkit::readThemeSettings(folder(theme.folder)));
        for (qsizetype n = 0; n < theme.pictures.size(); ++n) {
            Made& made = byDrawing[theme.pictures[n]];
            made.where << theme.folder + '/' + QString::number(n + 1);
            made.labels << labels.join(' ');
            made.activities << tracingtable::readMadeActivity(activity(theme.folder, n));
        }
    }
    for (auto it = byDrawing.cbegin(); it != byDrawing.cend(); ++it) {
        const QImage drawing = toolkit::readFittedPicture(
            LUNIPO_TEST_DATA "/biblioteca/" + it.key() + ".svg", editor::PictureBatch::page());
        const auto measures = tracingtable::measureActivities(drawing, it->activities);
        for (qsizetype i = 0; i < measures.size(); ++i) {
            SCOPED_TRACE((it->where[i] + ' ' + it.key()).toStdString());
            EXPECT_EQ(it->activities[i].labels.join(' '), it->labels[i]);
            EXPECT_EQ(tracingtable::failures(measures[i], int(it->activities[i].labels.size()))
                          .toStdString(),
                      "");
        }
    }
}
