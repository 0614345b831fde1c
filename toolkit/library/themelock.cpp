#include "themelock.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QThread>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace toolkit {

namespace {

constexpr int PollMs = 50;
// Each pass either takes the lock or clears one thing in its way; a folder
// where that never ends (someone replacing the lock as fast as it goes) is
// given up on.
constexpr int MostClearings = 100;
constexpr qint64 MostLockBytes = 256;

QByteArray encoded(const QString& path)
{
    return QFile::encodeName(path);
}

QByteArray ownerText()
{
    return QByteArray::number(qint64(::getpid())) + '\n' + QSysInfo::machineHostName().toUtf8() +
           '\n';
}

bool processRuns(qint64 pid)
{
    return pid > 0 && pid <= std::numeric_limits<pid_t>::max() &&
           (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

qint64 millisecondsSince(const struct stat& status)
{
    const qint64 changed =
        qint64(status.st_mtim.tv_sec) * 1000 + qint64(status.st_mtim.tv_nsec) / 1000000;
    return QDateTime::currentMSecsSinceEpoch() - changed;
}

bool exists(const QByteArray& path)
{
    struct stat status
    {
    };
    return ::lstat(path.constData(), &status) == 0;
}

} // namespace

QString ThemeLock::fileName()
{
    return QStringLiteral(".lunipo-cambiando.lock");
}

ThemeLock::ThemeLock(const QString& theme, int patienceMs) : state_(take(theme, patienceMs)) {}

ThemeLock::~ThemeLock()
{
    if (fd_ < 0)
        return;
    // Only the file this lock made: one that took its place is another's.
    struct stat mine
    {
    }, there{};
    if (::fstat(fd_, &mine) == 0 && ::lstat(encoded(path_).constData(), &there) == 0 &&
        mine.st_dev == there.st_dev && mine.st_ino == there.st_ino)
        ::unlink(encoded(path_).constData());
    ::close(fd_);
}

void ThemeLock::refresh() const
{
    if (fd_ >= 0)
        ::futimens(fd_, nullptr);
}

void ThemeLock::movedTo(const QString& folder)
{
    path_ = QDir(folder).filePath(fileName());
}

ThemeLock::State ThemeLock::take(const QString& theme, int patienceMs)
{
    struct stat folder
    {
    };
    if (::lstat(encoded(theme).constData(), &folder) != 0)
        return State::Failed;
    if (S_ISLNK(folder.st_mode))
        return State::Linked;
    if (!S_ISDIR(folder.st_mode))
        return State::Failed;
    path_ = QDir(theme).filePath(fileName());
    const QDeadlineTimer deadline(patienceMs);
    for (int clearings = 0; clearings < MostClearings;) {
        if (create())
            return State::Held;
        if (errno != EEXIST)
            return State::Failed;
        unsigned long long device = 0, inode = 0;
        switch (inspect(device, inode)) {
        case Found::Gone:
            ++clearings;
            break;
        case Found::Strange:
            setAside();
            ++clearings;
            break;
        case Found::Stale:
            removeStale(device, inode);
            ++clearings;
            break;
        case Found::Live:
            if (deadline.hasExpired())
                return State::Busy;
            QThread::msleep(PollMs);
            break;
        }
    }
    return State::Busy;
}

// Created exclusively, never through a link; readable by every teacher, so
// that theirs can tell whose it is.
bool ThemeLock::create()
{
    const int fd = ::open(encoded(path_).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const QByteArray owner = ownerText();
    if (::write(fd, owner.constData(), size_t(owner.size())) != owner.size()) {
        // Still a lock: one nobody can read is stale after a minute.
    }
    ::fchmod(fd, 0644);
    fd_ = fd;
    return true;
}

ThemeLock::Found ThemeLock::inspect(unsigned long long& device, unsigned long long& inode) const
{
    struct stat named
    {
    };
    if (::lstat(encoded(path_).constData(), &named) != 0)
        return errno == ENOENT ? Found::Gone : Found::Live;
    if (!S_ISREG(named.st_mode))
        return Found::Strange;
    device = named.st_dev;
    inode = named.st_ino;
    const bool old = millisecondsSince(named) > StaleMs;
    const int fd =
        ::open(encoded(path_).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) { // swapped meanwhile, or not readable: the clock alone tells
        if (errno == ENOENT)
            return Found::Gone;
        return errno == ELOOP ? Found::Strange : (old ? Found::Stale : Found::Live);
    }
    struct stat opened
    {
    };
    char text[MostLockBytes];
    ssize_t size = -1;
    if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode))
        size = ::read(fd, text, sizeof text);
    ::close(fd);
    if (size < 0)
        return Found::Strange;
    const QList<QByteArray> lines = QByteArray(text, size).split('\n');
    bool number = false;
    const qint64 pid = lines.value(0).toLongLong(&number);
    const bool here = number && QString::fromUtf8(lines.value(1)) == QSysInfo::machineHostName();
    if (here)
        return processRuns(pid) ? Found::Live : Found::Stale;
    return old ? Found::Stale : Found::Live;
}

// Moved aside first and then removed, so that a lock another editor took
// meanwhile, which the name may now hold, is put back rather than lost.
void ThemeLock::removeStale(unsigned long long device, unsigned long long inode) const
{
    const QByteArray aside =
        encoded(path_ + QStringLiteral(".%1.%2").arg(::getpid()).arg(quintptr(this), 0, 16));
    if (::rename(encoded(path_).constData(), aside.constData()) != 0)
        return;
    struct stat moved
    {
    };
    if (::lstat(aside.constData(), &moved) == 0 &&
        (moved.st_dev != device || moved.st_ino != inode))
        ::link(aside.constData(), encoded(path_).constData()); // never over a newer one
    ::unlink(aside.constData());
}

// As a plan that cannot be carried out is: kept beside under a dated name
// for whoever wants to look.
void ThemeLock::setAside() const
{
    const QString dated =
        path_ + QDateTime::currentDateTime().toString(QStringLiteral("-yyyyMMdd-HHmmss"));
    for (int k = 1; k <= MostClearings; ++k) {
        const QByteArray target = encoded(k == 1 ? dated : dated + QStringLiteral("-%1").arg(k));
        if (!exists(target)) {
            ::rename(encoded(path_).constData(), target.constData());
            return;
        }
    }
}

} // namespace toolkit
