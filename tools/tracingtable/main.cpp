// Prints the table of automatic dots on every test picture at 10, 20 and 30
// dots, and draws the contact sheet of what the child sees at 20.
//
//   tracing_table [pictures folder] [sheet.png] [--bordes]
//   tracing_table --biblioteca FOLDER
//
// --bordes draws the silhouettes the measures use on the sheet, in blue.
// --biblioteca draws a sheet for each theme of the ready library instead,
// FOLDER/<theme>.png, every activity as the child gets it, its problems
// under it in red.

#include "measures.h"
#include "picturebatch.h"
#include "picturefiles.h"

#include <QDir>

#include <QApplication>
#include <QPainter>
#include <QTextStream>
#include <cstdio>

namespace {

// The README's before and after: the drawing as it was; its dots numbered
// as the player shows them, joined; and the figure coloured in.
QImage beforeAndAfter(const tracingtable::Picture& picture, int count)
{
    const tracingtable::Measures m = tracingtable::measure(picture.image, {count}).first();
    QPolygonF all;
    for (const QList<QPointF>& figure : m.placed)
        all += QPolygonF(figure);
    const QRect area = all.boundingRect().toAlignedRect().adjusted(-40, -40, 40, 40);
    QImage sheet(3 * area.width() + 40, area.height() + 20, QImage::Format_RGB32);
    sheet.fill(QColor(220, 220, 220));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPixelSize(13);
    painter.setFont(font);
    for (int panel = 0; panel < 3; ++panel) {
        const QPoint at(10 + panel * (area.width() + 10), 10);
        painter.drawImage(at, (panel == 0 ? picture.image : m.erased).copy(area));
        if (panel == 0)
            continue;
        painter.save();
        painter.translate(at - area.topLeft());
        int number = 1;
        for (const QList<QPointF>& figure : m.placed) {
            painter.setPen(QPen(Qt::black, 1));
            painter.setBrush(panel == 2 ? QBrush(Qt::blue) : Qt::NoBrush);
            painter.drawPolygon(QPolygonF(figure));
            if (panel == 2) // the details stay over the colour
                painter.drawImage(area.topLeft(), [&] {
                    QImage lines = m.erased.copy(area).convertToFormat(QImage::Format_ARGB32);
                    for (int y = 0; y < lines.height(); ++y)
                        for (int x = 0; x < lines.width(); ++x)
                            if (qGray(lines.pixel(x, y)) > 128)
                                lines.setPixel(x, y, qRgba(0, 0, 0, 0));
                    return lines;
                }());
            for (QPointF dot : figure) {
                painter.setBrush(Qt::white);
                painter.drawEllipse(dot, 10, 10);
                painter.drawText(QRectF(dot - QPointF(10, 10), QSizeF(20, 20)), Qt::AlignCenter,
                                 QString::number(number++));
            }
        }
        painter.restore();
    }
    return sheet;
}

// Each activity of `theme` as shipped, measured against its drawing.
QImage themeSheet(const tracingtable::LibraryTheme& theme, QTextStream& out)
{
    constexpr int Columns = 5;
    constexpr double Scale = 0.4;
    const QSize page = editor::PictureBatch::page();
    const QSize cell = page * Scale;
    QImage sheet(Columns * cell.width(),
                 int((theme.pictures.size() + Columns - 1) / Columns) * (cell.height() + 20),
                 QImage::Format_RGB32);
    sheet.fill(Qt::lightGray);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QString folder = QStringLiteral(LUNIPO_SOURCE_DIR "/data/actividades/") + theme.folder;
    for (qsizetype i = 0; i < theme.pictures.size(); ++i) {
        const QString& name = theme.pictures[i];
        const QImage drawing = toolkit::readFittedPicture(
            QStringLiteral(LUNIPO_SOURCE_DIR "/tests/data/biblioteca/%1.svg").arg(name), page);
        const auto made =
            tracingtable::readMadeActivity(folder + QStringLiteral("/%1.txt").arg(i + 1));
        const auto m = tracingtable::measureActivities(drawing, {made}).first();
        const QString wrong = tracingtable::failures(m, int(made.labels.size()));
        if (!wrong.isEmpty())
            out << theme.folder << '/' << i + 1 << ' ' << name << ": " << wrong << Qt::endl;
        const QPoint at(int(i % Columns) * cell.width(), int(i / Columns) * (cell.height() + 20));
        painter.drawImage(QRect(at, cell), tracingtable::childView(m, false, made.labels));
        painter.setPen(wrong.isEmpty() ? Qt::darkGreen : Qt::red);
        painter.drawText(QRect(at + QPoint(4, cell.height()), QSize(cell.width() - 8, 20)),
                         Qt::AlignVCenter,
                         QStringLiteral("%1. %2  %3").arg(i + 1).arg(name, wrong));
    }
    return sheet;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    // --antes-despues NAME FILE: the README's picture of the drawing NAME.
    if (const qsizetype i = arguments.indexOf(QStringLiteral("--antes-despues")); i > 0) {
        const auto all =
            tracingtable::pictures(QStringLiteral(LUNIPO_SOURCE_DIR "/tests/data/openmoji"));
        for (const tracingtable::Picture& picture : all)
            if (picture.name == arguments.value(i + 1))
                return beforeAndAfter(picture, 20).save(arguments.value(i + 2)) ? 0 : 1;
        return 1;
    }
    if (const qsizetype i = arguments.indexOf(QStringLiteral("--biblioteca")); i > 0) {
        QTextStream out(stdout);
        const QDir target(arguments.value(i + 1));
        for (const auto& theme : tracingtable::libraryThemes(
                 QStringLiteral(LUNIPO_SOURCE_DIR "/tests/data/biblioteca/temas.txt")))
            themeSheet(theme, out).save(target.filePath(theme.folder + QStringLiteral(".png")));
        out << "sheets in " << target.path() << Qt::endl;
        return 0;
    }
    const QString folder =
        arguments.value(1, QStringLiteral(LUNIPO_SOURCE_DIR "/tests/data/openmoji"));
    const QString sheetPath = arguments.value(2, QStringLiteral("tracing-sheet.png"));
    const bool edges = arguments.contains(QStringLiteral("--bordes"));
    QTextStream out(stdout);
    out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10")
               .arg("picture", -18)
               .arg("dots", 4)
               .arg("figs", 5)
               .arg("edge", 5)
               .arg("IoU", 8)
               .arg("closest", 8)
               .arg("band", 5)
               .arg("details", 7)
               .arg("inside", 6)
               .arg("  problems")
        << Qt::endl;
    const QList<tracingtable::Picture> pictures = tracingtable::pictures(folder);
    constexpr int Columns = 6;
    constexpr double Scale = 0.5;
    const QSize cell = pictures.isEmpty() ? QSize() : pictures[0].image.size() * Scale;
    QImage sheet(Columns * cell.width(),
                 int((pictures.size() + Columns - 1) / Columns) * (cell.height() + 20),
                 QImage::Format_RGB32);
    sheet.fill(Qt::lightGray);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    int failed = 0;
    for (qsizetype i = 0; i < pictures.size(); ++i) {
        const QList<int> counts{10, 20, 30};
        const QList<tracingtable::Measures> levels = tracingtable::measure(pictures[i], counts);
        for (qsizetype level = 0; level < counts.size(); ++level) {
            const int count = counts[level];
            const tracingtable::Measures& m = levels[level];
            const QString wrong = tracingtable::failures(m, count);
            failed += !wrong.isEmpty();
            out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9  %10")
                       .arg(pictures[i].name, -18)
                       .arg(count, 4)
                       .arg(QStringLiteral("%1/%2").arg(m.figures).arg(m.seen), 5)
                       .arg(m.farthest, 5, 'f', 1)
                       .arg(QStringLiteral("%1%2")
                                .arg(m.overlap, 0, 'f', 2)
                                .arg(m.compact ? "" : "*"),
                            8)
                       .arg(m.closest, 8, 'f', 1)
                       .arg(QStringLiteral("%1%").arg(100 * m.bandDark, 0, 'f', 0), 5)
                       .arg(m.detailsKept < 0
                                ? QStringLiteral("-")
                                : QStringLiteral("%1%").arg(100 * m.detailsKept, 0, 'f', 0),
                            7)
                       .arg(m.insideWhite < 0
                                ? QStringLiteral("-")
                                : QStringLiteral("%1%").arg(100 * m.insideWhite, 0, 'f', 0),
                            6)
                       .arg(wrong.isEmpty() ? QStringLiteral("ok") : wrong)
                << Qt::endl;
            if (count != 20)
                continue;
            const QPoint at(int(i % Columns) * cell.width(),
                            int(i / Columns) * (cell.height() + 20));
            painter.drawImage(QRect(at, cell), tracingtable::childView(m, edges));
            // The picture as it was, small in the corner, to compare.
            const QRect corner(at + QPoint(0, cell.height() - cell.height() / 4), cell / 4);
            painter.drawImage(corner, pictures[i].image);
            painter.setPen(Qt::lightGray);
            painter.drawRect(corner);
            painter.setPen(wrong.isEmpty() ? Qt::darkGreen : Qt::red);
            painter.drawText(QRect(at + QPoint(4, cell.height()), QSize(cell.width() - 8, 20)),
                             Qt::AlignVCenter, pictures[i].name + "  " + wrong);
        }
    }
    out << "* not compact: the overlap is not held to 75 %" << Qt::endl;
    out << failed << " of " << 3 * pictures.size() << " rows with a problem; sheet: " << sheetPath
        << Qt::endl;
    sheet.save(sheetPath);
    return failed == 0 ? 0 : 1;
}
