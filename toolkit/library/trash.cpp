#include "trash.h"

#include "openfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>

namespace toolkit {

namespace {

constexpr int MaxCopies = 1000;
// A file name takes at most 255 bytes, and a theme's folder on a share may
// already have that many: the papelera's name is cut to leave room.
constexpr qsizetype MaxNameBytes = 200;

// `name`, or "name (k).txt" for the k-th copy of the same name.
QString copyName(const QString& name, int k)
{
    const bool file =
        name.endsWith(QStringLiteral(".txt")) || name.endsWith(QStringLiteral(".png"));
    QString base = file ? name.chopped(4) : name;
    const QString tail =
        (k == 1 ? QString() : QStringLiteral(" (%1)").arg(k)) + (file ? name.right(4) : QString());
    while (!base.isEmpty() && (base + tail).toUtf8().size() > MaxNameBytes)
        base.chop(1);
    if (!base.isEmpty() && base.back().isHighSurrogate())
        base.chop(1);
    return base + tail;
}

// rename(2) that never replaces what is at `to`: 0, or -1 with errno set
// (EEXIST when the name is taken).
int renameNew(int fromFd, const QByteArray& from, int toFd, const QByteArray& to)
{
    if (renameEntry(fromFd, from.constData(), toFd, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return -1;
    // A file system that cannot tell (some network shares): checked first,
    // which two teachers at the very same moment may still race.
    struct stat taken = {};
    if (::fstatat(toFd, to.constData(), &taken, AT_SYMLINK_NOFOLLOW) == 0) {
        errno = EEXIST;
        return -1;
    }
    return renameEntry(fromFd, from.constData(), toFd, to.constData(), 0);
}

} // namespace

int (*renameEntry)(int fromFd, const char* from, int toFd, const char* to,
                   unsigned int flags) = ::renameat2;

Trash::Trash(QString papelera, mode_t papeleraMode)
    : papelera_(std::move(papelera)), papeleraMode_(papeleraMode)
{
}

QString Trash::defaultPapelera()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/lunipo/papelera");
}

QString Trash::take(const QString& path, const QString& name) const
{
    QString trashed;
    if (useDesktopTrash && QFile::moveToTrash(path, &trashed))
        return trashed.isEmpty() ? QStringLiteral("?") : trashed;
    return moveIn(AT_FDCWD, path, name);
}

QString Trash::takeFrom(const OpenFolder& folder, const QString& entry, const QString& name) const
{
    return folder.isOpen() ? moveIn(folder.fd(), entry, name) : QString();
}

QString Trash::moveIn(int fromFd, const QString& entry, const QString& name) const
{
    if (!makeFolders(papelera_, papeleraMode_))
        return {};
    const OpenFolder papelera(papelera_);
    for (int k = 1; papelera.isOpen() && k <= MaxCopies; ++k) {
        const QString target = copyName(name, k);
        if (renameNew(fromFd, QFile::encodeName(entry), papelera.fd(), QFile::encodeName(target)) ==
            0)
            return QDir(papelera_).filePath(target);
        if (errno != EEXIST)
            break;
    }
    return {};
}

} // namespace toolkit
