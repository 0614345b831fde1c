#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace editor {

// What a new page starts with, by hand or from a picture: the dot size and
// label size, and how many entries its dot list takes.
inline constexpr int DefaultDotSize = 250; // twips
inline constexpr int DefaultFontPoints = 18;
inline constexpr int MaxDotEntries = 151;

// What the header of an activity file holds, as the editor writes it.
struct ActivityHeader
{
    int canvasWidth = 0;                 // twips
    int canvasHeight = 0;                // twips
    bool circles = false;                // "SI": the player draws a circle round every dot
    int dotSize = DefaultDotSize;        // how near a click must be, twips
    double fontSize = DefaultFontPoints; // label size, points
};

// A number as the classic print-to-file statement writes it: a blank (or the
// minus sign), the digits, a blank. " 250 ", "-3 ", " 9.75 ".
QString printedNumber(double value);

// The whole activity file: five header lines, then the dot list's entries
// as they stand, every line ended by CR LF. The player reads it back.
QByteArray activityText(const ActivityHeader& header, const QStringList& entries);

// One entry of the dot list: label, x, y, red, green, blue, each followed by
// a comma. A closing entry has an empty label.
QString dotEntry(const QString& label, int x, int y, int red, int green, int blue);

} // namespace editor
