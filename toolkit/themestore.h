#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace toolkit {

// The player's themes and the writing of new activities into them. A theme
// is a subfolder of "actividades", beside the program (the shipped themes)
// or in the user's data folder (<data>/lunipo/actividades, where <data> is
// $XDG_DATA_HOME or ~/.local/share), so that a system-wide install still
// plays what a teacher made.
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

    explicit ThemeStore(const QString& appFolder);

    // The themes of both places in one list, sorted by name ignoring case.
    // When both places hold a theme of the same name, the user's is listed.
    QList<Theme> themes() const;

    // Writes `contents` whole or not at all as the next activity of theme
    // `name` (blanks round it dropped): the first n from 1 for which the
    // theme holds no file n.txt in any case, where the player stops. A listed
    // theme keeps its folder; a new one is made in the program's
    // "actividades" when that can be written, otherwise in the user's. A new
    // name must be a folder the player will list: not empty, at most 64
    // characters, no slashes, not starting with a dot. Problems are told in
    // words for the adult.
    Saved save(const QString& name, const QByteArray& contents) const;

    // Why `name` cannot be the folder of a theme, in words for the adult;
    // empty when it can.
    static QString nameProblem(const QString& name);

private:
    QString appFolder_;
};

} // namespace toolkit
