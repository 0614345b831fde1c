#include "classbook.h"
#include "classwindow.h"
#include "newfile.h"
#include "openfolder.h"
#include "recordarchive.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QStandardPaths>
#include <QToolButton>

namespace classview {

namespace {

// A whole school year's records may take a while to copy; longer than this
// is a server that hangs.
constexpr std::chrono::seconds Patience(60);

} // namespace

void ClassWindow::addChosenToGroup(const QString& group)
{
    const QStringList logins = chosenLogins();
    if (group.trimmed().isEmpty() || logins.isEmpty()) {
        platform_.messageBox(tr("Elige en la tabla a los niños y escribe el nombre del grupo."),
                             toolkit::vbOKOnly);
        return;
    }
    QString problem;
    if (!book_->addToGroup(group.trimmed(), logins, &problem))
        platform_.messageBox(problem, toolkit::vbOKOnly);
    showGroups();
}

void ClassWindow::removeChosenFromGroup()
{
    const QStringList logins = chosenLogins();
    if (group_.isEmpty() || logins.isEmpty()) {
        platform_.messageBox(tr("Muestra un grupo y elige en la tabla a quién quitar de él."),
                             toolkit::vbOKOnly);
        return;
    }
    QString problem;
    if (!book_->removeFromGroup(group_, logins, &problem))
        platform_.messageBox(problem, toolkit::vbOKOnly);
    showGroups();
    showTable();
}

void ClassWindow::importNames()
{
    const QString path =
        platform_.openFileName(tr("Los nombres de la clase"), tr("Tabla de nombres (*.csv *.txt)"));
    if (path.isEmpty())
        return;
    QFile file(path);
    QString problem;
    if (!file.open(QIODevice::ReadOnly))
        problem = tr("No se puede leer %1.").arg(path);
    else if (!book_->importNames(file.read(1024 * 1024), &problem) && problem.isEmpty())
        problem = tr("No se han podido guardar los nombres.");
    if (!problem.isEmpty()) {
        platform_.messageBox(problem, toolkit::vbOKOnly);
        return;
    }
    // Read again now, with the names.
    reading_.abandon();
    reading_.start(book_->names());
}

void ClassWindow::exportTable()
{
    const QString path = platform_.saveFileName(
        tr("Exportar la tabla de la clase"), tr("Tabla CSV (*.csv)"),
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(tr("clase.csv")));
    if (path.isEmpty())
        return;
    if (!toolkit::writeFile(path, table().csv()))
        platform_.messageBox(tr("No se ha podido escribir %1.").arg(path), toolkit::vbOKOnly);
}

namespace {

using Told = std::pair<int, QStringList>; // how many files went, what stayed and why

} // namespace

// Past school years of the class whose records are read now. What is put
// away stays on the school's server, in the teachers' own folder: the
// archive in "archivo", the trash in "papelera", where no child can look.
RecordArchive ClassWindow::pastYears() const
{
    QStringList logins;
    for (const Child& child : children_)
        logins << child.login;
    toolkit::Trash trash(QDir(book_->folder()).filePath(QStringLiteral("papelera")),
                         toolkit::SharedFolderMode);
    trash.useDesktopTrash = false;
    return RecordArchive(folders_, logins, trash);
}

void ClassWindow::fillYearsMenu()
{
    QMenu* menu = pastYearsButton->menu();
    menu->clear();
    const auto found = within<std::pair<QList<int>, QStringList>>(
        std::chrono::seconds(2), [archive = pastYears(), today = platform_.now().date()] {
            QStringList problems;
            QList<int> years = archive.pastYears(today, &problems);
            return std::pair{years, problems};
        });
    if (!found) {
        menu->addAction(tr("El servidor de los registros no responde"))->setEnabled(false);
        return;
    }
    const auto& [years, problems] = *found;
    tell(problems);
    if (years.isEmpty())
        menu->addAction(tr("No hay registros de cursos pasados"))->setEnabled(false);
    for (const int year : years) {
        const QString name = QStringLiteral("%1-%2").arg(year).arg(year + 1);
        connect(menu->addAction(tr("Archivar el curso %1…").arg(name)), &QAction::triggered, this,
                [this, year] { archiveYear(year); });
        connect(menu->addAction(tr("Llevar el curso %1 a la papelera…").arg(name)),
                &QAction::triggered, this, [this, year] { removeYear(year); });
    }
}

// Tells how many records went, every one that stayed, or that the server
// did not answer; `went` says how many went.
void ClassWindow::tellDone(const std::optional<std::pair<int, QStringList>>& done,
                           const std::function<QString(int)>& went)
{
    if (!done) {
        platform_.messageBox(tr("El servidor de los registros no responde; lo que no se haya "
                                "llevado sigue en su sitio."),
                             toolkit::vbOKOnly);
        return;
    }
    const auto& [moved, problems] = *done;
    platform_.messageBox(went(moved) + (problems.isEmpty()
                                            ? QString()
                                            : QStringLiteral("\n\n") + problems.join('\n')),
                         toolkit::vbOKOnly);
}

void ClassWindow::archiveYear(int year)
{
    const QString folder =
        QDir(book_->folder()).filePath(QStringLiteral("archivo/%1-%2").arg(year).arg(year + 1));
    if (platform_.messageBox(tr("¿Guardar los registros del curso %1-%2 de toda la clase en %3, "
                                "que solo ve el profesorado, y llevarlos a la papelera?")
                                 .arg(year)
                                 .arg(year + 1)
                                 .arg(QDir::toNativeSeparators(folder)),
                             toolkit::vbYesNo) != toolkit::vbYes)
        return;
    const auto done = within<Told>(
        Patience, [archive = pastYears(), year, folder, today = platform_.now().date()] {
            QStringList problems;
            const int moved = archive.archive(year, folder, today, &problems);
            return Told{moved, problems};
        });
    tellDone(done, [folder](int moved) {
        return tr("Se han guardado en %1 y llevado a la papelera %2 registros.")
            .arg(QDir::toNativeSeparators(folder), QString::number(moved));
    });
}

void ClassWindow::removeYear(int year)
{
    if (platform_.messageBox(tr("¿Llevar a la papelera los registros del curso %1-%2 de toda "
                                "la clase?")
                                 .arg(year)
                                 .arg(year + 1),
                             toolkit::vbYesNo) != toolkit::vbYes)
        return;
    const auto done =
        within<Told>(Patience, [archive = pastYears(), year, today = platform_.now().date()] {
            QStringList problems;
            const int moved = archive.remove(year, today, &problems);
            return Told{moved, problems};
        });
    tellDone(done,
             [](int moved) { return tr("Se han llevado a la papelera %1 registros.").arg(moved); });
}

} // namespace classview
