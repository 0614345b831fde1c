// Opens the teacher's window on the class the lab's lunipo.conf names,
// without a display, and tells what it shows;
// packaging/check-progress-rights.sh runs it as a teacher once the children
// have planted in their folders whatever a child could.
//   classprobe
// Prints "opened MILLISECONDS PEAK_KILOBYTES", a line "child LOGIN" per
// row of the class table, each followed by "drawing LOGIN FILE" per drawing
// of that child that reads as a picture; 2 when lunipo.conf names no records.

#include "classwindow.h"
#include "drawingshelf.h"
#include "folderlister.h"
#include "labsettings.h"
#include "qtplatform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <sys/resource.h>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const auto& lab = toolkit::LabSettings::current();
    if (lab.progressPattern.isEmpty())
        return 2;
    toolkit::QtPlatform platform(QStringLiteral("classprobe"));
    QElapsedTimer clock;
    clock.start();
    // The lab's themes as lunipoclase finds them beside itself.
    classview::ClassWindow::Places places{lab.progressPattern, lab.drawingsPattern};
    places.themes = {QCoreApplication::applicationDirPath(), lab.themeFolders};
    classview::ClassWindow window(platform, places, toolkit::FolderLister::shared());
    window.settle();
    const qint64 opened = clock.elapsed();
    struct rusage usage = {};
    ::getrusage(RUSAGE_SELF, &usage);
    std::printf("opened %lld %ld\n", static_cast<long long>(opened), usage.ru_maxrss);

    const classview::DrawingShelf shelf(lab.drawingsPattern);
    const classview::ClassTable& table = window.table();
    for (int row = 0; row < table.rowCount(); ++row) {
        const QString login = table.child(row).login;
        std::printf("child %s\n", qPrintable(login));
        for (const auto& drawing :
             shelf.drawings(toolkit::FolderLister::shared(), login, {}, nullptr))
            if (!classview::loadDrawing(drawing.path, nullptr).isNull())
                std::printf("drawing %s %s\n", qPrintable(login), qPrintable(drawing.fileName));
    }
    return 0;
}
