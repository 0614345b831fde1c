#pragma once

#include "classlist.h"
#include "classtable.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

namespace classview {

// The rows of the class, made as its folders are met: each account's own
// records, and those of the class list's children in the folders named by
// their keys under any account. Each child of the list is one row, played
// or not, named as the list names them, with the records of their own
// account (ClassList::Child::account) when they have one and of their key
// under every account it was found under. Every other account is a row of
// its own.
class ClassRows
{
public:
    explicit ClassRows(const toolkit::ClassList& list);

    // The keys of the list.
    const QSet<QString>& keys() const { return keys_; }
    // `login`'s own records; `name` is the account's, used unless the list
    // has the child whose account it is.
    void addAccount(const QString& login, const QString& name,
                    const QList<toolkit::PlayedActivity>& played);
    // The records in `login`'s folder of `key`, a key of the list.
    void addKeyFolder(const QString& key, const QString& login,
                      const QList<toolkit::PlayedActivity>& played);
    // The rows, each one's records oldest first.
    QList<Child> take();

private:
    void add(qsizetype row, const QList<toolkit::PlayedActivity>& played);

    QList<Child> rows_;
    QHash<QString, qsizetype> byKey_;
    QHash<QString, qsizetype> byAccount_; // of the list's children
    QSet<QString> keys_;
    QSet<qsizetype> mixed_; // rows of records from more than one folder
};

} // namespace classview
