#include "classrows.h"

#include <algorithm>

namespace classview {

ClassRows::ClassRows(const toolkit::ClassList& list)
{
    for (const toolkit::ClassList::Child& listed : list.children()) {
        Child child;
        child.login = listed.account;
        // A child the teachers have not named yet is still told apart.
        child.name = listed.name.isEmpty() ? listed.key : listed.name;
        child.key = listed.key;
        child.groups = listed.groups;
        byKey_.insert(listed.key, rows_.size());
        if (!listed.account.isEmpty())
            byAccount_.insert(listed.account, rows_.size());
        keys_.insert(listed.key);
        rows_ << child;
    }
}

void ClassRows::addAccount(const QString& login, const QString& name,
                           const QList<toolkit::PlayedActivity>& played)
{
    if (const auto joined = byAccount_.constFind(login); joined != byAccount_.cend()) {
        add(*joined, played);
        return;
    }
    rows_ << Child(login, name, played);
}

void ClassRows::addKeyFolder(const QString& key, const QString& login,
                             const QList<toolkit::PlayedActivity>& played)
{
    const auto row = byKey_.constFind(key);
    if (row == byKey_.cend())
        return;
    rows_[*row].keptUnder << login;
    add(*row, played);
}

void ClassRows::add(qsizetype row, const QList<toolkit::PlayedActivity>& played)
{
    Child& child = rows_[row];
    if (!child.played.isEmpty() && !played.isEmpty())
        mixed_.insert(row);
    child.played << played;
}

QList<Child> ClassRows::take()
{
    // Each folder's records are in order already; those of a child who
    // played on several accounts are put in order together.
    for (const qsizetype row : std::as_const(mixed_))
        std::stable_sort(rows_[row].played.begin(), rows_[row].played.end(),
                         [](const toolkit::PlayedActivity& a, const toolkit::PlayedActivity& b) {
                             return a.started < b.started;
                         });
    mixed_.clear();
    byKey_.clear();
    byAccount_.clear();
    return std::move(rows_);
}

} // namespace classview
