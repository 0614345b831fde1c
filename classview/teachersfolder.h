#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>
#include <sys/types.h>

namespace classview {

// The teachers' own folder of a class, "<root>/.clase": their groups and
// names, the archive of past years and the trash, out of the children's
// reach. The teachers are the group of the records' root.
//
// The administrator makes it; where they have not, a child can make one,
// open to all, and would then read what the teachers put there. So it is
// used only when it is a real folder (not a link), owned by root or by one
// of the teachers, and not writable by others.
class TeachersFolder
{
    Q_DECLARE_TR_FUNCTIONS(classview::TeachersFolder)

public:
    // What lstat tells of the folder.
    struct Facts
    {
        bool folder = false; // a folder, not a link to one
        uid_t owner = 0;
        mode_t mode = 0;
    };
    // An account as getpwuid tells it: its login and main group.
    struct Account
    {
        QString login;
        gid_t group = 0;
    };
    // The teachers' group as getgrgid tells it.
    struct Group
    {
        gid_t id = 0;
        QStringList members; // besides those whose main group it is
    };
    // The rule: `owner` is the account of `facts.owner`, nullopt when the
    // system has none.
    static bool trusted(const Facts& facts, const std::optional<Account>& owner,
                        const Group& teachers);

    enum class State { Missing, Trusted, Untrusted };

    // `folder`: "<root>/.clase".
    explicit TeachersFolder(QString folder);
    // Looks at the folder now (it reads the server: not on the window's thread).
    State state() const;
    // For the teacher: what is wrong with the folder and what the
    // administrator runs to mend it; empty when it is trusted.
    QString problem(State state) const;
    // The name of the teachers' group, for the administrator's commands.
    QString groupName() const;

private:
    QString folder_;
};

} // namespace classview
