#pragma once

#include "classlist.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

namespace toolkit {
class FolderLister;
struct LabSettings;
} // namespace toolkit

namespace player {

// Who may be chosen to play on a shared account or a whiteboard (the lab's
// "quien-juega"), and where a chosen child's play is kept: under the
// account's own folders, one folder per child's key, so the class view's
// rules of owners and permissions hold as for any account.
class WhoPlays
{
    Q_DECLARE_TR_FUNCTIONS(player::WhoPlays)

public:
    // Every group of the class list at once.
    static const QString AllGroups; // "todos"

    struct Roster
    {
        // In the list's order, at most ClassList::MostChildren.
        QList<toolkit::ClassList::Child> children;
        // Empty, or the one sentence that tells the adult why the account
        // plays as itself.
        QString problem;
    };

    // The children of the lab's group. The class list's folder is first
    // asked through `lister`, so a share that hangs costs its patience and
    // no more; a list that is missing, unreadable or names nobody in the
    // group is a problem, and no child to choose.
    static Roster read(const toolkit::LabSettings& lab, toolkit::FolderLister& lister);

    // "<root>/.clase" for a "progreso" such as "/srv/progreso/%u"; empty
    // when "%u" is not a whole folder of it.
    static QString classFolder(const QString& progressPattern);
    // Where the child of `key` keeps their place and stars per theme.
    static QString progressFile(const QString& key);
};

} // namespace player
