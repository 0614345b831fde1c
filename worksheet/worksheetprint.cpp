// Painting worksheets on pages, printers and PDF files.

#include "worksheet.h"

#include "activitypicture.h"
#include "platform.h"

#include <QCoreApplication>
#include <QFile>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace worksheet {

namespace {

constexpr double TwipsPerPoint = 20;
constexpr double LineWidth = 17; // 0.3 mm
constexpr double FooterPoints = 9;
const QColor FooterInk(110, 110, 110);

void paintFooter(QPainter& painter, const WorksheetLayout& layout, const QString& footer)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(static_cast<int>(FooterPoints * TwipsPerPoint));
    painter.setFont(font);
    painter.setPen(FooterInk);
    painter.drawText(layout.footer, Qt::AlignCenter, footer);
}

bool drawnBefore(const WorksheetLayout& layout, int i)
{
    for (int j = 0; j < i; ++j) {
        if (layout.centres[j] == layout.centres[i])
            return true;
    }
    return false;
}

// A figure closed on its first dot has two records there; ink laid twice
// would print that dot darker than the others.
void paintDots(QPainter& painter, const WorksheetLayout& layout)
{
    for (int i = 0; i < layout.centres.size(); ++i) {
        if (drawnBefore(layout, i))
            continue;
        const QColor ink = layout.inks[i];
        if (layout.circleRadius > 0) {
            painter.setPen(QPen(ink, LineWidth));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(layout.centres[i], layout.circleRadius, layout.circleRadius);
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawEllipse(layout.centres[i], layout.discRadius, layout.discRadius);
    }
}

void paintLabels(QPainter& painter, const WorksheetLayout& layout, const Worksheet& sheet)
{
    painter.setFont(layout.labelFont);
    for (int i = 0; i < layout.labels.size(); ++i) {
        if (layout.labels[i].isEmpty())
            continue;
        painter.setPen(layout.inks[i]);
        painter.drawText(layout.labels[i], Qt::AlignCenter, sheet.dots[i].label);
    }
}

// Makes the painter's units twips with the paper's corner at the origin; a
// printer's painter starts at the corner of its printable area.
QRectF usePaperTwips(QPainter& painter, const QPagedPaintDevice& device)
{
    const QPageLayout page = device.pageLayout();
    const QRectF paper = page.fullRect(QPageLayout::Point);
    const QRectF printable = page.paintRect(QPageLayout::Point);
    painter.resetTransform();
    painter.scale(device.logicalDpiX() / 72.0, device.logicalDpiY() / 72.0);
    painter.translate(-printable.topLeft());
    painter.scale(1 / TwipsPerPoint, 1 / TwipsPerPoint);
    return QRectF(QPointF(), paper.size() * TwipsPerPoint);
}

QPageLayout::Orientation orientationFor(const Worksheet& sheet)
{
    return isLandscape(sheet) ? QPageLayout::Landscape : QPageLayout::Portrait;
}

} // namespace

void paintWorksheet(QPainter& painter, const QRectF& page, const Worksheet& sheet)
{
    const WorksheetLayout layout = layoutWorksheet(page, sheet);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(page, Qt::white);
    if (!sheet.picture.isNull()) {
        painter.save();
        painter.setClipRect(layout.content);
        painter.drawImage(layout.picture, sheet.picture);
        painter.restore();
    }
    paintDots(painter, layout);
    paintLabels(painter, layout, sheet);
    paintFooter(painter, layout, sheet.footer);
    painter.restore();
}

bool paintWorksheets(QPagedPaintDevice& device, const QList<Worksheet>& sheets,
                     const PictureOf& pictureOf)
{
    if (sheets.isEmpty())
        return false;
    // The orientation must be set before the page it is for begins.
    device.setPageOrientation(orientationFor(sheets.first()));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (qsizetype n = 0; n < sheets.size(); ++n) {
        if (n > 0) {
            device.setPageOrientation(orientationFor(sheets[n]));
            if (!device.newPage())
                return false;
        }
        Worksheet sheet = sheets[n];
        if (pictureOf)
            sheet.picture = pictureOf(n);
        paintWorksheet(painter, usePaperTwips(painter, device), sheet);
    }
    return painter.end();
}

bool printWithDialog(toolkit::Platform& platform, const Worksheet& sheet)
{
    return platform.printPages(
        QCoreApplication::translate("worksheet", "Imprimir ficha"),
        [&sheet](QPagedPaintDevice& device) { return paintWorksheets(device, {sheet}); });
}

bool printWorksheets(const QList<Worksheet>& sheets, const QString& pdfPath,
                     const PictureOf& pictureOf)
{
    // Opened here so that a path that cannot be written is told apart
    // from a painting failure, and Qt prints no warning of its own.
    QFile file(pdfPath);
    if (sheets.isEmpty() || !file.open(QIODevice::WriteOnly))
        return false;
    QPdfWriter writer(&file);
    writer.setCreator(QStringLiteral("Lunipo"));
    writer.setTitle(QCoreApplication::translate("worksheet", "Fichas de Lunipo"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF());
    writer.setResolution(600);
    return paintWorksheets(writer, sheets, pictureOf);
}

QString writeBooklet(const QString& activityOrTheme, const QString& pdfPath)
{
    const QStringList files = activityFiles(activityOrTheme);
    if (files.isEmpty())
        return QCoreApplication::translate("worksheet",
                                           "No se encuentra ninguna actividad en «%1».")
            .arg(activityOrTheme);
    // Every sheet is read before the file is written, so a damaged one is
    // told before anything is printed; their drawings a page at a time.
    QList<Worksheet> sheets;
    for (const QString& file : files) {
        std::optional<Worksheet> sheet = readWorksheet(file, QSize());
        if (!sheet)
            return QCoreApplication::translate("worksheet", "No se puede leer la actividad «%1».")
                .arg(file);
        sheets.append(*sheet);
    }
    const auto pictureOf = [&](qsizetype n) {
        return toolkit::readActivityPicture(files[n], sheets[n].pictureScreen).image;
    };
    if (!printWorksheets(sheets, pdfPath, pictureOf))
        return QCoreApplication::translate("worksheet", "No se puede escribir el fichero «%1».")
            .arg(pdfPath);
    return {};
}

} // namespace worksheet
