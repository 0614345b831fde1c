#pragma once

#include <QString>
#include <QStringList>

namespace toolkit {

// Where the programs' shipped, read-only data lies (themes, sounds, voices,
// the language file): beside the program first, as in the build tree and the
// per-user install, then "lunipo" in each folder of $XDG_DATA_DIRS
// (/usr/local/share and /usr/share by default), as in a system package.
// Most important first.
QStringList dataFolders(const QString& appFolder);

// The first of the data folders that holds `relative` (a file or a folder,
// such as "idioma/idioma.txt"); beside the program when none does, so that
// what is missing is looked for, and told, where it is expected.
QString findData(const QString& appFolder, const QString& relative);

} // namespace toolkit
