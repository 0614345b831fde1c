#include "themenames.h"

#include "textfiles.h"

#include <QDir>
#include <QHash>
#include <QMutex>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryFile>

namespace toolkit {

namespace {

constexpr qint64 MostBytes = 64 * 1024;
// Far more themes than a lab holds, each tema.ini of six names and a level
// a few hundred bytes: at most a megabyte remembered.
constexpr qsizetype MostRemembered = 256;
constexpr qsizetype MostRememberedBytes = 4 * 1024;
const QString NamePrefix = QStringLiteral("Nombre[");
const QString LevelKey = QStringLiteral("Nivel");
const QString LanguagesKey = QStringLiteral("Idiomas");

} // namespace

QString themeSettingsPath(const QString& themeFolder)
{
    return QDir(themeFolder).filePath(QStringLiteral("tema.ini"));
}

namespace {

// QSettings reads only by name, which on the share could be a FIFO or a link
// by the time it opens it: it reads a private copy of what was read. Empty
// when the copy cannot be made.
QStringList settingsLinesOf(const QByteArray& bytes)
{
    QTemporaryFile copy;
    if (!copy.open() || copy.write(bytes) != bytes.size() || !copy.flush())
        return {};
    QSettings settings(copy.fileName(), QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("Tema"));
    QStringList lines;
    for (const QString& key : settings.childKeys()) {
        const QVariant value = settings.value(key);
        const QString text = value.canConvert<QStringList>()
                                 ? value.toStringList().join(QStringLiteral(", "))
                                 : value.toString();
        lines << key + QLatin1Char('=') + text.simplified();
    }
    return lines;
}

// Every listing reads every theme's tema.ini, and the private copy on disk
// costs many times the reading: what was made of the same bytes before is
// reused. Keyed by the bytes, so a changed file is never answered from
// memory. The share's workers read here too.
QStringList rememberedSettingsLines(const QByteArray& bytes)
{
    static QMutex mutex;
    static QHash<QByteArray, QStringList> remembered;
    {
        const QMutexLocker lock(&mutex);
        if (const auto found = remembered.constFind(bytes); found != remembered.cend())
            return *found;
    }
    const QStringList lines = settingsLinesOf(bytes);
    // Nothing is remembered of a copy that failed, perhaps for want of room.
    if (lines.isEmpty() || bytes.size() > MostRememberedBytes)
        return lines;
    const QMutexLocker lock(&mutex);
    if (remembered.size() >= MostRemembered)
        remembered.clear();
    remembered.insert(bytes, lines);
    return lines;
}

} // namespace

QStringList themeSettingsLines(const QString& themeFolder)
{
    const auto bytes = readRegularFile(themeSettingsPath(themeFolder), MostBytes, Links::Refuse);
    if (!bytes || bytes->isEmpty())
        return {};
    return rememberedSettingsLines(*bytes);
}

ThemeSettings themeSettingsFrom(const QStringList& lines)
{
    ThemeSettings settings;
    for (const QString& line : lines) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        const QString key = line.left(equals), value = line.mid(equals + 1).trimmed();
        if (equals <= 0 || value.isEmpty())
            continue;
        if (key.startsWith(NamePrefix) && key.endsWith(QLatin1Char(']')) &&
            key.size() > NamePrefix.size() + 1)
            settings.names.insert(key.mid(NamePrefix.size()).chopped(1), value);
        else if (key == LevelKey)
            settings.level = value.toLower();
        else if (key == LanguagesKey)
            settings.languages = value.toLower().split(QRegularExpression(QStringLiteral("[ ,;]+")),
                                                       Qt::SkipEmptyParts);
    }
    return settings;
}

ThemeSettings readThemeSettings(const QString& themeFolder)
{
    return themeSettingsFrom(themeSettingsLines(themeFolder));
}

QString levelRange(const QString& level)
{
    static const QHash<QString, QString> ranges{{QStringLiteral("1"), QStringLiteral("1–10")},
                                                {QStringLiteral("2"), QStringLiteral("1–20")},
                                                {QStringLiteral("3"), QStringLiteral("1–30")},
                                                {QStringLiteral("4"), QStringLiteral("2–40")},
                                                {QStringLiteral("letras"), QStringLiteral("A–Z")}};
    return ranges.value(level);
}

} // namespace toolkit
