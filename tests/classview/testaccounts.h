#pragma once

#include "accounts.h"

#include <QSet>
#include <unistd.h>

// The tests' children are folders the tests make, so owned by whoever runs
// them: each name is taken as an account of that user, but for the names
// given, which are no account at all.
inline classview::Accounts accountsOfThisUser(const QSet<QString>& noAccount = {})
{
    return classview::Accounts([noAccount](const QString& login) -> std::optional<uid_t> {
        if (noAccount.contains(login))
            return std::nullopt;
        return ::geteuid();
    });
}
