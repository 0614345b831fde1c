// Reading activities for worksheets by the same rules the player reads them.

#include "worksheet.h"

#include "activityfiles.h"
#include "activityformat.h"
#include "colour.h"
#include "textfiles.h"
#include "twips.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace worksheet {

namespace {

namespace activity = toolkit::activity;

// A field that is missing keeps the value of a fresh record: zero, or no label.
WorksheetDot dotFromLine(const QString& line)
{
    const QStringList fields = activity::commaEndedFields(line);
    const auto field = [&fields](int n) { return n < fields.size() ? fields[n] : QString(); };
    WorksheetDot dot;
    dot.label = activity::label(field(0));
    dot.x = activity::coordinate(field(1));
    dot.y = activity::coordinate(field(2));
    dot.colour =
        toolkit::RGB(activity::colourComponent(field(3)), activity::colourComponent(field(4)),
                     activity::colourComponent(field(5)));
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

std::optional<Worksheet> readWorksheet(const QString& activityPath)
{
    // As the player reads it: never more of the file than a sheet can use.
    toolkit::TextFileReader file(activityPath, activity::MaxFileBytes, activity::MaxLineLength);
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
    sheet.footer = QStringLiteral("%1 · actividad %2")
                       .arg(where.absoluteDir().dirName(), where.completeBaseName());
    return sheet;
}

QStringList activityFiles(const QString& path)
{
    const QFileInfo info(path);
    if (info.isFile())
        return {path};
    QStringList files;
    if (!info.isDir())
        return files;
    for (const toolkit::ActivityFile& file : toolkit::activityFiles(path))
        if (!file.damaged)
            files << file.path;
    return files;
}

} // namespace worksheet
