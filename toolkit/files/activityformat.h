#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// How an activity file is read, the same for the player's canvas and for a
// paper worksheet: five header lines, then up to MaxDots dot lines of
// comma-ended fields (label, x, y, red, green, blue). Numbers are read by the
// leading-number rule and tamed to limits that keep a damaged file from
// overflowing arithmetic or stalling a drawing.
namespace toolkit {
class TextFileReader;
}

namespace toolkit::activity {

constexpr int HeaderLines = 5;
constexpr int MaxDots = 151;

// What a reader takes from a file at most. An activity the editor writes has
// at most 151 short lines, some 10 KB; a label is a dot's number. Whatever
// lies past these limits is never used, and reading or printing it could
// keep the child waiting for seconds.
constexpr qint64 MaxFileBytes = 1024 * 1024;
constexpr qsizetype MaxLineLength = 1024;
constexpr qsizetype MaxLabelLength = 20;

// The editor writes dot sizes of 150 to 250 twips and labels of a few
// points; a hit zone of 3000 twips is a quarter of the screen, and up to 48
// points (64 pixels) the glyphs of a label are drawn from a cache rather
// than as outlines. A font of a billion points would take minutes.
constexpr double MaxCoordinate = 1e9;
constexpr int MaxHitRadius = 3000;
constexpr double MinFontSize = 1;
constexpr double MaxFontSize = 48;

// Header line 3: "SI" in any case draws a circle round every dot.
// The five header lines, read from the start of `file`; nullopt when the
// file is missing or too short to be an activity.
std::optional<QStringList> readHeader(TextFileReader& file);

bool circlesWanted(const QString& line);
// Header line 4: how near a click must be, whole twips.
int hitRadius(const QString& line);
// Header line 5: the labels' size in points.
double fontSize(const QString& line);

// The fields of a dot line: each one ends at a comma, so text after the last
// comma is no field.
QStringList commaEndedFields(const QString& line);
// The label field, cut to MaxLabelLength.
QString label(const QString& field);
// A position field times a screen factor, rounded down to whole twips.
double coordinate(const QString& field, double factor = 1.0);
// A colour field, rounded (halves to even) into 0..255.
int colourComponent(const QString& field);

// One dot of an activity.
struct Dot
{
    QString label; // empty: the line closes the figure
    double x = 0;  // twips, times the screen factors the line was read with
    double y = 0;
    int red = 0, green = 0, blue = 0;
};

// Reads a dot line into `dot`, the one rule of every reader: each
// comma-ended field the line has replaces its value, and a field it lacks
// keeps what `dot` held. The player reads into its table of dots, so a
// missing field keeps what the entry held from an earlier activity; a file
// read alone (the editor, a worksheet, a thumbnail) reads into fresh dots,
// as the player's table is before its first activity: 0, or no label.
void readDot(const QString& line, Dot& dot, double factorX = 1.0, double factorY = 1.0);

} // namespace toolkit::activity
