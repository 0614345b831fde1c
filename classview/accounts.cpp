#include "accounts.h"

#include "textfiles.h"

#include <QDir>
#include <QFile>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace classview {

namespace {

// A folder's name as a child may have made it, fit to be shown to the
// teacher: no control character reaches a terminal or a window.
QString shown(const QString& path)
{
    return toolkit::withoutControlCharacters(QDir::toNativeSeparators(path),
                                             QChar::ReplacementCharacter);
}

} // namespace

Accounts::Accounts(Lookup lookup) : lookup_(std::move(lookup)) {}

std::optional<uid_t> Accounts::systemAccount(const QString& login)
{
    // The reentrant form: the class is read on a worker while the window may
    // look up a name for a title.
    const long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? size_t(suggested) : 16384);
    struct passwd entry = {};
    struct passwd* found = nullptr;
    if (login.isEmpty() ||
        ::getpwnam_r(login.toLocal8Bit().constData(), &entry, buffer.data(), buffer.size(),
                     &found) != 0 ||
        !found)
        return std::nullopt;
    return found->pw_uid;
}

QString Accounts::refusal(const QString& login, const QString& path) const
{
    const std::optional<uid_t> account = lookup_(login);
    if (!account)
        return tr("%1 no es de ninguna cuenta de este ordenador: se deja de lado").arg(shown(path));
    struct stat folder = {};
    if (::lstat(QFile::encodeName(path).constData(), &folder) != 0)
        return tr("%1 no se puede ver: se deja de lado").arg(shown(path));
    if (!S_ISDIR(folder.st_mode))
        return tr("%1 no es una carpeta: se deja de lado").arg(shown(path));
    if (folder.st_uid != *account)
        return tr("%1 es de otra cuenta, no de %2: se deja de lado").arg(shown(path), shown(login));
    return {};
}

} // namespace classview
