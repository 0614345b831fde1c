#include "newfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace toolkit {

namespace {

bool writeWhole(QFileDevice& file, const FileWriter& write)
{
    return write(file) && file.flush();
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
            QStringLiteral("%1/.lunipo-%2.tmp")
                .arg(folder)
                .arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0')));
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
        if (::link(QFile::encodeName(temporary.fileName()).constData(),
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

std::pair<NewFile, QString> create(const QString& folder,
                                   const std::function<QString(int)>& fileName,
                                   const FileWriter& write, int attempts)
{
    QFile temporary;
    if (!openTemporary(temporary, folder))
        return {NewFile::Failed, {}};
    // Removed whatever happens: the file is kept under its own name.
    const auto removeTemporary = qScopeGuard([&] { QFile::remove(temporary.fileName()); });
    if (!writeWhole(temporary, write))
        return {NewFile::Failed, {}};
    // NFS reports a failed write-back only when the file is closed.
    temporary.close();
    if (temporary.error() != QFileDevice::NoError)
        return {NewFile::Failed, {}};
    return linkFirstFree(temporary, QDir(folder), fileName, write, attempts);
}

} // namespace

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
