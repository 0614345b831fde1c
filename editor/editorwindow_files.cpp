// The main palette's commands: pictures in and out, the activity file, undo,
// clearing a page, pasting and leaving.

#include "editorwindow.h"

#include "activityfile.h"
#include "activityfiles.h"
#include "activitypicture.h"
#include "newfile.h"
#include "picturefiles.h"
#include "textfiles.h"
#include "writablefolder.h"

#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QSaveFile>
#include <QUrl>

namespace editor {

namespace {

constexpr int LastActivityNumber = 32767; // the counter is a 16-bit integer

bool hasPictureExtension(const QString& path)
{
    const QString last3 = path.right(3).toUpper();
    return last3 == QLatin1String("JPG") || last3 == QLatin1String("GIF") ||
           last3 == QLatin1String("BMP");
}

// The kinds the web and clip-art collections offer, fitted into the page
// rather than laid at their own size as the three above are.
bool hasModernPictureExtension(const QString& path)
{
    for (const char* extension : {".png", ".jpeg", ".svg", ".webp"})
        if (path.endsWith(QLatin1String(extension), Qt::CaseInsensitive))
            return true;
    return false;
}

// Where the editor's own files go and its file dialogs start: beside it in
// the build tree or a user install, else the account's data folder, never
// a system folder such as /usr/bin that no one may write into.
QString workFolder(toolkit::Platform& platform)
{
    return toolkit::writableFolder(platform.appFolder(), QString());
}

} // namespace

void EditorWindow::tell(const QString& text)
{
    platform_.messageBox(text, toolkit::vbOKOnly);
}

// A cancelled dialog or a refused file changes nothing: the page keeps what
// was drawn on it. An activity file chosen here is opened as an activity.
void EditorWindow::openPicture()
{
    const QString path =
        platform_.openFileName(tr("Selecciona una imagen"),
                               tr("imágenes (*.bmp *.jpg *.jpeg *.gif *.png *.svg *.webp);;"
                                  "Actividades (*.txt);;Todos los ficheros (*.*)"),
                               workFolder(platform_));
    if (!path.isEmpty())
        openFile(path);
}

// A file chosen, pasted or dropped: an activity is opened as one, a picture
// goes into the page.
void EditorWindow::openFile(const QString& path)
{
    if (path.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive)) {
        openActivity(path);
        return;
    }
    if (hasModernPictureExtension(path)) {
        bringPicture(toolkit::readFittedPicture(path, page().Image().size()));
        return;
    }
    if (!hasPictureExtension(path)) {
        tell(tr("El fichero seleccionado no es un gráfico soportado"));
        return;
    }
    bringPicture(toolkit::readPicture(path));
}

// A picture replaces the page's drawing, one undo step; one that could not
// be read changes nothing.
void EditorWindow::bringPicture(const QImage& picture)
{
    if (picture.isNull()) {
        tell(tr("No se ha podido abrir la imagen."));
        return;
    }
    pushUndoSnapshot();
    page().setPicture(picture);
    showPage();
}

// A file dropped comes as the open button brings it; a picture dragged from
// another program is fitted into the page.
void EditorWindow::dropped(const QMimeData& data)
{
    const QList<QUrl> urls = data.urls();
    if (!urls.isEmpty() && urls.first().isLocalFile())
        openFile(urls.first().toLocalFile());
    else if (data.hasImage())
        bringPicture(
            toolkit::fittedPicture(qvariant_cast<QImage>(data.imageData()), page().Image().size()));
    else
        return;
    workChanged();
}

// The bitmap is the page as a whole picture: its drawing with its dots.
void EditorWindow::savePictureAs()
{
    showPage(); // without the grid
    const QString chosen = platform_.saveFileName(
        tr("Guardar como  "), tr("Archivo gráfico (*.bmp)"), workFolder(platform_));
    if (chosen.isEmpty())
        return;
    // The dialog asked about the name chosen; a name we complete may be
    // another file, so we ask about that one ourselves.
    QString name = chosen;
    if (!name.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive)) {
        name += QLatin1String(".bmp");
        if (QFile::exists(name) &&
            platform_.messageBox(tr("El fichero %1 ya existe. ¿Quieres reemplazarlo?")
                                     .arg(QDir::toNativeSeparators(name)),
                                 toolkit::vbYesNo) != toolkit::vbYes)
            return;
    }
    canvas->setPicture(canvas->Image());
    if (!toolkit::writeBitmap(canvas->Image(), name))
        tell(tr("No se ha podido guardar la imagen."));
    else
        workWritten();
}

// The activity goes into the work folder under the next free number.
// Nothing is lost when it cannot be written: the dot list stays for another
// try.
void EditorWindow::writeActivity()
{
    const QString folder = workFolder(platform_);
    const QByteArray contents = activityContents();
    // Each name tried skips the numbers taken in any case; the file is
    // created exclusively, so another editor saving here never loses its own.
    int number = lastActivityNumber;
    const auto nextFree = [&](int) {
        do
            ++number;
        while (number < LastActivityNumber &&
               !toolkit::activityFile(folder, number).path.isEmpty());
        return toolkit::activityName(std::min(number, LastActivityNumber));
    };
    const QString path = toolkit::createFirstFree(
        folder, nextFree, [&](QIODevice& file) { return file.write(contents) == contents.size(); },
        LastActivityNumber - lastActivityNumber);
    if (!path.isEmpty() && !toolkit::putActivityPicture(path, activityPicture())) {
        tell(tr("La actividad se ha guardado en %1, pero no su dibujo.")
                 .arg(QDir::toNativeSeparators(path)));
        lastActivityNumber = number;
    } else if (!path.isEmpty()) {
        lastActivityNumber = number;
        workWritten();
    } else if (number >= LastActivityNumber) {
        tell(tr("No quedan números libres para la actividad. "
                "Vuelve a abrir el editor."));
    } else {
        tell(tr("No se ha podido guardar la actividad en %1. "
                "Los puntos siguen en la lista: prueba otra vez.")
                 .arg(QDir::toNativeSeparators(folder)));
    }
}

QByteArray EditorWindow::activityContents() const
{
    QStringList entries;
    for (int i = 0; i < dotEntryCount; ++i)
        entries << dotListBox->List(i);
    const ActivityHeader header{canvas->Width(), canvas->Height(),
                                dotSizeButtons(DotButton::Circles).text() == QLatin1String("O"),
                                settings_.dotSize(), canvas->FontSize};
    return activityText(header, entries);
}

// Walks back through the page's own snapshots, newest first, the dot list
// with them. With none left the page stays as it is: an undo never blanks a
// page or comes round again to the newest.
bool EditorWindow::undoStep()
{
    const int p = currentPage_;
    if (undo_.depth(p) == 0)
        return false;
    sceneDots_ = {};
    pages(p).setPicture(undo_.takeBack(p));
    takeBackDotStep();
    showPage();
    prefetchNewestSnapshot();
    return true;
}

// The snapshot the next undo on this page shows comes back whole in the
// background while the adult looks at the page.
void EditorWindow::prefetchNewestSnapshot()
{
    undo_.prefetchNewest(currentPage_);
}

void EditorWindow::clearPage()
{
    pushUndoSnapshot();
    setPersistent(true);
    page().setPicture(QImage());
    setPersistent(false);
    showPage();
}

// The pasted picture goes into the page too, so that it stays through a
// page switch, a grid change, a save or an undo.
// A picture file copied in a file manager comes as the open button brings it.
void EditorWindow::paste()
{
    const QImage picture = platform_.clipboardImage();
    if (picture.isNull()) {
        if (const QString file = platform_.clipboardFile(); !file.isEmpty())
            openFile(file);
        return;
    }
    pushUndoSnapshot();
    page().setPicture(picture);
    showPage();
}

void EditorWindow::leave()
{
    if (platform_.messageBox(tr("Quieres salir del programa"), toolkit::vbYesNo) ==
        toolkit::vbYes) {
        keepWorkingStateNow();
        platform_.endProgram();
    }
}

} // namespace editor
