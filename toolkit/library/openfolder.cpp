#include "openfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace toolkit {

namespace {

constexpr int FolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

// The folder made just now as `path`, given `mode` once it is sure to be ours.
bool setMode(const QString& path, mode_t mode)
{
    const int fd = ::open(QFile::encodeName(path).constData(), FolderFlags | O_NOFOLLOW);
    if (fd < 0)
        return false;
    struct stat status = {};
    const bool done = ::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode) &&
                      status.st_uid == ::geteuid() && ::fchmod(fd, mode) == 0;
    ::close(fd);
    return done;
}

} // namespace

OpenFolder::OpenFolder(const QString& root, const QString& relative)
{
    fd_ = ::open(QFile::encodeName(root).constData(), FolderFlags);
    for (const QString& part : relative.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (fd_ < 0)
            return;
        const int inner =
            part == QLatin1String("..")
                ? -1
                : ::openat(fd_, QFile::encodeName(part).constData(), FolderFlags | O_NOFOLLOW);
        ::close(fd_);
        fd_ = inner;
    }
}

OpenFolder::~OpenFolder()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool makeFolders(const QString& path, mode_t mode)
{
    QString existing = QDir::cleanPath(QDir(path).absolutePath());
    QStringList missing;
    while (!QFileInfo::exists(existing) && !QFileInfo(existing).isSymLink() &&
           !QFileInfo(existing).isRoot()) {
        missing.prepend(QFileInfo(existing).fileName());
        existing = QFileInfo(existing).path();
    }
    for (const QString& part : missing) {
        existing = QDir(existing).filePath(part);
        // Closed to all until its mode is set: nobody slips in meanwhile.
        if (::mkdir(QFile::encodeName(existing).constData(), mode ? 0700 : 0777) != 0) {
            if (errno == EEXIST) // another maker was quicker
                continue;
            return false;
        }
        if (mode && !setMode(existing, mode))
            return false;
    }
    const QFileInfo made(path);
    return made.isDir() && !made.isSymLink();
}

} // namespace toolkit
