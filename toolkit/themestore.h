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

    static constexpr int MaxNameLength = 64;

    explicit ThemeStore(const QString& appFolder);

    // The themes of both places in one list, sorted by name ignoring case.
    // When both places hold a theme of the same name, the user's is listed.
    QList<Theme> themes() const;

    // Why `name` cannot be the folder of a new theme, in words for the
    // adult; empty when it can. Folders starting with a dot count too: the
    // player would never list them.
    static QString nameProblem(const QString& name);

    // The first n from 1 for which `folder` holds no file n.txt (in any
    // case): the activity after the last one the player reaches from 1.
    static int nextNumber(const QString& folder);

    // Writes `contents` whole or not at all as the next activity of theme
    // `name` (blanks round it dropped). A listed theme keeps its folder; a
    // new one is made in the program's "actividades" when that can be
    // written, otherwise in the user's.
    Saved save(const QString& name, const QByteArray& contents) const;

private:
    QString appFolder_;
};

} // namespace toolkit
