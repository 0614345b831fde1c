#pragma once

#include "classtable.h"

#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <QStringList>

namespace classview {

// Where the class's records are: the lab's "progreso" with "%u" standing
// for each login, as one folder of the path ("/srv/lunipo/progreso/%u").
class ClassFolders
{
    Q_DECLARE_TR_FUNCTIONS(classview::ClassFolders)

public:
    explicit ClassFolders(QString pattern);

    // The folder whose subfolders are the logins; empty when "%u" is not a
    // whole folder of the pattern.
    QString root() const { return root_; }
    QString folderOf(const QString& login) const;
    // Whether the login's folder under the root belongs to another account
    // than the login's own: a child may make a folder in another's name
    // before that one first plays, and it is no record of that child. False
    // for a login with no account on this system.
    bool heldByAnother(const QString& login) const;

private:
    QString root_;
    QString rest_; // what follows the login in the path
};

// The full name of the account `login` on this system (its first comment
// field), or the login itself.
QString accountName(const QString& login);

// A teacher's list of names: lines "login,name" (or separated by ';' or a
// tab, as spreadsheets write them), a first line of headings allowed; in
// UTF-8, or in Windows-1252 as spreadsheets on Windows save it.
QHash<QString, QString> readNames(const QByteArray& csv);

} // namespace classview
