// Reading activities for worksheets by the same rules the player reads them.

#include "worksheet.h"

#include "activityfiles.h"
#include "activityformat.h"
#include "activitypicture.h"
#include "colour.h"
#include "textfiles.h"
#include "twips.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace worksheet {

namespace {

namespace activity = toolkit::activity;

WorksheetDot dotFromLine(const QString& line)
{
    activity::Dot read; // fresh, as the player's table before its first activity
    activity::readDot(line, read);
    WorksheetDot dot;
    dot.label = read.label;
    dot.x = read.x;
    dot.y = read.y;
    dot.colour = toolkit::RGB(read.red, read.green, read.blue);
    return dot;
}

} // namespace

Worksheet worksheetFromLines(const QStringList& lines)
{
    Worksheet sheet;
    if (lines.size() < activity::HeaderLines)
        return sheet;
    sheet.circles = activity::circlesWanted(lines[2]);
    sheet.dotSize = activity::hitRadius(lines[3]);
    sheet.fontSize = activity::fontSize(lines[4]);
    for (qsizetype n = activity::HeaderLines; n < lines.size() && sheet.dots.size() < MaxDots;
         ++n) {
        if (!lines[n].isEmpty())
            sheet.dots.append(dotFromLine(lines[n]));
    }
    return sheet;
}

std::optional<Worksheet> readWorksheet(const QString& activityPath, QSize pictureScreen)
{
    // As the player reads it: never more of the file than a sheet can use.
    toolkit::TextFileReader file(activityPath, activity::MaxFileBytes, activity::MaxLineLength,
                                 toolkit::Links::Refuse);
    const auto header = activity::readHeader(file);
    if (!header)
        return std::nullopt;
    QStringList lines = *header;
    while (lines.size() < activity::HeaderLines + MaxDots)
        if (const auto line = file.readNonEmptyLine())
            lines << *line;
        else
            break;
    Worksheet sheet = worksheetFromLines(lines);
    const QFileInfo where(activityPath);
    sheet.footer = QCoreApplication::translate("worksheet", "%1 · actividad %2")
                       .arg(where.absoluteDir().dirName(), where.completeBaseName());
    if (!pictureScreen.isEmpty()) {
        sheet.pictureScreen = pictureScreen;
        sheet.picture = toolkit::readActivityPicture(activityPath, pictureScreen).image;
    }
    return sheet;
}

QStringList activityFiles(const QString& path)
{
    const QFileInfo info(path);
    if (info.isFile())
        return {path};
    return info.isDir() ? toolkit::playableActivities(path) : QStringList();
}

} // namespace worksheet
