#pragma once

#include <QString>

namespace toolkit {

// Where the library puts what a teacher removes: the desktop's trash, or,
// where the desktop has none that takes it (a shared folder on a server),
// the papelera, under a name that says what it was and never over one
// already there.
class Trash
{
public:
    // `papelera`: the folder used when the desktop trash does not take a file.
    explicit Trash(QString papelera = defaultPapelera());
    // <data>/lunipo/papelera, <data> being $XDG_DATA_HOME or ~/.local/share.
    static QString defaultPapelera();

    // Moves the file or folder at `path` away, named `name` in the papelera;
    // where it went, or empty when it stayed.
    QString take(const QString& path, const QString& name) const;

    // Test seam: without the desktop trash everything goes to the papelera.
    bool useDesktopTrash = true;

private:
    QString papelera_;
};

} // namespace toolkit
