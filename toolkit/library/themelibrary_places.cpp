// The theme library's places: where themes are, listing them, and saving a
// new activity into one.

#include "themelibrary.h"

#include "activityfiles.h"
#include "activitypicture.h"
#include "datafolders.h"
#include "folderlister.h"
#include "newfile.h"
#include "share.h"
#include "writablefolder.h"

#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QSettings>
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
        return ThemeLibrary::tr("Escribe el nombre del tema nuevo.");
    if (theme.size() > MaxNameLength)
        return ThemeLibrary::tr("El nombre del tema es demasiado largo: como mucho %1 letras.")
            .arg(MaxNameLength);
    if (theme.contains(QLatin1Char('/')) || theme.contains(QLatin1Char('\\')))
        return ThemeLibrary::tr("El nombre del tema no puede llevar barras (/ ni \\).");
    if (theme.startsWith(QLatin1Char('.')))
        return ThemeLibrary::tr(
            "El nombre del tema no puede ser solo puntos ni empezar por un punto.");
    if (hasControlCharacter(theme))
        return ThemeLibrary::tr(
            "El nombre del tema lleva caracteres que no valen para una carpeta.");
    return {};
}

QString activitiesFolder(const QString& folder)
{
    return QDir(folder).filePath(Activities);
}

// Places 1 and 2, in the order their themes are listed.
QStringList localPlaces(const QString& appFolder)
{
    QStringList places{activitiesFolder(appFolder)};
    const QStringList system = dataFolders(appFolder).mid(1);
    for (auto folder = system.crbegin(); folder != system.crend(); ++folder)
        places << activitiesFolder(*folder);
    return places;
}

bool existingAndWritable(const QString& folder)
{
    return QFileInfo(folder).isDir() && canWriteInto(folder);
}

int nextNumber(const QString& folder)
{
    return int(activityFiles(folder).size()) + 1;
}

} // namespace

struct ThemeLibrary::Listing
{
    QList<Theme> themes;
    QStringList answeredShared; // the shared folders that answered in time

    // A theme of a more important place replaces the one of the same name.
    void add(const QString& place, const QStringList& names)
    {
        const QDir dir(place);
        for (const QString& name : names) {
            const Theme theme{name, dir.filePath(name), name};
            const auto same = std::find_if(themes.begin(), themes.end(),
                                           [&](const Theme& t) { return t.name == name; });
            if (same != themes.end())
                *same = theme;
            else
                themes << theme;
        }
    }
};

ThemeLibrary::Listing ThemeLibrary::listing() const
{
    Listing listing;
    // The shared folders are asked first, so they are read while the local
    // places are.
    const auto shared = share_.lister().list(share_.folders());
    for (const QString& place : localPlaces(appFolder_))
        listing.add(place, FolderLister::subfolders(place));
    for (qsizetype i = 0; i < shared.size(); ++i) {
        if (shared[i]) {
            listing.add(share_.folders()[i], *shared[i]);
            listing.answeredShared << share_.folders()[i];
        }
    }
    listing.add(userThemesFolder(), FolderLister::subfolders(userThemesFolder()));
    return listing;
}

QList<ThemeLibrary::Theme> ThemeLibrary::themes(const QString& language) const
{
    QList<Theme> listed = listing().themes;
    for (Theme& theme : listed)
        theme.shown = shownName(theme, language);
    std::stable_sort(listed.begin(), listed.end(), [](const Theme& a, const Theme& b) {
        return a.shown.compare(b.shown, Qt::CaseInsensitive) < 0;
    });
    return listed;
}

// A theme's tema.ini may name it in each language, as a menu entry does:
// [Tema] Nombre[ca]=Animals. Only a small regular file is read: a shared
// folder may hold anything under that name.
QString ThemeLibrary::shownName(const Theme& theme, const QString& language)
{
    const QString path = QDir(theme.folder).filePath(QStringLiteral("tema.ini"));
    constexpr qint64 MostBytes = 64 * 1024;
    if (!isPlainFile(path) || QFileInfo(path).size() > MostBytes)
        return theme.name;
    const QSettings file(path, QSettings::IniFormat);
    const QString shown =
        file.value(QStringLiteral("Tema/Nombre[%1]").arg(language)).toString().trimmed();
    return shown.isEmpty() ? theme.name : shown;
}

// A shared folder is never made: where the server's folder is missing, a
// new one would lie on this computer's own disk, out of the other
// computers' sight. Nor is "actividades" made beside a program whose
// shipped themes lie in a system data folder, as a package's in /usr/bin.
QString ThemeLibrary::newThemesFolder(const QStringList& answered) const
{
    for (const QString& shared : answered)
        if (existingAndWritable(shared))
            return shared;
    const QString beside = activitiesFolder(appFolder_);
    if (findData(appFolder_, Activities) == beside && canWriteInto(beside))
        return beside;
    return userThemesFolder();
}

// A listed theme whose folder cannot be written is refused rather than
// shadowed by a new theme of the same name in the user's folder, which
// would hide every activity the listed one holds.
ThemeLibrary::Saved ThemeLibrary::save(const QString& name, const QByteArray& contents,
                                       const QByteArray& picture) const
{
    const QString theme = name.trimmed();
    const Listing listed = listing();
    QString folder;
    for (const Theme& each : listed.themes)
        if (each.name == theme)
            folder = each.folder;
    const bool isListed = !folder.isEmpty();
    if (!isListed) {
        if (const QString problem = nameProblem(theme); !problem.isEmpty())
            return {{}, problem};
        folder = QDir(newThemesFolder(listed.answeredShared)).filePath(theme);
    }
    const QString failed = tr("No se ha podido guardar la actividad en el tema «%1» (%2). "
                              "Los puntos siguen en la lista: prueba con otro tema.")
                               .arg(theme, QDir::toNativeSeparators(folder));
    // A listed theme may be a mount of its own; a new one's folder is not there yet.
    const QString asked = isListed ? folder : QFileInfo(folder).path();
    if (!share_.answers(asked))
        return {{}, Share::notAnswering(asked)};
    if (!QDir().mkpath(folder))
        return {{}, failed};
    // Another editor may take the number first, and over NFS its file may
    // not be listed here for a while: so never the same number twice.
    int number = 0;
    const QString path = createFirstFree(
        folder,
        [&](int) {
            number = std::max(number + 1, nextNumber(folder));
            return QStringLiteral("%1.txt").arg(number);
        },
        [&](QIODevice& file) { return file.write(contents) == contents.size(); });
    if (path.isEmpty())
        return {{}, failed};
    if (!putActivityPicture(path, picture)) {
        QFile::remove(path);
        return {{}, failed};
    }
    return {path, {}};
}

QString ThemeLibrary::nameProblem(const QString& name)
{
    return toolkit::nameProblem(name);
}

} // namespace toolkit
