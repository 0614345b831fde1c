#include "activityformat.h"

#include "textfiles.h"
#include "twips.h"

#include <algorithm>
#include <cmath>

namespace toolkit::activity {

std::optional<QStringList> readHeader(TextFileReader& file)
{
    QStringList header;
    for (int n = 0; n < HeaderLines; ++n)
        if (const auto line = file.readLine())
            header << *line;
    if (header.size() < HeaderLines)
        return std::nullopt;
    return header;
}

bool circlesWanted(const QString& line)
{
    return line.compare(QLatin1String("SI"), Qt::CaseInsensitive) == 0;
}

int hitRadius(const QString& line)
{
    return static_cast<int>(
        std::clamp(roundHalfEven(leadingNumber(line)), 0.0, static_cast<double>(MaxHitRadius)));
}

double fontSize(const QString& line)
{
    return std::clamp(leadingNumber(line), MinFontSize, MaxFontSize);
}

QStringList commaEndedFields(const QString& line)
{
    QStringList fields = line.split(QLatin1Char(','));
    fields.removeLast();
    return fields;
}

QString label(const QString& field)
{
    return field.left(MaxLabelLength);
}

double coordinate(const QString& field, double factor)
{
    return std::clamp(std::floor(leadingNumber(field) * factor), -MaxCoordinate, MaxCoordinate);
}

int colourComponent(const QString& field)
{
    return static_cast<int>(std::clamp(roundHalfEven(leadingNumber(field)), 0.0, 255.0));
}

void readDot(const QString& line, Dot& dot, double factorX, double factorY)
{
    const QStringList fields = commaEndedFields(line);
    const qsizetype count = fields.size();
    if (count > 0)
        dot.label = label(fields[0]);
    if (count > 1)
        dot.x = coordinate(fields[1], factorX);
    if (count > 2)
        dot.y = coordinate(fields[2], factorY);
    if (count > 3)
        dot.red = colourComponent(fields[3]);
    if (count > 4)
        dot.green = colourComponent(fields[4]);
    if (count > 5)
        dot.blue = colourComponent(fields[5]);
}

} // namespace toolkit::activity
