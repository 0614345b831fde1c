#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

namespace toolkit {

// How an attempt to create a file under a name nobody holds yet ended.
enum class NewFile { Written, Taken, Failed };

// Creates `path` with `contents` only when no file of that name exists, and
// whole or not at all: the bytes go into a temporary file in the same folder,
// which is then hard-linked under `path`. link() never replaces a file and
// is atomic on local disks and on NFS alike, so thirty machines saving into
// one shared folder at once each get a name of their own, and nobody ever
// sees half a file under its final name. Where the file system has no hard
// links (an SMB share of a Windows server), the file is created with O_EXCL
// and written; a failed write removes it again.
NewFile createNewFile(const QString& path, const QByteArray& contents);

// Replaces the regular file `path` whole by `contents`, or leaves it as it
// was: the bytes are written and synced beside it, then renamed over it.
// False, and nothing touched, when `path` is a symbolic link or anything but
// a regular file.
bool replaceFile(const QString& path, const QByteArray& contents);

// Writes `path` whole or not at all, whether or not something holds the
// name: the bytes are written and synced beside it, then renamed over it.
bool writeFile(const QString& path, const QByteArray& contents);

// A rename or a new name is only durable once the folder that holds it is
// synced too.
void syncFolder(const QString& folder);

// The system's link() and fsync(); test seams, for a server without hard
// links and for one that reports a lost write only when the file is synced
// or closed (NFS).
extern int (*makeHardLink)(const char* target, const char* name);
extern int (*syncToDisk)(int fd);

// Writes a file's contents; false when it could not. Called once, or once
// more where the file system has no hard links.
using FileWriter = std::function<bool(QIODevice& file)>;

// Creates the first free name of `fileName(1)`, `fileName(2)`... in
// `folder` with what `write` writes, as createNewFile, writing the file only
// once however many names are taken; the path written, or empty when nothing
// could be written or no free name turned up in `attempts`.
QString createFirstFree(const QString& folder, const std::function<QString(int)>& fileName,
                        const FileWriter& write, int attempts = 10000);

} // namespace toolkit
