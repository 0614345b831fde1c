#include "singleactivity.h"

#include "playerwindow.h"
#include "program.h"
#include "titlewindow.h"

#include <QDir>
#include <QFileInfo>

namespace player {

bool openSingleActivity(toolkit::Platform& platform, const QString& path)
{
    const QFileInfo file(path);
    if (!file.isFile()) {
        platform.messageBox(PlayerWindow::tr("No se encuentra la actividad %1.")
                                .arg(QDir::toNativeSeparators(file.absoluteFilePath())),
                            toolkit::vbOKOnly);
        return false;
    }
    // The start window is never shown, but its load measures the screen and
    // sets the scale the dots are placed with, as on every start.
    TitleWindow(platform).startUp();
    mainWindow = new PlayerWindow(platform);
    mainWindow->setAttribute(Qt::WA_DeleteOnClose);
    // The teacher tries an activity out: nobody is asked who plays.
    mainWindow->lab.whoPlays.clear();
    mainWindow->startUp();
    mainWindow->openActivityFile(file.absoluteFilePath());
    mainWindow->Show();
    return true;
}

} // namespace player
