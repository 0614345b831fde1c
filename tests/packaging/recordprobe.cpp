// Records one finished activity the way the player does, into the folder
// lunipo.conf gives this account; packaging/check-progress-rights.sh runs it
// as each child to see who may read what.
//   recordprobe THEME STARTED(ISO) SECONDS WRONGDOTS HINTS
// Prints the file written; 1 when nothing could be written, 2 when misused.

#include "childrecord.h"
#include "labsettings.h"

#include <QCoreApplication>
#include <QSysInfo>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString folder = toolkit::LabSettings::current().progressFolder;
    if (args.size() != 6 || folder.isEmpty())
        return 2; // no lunipo.conf with progreso=, or not the arguments above
    const QDateTime started = QDateTime::fromString(args[2], Qt::ISODate);
    toolkit::ChildRecordWriter record(folder, QSysInfo::machineHostName(), started);
    record.started(args[1], 1, QStringLiteral("1"), started);
    for (int i = args[4].toInt(); i > 0; --i)
        record.wrongDot();
    for (int i = args[5].toInt(); i > 0; --i)
        record.hintShown();
    record.finished(started.addSecs(args[3].toInt()));
    if (!record.flush())
        return 1;
    std::printf("%s\n", qPrintable(record.file()));
    return 0;
}
