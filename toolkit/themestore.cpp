#include "themestore.h"

#include "writablefolder.h"

#include <QDir>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>
#include <algorithm>

namespace toolkit {

namespace {

const QString Activities = QStringLiteral("actividades");
constexpr int MaxNameLength = 64;

QString userThemesFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/lunipo/") + Activities;
}

bool hasControlCharacter(const QString& name)
{
    return std::any_of(name.begin(), name.end(),
                       [](QChar c) { return c.category() == QChar::Other_Control; });
}

// Why `name` cannot be the folder of a new theme; empty when it can. Folders
// starting with a dot count too: the player would never list them.
QString nameProblem(const QString& name)
{
    const QString theme = name.trimmed();
    if (theme.isEmpty())
        return QStringLiteral("Escribe el nombre del tema nuevo.");
    if (theme.size() > MaxNameLength)
        return QStringLiteral("El nombre del tema es demasiado largo: como mucho %1 letras.")
            .arg(MaxNameLength);
    if (theme.contains(QLatin1Char('/')) || theme.contains(QLatin1Char('\\')))
        return QStringLiteral("El nombre del tema no puede llevar barras (/ ni \\).");
    if (theme.startsWith(QLatin1Char('.')))
        return QStringLiteral(
            "El nombre del tema no puede ser solo puntos ni empezar por un punto.");
    if (hasControlCharacter(theme))
        return QStringLiteral("El nombre del tema lleva caracteres que no valen para una carpeta.");
    return {};
}

int nextNumber(const QString& folder)
{
    QSet<QString> names;
    for (const QString& entry : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System))
        names.insert(entry.toUpper());
    int number = 1;
    while (names.contains(QString::number(number) + QStringLiteral(".TXT")))
        ++number;
    return number;
}

} // namespace

ThemeStore::ThemeStore(const QString& appFolder) : appFolder_(appFolder) {}

QList<ThemeStore::Theme> ThemeStore::themes() const
{
    QList<Theme> listed;
    // The user's folder comes second, so its themes replace the shipped
    // ones of the same name.
    for (const QString& root : {appFolder_ + QLatin1Char('/') + Activities, userThemesFolder()}) {
        const QDir dir(root);
        for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const Theme theme{name, dir.filePath(name)};
            const auto same = std::find_if(listed.begin(), listed.end(),
                                           [&](const Theme& t) { return t.name == name; });
            if (same != listed.end())
                *same = theme;
            else
                listed << theme;
        }
    }
    std::stable_sort(listed.begin(), listed.end(), [](const Theme& a, const Theme& b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return listed;
}

// A listed theme whose folder cannot be written is refused rather than
// shadowed by a new theme of the same name in the user's folder, which
// would hide every activity the listed one holds.
ThemeStore::Saved ThemeStore::save(const QString& name, const QByteArray& contents) const
{
    const QString theme = name.trimmed();
    QString folder;
    for (const Theme& listed : themes())
        if (listed.name == theme)
            folder = listed.folder;
    if (folder.isEmpty()) {
        if (const QString problem = nameProblem(theme); !problem.isEmpty())
            return {{}, problem};
        folder = writableFolder(appFolder_, Activities) + QLatin1Char('/') + theme;
    }
    const QString failed =
        QStringLiteral("No se ha podido guardar la actividad en el tema «%1» (%2). "
                       "Los puntos siguen en la lista: prueba con otro tema.")
            .arg(theme, QDir::toNativeSeparators(folder));
    if (!QDir().mkpath(folder))
        return {{}, failed};
    const QString path = QDir(folder).filePath(QStringLiteral("%1.txt").arg(nextNumber(folder)));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size() ||
        !file.commit())
        return {{}, failed};
    return {path, {}};
}

QString ThemeStore::nameProblem(const QString& name)
{
    return toolkit::nameProblem(name);
}

} // namespace toolkit
