#include "newfile.h"

#include "activityfiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace toolkit {

namespace {

const QString TemporaryPrefix = QStringLiteral(".lunipo-");
const QString TemporarySuffix = QStringLiteral(".tmp");
constexpr qint64 StaleTemporarySeconds = 60 * 60;

// On the disk, not only in the page cache: a power cut after the link must
// not leave a name on an empty file.
bool writeWhole(QFileDevice& file, const FileWriter& write)
{
    return write(file) && file.flush() && syncToDisk(file.handle()) == 0;
}

// What a program killed between writing and linking left behind; an hour is
// far longer than any save takes, so no other computer is still writing it.
void removeStaleTemporaries(const QString& folder, const QDateTime& now)
{
    const QDir dir(folder);
    const QStringList names = dir.entryList({TemporaryPrefix + QLatin1Char('*') + TemporarySuffix},
                                            QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        const QString path = dir.filePath(name);
        const QFileInfo file(path);
        if (!file.isSymLink() && file.lastModified().secsTo(now) > StaleTemporarySeconds)
            QFile::remove(path);
    }
}

// NFS may lose the answer to a link() that did succeed and report EEXIST on
// the retry; the temporary file's second link tells the truth.
bool linkedTwice(const QFile& file)
{
    struct stat status
    {
    };
    return ::stat(QFile::encodeName(file.fileName()).constData(), &status) == 0 &&
           status.st_nlink == 2;
}

// Opened as any new file is, with the umask's permissions: QTemporaryFile
// would keep it to its owner, and the children's accounts could not read
// what the teacher's saved into the shared folder.
bool openTemporary(QFile& file, const QString& folder)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        file.setFileName(
            QStringLiteral("%1/%2%3%4")
                .arg(folder, TemporaryPrefix)
                .arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0'))
                .arg(TemporarySuffix));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return true;
        if (!file.exists())
            return false;
    }
    return false;
}

bool hasNoHardLinks(int error)
{
    return error == EPERM || error == ENOTSUP || error == EOPNOTSUPP || error == ENOSYS ||
           error == EMLINK;
}

NewFile createExclusively(const QString& path, const FileWriter& write)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return QFileInfo::exists(path) ? NewFile::Taken : NewFile::Failed;
    if (writeWhole(file, write))
        return NewFile::Written;
    // QFile::remove() would refuse: closing flushes, and that fails again.
    QFile::remove(path);
    return NewFile::Failed;
}

// Gives the written temporary file the first name of `fileName(1)`,
// `fileName(2)`... that nobody holds: the bytes are written once however
// many names are taken.
std::pair<NewFile, QString> linkFirstFree(QFile& temporary, const QDir& folder,
                                          const std::function<QString(int)>& fileName,
                                          const FileWriter& write, int attempts)
{
    for (int attempt = 1; attempt <= attempts; ++attempt) {
        const QString path = folder.filePath(fileName(attempt));
        if (makeHardLink(QFile::encodeName(temporary.fileName()).constData(),
                         QFile::encodeName(path).constData()) == 0)
            return {NewFile::Written, path};
        const int error = errno;
        if (error == EEXIST && linkedTwice(temporary))
            return {NewFile::Written, path};
        if (hasNoHardLinks(error)) {
            const NewFile result = createExclusively(path, write);
            if (result != NewFile::Taken)
                return {result, result == NewFile::Written ? path : QString()};
        } else if (error != EEXIST) {
            return {NewFile::Failed, {}};
        }
    }
    return {NewFile::Taken, {}};
}

// A temporary file in `folder` written whole and synced, then closed: NFS
// reports a failed write-back only at the close.
bool writeTemporary(QFile& temporary, const QString& folder, const FileWriter& write)
{
    removeStaleTemporaries(folder, QDateTime::currentDateTime());
    if (!openTemporary(temporary, folder))
        return false;
    if (!writeWhole(temporary, write))
        return false;
    temporary.close();
    return temporary.error() == QFileDevice::NoError;
}

std::pair<NewFile, QString> create(const QString& folder,
                                   const std::function<QString(int)>& fileName,
                                   const FileWriter& write, int attempts)
{
    QFile temporary;
    // Removed whatever happens: the file is kept under its own name.
    const auto removeTemporary = qScopeGuard([&] {
        if (!temporary.fileName().isEmpty())
            QFile::remove(temporary.fileName());
    });
    if (!writeTemporary(temporary, folder, write))
        return {NewFile::Failed, {}};
    auto made = linkFirstFree(temporary, QDir(folder), fileName, write, attempts);
    syncFolder(folder);
    return made;
}

} // namespace

void syncFolder(const QString& folder)
{
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

int (*makeHardLink)(const char* target, const char* name) = ::link;
int (*syncToDisk)(int fd) = ::fsync;

bool replaceFile(const QString& path, const QByteArray& contents)
{
    return isPlainFile(path) && writeFile(path, contents);
}

bool writeFile(const QString& path, const QByteArray& contents)
{
    const QString folder = QFileInfo(path).path();
    QFile temporary;
    const bool written = writeTemporary(temporary, folder, [&](QIODevice& device) {
        return device.write(contents) == contents.size();
    });
    // rename() replaces the name itself: a link put there is replaced,
    // never written through.
    if (!written || ::rename(QFile::encodeName(temporary.fileName()).constData(),
                             QFile::encodeName(path).constData()) != 0) {
        if (!temporary.fileName().isEmpty())
            QFile::remove(temporary.fileName());
        return false;
    }
    syncFolder(folder);
    return true;
}

NewFile createNewFile(const QString& path, const QByteArray& contents)
{
    const QFileInfo file(path);
    const auto writeContents = [&](QIODevice& device) {
        return device.write(contents) == contents.size();
    };
    return create(
               file.path(), [&](int) { return file.fileName(); }, writeContents, 1)
        .first;
}

QString createFirstFree(const QString& folder, const std::function<QString(int)>& fileName,
                        const FileWriter& write, int attempts)
{
    return create(folder, fileName, write, attempts).second;
}

} // namespace toolkit
