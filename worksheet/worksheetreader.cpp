// Reading activities for worksheets by the same rules the player reads them.

#include "worksheet.h"

#include "colour.h"
#include "textfiles.h"
#include "twips.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace worksheet {

namespace {

constexpr int HeaderLines = 5;

// The player's limits, so that a damaged file gives the same figure on paper
// as on screen.
constexpr double MaxCoordinate = 1e9;
constexpr double MaxHitRadius = 32767;
constexpr double MinFontSize = 1;
constexpr double MaxFontSize = 300;

// Each field ends at a comma, so text after the last comma is no field.
QStringList commaEndedFields(const QString& line)
{
    QStringList fields = line.split(QLatin1Char(','));
    fields.removeLast();
    return fields;
}

int colourComponent(const QString& field)
{
    return static_cast<int>(
        std::clamp(toolkit::roundHalfEven(toolkit::leadingNumber(field)), 0.0, 255.0));
}

double coordinate(const QString& field)
{
    return std::clamp(std::floor(toolkit::leadingNumber(field)), -MaxCoordinate, MaxCoordinate);
}

// A field that is missing keeps the value of a fresh record: zero, or no label.
WorksheetDot dotFromLine(const QString& line)
{
    const QStringList fields = commaEndedFields(line);
    const auto field = [&fields](int n) { return n < fields.size() ? fields[n] : QString(); };
    WorksheetDot dot;
    dot.label = field(0);
    dot.x = coordinate(field(1));
    dot.y = coordinate(field(2));
    dot.colour = toolkit::RGB(colourComponent(field(3)), colourComponent(field(4)),
                              colourComponent(field(5)));
    return dot;
}

} // namespace

Worksheet worksheetFromLines(const QStringList& lines)
{
    Worksheet sheet;
    if (lines.size() < HeaderLines)
        return sheet;
    sheet.circles = lines[2].compare(QLatin1String("SI"), Qt::CaseInsensitive) == 0;
    sheet.dotSize =
        std::clamp(toolkit::roundHalfEven(toolkit::leadingNumber(lines[3])), 0.0, MaxHitRadius);
    sheet.fontSize = std::clamp(toolkit::leadingNumber(lines[4]), MinFontSize, MaxFontSize);
    for (qsizetype n = HeaderLines; n < lines.size() && sheet.dots.size() < MaxDots; ++n) {
        if (!lines[n].isEmpty())
            sheet.dots.append(dotFromLine(lines[n]));
    }
    return sheet;
}

std::optional<Worksheet> readWorksheet(const QString& activityPath)
{
    const auto lines = toolkit::readTextLines(activityPath);
    if (!lines || lines->size() < HeaderLines)
        return std::nullopt;
    Worksheet sheet = worksheetFromLines(*lines);
    const QFileInfo file(activityPath);
    sheet.footer = QStringLiteral("%1 · actividad %2")
                       .arg(file.absoluteDir().dirName(), file.completeBaseName());
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
    for (int n = 1;; ++n) {
        const QString name = toolkit::findFileIgnoringCase(path, QStringLiteral("%1.txt").arg(n));
        if (name.isEmpty())
            return files;
        files << QDir(path).filePath(name);
    }
}

} // namespace worksheet
