#pragma once

#include <QString>

namespace toolkit {

// The folder to write `name` into: a subfolder name such as
// "dibujosrealizados", or empty for the program folder itself.
//
// Beside the program (appFolder/name) when the program's shipped data lies
// beside it (a folder "actividades", "idioma" or "sonidos", as in the build
// tree and the per-user install) and a file can really be written there; the
// folder is created when missing. Otherwise, as in a system-wide install,
// the same name under the user's data folder (<data>/lunipo/name, where <data>
// is $XDG_DATA_HOME or ~/.local/share), created when missing. When neither can
// be written the second path is still returned, so that the caller's write
// fails there and is reported. Reading should still start beside the program,
// where the shipped data lies.
QString writableFolder(const QString& appFolder, const QString& name);

// Whether a file can really be written in `folder`, made when missing.
// Permission bits alone do not tell: root ignores them, and a read-only
// mount refuses everyone.
bool canWriteInto(const QString& folder);

// Whether `folder` is a folder of this account's own, not a link to one: in
// a shared folder where every child may make one in any name, one made by
// another child in this child's name is not where this child's work goes.
bool isOwnFolder(const QString& folder);

// Where the child's drawings go: `configured` (the lab's "dibujos") when it
// is set, this account's own (isOwnFolder(); the first time it is not, that
// is told once on standard error) and can be written, made when missing as long as the folder that
// holds it exists and it answers within 2 s; otherwise "dibujosrealizados"
// as writableFolder finds it.
// The folder holding it must exist so that, with the school's server not
// mounted, drawings never land unseen under the empty mount point.
QString drawingsFolder(const QString& appFolder, const QString& configured);

} // namespace toolkit
