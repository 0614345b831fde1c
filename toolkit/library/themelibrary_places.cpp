// The theme library's places: where themes are, listing them, and saving a
// new activity into one.

#include "themelibrary.h"

#include "activityfiles.h"
#include "activitypicture.h"
#include "datafolders.h"
#include "folderlister.h"
#include "newfile.h"
#include "share.h"
#include "themenames.h"
#include "writablefolder.h"

#include <QDir>
#include <QFileInfo>
#include <QIODevice>
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

// Why `name` cannot be the folder of any theme the player lists; empty when
// it can. Folders starting with a dot count too: the player would never
// list them.
QString folderProblem(const QString& name)
{
    const QString theme = name.trimmed();
    if (theme.isEmpty())
        return ThemeLibrary::tr("Escribe el nombre del tema nuevo.");
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
    QList<ThemeSettings> settings; // what each theme's tema.ini says
    QStringList answeredShared;    // the shared folders that answered in time

    // A theme of a more important place replaces the one of the same name.
    void add(const QString& place, const QStringList& folders)
    {
        const QDir dir(place);
        for (const QString& name : folders) {
            const Theme theme{name, dir.filePath(name), name, {}};
            const auto same = std::find_if(themes.begin(), themes.end(),
                                           [&](const Theme& t) { return t.name == name; });
            if (same != themes.end())
                *same = theme;
            else
                themes << theme;
        }
    }

    // Whether some theme has `name` as its folder's, or shows it in some
    // language.
    bool shows(const QString& name) const
    {
        for (qsizetype i = 0; i < themes.size(); ++i) {
            if (themes[i].name.compare(name, Qt::CaseInsensitive) == 0)
                return true;
            for (const QString& shown : settings[i].names)
                if (shown.compare(name, Qt::CaseInsensitive) == 0)
                    return true;
        }
        return false;
    }
};

// A shared theme's tema.ini is read on the share's worker, all of them
// asked at once, so a server that stops answering between the listing and
// the names costs one wait.
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
    QStringList sharedSettings;
    for (const Theme& theme : listing.themes)
        if (share_.isShared(theme.folder))
            sharedSettings << themeSettingsPath(theme.folder);
    const auto sharedNames = share_.lister().list(sharedSettings);
    for (const Theme& theme : listing.themes) {
        const qsizetype asked = sharedSettings.indexOf(themeSettingsPath(theme.folder));
        if (asked < 0)
            listing.settings << readThemeSettings(theme.folder);
        else
            listing.settings << themeSettingsFrom(sharedNames[asked].value_or(QStringList()));
    }
    return listing;
}

QList<ThemeLibrary::Theme> ThemeLibrary::themes(const QString& language,
                                                const QStringList& levels) const
{
    const Listing listed = listing();
    QList<Theme> themes;
    // How many themes show each name at each level: one name at two levels
    // is told apart by them.
    QHash<QString, int> showing;
    const auto shownAs = [](const Theme& theme) {
        return theme.shown.toCaseFolded() + QLatin1Char('\n') + theme.level;
    };
    for (qsizetype i = 0; i < listed.themes.size(); ++i) {
        const ThemeSettings& settings = listed.settings[i];
        if ((!settings.level.isEmpty() && !levels.isEmpty() && !levels.contains(settings.level)) ||
            (!settings.languages.isEmpty() && !settings.languages.contains(language)))
            continue;
        Theme theme = listed.themes[i];
        theme.shown = settings.names.value(language, theme.name);
        theme.level = settings.level;
        ++showing[shownAs(theme)];
        themes << theme;
    }
    for (Theme& theme : themes) {
        if (showing.value(shownAs(theme)) > 1)
            theme.shown += QStringLiteral(" (%1)").arg(theme.name);
        if (const QString range = levelRange(theme.level); !range.isEmpty())
            theme.shown += QStringLiteral(" · ") + range;
    }
    // A teacher's own themes first, then the library's by level.
    std::stable_sort(themes.begin(), themes.end(), [](const Theme& a, const Theme& b) {
        if (a.level != b.level)
            return a.level < b.level;
        return a.shown.compare(b.shown, Qt::CaseInsensitive) < 0;
    });
    return themes;
}

std::optional<QStringList> ThemeLibrary::themeNames() const
{
    const auto shared = share_.lister().list(share_.folders());
    if (std::any_of(shared.cbegin(), shared.cend(), [](const auto& listed) { return !listed; }))
        return std::nullopt;
    QStringList names;
    for (const QString& place : localPlaces(appFolder_))
        names << FolderLister::subfolders(place);
    for (const auto& listed : shared)
        names << *listed;
    names << FolderLister::subfolders(userThemesFolder());
    names.removeDuplicates();
    return names;
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
        if (const QString problem = ThemeLibrary::nameProblem(theme); !problem.isEmpty())
            return {{}, problem};
        // The children would see two themes of one name.
        if (listed.shows(theme))
            return {{}, tr("Ya hay un tema «%1».").arg(theme)};
        folder = QDir(newThemesFolder(listed.answeredShared)).filePath(theme);
    }
    const QString failed = tr("No se ha podido guardar la actividad en el tema «%1» (%2). "
                              "Los puntos siguen en la lista: prueba con otro tema.")
                               .arg(theme, QDir::toNativeSeparators(folder));
    // A listed theme may be a mount of its own; a new one's folder is not there yet.
    const QString asked = isListed ? folder : QFileInfo(folder).path();
    if (!share_.answers(asked))
        return {{}, Share::notAnswering(asked)};
    if (!isListed && !QDir().mkpath(folder))
        return {{}, failed};
    const ThemeLock lock(folder, lockPatienceMs);
    if (const QString problem = lockProblem(folder, lock); !problem.isEmpty())
        return {{}, problem};
    // Over NFS another computer's file may not be listed here for a while:
    // so the number is still taken exclusively, never the same one twice.
    int number = 0;
    const QString path = createFirstFree(
        folder,
        [&](int) {
            number = std::max(number + 1, nextNumber(folder));
            return activityName(number);
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

QString ThemeLibrary::folderProblem(const QString& name)
{
    return toolkit::folderProblem(name);
}

// A new theme's name is kept short, for the lists it shows in; an existing
// theme keeps the name it has.
QString ThemeLibrary::nameProblem(const QString& name)
{
    if (name.trimmed().size() > MaxNameLength)
        return tr("El nombre del tema es demasiado largo: como mucho %1 letras.")
            .arg(MaxNameLength);
    return folderProblem(name);
}

} // namespace toolkit
