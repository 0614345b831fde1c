#pragma once

#include "accounts.h"
#include "classtable.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

namespace classview {

// Where the class's records are: the lab's "progreso" with "%u" standing
// for each login, as one folder of the path ("/srv/lunipo/progreso/%u").
class ClassFolders
{
    Q_DECLARE_TR_FUNCTIONS(classview::ClassFolders)

public:
    explicit ClassFolders(QString pattern, Accounts accounts = Accounts());

    // The folder whose subfolders are the logins; empty when "%u" is not a
    // whole folder of the pattern.
    QString root() const { return root_; }
    QString folderOf(const QString& login) const;
    // Why the folder of that name under the root is no child's records
    // (Accounts::refusal()); empty when it is the login's own.
    QString refusal(const QString& login) const;

    // The folders in `login`'s own, named by a key of the class list, where
    // a child who said who they are by a picture on that account has their
    // records: those of `keys` that are that account's own folders
    // (Accounts::refusal()). Any other folder there, and anything named as
    // one of `keys` that is no such folder, is told in `problems`, the first
    // few by name and the rest as a count. At most MostEntries entries of
    // the folder are looked at: an account that fills its folder costs the
    // teacher that much and no more. Reads the share: off the window's thread.
    QStringList keyFolders(const QString& login, const QSet<QString>& keys,
                           QStringList* problems) const;
    // Every child of the largest class list, and years of one account's
    // monthly records from every computer of a lab.
    static constexpr int MostEntries = 3000;

private:
    QString root_;
    QString rest_; // what follows the login in the path
    Accounts accounts_;
};

// The full name of the account `login` on this system (its first comment
// field), or the login itself.
QString accountName(const QString& login);

// A teacher's list of names: lines "login,name" (or separated by ';' or a
// tab, as spreadsheets write them), a first line of headings allowed; in
// UTF-8, or in Windows-1252 as spreadsheets on Windows save it.
QHash<QString, QString> readNames(const QByteArray& csv);

} // namespace classview
