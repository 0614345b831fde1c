#pragma once

#include "activityformat.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QPair>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <optional>

class QPagedPaintDevice;
class QPainter;

namespace toolkit {
class Platform;
}

// Paper worksheets: an activity drawn as a join-the-dots sheet for the table,
// one A4 page per activity, without segments and without any window.
namespace worksheet {

// One record of an activity. Positions are twips for an 800 x 600 screen, as
// the file holds them; colour is red + 256 x green + 65536 x blue. An empty
// label is a closing record (or an unlabelled dot): a disc without a number.
struct WorksheetDot
{
    QString label;
    double x = 0;
    double y = 0;
    int colour = 0;
};

struct Worksheet
{
    QVector<WorksheetDot> dots; // in joining order, at most 151
    bool circles = false;       // a circle round every dot
    double dotSize = 0;         // the hit tolerance in twips (header line 4)
    double fontSize = 0;        // the label size in points (header line 5)
    QString footer;             // small print at the foot of the page
    // The activity's drawing, read for a screen of `pictureScreen` pixels
    // (the dots' 800 x 600 screen, unless a thumbnail asks for less). Null
    // for an activity without one.
    QImage picture;
    QSize pictureScreen{800, 600};
};

// Where a sheet's drawing lies, in the dots' twips (12000 x 9000 for the
// whole 800 x 600 screen).
inline QRectF pictureArea(const Worksheet& sheet)
{
    return QRectF(0, 0, sheet.picture.width() * 12000.0 / sheet.pictureScreen.width(),
                  sheet.picture.height() * 9000.0 / sheet.pictureScreen.height());
}

// The most records an activity holds; later lines are not read, as in the player.
constexpr int MaxDots = toolkit::activity::MaxDots;

// The sheet from the lines of an activity file: five header lines, then dot
// lines, read by the player's rules (empty lines skipped, comma-ended fields,
// leading numbers, missing fields zero). Fewer than five lines give a sheet
// without dots. The footer is left empty.
Worksheet worksheetFromLines(const QStringList& lines);

// The sheet of an activity file, with "<theme> · actividad <n>" as footer
// (the folder's name and the file's number) and its drawing read for a
// screen of `pictureScreen` pixels (none for an empty size); nullopt when
// the file cannot be read or is shorter than its header.
std::optional<Worksheet> readWorksheet(const QString& activityPath,
                                       QSize pictureScreen = {800, 600});

// The activities a path names: the file itself, or for a theme folder the
// files 1.txt, 2.txt... (names matched ignoring case) up to the first missing
// number. Empty when there is no such file or folder, or no activity in it.
QStringList activityFiles(const QString& path);

// A4 paper in twips (1440 per inch), portrait.
constexpr double A4WidthTwips = 210.0 / 25.4 * 1440;
constexpr double A4HeightTwips = 297.0 / 25.4 * 1440;

// Whether the sheet suits landscape paper: its figure is wider than tall.
bool isLandscape(const Worksheet& sheet);

// Where everything of a sheet goes on a page, in the page's units (twips).
struct WorksheetLayout
{
    QRectF page;
    QRectF figure;            // the rectangle the dot centres were fitted into
    double scale = 0;         // page twips per activity twip, the same both ways
    QVector<QPointF> centres; // one per dot
    double discRadius = 0;
    double circleRadius = 0; // 0 without circles
    QVector<QRectF> labels;  // one per dot; empty for a dot without a printed label
    QVector<QColor> inks;    // one per dot: the colour printed for it
    QFont labelFont;         // pixel size in twips
    QRectF footer;
    QRectF content; // the page inside its margins
    QRectF picture; // the sheet's drawing, scaled as its dots
};

// Places a sheet on `page` (twips): the figure scaled to fill the area inside
// a wide margin, keeping its proportions, each label beside its dot where it
// overlaps no dot and no other label.
WorksheetLayout layoutWorksheet(const QRectF& page, const Worksheet& sheet);

// Paints one sheet. `page` is the paper in the painter's coordinates, which
// must be twips (1440 per inch).
void paintWorksheet(QPainter& painter, const QRectF& page, const Worksheet& sheet);

// The segments a child has drawn once the figure is finished, as pairs of
// record indexes, joined as the player joins them: never from a closing
// record, and to the last record only when it closes a figure (a labelled
// last record is never clicked).
QVector<QPair<int, int>> finishedSegments(const Worksheet& sheet);

// Paints the finished figure, its dots and joining lines as the child sees
// them at the end, fitted into `area` keeping its proportions, on white.
// Labels are left out: this is for thumbnails, where they could not be read.
// Safe on a worker thread painting a QImage.
void paintFigure(QPainter& painter, const QRectF& area, const Worksheet& sheet);

// The drawing of sheet `n`, for sheets read without theirs: read when its
// page is painted and let go after, so a booklet holds one at a time.
using PictureOf = std::function<QImage(qsizetype n)>;

// Paints the sheets on a printer or PDF device, one page each, turning the
// paper to suit each figure and keeping the device's paper size. The device
// must not be painted on yet. False when painting could not start.
bool paintWorksheets(QPagedPaintDevice& device, const QList<Worksheet>& sheets,
                     const PictureOf& pictureOf = {});

// Ctrl+P of the player and the editor: the print dialog titled "Imprimir
// ficha" for one sheet. False when the user cancelled or printing failed.
bool printWithDialog(toolkit::Platform& platform, const Worksheet& sheet);

// Writes the sheets to a PDF file on A4 paper, one page each. False when the
// file cannot be written or there is no sheet.
bool printWorksheets(const QList<Worksheet>& sheets, const QString& pdfPath,
                     const PictureOf& pictureOf = {});

// The batch command: writes the worksheets of an activity file or a theme
// folder to a PDF file. Returns an empty text on success, else the message
// for the user, in Spanish.
QString writeBooklet(const QString& activityOrTheme, const QString& pdfPath);

} // namespace worksheet
