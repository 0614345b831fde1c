// Records one finished activity and saves its drawing the way the player
// does, into the folders lunipo.conf gives this account;
// packaging/check-progress-rights.sh runs it as each child to see who may
// read what.
//   recordprobe THEME STARTED(ISO) SECONDS WRONGDOTS HINTS
// Prints the record's file, then the drawing's; 1 when either could not be
// written, 2 when misused.

#include "childrecord.h"
#include "labsettings.h"
#include "picturefiles.h"
#include "writablefolder.h"

#include <QGuiApplication>
#include <QImage>
#include <QSysInfo>
#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const auto& lab = toolkit::LabSettings::current();
    const QString folder = lab.progressFolder;
    if (args.size() != 6 || folder.isEmpty() || lab.drawingsFolder.isEmpty())
        return 2; // no lunipo.conf with progreso=, or not the arguments above
    const QDateTime started = QDateTime::fromString(args[2], Qt::ISODate);
    toolkit::ChildRecordWriter record(folder, QSysInfo::machineHostName(), started);
    record.started(args[1], 1, QStringLiteral("1"), started, lab.reach.summary());
    for (int i = args[4].toInt(); i > 0; --i)
        record.wrongDot();
    for (int i = args[5].toInt(); i > 0; --i)
        record.hintShown();
    record.finished(started.addSecs(args[3].toInt()));
    QImage drawing(64, 48, QImage::Format_RGB32);
    drawing.fill(Qt::yellow);
    const QString saved = toolkit::writeNewBitmap(
        drawing, toolkit::drawingsFolder(app.applicationDirPath(), lab.drawingsFolder),
        QStringLiteral("dibujo"));
    record.saved(saved);
    if (!record.flush() || !saved.startsWith(lab.drawingsFolder))
        return 1;
    std::printf("%s\n%s\n", qPrintable(record.file()), qPrintable(saved));
    return 0;
}
