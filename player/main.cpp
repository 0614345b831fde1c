#include "anybutton.h"
#include "labsettings.h"
#include "language.h"
#include "largeblocks.h"
#include "playerwindow.h"
#include "program.h"
#include "programversion.h"
#include "qtplatform.h"
#include "singleactivity.h"
#include "titlewindow.h"
#include "worksheet.h"

#include <QApplication>
#include <cstdio>
#include <cstring>

namespace {

// lunipo --ficha <theme folder or activity file> <output.pdf>: writes the
// worksheets without a window, so it also runs where there is no display.
int writeWorksheets(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    toolkit::useLanguage(app, toolkit::sessionLanguage());
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4) {
        std::fprintf(
            stderr, "%s\n",
            qPrintable(QCoreApplication::translate(
                "main", "Uso: lunipo --ficha <carpeta de tema o actividad> <fichero.pdf>")));
        return 2;
    }
    const QString message = worksheet::writeBooklet(arguments[2], arguments[3]);
    if (!message.isEmpty()) {
        std::fprintf(stderr, "lunipo: %s\n", qPrintable(message));
        return 1;
    }
    return 0;
}

} // namespace

// lunipo: the start window, then the themes. lunipo --actividad <file>: the
// main window straight on that one activity, as the editor's "Probar" asks.
int main(int argc, char* argv[])
{
    toolkit::giveLargeBlocksBack();
    if (toolkit::printedVersion(argc, argv, "lunipo"))
        return 0;
    if (argc > 1 && std::strcmp(argv[1], "--ficha") == 0)
        return writeWorksheets(argc, argv);
    const bool single = argc > 1 && std::strcmp(argv[1], "--actividad") == 0;
    if (single && argc != 3) {
        QCoreApplication words(argc, argv); // said without a display
        toolkit::useLanguage(words, toolkit::sessionLanguage());
        std::fprintf(stderr, "%s\n",
                     qPrintable(QCoreApplication::translate(
                         "main", "Uso: lunipo --actividad <fichero de actividad>")));
        return 2;
    }

    QApplication app(argc, argv);
    toolkit::useLanguage(app, toolkit::sessionLanguage());
    toolkit::QtPlatform platform(QStringLiteral("lunipo"));
    player::AnyButtonIsLeft anyButton;
    if (toolkit::LabSettings::current().reach.anyButton)
        app.installEventFilter(&anyButton);

    if (single) {
        if (!player::openSingleActivity(platform, QCoreApplication::arguments().at(2)))
            return 1;
    } else {
        auto* start = new player::TitleWindow(platform);
        start->setAttribute(Qt::WA_DeleteOnClose);
        start->Show();
    }
    const int result = app.exec();
    delete player::mainWindow;
    return result;
}
