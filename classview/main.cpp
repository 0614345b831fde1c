// lunipoclase: what the children of a lab played, from their records on the
// school's server, in a window. With --csv, the class table without one.

#include "childrensheet.h"
#include "classbook.h"
#include "classreading.h"
#include "classwindow.h"
#include "csvfields.h"
#include "folderlister.h"
#include "labsettings.h"
#include "language.h"
#include "newfile.h"
#include "programversion.h"
#include "qtplatform.h"
#include "textfiles.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <optional>

namespace {

// What is told may name a folder a child made: a terminal's escapes in it
// never reach the teacher's terminal.
void tell(const QString& text)
{
    std::fprintf(stderr, "lunipoclase: %s\n",
                 qPrintable(toolkit::withoutControlCharacters(text, QLatin1Char('?'))));
}

// lunipoclase --importar-clase FILE: the children of a sheet of names and
// groups join the class list; each one added is printed as its key and its
// picture, on a line of its own.
int importChildren(const QString& path, const classview::ClassFolders& folders)
{
    QStringList problems;
    const auto rows = classview::ChildrenSheet::read(path, &problems);
    classview::ClassBook book(classview::ClassBook::folderFor(folders.root()));
    const auto added =
        rows ? classview::ChildrenSheet::addTo(book, *rows, &problems) : std::nullopt;
    for (const QString& problem : problems)
        tell(problem);
    if (!added)
        return 1;
    QByteArray text;
    for (const auto& child : *added)
        text += QString(child.key + QLatin1Char(' ') + child.picture).trimmed().toUtf8() + '\n';
    return toolkit::writeWhole(stdout, text) ? 0 : 1;
}

// lunipoclase --csv FILE ...: what is done without a window, and no display
// needed.
int withoutWindow(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lunipoclase"));
    toolkit::useLanguage(app, toolkit::sessionLanguage());

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("lunipoclase", "Lo que ha jugado la clase."));
    parser.addHelpOption();
    const QCommandLineOption csv(
        QStringLiteral("csv"),
        QCoreApplication::translate("lunipoclase", "Escribe la tabla de la clase en ARCHIVO."),
        QCoreApplication::translate("lunipoclase", "ARCHIVO"));
    const QCommandLineOption from(
        QStringLiteral("desde"),
        QCoreApplication::translate("lunipoclase", "Solo lo empezado desde FECHA (AAAA-MM-DD)."),
        QCoreApplication::translate("lunipoclase", "FECHA"));
    const QCommandLineOption names(
        QStringLiteral("nombres"),
        QCoreApplication::translate("lunipoclase",
                                    "Los nombres de los niños, de un CSV de usuario y nombre."),
        QCoreApplication::translate("lunipoclase", "ARCHIVO"));
    const QCommandLineOption group(
        QStringLiteral("grupo"),
        QCoreApplication::translate("lunipoclase", "Solo los niños del GRUPO del profesorado."),
        QCoreApplication::translate("lunipoclase", "GRUPO"));
    const QCommandLineOption importClass(
        QStringLiteral("importar-clase"),
        QCoreApplication::translate("lunipoclase",
                                    "Añade a la lista de la clase los niños de ARCHIVO, un CSV "
                                    "de nombre y grupo."),
        QCoreApplication::translate("lunipoclase", "ARCHIVO"));
    parser.addOptions({csv, from, names, group, importClass});
    parser.process(app);

    const QString pattern = toolkit::LabSettings::current().progressPattern;
    const classview::ClassFolders folders(pattern);
    if (folders.root().isEmpty()) {
        tell(QCoreApplication::translate("lunipoclase",
                                         "lunipo.conf no dice dónde están los registros "
                                         "(progreso=/carpeta/%u)"));
        return 2;
    }
    if (parser.isSet(importClass))
        return importChildren(parser.value(importClass), folders);
    QDate since;
    if (parser.isSet(from)) {
        since = QDate::fromString(parser.value(from), Qt::ISODate);
        if (!since.isValid()) {
            tell(QCoreApplication::translate("lunipoclase", "--desde %1: se esperaba AAAA-MM-DD")
                     .arg(parser.value(from)));
            return 2;
        }
    }
    QHash<QString, QString> known;
    if (parser.isSet(names)) {
        QFile file(parser.value(names));
        if (!file.open(QIODevice::ReadOnly)) {
            tell(QCoreApplication::translate("lunipoclase", "no se puede leer %1")
                     .arg(parser.value(names)));
            return 1;
        }
        known = classview::readNames(file.read(1024 * 1024));
    }
    if (!parser.isSet(csv)) {
        parser.showHelp(2);
    }

    // The names the teachers imported, then those given here over them.
    classview::ClassBook book(classview::ClassBook::folderFor(folders.root()));
    QStringList unread;
    const bool read = book.reload(&unread);
    for (const QString& problem : unread)
        tell(problem);
    QHash<QString, QString> shared = book.names();
    shared.insert(known);
    known = shared;
    std::optional<QSet<QString>> members;
    if (parser.isSet(group)) {
        if (!book.groups().contains(parser.value(group).trimmed())) {
            if (!read) // what was said above is why
                return 1;
            tell(QCoreApplication::translate("lunipoclase", "no hay ningún grupo «%1» en %2")
                     .arg(parser.value(group), QDir::toNativeSeparators(book.folder())));
            return 2;
        }
        members = book.members(parser.value(group));
    }
    const toolkit::LabSettings& lab = toolkit::LabSettings::current();
    classview::ClassReading reading(folders, toolkit::FolderLister::shared(),
                                    {QCoreApplication::applicationDirPath(), lab.themeFolders});
    const classview::ClassSnapshot snapshot = reading.readNow(known);
    for (const QString& problem : snapshot.problems)
        tell(problem);
    if (!snapshot.answered)
        return 1;
    classview::ClassTable table = snapshot.table;
    // Not through the table's filter, for which no login at all means all.
    if (members) {
        QList<classview::Child> children = snapshot.children;
        children.removeIf(
            [&](const classview::Child& child) { return !members->contains(child.login); });
        table = classview::ClassTable(children, table.labThemes());
    }
    table.setFilter({}, since);
    const QString out = parser.value(csv);
    const QByteArray text = table.csv();
    if (out == QLatin1String("-")) {
        if (!toolkit::writeWhole(stdout, text)) {
            tell(QCoreApplication::translate("lunipoclase",
                                             "no se puede escribir la tabla en la salida"));
            return 1;
        }
    } else if (!toolkit::writeFile(out, text)) {
        tell(QCoreApplication::translate("lunipoclase", "no se puede escribir %1").arg(out));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (toolkit::printedVersion(argc, argv, "lunipoclase"))
        return 0;
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--csv" || argument.startsWith("--csv=") ||
            argument == "--importar-clase" || argument.startsWith("--importar-clase=") ||
            argument == "-h" || argument == "--help" || argument == "--help-all")
            return withoutWindow(argc, argv);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lunipoclase"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("lunipo")));
    toolkit::useLanguage(app, toolkit::sessionLanguage());
    toolkit::QtPlatform platform(QCoreApplication::translate("lunipoclase", "Lunipo · la clase"));
    const toolkit::LabSettings& lab = toolkit::LabSettings::current();
    classview::ClassWindow::Places places{lab.progressPattern, lab.drawingsPattern};
    places.themes = {QCoreApplication::applicationDirPath(), lab.themeFolders};
    classview::ClassWindow window(platform, places, toolkit::FolderLister::shared());
    window.show();
    return app.exec();
}
