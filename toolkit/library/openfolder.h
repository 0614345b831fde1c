#pragma once

#include <QString>
#include <sys/types.h>

namespace toolkit {

// A folder held open, reached without following a link, so that what is
// then done in it by name (openat, renameat) happens in that folder even
// when someone swaps its path for a link meanwhile. Owns the descriptor.
class OpenFolder
{
public:
    // `root` is opened as it is (an administrator may have made it a link);
    // each part of `relative` below it only when it is a folder, not a link.
    explicit OpenFolder(const QString& root, const QString& relative = QString());
    ~OpenFolder();
    OpenFolder(const OpenFolder&) = delete;
    OpenFolder& operator=(const OpenFolder&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    // -1 when it could not be opened.
    int fd() const { return fd_; }

private:
    int fd_ = -1;
};

// Read, write and enter for the owner and the group, and what is made inside
// takes the folder's group: a folder a group of people share, such as the
// teachers' papelera and archive on the school's server.
constexpr mode_t SharedFolderMode = 02770;

// Makes `path` and the folders missing above it. Each folder made is opened
// without following a link, checked to be ours, and given `mode` by fchmod,
// so that the maker's umask does not cut it; with `mode` 0 it keeps what the
// umask leaves. True when `path` is then a folder and not a link.
bool makeFolders(const QString& path, mode_t mode = 0);

} // namespace toolkit
