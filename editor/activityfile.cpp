#include "activityfile.h"

namespace editor {

QString printedNumber(double value)
{
    const QString digits = QString::number(value, 'g', 15);
    return (value < 0 ? QString() : QStringLiteral(" ")) + digits + QLatin1Char(' ');
}

QByteArray activityText(const ActivityHeader& header, const QStringList& entries)
{
    QStringList lines = {printedNumber(header.canvasWidth), printedNumber(header.canvasHeight),
                         header.circles ? QStringLiteral("SI") : QStringLiteral("NO"),
                         printedNumber(header.dotSize), printedNumber(header.fontSize)};
    lines += entries;
    QByteArray text;
    for (const QString& line : lines)
        text += line.toLatin1() + "\r\n";
    return text;
}

QString dotEntry(const QString& label, int x, int y, int red, int green, int blue)
{
    return QStringLiteral("%1,%2,%3,%4,%5,%6,")
        .arg(label)
        .arg(x)
        .arg(y)
        .arg(red)
        .arg(green)
        .arg(blue);
}

} // namespace editor
