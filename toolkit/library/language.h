#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QCoreApplication;

namespace toolkit {

// The languages Lunipo speaks, as ISO 639-1 codes: Spanish (the texts of the
// source, and the default), Catalan (which Valencian classrooms also get),
// Basque, Galician, English and Portuguese.
const QStringList& languages();

// The language of this run: the lab's "idioma" when set, else the desktop
// session's as gettext finds it (LC_ALL, else LC_MESSAGES, else LANG names
// the locale; unless that is C or POSIX, a LANGUAGE that is set lists the
// languages in its place), the first one Lunipo speaks; else Spanish.
// `variable` reads an environment variable.
QString chooseLanguage(const QString& labLanguage,
                       const std::function<QString(const char*)>& variable);

// chooseLanguage() for this process.
QString sessionLanguage();

// The language useLanguage() made the program speak; Spanish before it.
QString languageInUse();

// Makes the program's texts and Qt's own (file dialogs, message boxes, the
// print dialog) speak `language`. Call it after the application object is
// made and before any window opens. Spanish is the source's: only Qt's
// texts are loaded for it.
void useLanguage(QCoreApplication& app, const QString& language);

// The SVG picture at `path` with each of `texts` (the text of one of its
// text elements, marked for the translators in `context`) in the language
// in use.
QByteArray translatedSvg(const QString& path, const char* context, const QList<const char*>& texts);

} // namespace toolkit
