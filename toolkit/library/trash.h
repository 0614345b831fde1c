#pragma once

#include <QString>
#include <sys/types.h>

namespace toolkit {

class OpenFolder;

// Where the library puts what a teacher removes: the desktop's trash, or,
// where the desktop has none that takes it (a shared folder on a server),
// the papelera, under a name that says what it was and never over one
// already there.
//
// Into the papelera things are only ever renamed (rename(2)), never copied:
// a copy would open by name what others may have swapped for a link or a
// FIFO. What cannot be renamed there (another file system included) stays
// where it is.
class Trash
{
public:
    // `papelera`: the folder used when the desktop trash does not take a file.
    // `papeleraMode`, when not 0, is given to the folders made for it
    // (SharedFolderMode for one a group shares), whatever the umask.
    explicit Trash(QString papelera = defaultPapelera(), mode_t papeleraMode = 0);
    // <data>/lunipo/papelera, <data> being $XDG_DATA_HOME or ~/.local/share.
    static QString defaultPapelera();
    QString papelera() const { return papelera_; }

    // Moves the file or folder at `path` away, named `name` in the papelera;
    // where it went, or empty when it stayed.
    QString take(const QString& path, const QString& name) const;
    // Moves the entry `entry` of the open `folder` to the papelera (never to
    // the desktop's trash), named `name`; where it went, or empty when it
    // stayed.
    QString takeFrom(const OpenFolder& folder, const QString& entry, const QString& name) const;

    // Test seam: without the desktop trash everything goes to the papelera.
    bool useDesktopTrash = true;

private:
    // Renames `entry` of the folder `fromFd` (AT_FDCWD for a path) into the
    // papelera under the first free name for `name`.
    QString moveIn(int fromFd, const QString& entry, const QString& name) const;

    QString papelera_;
    mode_t papeleraMode_;
};

// The system's renameat2(); a test seam, for what others do meanwhile.
extern int (*renameEntry)(int fromFd, const char* from, int toFd, const char* to,
                          unsigned int flags);

} // namespace toolkit
