#include "booklet.h"
#include "classtablemodel.h"
#include "classwindow.h"
#include "drawingshelf.h"
#include "drawingview.h"
#include "folderlister.h"
#include "language.h"
#include "plaintext.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QStandardPaths>
#include <QTreeWidget>

namespace classview {

namespace {

constexpr int ThumbnailEdge = 120;

// What the child's booklet is first called: their account, or their key.
QString fileNameOf(const Child& child)
{
    return child.login.isEmpty() ? child.key : child.login;
}

// Each folder the drawings lie in, once.
QStringList foldersOf(const QList<Drawing>& drawings)
{
    QStringList folders;
    for (const Drawing& drawing : drawings)
        if (const QString folder = QFileInfo(drawing.path).path(); !folders.contains(folder))
            folders << folder;
    return folders;
}

} // namespace

const Child* ClassWindow::chosen() const
{
    const auto found =
        std::find_if(children_.cbegin(), children_.cend(),
                     [this](const Child& child) { return child.id() == chosenLogin_; });
    return found == children_.cend() ? nullptr : &*found;
}

void ClassWindow::chooseChild(const QString& login)
{
    if (login == chosenLogin_)
        return;
    chosenLogin_ = login;
    shown_ = {};
    showChild();
    drawingsDue_ = !login.isEmpty();
    lookAgain();
}

QList<toolkit::PlayedActivity> ClassWindow::shownActivities() const
{
    const ClassTable& shown = model_->table();
    for (int row = 0; row < shown.rowCount(); ++row)
        if (shown.child(row).id() == chosenLogin_)
            return shown.activities(row);
    return {};
}

void ClassWindow::showChild()
{
    const ClassTable& shown = model_->table();
    QString name;
    for (int row = 0; row < shown.rowCount(); ++row)
        if (shown.child(row).id() == chosenLogin_)
            name = shown.child(row).name;
    childTitle->setText(name.isEmpty() ? tr("Elige un niño o una niña de la tabla") : name);
    activityList->clear();
    const QLocale locale(toolkit::languageInUse());
    for (const toolkit::PlayedActivity& played : shownActivities()) {
        auto* item = new QTreeWidgetItem(activityList);
        item->setText(0, locale.toString(played.started, QLocale::ShortFormat));
        item->setText(1, played.theme);
        item->setText(2, QString::number(played.activity));
        item->setText(3, played.finished.isValid() ? ClassTableModel::duration(played.seconds())
                                                   : tr("sin terminar"));
        item->setText(4, QString::number(played.hints));
        item->setText(5, QString::number(played.wrongDots));
        // The settings sit by the figures they made easier.
        item->setText(6, played.reach);
        item->setToolTip(6, plainToolTip(ClassTableModel::reachExplained(
                                played.reach.split(QLatin1Char(' '), Qt::SkipEmptyParts))));
        item->setText(7, !played.savedDrawing.isEmpty() ? tr("guardado")
                         : played.coloured              ? tr("coloreado, sin guardar")
                                                        : QString());
        item->setToolTip(7, plainToolTip(played.savedDrawing));
    }
    for (int column = 0; column < activityList->columnCount(); ++column)
        activityList->resizeColumnToContents(column);
    enableActions();
}

void ClassWindow::startDrawings()
{
    drawingsDue_ = false;
    if (chosenLogin_.isEmpty())
        return;
    const QDate from = periodStart(period_, platform_.now().date());
    // Thumbnails made before are kept: a drawing is read again only when
    // it is new or was saved over.
    const ChildDrawings known = shown_.login == chosenLogin_ ? shown_ : ChildDrawings{};
    const Child* child = chosen();
    if (!child)
        return;
    drawingsErrand_.start([shelf = *shelf_, &lister = lister_, child = *child, from, known] {
        ChildDrawings found;
        found.login = child.id();
        found.drawings = shelf.drawings(lister, child, from, &found.problems);
        for (const Drawing& drawing : found.drawings) {
            const auto before = std::find_if(
                known.drawings.cbegin(), known.drawings.cend(), [&](const Drawing& other) {
                    return other.path == drawing.path && other.saved == drawing.saved;
                });
            if (before != known.drawings.cend()) {
                found.thumbnails << known.thumbnails[before - known.drawings.cbegin()];
                continue;
            }
            QString problem;
            const QImage image = loadDrawing(drawing.path, &problem);
            if (!problem.isEmpty())
                found.problems << problem;
            found.thumbnails << (image.isNull() ? QImage() : thumbnailOf(image, ThumbnailEdge));
        }
        return found;
    });
}

void ClassWindow::takeDrawings(ChildDrawings found)
{
    // What was read for a child no longer chosen is of no use.
    if (found.login != chosenLogin_)
        return;
    const bool same = found.drawings.size() == shown_.drawings.size() &&
                      std::equal(found.drawings.cbegin(), found.drawings.cend(),
                                 shown_.drawings.cbegin(), [](const Drawing& a, const Drawing& b) {
                                     return a.path == b.path && a.saved == b.saved;
                                 });
    shown_ = std::move(found);
    tell(shown_.problems);
    if (same)
        return;
    drawingList->clear();
    const QLocale locale(toolkit::languageInUse());
    for (qsizetype i = 0; i < shown_.drawings.size(); ++i) {
        auto* item = new QListWidgetItem(
            locale.toString(shown_.drawings[i].saved, QLocale::ShortFormat), drawingList);
        if (!shown_.thumbnails[i].isNull())
            item->setIcon(QIcon(QPixmap::fromImage(shown_.thumbnails[i])));
        item->setToolTip(plainToolTip(shown_.drawings[i].fileName));
    }
    enableActions();
}

QStringList ClassWindow::shownDrawings() const
{
    QStringList names;
    for (const Drawing& drawing : shown_.drawings)
        names << drawing.fileName;
    return names;
}

QString ClassWindow::periodText() const
{
    const QDate from = periodStart(period_, platform_.now().date());
    if (!from.isValid())
        return tr("Todos sus dibujos");
    return tr("Desde el %1")
        .arg(QLocale(toolkit::languageInUse()).toString(from, QLocale::LongFormat));
}

void ClassWindow::openDrawing(int index)
{
    if (job_.busy() || index < 0 || index >= shown_.drawings.size())
        return;
    const Drawing& drawing = shown_.drawings[index];
    const QString caption = childTitle->text() + QStringLiteral(" · ") + captionOf(drawing);
    startJob(tr("Abriendo el dibujo…"),
             [this, &lister = lister_, folder = QFileInfo(drawing.path).path(), path = drawing.path,
              caption](const std::atomic_bool&) -> Job::Done {
                 if (!lister.list({folder}).first())
                     return [this] {
                         platform_.messageBox(tr("El servidor de los dibujos no responde."),
                                              toolkit::vbOKOnly);
                     };
                 QString problem;
                 QImage image = loadDrawing(path, &problem);
                 return [this, image, problem, caption] {
                     if (image.isNull()) {
                         platform_.messageBox(problem.isEmpty() ? tr("No se puede abrir el dibujo.")
                                                                : problem,
                                              toolkit::vbOKOnly);
                         return;
                     }
                     DrawingView view(platform_, image, caption, this);
                     platform_.execDialog(view);
                 };
             });
}

void ClassWindow::printDrawings()
{
    if (job_.busy() || shown_.drawings.isEmpty() || !chosen())
        return;
    const QString path = platform_.saveFileName(
        tr("Imprimir los dibujos"), tr("Documento PDF (*.pdf)"),
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(QStringLiteral("%1.pdf").arg(fileNameOf(*chosen()))));
    if (path.isEmpty())
        return;
    // The drawings are read again as the pages are made: a server that
    // does not answer is told, and the booklet left unwritten.
    startJob(tr("Preparando los dibujos de %1 para imprimir…").arg(childTitle->text()),
             [this, &lister = lister_, folders = foldersOf(shown_.drawings), path,
              name = childTitle->text(), period = periodText(),
              drawings = shown_.drawings](const std::atomic_bool& stop) -> Job::Done {
                 const auto listed = lister.list(folders);
                 if (std::any_of(listed.cbegin(), listed.cend(),
                                 [](const auto& folder) { return !folder; }))
                     return [this] {
                         platform_.messageBox(tr("El servidor de los dibujos no responde."),
                                              toolkit::vbOKOnly);
                     };
                 QStringList problems;
                 const bool written =
                     writeBookletPdf(path, name, period, drawings, &problems, &stop);
                 return [this, path, written, problems] {
                     if (!written)
                         platform_.messageBox(tr("No se ha podido escribir %1.").arg(path),
                                              toolkit::vbOKOnly);
                     tell(problems);
                 };
             });
}

} // namespace classview
