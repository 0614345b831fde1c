#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace toolkit {

// The names a theme's tema.ini gives it, by language, as a menu entry does:
// [Tema] Nombre[ca]=Animals. A shared folder may hold anything under that
// name: only a small regular file is read, opened without waiting and
// without following a link.
using ThemeNames = QHash<QString, QString>;
ThemeNames readThemeNames(const QString& themeFolder);

// The same as lines "ca=Animals", so that they can be read on the share's
// worker as a folder's subfolders are (see FolderLister::read).
QStringList themeNameLines(const QString& themeFolder);
ThemeNames themeNamesFrom(const QStringList& lines);

// "tema.ini" in the theme's folder.
QString themeSettingsPath(const QString& themeFolder);

} // namespace toolkit
