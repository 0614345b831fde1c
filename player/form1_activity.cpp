// Reading an activity file and drawing its dots on the canvas.

#include "form1.h"

#include "colour.h"
#include "program.h"
#include "textfiles.h"
#include "twips.h"

#include <algorithm>
#include <cmath>

namespace player {

namespace {

constexpr int HeaderLines = 5;

// What a reader takes from a file at most. An activity the editor writes has
// at most 151 short lines, some 10 KB; a label is a dot's number. Whatever
// lies past these limits is never used, and reading or printing it could
// keep the child waiting for seconds.
constexpr qint64 MaxActivityBytes = 1024 * 1024;
constexpr qsizetype MaxLineLength = 1024;
constexpr qsizetype MaxLabelLength = 20;

// Limits that keep a damaged file from overflowing the game's arithmetic or
// stalling the drawing: a font of a billion points would take minutes, and
// 151 circles wider than the screen take a second. The editor writes dot
// sizes of 150 to 250 twips and labels of a few points; a hit zone of 3000
// twips is a quarter of the screen, and up to 48 points (64 pixels) the
// glyphs of a label are drawn from a cache rather than as outlines.
constexpr double MaxCoordinate = 1e9;
constexpr int MaxHitRadius = 3000;
constexpr double MinFontSize = 1;
constexpr double MaxFontSize = 48;

// The fields of a dot line: each one ends at a comma, so text after the last
// comma is no field. Fields that are missing keep their earlier values.
QStringList commaEndedFields(const QString& line)
{
    QStringList fields = line.split(QLatin1Char(','));
    fields.removeLast();
    return fields;
}

double colourComponent(const QString& field)
{
    return std::clamp(toolkit::roundHalfEven(toolkit::leadingNumber(field)), 0.0, 255.0);
}

double scaled(const QString& field, double factor)
{
    const double value = std::floor(toolkit::leadingNumber(field) * factor);
    return std::clamp(value, -MaxCoordinate, MaxCoordinate);
}

} // namespace

void Form1::readActivity()
{
    toolkit::TextFileReader file(activityFile, MaxActivityBytes, MaxLineLength);
    QStringList header;
    for (int n = 0; n < HeaderLines; ++n) {
        if (const auto line = file.readLine())
            header << *line;
    }
    // A file that is missing or too short leaves the canvas empty; the game
    // then has no dot to wait for.
    if (header.size() < HeaderLines) {
        dotCount = 0;
        return;
    }
    const bool circles = header[2].compare(QLatin1String("SI"), Qt::CaseInsensitive) == 0;
    hitRadius = static_cast<int>(std::clamp(
        toolkit::roundHalfEven(toolkit::leadingNumber(header[3])), 0.0, double(MaxHitRadius)));
    labelFontSize = std::clamp(toolkit::leadingNumber(header[4]), MinFontSize, MaxFontSize);

    Picture1->FontSize = labelFontSize;
    Picture1->FontName = QStringLiteral("Arial");
    int i = 0;
    labelAnchor = 0;
    Picture1->AutoRedraw = true;

    // Empty lines are skipped wherever they stand; the table holds MaxDots.
    while (i < MaxDots) {
        const auto line = file.readNonEmptyLine();
        if (!line)
            break;
        readDotLine(i, commaEndedFields(*line));
        drawDot(i, circles);
        ++i;
    }

    Picture1->AutoRedraw = false;
    dotCount = i;
}

void Form1::readDotLine(int i, const QStringList& fields)
{
    const auto at = static_cast<size_t>(i);
    const qsizetype count = fields.size();
    if (count > 0)
        dotLabel[at] = fields[0].left(MaxLabelLength);
    if (count > 1)
        dotX[at] = scaled(fields[1], static_cast<double>(scaleX));
    if (count > 2)
        dotY[at] = scaled(fields[2], scaleY);
    if (count > 3)
        dotRed[at] = colourComponent(fields[3]);
    if (count > 4)
        dotGreen[at] = colourComponent(fields[4]);
    if (count > 5)
        dotBlue[at] = colourComponent(fields[5]);
}

void Form1::drawDot(int i, bool circle)
{
    const auto at = static_cast<size_t>(i);
    const int colour = toolkit::RGB(static_cast<int>(dotRed[at]), static_cast<int>(dotGreen[at]),
                                    static_cast<int>(dotBlue[at]));
    if (circle)
        Picture1->Circle(dotX[at], dotY[at], hitRadius + 20, colour);

    const double w = Picture1->TextWidth(dotLabel[at]) / 2;
    const double h = Picture1->TextHeight(dotLabel[at]) / 2;
    Picture1->CurrentX = dotX[at] - w;
    Picture1->CurrentY = dotY[at] - h;
    Picture1->ForeColor = colour;

    // A dot on the same spot as the anchor (a figure back at its start) keeps
    // the label printed there once.
    const auto anchor = static_cast<size_t>(labelAnchor);
    if (i != 0 && dotX[at] == dotX[anchor] && dotY[at] == dotY[anchor])
        labelAnchor = i;
    else
        Picture1->Print(dotLabel[at]);
}

} // namespace player
