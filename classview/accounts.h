#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <optional>
#include <sys/types.h>

namespace classview {

// The accounts of this system, as the class view checks a folder in a
// child's name. Every child of the lab may make a folder in the records' and
// the drawings' shared folders, in any name: one counts as a child's only
// when its name is an account and that account owns it. Anything else (a
// made-up "Marta", "=1+1", a classmate's name taken before the classmate
// first played) is no record of anyone.
class Accounts
{
    Q_DECLARE_TR_FUNCTIONS(classview::Accounts)

public:
    // The user id of `login`, or nullopt when it is no account.
    using Lookup = std::function<std::optional<uid_t>(const QString& login)>;

    // By default the system's own accounts (the password database, LDAP
    // included). Safe to call from several threads at once.
    explicit Accounts(Lookup lookup = systemAccount);
    static std::optional<uid_t> systemAccount(const QString& login);

    // Why the folder `path`, found in `login`'s name, is not that account's
    // own, for the teacher; empty when it is. A link counts as not owned,
    // whatever it leads to. Looks at the folder without following a link:
    // call it where the share may hang, off the window's thread.
    QString refusal(const QString& login, const QString& path) const;

private:
    Lookup lookup_;
};

} // namespace classview
