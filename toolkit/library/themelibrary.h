#pragma once

#include "language.h"
#include "renumbering.h"
#include "share.h"
#include "themelock.h"
#include "trash.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace toolkit {

// The themes and their activities as files, the one face of the theme
// library for the player, the editor and its library window: where themes
// are and listing them, saving an activity into one, replacing one, moving
// one a place, removing one or a whole theme to the trash, renaming a theme.
// Problems come back as a text for the adult; empty means done.
//
// Themes are found, from the least important place to the most important:
//   1. "actividades" beside the program (the shipped themes);
//   2. "lunipo/actividades" in each $XDG_DATA_DIRS folder, as a system
//      package installs them, the least important folder first;
//   3. the shared folders of the lab settings ("temas"), in their order;
//      each subfolder of such a folder is a theme;
//   4. the user's data folder (<data>/lunipo/actividades, where <data> is
//      $XDG_DATA_HOME or ~/.local/share), so that a system-wide install
//      still plays what a teacher made.
// When several places hold a theme of the same name, the most important
// one is listed. The shared folders are reached through the share: one that
// does not answer in time is left out of that listing.
//
// Every write into a theme takes the theme's lock (ThemeLock), finishes a
// renumbering another editor left cut short (Renumbering), and is refused
// when the theme's folder is a symbolic link: a linked theme is played and
// shown, never written through.
class ThemeLibrary
{
    Q_DECLARE_TR_FUNCTIONS(toolkit::ThemeLibrary)

public:
    struct Theme
    {
        QString name; // the folder's
        QString folder;
        QString shown; // in the language of the listing (see themes())
        QString level; // of the shipped library, from its tema.ini; empty for a teacher's
    };
    // Where an activity went, or, when nothing was written, why not.
    struct Saved
    {
        QString path;
        QString problem;
    };

    // The themes of the program in `appFolder` and of the share; `papelera`:
    // where removed activities and themes go when the desktop has no trash
    // that takes them.
    ThemeLibrary(QString appFolder, Share share, QString papelera = Trash::defaultPapelera());

    // --- Where themes are (themelibrary_places.cpp) ----------------------
    // The themes of every place in one list for a class that speaks
    // `language`, each shown by the name its tema.ini gives it in that
    // language ([Tema] Nombre[ca]=Animals), else its folder's. Two themes
    // that would show the same name are told apart by their folders' names,
    // in brackets. A theme of the shipped library shows its level's range
    // ("Granja · 1–10") and is listed only for a class of one of `levels`
    // (all when none are given) and of its languages; a teacher's own themes
    // are always listed, first. Sorted by level, then ignoring case by the
    // names shown. A shared theme's tema.ini is read within the share's
    // patience.
    QList<Theme> themes(const QString& language = sessionLanguage(),
                        const QStringList& levels = {}) const;

    // The folder names of the themes of every place, whatever their levels
    // and languages, without reading their tema.ini: what a child's record
    // may name. Nullopt when a shared folder did not answer in time.
    std::optional<QStringList> themeNames() const;

    // Writes `contents` whole or not at all as the next activity of theme
    // `name` (blanks round it dropped): the first n from 1 for which the
    // theme holds no file n.txt in any case, where the player stops; the
    // number is taken exclusively, so two editors saving into one theme at
    // once get two numbers. A listed theme keeps its folder, and is refused
    // when that cannot be written. A new one is made in the first shared
    // folder that answers and can be written, else in the program's
    // "actividades" when it can be written and no system data folder holds
    // the shipped themes instead, else in the user's. A new name must be a
    // folder the player will list: not empty, at most 64 characters, no
    // slashes, not starting with a dot. Problems are told in words for the
    // adult.
    // The activity's picture (a PNG), when there is one, is written beside
    // it under the same number.
    Saved save(const QString& name, const QByteArray& contents,
               const QByteArray& picture = {}) const;

    // Why `name` cannot be the folder of a theme, in words for the adult;
    // empty when it can.
    static QString nameProblem(const QString& name);
    // Why `name` cannot be the folder of any theme, new or not.
    static QString folderProblem(const QString& name);

    // --- The activities of a theme (themelibrary.cpp) --------------------

    // Whether a file can really be written into the theme's folder.
    static bool canChange(const QString& theme);

    // Replaces activity file `path` whole by `contents`, or leaves it as it
    // was; its picture becomes `picture` (a PNG; none when empty).
    QString replace(const QString& path, const QByteArray& contents,
                    const QByteArray& picture = {}) const;
    // Moves activity `number` (from 1) `places` places, -1 earlier, +1 later.
    QString move(const QString& theme, int number, int places) const;
    // Removes activity `number` to the trash; the ones after it move down one.
    QString remove(const QString& theme, int number) const;
    // Gives the theme's folder a new name beside it; `renamed` gets its path.
    QString renameTheme(const QString& theme, const QString& name,
                        QString* renamed = nullptr) const;
    QString removeTheme(const QString& theme) const;

    // Finishes any renumbering of these themes that was cut short; a theme
    // another editor is changing right now is left to it.
    void recover(const QStringList& themes) const;

    // Test seams. stepDone is called after each step of a renumbering; false
    // stops the work right there, as a power cut would. Without the desktop
    // trash everything removed goes to the papelera. How long a write waits
    // for another editor's lock.
    std::function<bool()> stepDone;
    bool useDesktopTrash = true;
    int lockPatienceMs = 2000;

private:
    // With the lock just taken held, finishes what another editor left cut
    // short; otherwise the problem to tell the adult.
    QString lockProblem(const QString& theme, const ThemeLock& lock) const;
    QString renumber(const QString& theme, const ThemeLock& lock,
                     const QList<Renumbering::Move>& moves) const;
    Trash trash() const;

    struct Listing;
    Listing listing() const;
    // The folder a new theme goes into.
    QString newThemesFolder(const QStringList& answered) const;

    QString appFolder_;
    Share share_;
    QString papelera_;
};

} // namespace toolkit
