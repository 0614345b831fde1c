// The tool buttons under the canvas, saving the drawing, and the exit button.

#include "playerwindow.h"
#include "writablefolder.h"

#include "picturefiles.h"

#include <QFileInfo>

namespace player {

namespace {

// day-month-year-hour-minute-second, no leading zeros.
QString drawingName(const QDateTime& when)
{
    const QDate d = when.date();
    const QTime t = when.time();
    return QStringLiteral("%1-%2-%3-%4-%5-%6")
        .arg(d.day())
        .arg(d.month())
        .arg(d.year())
        .arg(t.hour())
        .arg(t.minute())
        .arg(t.second());
}

} // namespace

void PlayerWindow::chooseTool(Tool tool)
{
    playSound(QStringLiteral("herramientas.wav"));
    restartHint();
    currentTool = tool;
    switch (tool) {
    case Tool::Undo:
        undo();
        break;
    case Tool::EarlierDrawings:
        showEarlierDrawing();
        break;
    case Tool::Copy:
        platform_.setClipboardImage(canvas->Image());
        break;
    case Tool::Save:
        saveDrawing();
        break;
    case Tool::OpenFolder:
        platform_.openFolder(drawingsFolder());
        break;
    default:
        break; // fill, line and pen act through the canvas's mouse handlers
    }
}

void PlayerWindow::askToLeave()
{
    restartHint();
    if (platform_.messageBox(uiText[10], toolkit::vbYesNo) == toolkit::vbYes)
        platform_.endProgram();
}

void PlayerWindow::undo()
{
    // A slot never written takes the canvas back to the activity's start,
    // its picture included.
    const QImage earlier = undoRing_.stepBack();
    canvas->setPicture(earlier.isNull() ? activityPicture : earlier);
}

void PlayerWindow::showEarlierDrawing()
{
    // The drawing on the canvas is kept first, so the child can come back to it.
    if (!gallery_.primed())
        gallery_.keepShown(canvas->Image());
    canvas->setPicture(gallery_.stepBack());
}

void PlayerWindow::saveDrawing()
{
    // One reading of the clock, so a save at midnight never mixes two days.
    const QString name = drawingName(platform_.now());

    canvas->setPicture(canvas->Image());
    canvas->AutoRedraw = true;
    // Never over another drawing: a second save in the same second, or one
    // from another computer of the lab, gets "-2", "-3"...
    const QString written = toolkit::writeNewBitmap(canvas->Image(), drawingsFolder(), name);
    const bool saved = !written.isEmpty();
    if (saved && record_)
        record_->saved(QFileInfo(written).fileName());
    // Back to the resting state, or the rubber line that follows the pointer
    // would be drawn into the picture.
    canvas->AutoRedraw = false;

    if (!saved)
        platform_.messageBox(tr("No se ha podido guardar el dibujo."), toolkit::vbOKOnly);
}

// A chosen child's folder lies inside the account's, made by the account.
QString PlayerWindow::drawingsFolder() const
{
    const QString account = toolkit::drawingsFolder(appFolder(), lab.drawingsFolder);
    if (childKey_.isEmpty())
        return account;
    return toolkit::drawingsFolder(appFolder(), account + QLatin1Char('/') + childKey_);
}

} // namespace player
