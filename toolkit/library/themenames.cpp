#include "themenames.h"

#include "textfiles.h"

#include <QDir>
#include <QFile>
#include <QSettings>

namespace toolkit {

namespace {

constexpr qint64 MostBytes = 64 * 1024;
const QString NamePrefix = QStringLiteral("Nombre[");

} // namespace

QString themeSettingsPath(const QString& themeFolder)
{
    return QDir(themeFolder).filePath(QStringLiteral("tema.ini"));
}

ThemeNames readThemeNames(const QString& themeFolder)
{
    QFile file;
    if (!openRegularFile(file, themeSettingsPath(themeFolder), Links::Refuse) ||
        file.size() > MostBytes)
        return {};
    // QSettings reads by name: the name of what is already open, so that no
    // FIFO or link swapped in meanwhile is ever opened.
    QSettings settings(QStringLiteral("/proc/self/fd/%1").arg(file.handle()), QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("Tema"));
    ThemeNames names;
    for (const QString& key : settings.childKeys()) {
        if (!key.startsWith(NamePrefix) || !key.endsWith(QLatin1Char(']')))
            continue;
        const QString language = key.mid(NamePrefix.size()).chopped(1);
        const QString name = settings.value(key).toString().trimmed();
        if (!language.isEmpty() && !name.isEmpty())
            names.insert(language, name);
    }
    return names;
}

QStringList themeNameLines(const QString& themeFolder)
{
    QStringList lines;
    const ThemeNames names = readThemeNames(themeFolder);
    for (auto name = names.cbegin(); name != names.cend(); ++name)
        lines << name.key() + QLatin1Char('=') + name.value();
    return lines;
}

ThemeNames themeNamesFrom(const QStringList& lines)
{
    ThemeNames names;
    for (const QString& line : lines)
        if (const qsizetype equals = line.indexOf(QLatin1Char('=')); equals > 0)
            names.insert(line.left(equals), line.mid(equals + 1));
    return names;
}

} // namespace toolkit
