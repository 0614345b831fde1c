// Opening an activity file: its dots come back on the page shown as the dot
// tool draws them, to be moved, removed, added to and written again.

#include "editorwindow.h"

#include "activityfile.h"
#include "activitypicture.h"
#include "colour.h"

#include <QFileInfo>
#include <QPainter>

namespace editor {

bool EditorWindow::openActivity(const QString& path)
{
    if (const QString folder = QFileInfo(path).path(); !share().answers(folder)) {
        tell(toolkit::Share::notAnswering(folder));
        return false;
    }
    const std::optional<ReadActivity> read = readActivityFile(path);
    if (!read) {
        tell(tr("No se puede abrir la actividad %1: no existe, no se puede leer o "
                "le faltan las cinco líneas del principio.")
                 .arg(path));
        return false;
    }
    chooseTool(Tool::Dots);
    pushUndoSnapshot();
    rememberDotStep();
    openPictureOf(path);
    settings_.setDotSize(read->dotSize);
    canvas->FontSize = read->fontSize;
    page().FontSize = read->fontSize;
    dotSizeButtons(DotButton::Circles).setCaption(read->circles ? QStringLiteral("O") : QString());
    dots_ = dotsOfRecords(read->records, settings_.dotSize(), read->fontSize);
    openedActivity_ = path;
    dotListChanged();
    next_.number = numberAfterTheList();
    next_.newFigure = false;
    next_.follow(dots_); // an open last figure goes on with the next dot
    showCanvas();
    workChanged();
    if (!read->leftOut.isEmpty())
        tell(tr("La actividad se ha abierto tal como la lee el juego, pero: %1")
                 .arg(read->leftOut.join(QLatin1Char(' '))));
    return true;
}

// The drawing an activity shows the child comes back into the page, under
// its dots, scaled as they are.
void EditorWindow::openPictureOf(const QString& path)
{
    const QSize screen(platform_.screenWidthTwips() / platform_.twipsPerPixelX(),
                       platform_.screenHeightTwips() / platform_.twipsPerPixelY());
    const QImage picture = toolkit::readActivityPicture(path, screen).image;
    showDrawingCheck->setChecked(!picture.isNull());
    if (picture.isNull())
        return;
    QImage onPage(page().Image().size(), QImage::Format_RGB32);
    onPage.fill(Qt::white);
    QPainter(&onPage).drawImage(0, 0, picture);
    page().setPicture(onPage);
}

// The records keep the file's own numbers, so an activity written again on
// any screen holds what it held.
DotList EditorWindow::dotsOfRecords(const QVector<ReadActivity::Record>& records, int radius,
                                    double fontSize) const
{
    DotList list;
    list.reserve(size_t(records.size()));
    for (qsizetype k = 0; k < records.size(); ++k) {
        const ReadActivity::Record& r = records[k];
        list.push_back({r.label,
                        {canvasX(r.x), canvasY(r.y)},
                        toolkit::RGB(r.red, r.green, r.blue),
                        currentPage_,
                        radius,
                        fontSize,
                        k == 0 || records[k - 1].label.isEmpty(),
                        dotEntry(r.label, int(r.x), int(r.y), r.red, r.green, r.blue)});
    }
    return list;
}

} // namespace editor
