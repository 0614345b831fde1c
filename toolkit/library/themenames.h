#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace toolkit {

// What a theme's tema.ini says of it, in its section [Tema]:
//   Nombre[ca]=Animals    its name in each language, as a menu entry has;
//   Nivel=2               the level of the shipped library it belongs to
//                         (1 to 4, or "letras"); a teacher's own theme has none;
//   Idiomas=es gl eu      the languages whose classes see it; all without it.
// A shared folder may hold anything under that name: only a small regular
// file is read, opened without waiting and without following a link.
struct ThemeSettings
{
    QHash<QString, QString> names; // by language
    QString level;
    QStringList languages;
};
ThemeSettings readThemeSettings(const QString& themeFolder);

// The same as lines "Nombre[ca]=Animals", so that they can be read on the
// share's worker as a folder's subfolders are (see FolderLister::read).
QStringList themeSettingsLines(const QString& themeFolder);
ThemeSettings themeSettingsFrom(const QStringList& lines);

// "tema.ini" in the theme's folder.
QString themeSettingsPath(const QString& themeFolder);

// How a level is shown beside a theme's name: the numbers or letters its
// activities run through ("1–10", "2–40", "A–Z"); empty for no level.
QString levelRange(const QString& level);

} // namespace toolkit
