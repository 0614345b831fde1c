#include "childrendialog.h"
#include "classbook.h"
#include "classwindow.h"
#include "folderlister.h"
#include "newfile.h"
#include "openfolder.h"
#include "recordarchive.h"
#include "share.h"
#include "textfiles.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QStandardPaths>
#include <QToolButton>

namespace classview {

void ClassWindow::editBook(const QString& what, std::function<bool(ClassBook&, QString*)> edit)
{
    // The book is not shared with the job: it edits a copy, which the window
    // takes in when it is done.
    startJob(what,
             [this, &lister = lister_, book = *book_,
              edit = std::move(edit)](const std::atomic_bool& stop) mutable -> Job::Done {
                 QString problem;
                 if (!lister.list({book.folder()}).first())
                     problem = toolkit::Share::notAnswering(book.folder());
                 else if (stop)
                     return [] {};
                 else
                     edit(book, &problem);
                 return [this, book = std::move(book), problem] {
                     *book_ = book;
                     if (!problem.isEmpty())
                         platform_.messageBox(problem, toolkit::vbOKOnly);
                     showGroups();
                     showTable();
                     readAgain();
                 };
             });
}

void ClassWindow::readAgain()
{
    reading_.abandon();
    reading_.start(*book_);
}

void ClassWindow::addChosenToGroup(const QString& group)
{
    if (job_.busy())
        return;
    const QStringList logins = chosenLogins();
    if (group.trimmed().isEmpty() || logins.isEmpty()) {
        platform_.messageBox(tr("Elige en la tabla a los niños y escribe el nombre del grupo."),
                             toolkit::vbOKOnly);
        return;
    }
    regroupChosen(group.trimmed(), true);
}

void ClassWindow::removeChosenFromGroup()
{
    if (job_.busy())
        return;
    const QStringList logins = chosenLogins();
    if (group_.isEmpty() || logins.isEmpty()) {
        platform_.messageBox(tr("Muestra un grupo y elige en la tabla a quién quitar de él."),
                             toolkit::vbOKOnly);
        return;
    }
    regroupChosen(group_, false);
}

// A child of the class list joins the list's groups, where the player
// looks for them too; any other child the book's. A child of the list with
// an account of their own may have been put in the book's before.
void ClassWindow::regroupChosen(const QString& group, bool join)
{
    QStringList logins, keys;
    const QSet<QString> inBook = book_->members(group);
    for (const QString& id : chosenLogins())
        for (const Child& child : std::as_const(children_)) {
            if (child.id() != id)
                continue;
            if (!child.key.isEmpty())
                keys << child.key;
            if (!child.login.isEmpty() && (join ? child.key.isEmpty() : inBook.contains(id)))
                logins << child.login;
        }
    const ClassBook::ChildrenChange regroup = [keys, group, join](toolkit::ClassList& list,
                                                                  QString* problem) {
        for (const QString& key : keys) {
            const toolkit::ClassList::Child* child = list.find(key);
            if (!child) // another teacher took the child off the list
                continue;
            QStringList groups = child->groups;
            groups.removeAll(group);
            if (join)
                groups << group;
            if (!list.setGroups(key, groups, problem))
                return false;
        }
        return true;
    };
    editBook(tr("Guardando los grupos…"), [=](ClassBook& book, QString* problem) {
        if (!logins.isEmpty() && !(join ? book.addToGroup(group, logins, problem)
                                        : book.removeFromGroup(group, logins, problem)))
            return false;
        return keys.isEmpty() || book.editChildren(regroup, problem);
    });
}

void ClassWindow::importNames()
{
    if (job_.busy())
        return;
    const QString path =
        platform_.openFileName(tr("Los nombres de la clase"), tr("Tabla de nombres (*.csv *.txt)"));
    if (path.isEmpty())
        return;
    editBook(tr("Guardando los nombres…"), [path](ClassBook& book, QString* problem) {
        // A FIFO chosen by mistake would hold the job's thread for good.
        QFile file;
        if (!toolkit::openRegularFile(file, path))
            *problem = tr("No se puede leer %1.").arg(path);
        else if (!book.importNames(file.read(1024 * 1024), problem) && problem->isEmpty())
            *problem = tr("No se han podido guardar los nombres.");
        return problem->isEmpty();
    });
}

void ClassWindow::editChildren()
{
    if (job_.busy() || folders_.root().isEmpty())
        return;
    // The logins of the rows are accounts of this system that own their
    // records: those a child may be joined to.
    QStringList accounts;
    for (const Child& child : children_)
        if (!child.login.isEmpty()) // a child of the list with no account of their own
            accounts << child.login;
    ChildrenDialog dialog(platform_, *book_, accounts, this);
    platform_.execDialog(dialog);
    readAgain();
}

void ClassWindow::exportTable()
{
    if (job_.busy())
        return;
    const QString path = platform_.saveFileName(
        tr("Exportar la tabla de la clase"), tr("Tabla CSV (*.csv)"),
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(tr("clase.csv")));
    if (path.isEmpty())
        return;
    startJob(tr("Exportando la tabla…"),
             [this, path, table = table()](const std::atomic_bool&) -> Job::Done {
                 const bool written = toolkit::writeFile(path, table.csv());
                 return [this, path, written] {
                     if (!written)
                         platform_.messageBox(tr("No se ha podido escribir %1.").arg(path),
                                              toolkit::vbOKOnly);
                 };
             });
}

// Past school years of the class whose records are read now. What is put
// away stays on the school's server, in the teachers' own folder: the
// archive in "archivo", the trash in "papelera", where no child can look.
RecordArchive ClassWindow::pastYears() const
{
    QStringList logins;
    for (const Child& child : children_) {
        if (!child.login.isEmpty())
            logins << child.login;
        for (const QString& login : child.keptUnder)
            logins << login + QLatin1Char('/') + child.key;
    }
    toolkit::Trash trash(QDir(book_->folder()).filePath(QStringLiteral("papelera")),
                         toolkit::SharedFolderMode);
    trash.useDesktopTrash = false;
    return RecordArchive(folders_, logins, trash);
}

void ClassWindow::showPastYears()
{
    if (job_.busy() || folders_.root().isEmpty())
        return;
    startJob(tr("Buscando los cursos pasados…"),
             [this, &lister = lister_, root = folders_.root(), archive = pastYears(),
              today = platform_.now().date()](const std::atomic_bool&) -> Job::Done {
                 const bool answered = lister.list({root}).first().has_value();
                 QStringList problems;
                 const QList<int> years =
                     answered ? archive.pastYears(today, &problems) : QList<int>();
                 return [this, answered, years, problems] {
                     tell(problems);
                     pastYearsMenu->clear();
                     if (!answered)
                         pastYearsMenu->addAction(tr("El servidor de los registros no responde"))
                             ->setEnabled(false);
                     else if (years.isEmpty())
                         pastYearsMenu->addAction(tr("No hay registros de cursos pasados"))
                             ->setEnabled(false);
                     for (const int year : years) {
                         const QString name = QStringLiteral("%1-%2").arg(year).arg(year + 1);
                         connect(pastYearsMenu->addAction(tr("Archivar el curso %1…").arg(name)),
                                 &QAction::triggered, this, [this, year] { archiveYear(year); });
                         connect(pastYearsMenu->addAction(
                                     tr("Llevar el curso %1 a la papelera…").arg(name)),
                                 &QAction::triggered, this, [this, year] { removeYear(year); });
                     }
                     pastYearsMenu->popup(
                         pastYearsButton->mapToGlobal(QPoint(0, pastYearsButton->height())));
                 };
             });
}

void ClassWindow::moveYear(const QString& what, const MoveRecords& move,
                           const std::function<QString(int)>& went)
{
    startJob(what,
             [this, &lister = lister_, root = folders_.root(), archive = pastYears(), move,
              went](const std::atomic_bool& stop) -> Job::Done {
                 if (!lister.list({root}).first())
                     return [this] {
                         platform_.messageBox(
                             tr("El servidor de los registros no responde; lo que no se "
                                "haya llevado sigue en su sitio."),
                             toolkit::vbOKOnly);
                     };
                 QStringList problems;
                 const int moved = move(archive, &problems, &stop);
                 return [this, moved, problems, went] {
                     platform_.messageBox(went(moved) +
                                              (problems.isEmpty()
                                                   ? QString()
                                                   : QStringLiteral("\n\n") + problems.join('\n')),
                                          toolkit::vbOKOnly);
                 };
             });
}

void ClassWindow::archiveYear(int year)
{
    if (job_.busy())
        return;
    const QString name = QStringLiteral("%1-%2").arg(year).arg(year + 1);
    const QString folder = QDir(book_->folder()).filePath(QStringLiteral("archivo/") + name);
    if (platform_.messageBox(tr("¿Guardar los registros del curso %1-%2 de toda la clase en %3, "
                                "que solo ve el profesorado, y llevarlos a la papelera?")
                                 .arg(year)
                                 .arg(year + 1)
                                 .arg(QDir::toNativeSeparators(folder)),
                             toolkit::vbYesNo) != toolkit::vbYes)
        return;
    moveYear(
        tr("Archivando el curso %1…").arg(name),
        [year, folder, today = platform_.now().date()](
            const RecordArchive& archive, QStringList* problems, const std::atomic_bool* stop) {
            return archive.archive(year, folder, today, problems, stop);
        },
        [folder](int moved) {
            return tr("Se han guardado en %1 y llevado a la papelera %2 registros.")
                .arg(QDir::toNativeSeparators(folder), QString::number(moved));
        });
}

void ClassWindow::removeYear(int year)
{
    if (job_.busy())
        return;
    if (platform_.messageBox(tr("¿Llevar a la papelera los registros del curso %1-%2 de toda "
                                "la clase?")
                                 .arg(year)
                                 .arg(year + 1),
                             toolkit::vbYesNo) != toolkit::vbYes)
        return;
    moveYear(
        tr("Llevando el curso %1-%2 a la papelera…").arg(year).arg(year + 1),
        [year, today = platform_.now().date()](const RecordArchive& archive, QStringList* problems,
                                               const std::atomic_bool* stop) {
            return archive.remove(year, today, problems, stop);
        },
        [](int moved) { return tr("Se han llevado a la papelera %1 registros.").arg(moved); });
}

} // namespace classview
