#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace toolkit {

class FolderLister;

// The player's themes and the writing of new activities into them. A theme
// is a folder of numbered activities. Themes are found, from the least
// important place to the most important:
//   1. "actividades" beside the program (the shipped themes);
//   2. "lunipo/actividades" in each $XDG_DATA_DIRS folder, as a system
//      package installs them, the least important folder first;
//   3. the shared folders of the lab settings ("temas"), in their order;
//      each subfolder of such a folder is a theme;
//   4. the user's data folder (<data>/lunipo/actividades, where <data> is
//      $XDG_DATA_HOME or ~/.local/share), so that a system-wide install
//      still plays what a teacher made.
// When several places hold a theme of the same name, the most important
// one is listed. The shared folders are read through a FolderLister: one
// that does not answer within its patience is left out of that listing.
class ThemeStore
{
public:
    struct Theme
    {
        QString name;
        QString folder;
    };
    // Where an activity went, or, when nothing was written, why not.
    struct Saved
    {
        QString path;
        QString problem;
    };

    // With the shared folders of this run's lab settings.
    explicit ThemeStore(const QString& appFolder);
    ThemeStore(const QString& appFolder, const QStringList& sharedFolders, FolderLister& lister);

    // The themes of every place in one list, sorted by name ignoring case.
    QList<Theme> themes() const;

    // Writes `contents` whole or not at all as the next activity of theme
    // `name` (blanks round it dropped): the first n from 1 for which the
    // theme holds no file n.txt in any case, where the player stops; the
    // number is taken exclusively, so two editors saving into one theme at
    // once get two numbers. A listed theme keeps its folder, and is refused
    // when that cannot be written. A new one is made in the first shared
    // folder that answers and can be written, else in the program's
    // "actividades" when it can be written and no system data folder holds
    // the shipped themes instead, else in the user's. A new
    // name must be a folder the player will list: not empty, at most 64
    // characters, no slashes, not starting with a dot. Problems are told in
    // words for the adult.
    Saved save(const QString& name, const QByteArray& contents) const;

    // Why `name` cannot be the folder of a theme, in words for the adult;
    // empty when it can.
    static QString nameProblem(const QString& name);

private:
    struct Listing;
    Listing listing() const;
    // The folder a new theme goes into.
    QString newThemesFolder(const QStringList& answered) const;

    QString appFolder_;
    QStringList sharedFolders_;
    FolderLister* lister_;
};

} // namespace toolkit
