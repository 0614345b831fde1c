#include "activitypicture.h"
#include "colour.h"
#include "worksheet.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

using namespace worksheet;

namespace {

Worksheet sheetOf(const QStringList& dotLines, const QString& circles = "NO",
                  const QString& fontSize = " 14 ")
{
    return worksheetFromLines(QStringList{" 10790 ", " 8185 ", circles, " 200 ", fontSize} +
                              dotLines);
}

QString dotLine(const QString& label, double x, double y, int r = 0, int g = 0, int b = 0)
{
    return QStringLiteral("%1,%2,%3,%4,%5,%6,").arg(label).arg(x).arg(y).arg(r).arg(g).arg(b);
}

// `count` dots on an ellipse, numbered from 1.
QStringList ring(int count, double cx, double cy, double rx, double ry, int r = 0, int g = 0,
                 int b = 0)
{
    QStringList lines;
    for (int i = 0; i < count; ++i) {
        const double angle = 2 * M_PI * i / count;
        lines << dotLine(QString::number(i + 1), std::round(cx + rx * std::cos(angle)),
                         std::round(cy + ry * std::sin(angle)), r, g, b);
    }
    return lines;
}

QRectF paperFor(const Worksheet& sheet)
{
    return isLandscape(sheet) ? QRectF(0, 0, A4HeightTwips, A4WidthTwips)
                              : QRectF(0, 0, A4WidthTwips, A4HeightTwips);
}

bool touchesDisc(const QRectF& rect, const QPointF& centre, double radius)
{
    const double dx = centre.x() - std::clamp(centre.x(), rect.left(), rect.right());
    const double dy = centre.y() - std::clamp(centre.y(), rect.top(), rect.bottom());
    return std::hypot(dx, dy) < radius;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Page orientations of a PDF in page order: 'P' portrait, 'L' landscape.
QString pageShapes(const QByteArray& pdf)
{
    static const QRegularExpression mediaBox(
        QStringLiteral(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])"));
    QString shapes;
    for (const auto& match : mediaBox.globalMatch(QString::fromLatin1(pdf)))
        shapes += match.captured(1).toDouble() > match.captured(2).toDouble() ? 'L' : 'P';
    return shapes;
}

int pageCount(const QByteArray& pdf)
{
    static const QRegularExpression page(QStringLiteral(R"(/Type\s*/Page\b(?!s))"));
    int count = 0;
    for (auto match = page.globalMatch(QString::fromLatin1(pdf)); match.hasNext(); match.next())
        ++count;
    return count;
}

} // namespace

TEST(WorksheetReading, HeaderAndDotLinesFollowThePlayersRules)
{
    const Worksheet sheet =
        worksheetFromLines({" 10790 ", " 8185 ", "si", " 200 ", "12,75", "", "1,100.7,200,255,0,0,",
                            ",300,400,0,300,-4,", "", "2,5,", "junk"});
    EXPECT_TRUE(sheet.circles);
    EXPECT_EQ(sheet.dotSize, 200);
    EXPECT_EQ(sheet.fontSize, 12);
    ASSERT_EQ(sheet.dots.size(), 4);
    EXPECT_EQ(sheet.dots[0].label, "1");
    EXPECT_EQ(sheet.dots[0].x, 100); // rounded down, as on an 800 x 600 screen
    EXPECT_EQ(sheet.dots[0].colour, toolkit::RGB(255, 0, 0));
    EXPECT_EQ(sheet.dots[1].label, "");
    EXPECT_EQ(sheet.dots[1].colour, toolkit::RGB(0, 255, 0)); // components kept within 0..255
    EXPECT_EQ(sheet.dots[2].x, 5);
    EXPECT_EQ(sheet.dots[2].y, 0); // missing fields are zero
    EXPECT_EQ(sheet.dots[3].label, "");

    EXPECT_FALSE(sheetOf({}, " SI").circles);
    EXPECT_TRUE(sheetOf({"1,0,0,0,0,0,"}, "NO", " 14 ").dots.size() == 1);
    EXPECT_TRUE(worksheetFromLines({" 1 ", " 2 ", "SI", " 200 "}).dots.isEmpty());

    QStringList many;
    for (int i = 0; i < 200; ++i)
        many << dotLine(QString::number(i + 1), i * 10, 0);
    EXPECT_EQ(sheetOf(many).dots.size(), MaxDots);
}

TEST(WorksheetReading, FilesAndThemesAreFoundAsThePlayerWalksThem)
{
    QTemporaryDir dir;
    const QString theme = dir.filePath("animales");
    QDir().mkpath(theme);
    for (const char* name : {"1.txt", "2.TXT", "4.txt", "leeme.txt"}) {
        QFile file(theme + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(" 1 \r\n 2 \r\nNO\r\n 200 \r\n 14 \r\n1,10,10,0,0,0,\r\n");
    }
    QImage drawing(800, 600, QImage::Format_RGB32); // drawn on a 1600 x 1200 screen
    drawing.fill(Qt::gray);
    QFile picture(theme + "/2.png");
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    picture.write(toolkit::activityPictureBytes(drawing, {1600, 1200}));
    picture.close();
    const QStringList files = activityFiles(theme);
    ASSERT_EQ(files.size(), 2); // 1, 2 and then the gap at 3
    EXPECT_TRUE(files[1].endsWith("2.TXT"));
    EXPECT_EQ(activityFiles(theme + "/4.txt"), QStringList{theme + "/4.txt"});
    EXPECT_TRUE(activityFiles(dir.filePath("nada")).isEmpty());

    const auto sheet = readWorksheet(files[1]);
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->footer, "animales · actividad 2");
    EXPECT_EQ(sheet->picture.size(), QSize(400, 300)); // for the dots' 800 x 600
    picture.open(QIODevice::WriteOnly);                // scaled as its dots, once 12000 x 12000
    picture.write(toolkit::activityPictureBytes(drawing.scaled(1500, 2000), {100, 100}));
    picture.close();
    EXPECT_EQ(readWorksheet(files[1])->picture.size(), QSize(800, 600)); // what lay on its screen
    EXPECT_EQ(readWorksheet(files[1], {112, 84})->picture.size(), QSize(112, 84)); // a thumbnail
    EXPECT_FALSE(readWorksheet(dir.filePath("nada.txt")));
}

struct LayoutCase
{
    const char* name;
    Worksheet sheet;
};

void PrintTo(const LayoutCase& layoutCase, std::ostream* out)
{
    *out << layoutCase.name;
}

class WorksheetLayoutTest : public ::testing::TestWithParam<LayoutCase>
{
};

// Every sheet: labels inside the page, clear of every dot and of each other;
// the figure keeps its proportions and fills the page one way.
TEST_P(WorksheetLayoutTest, LabelsAreFreeAndTheFigureKeepsItsShape)
{
    const Worksheet& sheet = GetParam().sheet;
    const QRectF paper = paperFor(sheet);
    const WorksheetLayout layout = layoutWorksheet(paper, sheet);
    ASSERT_EQ(layout.centres.size(), sheet.dots.size());
    ASSERT_EQ(layout.labels.size(), sheet.dots.size());

    for (int i = 0; i < layout.labels.size(); ++i) {
        const QRectF label = layout.labels[i];
        if (label.isEmpty())
            continue;
        EXPECT_TRUE(paper.contains(label)) << "label " << i;
        for (int j = 0; j < layout.centres.size(); ++j)
            EXPECT_FALSE(touchesDisc(label, layout.centres[j], layout.discRadius))
                << "label " << i << " on dot " << j;
        for (int j = 0; j < i; ++j)
            EXPECT_FALSE(label.intersects(layout.labels[j])) << "labels " << i << ", " << j;
    }

    // One scale both ways: every dot lies where its file position maps.
    const WorksheetDot& first = sheet.dots[0];
    for (int i = 0; i < sheet.dots.size(); ++i) {
        const QPointF expected =
            layout.centres[0] +
            QPointF(sheet.dots[i].x - first.x, sheet.dots[i].y - first.y) * layout.scale;
        EXPECT_NEAR(layout.centres[i].x(), expected.x(), 1e-6);
        EXPECT_NEAR(layout.centres[i].y(), expected.y(), 1e-6);
    }
    const QRectF inside = paper.adjusted(1000, 1000, -1000, -1000);
    EXPECT_TRUE(inside.contains(layout.figure.topLeft()) &&
                inside.contains(layout.figure.bottomRight()));
    if (sheet.dots.size() > 1) {
        EXPECT_TRUE(layout.figure.width() > paper.width() * 0.6 ||
                    layout.figure.height() > paper.height() * 0.6);
    }
    EXPECT_EQ(layout.circleRadius > 0, sheet.circles);
}

QStringList gridOf151()
{
    QStringList lines;
    for (int i = 0; i < 151; ++i) {
        const int row = i / 14, column = row % 2 ? 13 - i % 14 : i % 14;
        lines << dotLine(QString::number(i + 1), 600 + column * 830, 500 + row * 780, 0, 0, 160);
    }
    return lines;
}

QStringList spiralOf151()
{
    QStringList lines;
    for (int i = 0; i < 151; ++i) {
        const double angle = i * 0.35, radius = 300 + i * 26;
        lines << dotLine(QString::number(i + 1), std::round(6000 + radius * std::cos(angle)),
                         std::round(4500 + radius * std::sin(angle)), 120, 0, 140);
    }
    return lines;
}

QStringList twoClosedFigures()
{
    QStringList lines = ring(10, 3000, 4500, 2000, 2000, 255, 255, 0);
    lines << dotLine("", 5000, 4500, 255, 255, 0);
    QStringList second = ring(8, 9000, 4500, 1500, 1500);
    for (int i = 0; i < second.size(); ++i)
        second[i] = QString::number(11 + i) + second[i].mid(second[i].indexOf(','));
    lines << second << dotLine("", 10500, 4500);
    return lines;
}

INSTANTIATE_TEST_SUITE_P(
    Sheets, WorksheetLayoutTest,
    ::testing::Values(LayoutCase{"OneDot", sheetOf({dotLine("1", 6000, 4500)}, "SI")},
                      LayoutCase{"TwentyDotsWithCircles",
                                 sheetOf(ring(20, 6000, 4500, 3500, 3500), "SI")},
                      LayoutCase{"TallFigure", sheetOf(ring(20, 6000, 4500, 1200, 4000), "NO")},
                      LayoutCase{"ClosingRecordsAndPaleColours", sheetOf(twoClosedFigures())},
                      LayoutCase{"Grid151", sheetOf(gridOf151(), "NO", " 24 ")},
                      LayoutCase{"Spiral151WithCircles", sheetOf(spiralOf151(), "SI")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WorksheetLayout, PaleInkTurnsBlackAndRepeatedSpotsPrintOneLabel)
{
    const Worksheet sheet =
        sheetOf({dotLine("1", 1000, 1000, 255, 255, 0), dotLine("2", 3000, 1000, 0, 0, 160),
                 dotLine("3", 2000, 3000, 250, 250, 250), dotLine("4", 1000, 1000, 200, 0, 0),
                 dotLine("", 1000, 1000)});
    const WorksheetLayout layout = layoutWorksheet(paperFor(sheet), sheet);
    EXPECT_EQ(layout.inks[0], QColor(Qt::black));
    EXPECT_EQ(layout.inks[1], QColor(0, 0, 160));
    EXPECT_EQ(layout.inks[2], QColor(Qt::black));
    EXPECT_FALSE(layout.labels[0].isEmpty());
    EXPECT_TRUE(layout.labels[3].isEmpty()); // back at the start: "1" stays alone
    EXPECT_TRUE(layout.labels[4].isEmpty()); // the closing record
}

TEST(WorksheetLayout, OrientationFollowsTheFiguresShape)
{
    EXPECT_TRUE(isLandscape(sheetOf({dotLine("1", 0, 0), dotLine("2", 900, 500)})));
    EXPECT_FALSE(isLandscape(sheetOf({dotLine("1", 0, 0), dotLine("2", 500, 900)})));
    EXPECT_FALSE(isLandscape(sheetOf({dotLine("1", 0, 0)})));
}

class WorksheetPdfTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    const QString sampleTheme = QStringLiteral(LUNIPO_SOURCE_DIR "/data/actividades/animales");

    QString pdf() const { return dir.filePath("fichas.pdf"); }
};

TEST_F(WorksheetPdfTest, OnePagePerSheetTurnedToItsShape)
{
    const Worksheet wide = sheetOf({dotLine("1", 0, 0), dotLine("2", 900, 500)});
    const Worksheet tall = sheetOf({dotLine("1", 0, 0), dotLine("2", 500, 900)});
    ASSERT_TRUE(printWorksheets({wide, tall, wide}, pdf()));
    const QByteArray bytes = readAll(pdf());
    EXPECT_EQ(pageCount(bytes), 3);
    EXPECT_EQ(pageShapes(bytes), "LPL");

    EXPECT_FALSE(printWorksheets({}, pdf()));
    EXPECT_FALSE(printWorksheets({wide}, dir.filePath("no/such/folder/fichas.pdf")));
}

TEST_F(WorksheetPdfTest, BookletOfAThemeHasEveryActivityAndFailuresAreTold)
{
    EXPECT_EQ(writeBooklet(sampleTheme, pdf()), "");
    EXPECT_EQ(pageCount(readAll(pdf())), activityFiles(sampleTheme).size());
    EXPECT_EQ(activityFiles(sampleTheme).size(), 5);

    EXPECT_EQ(writeBooklet(dir.filePath("nada"), pdf()),
              "No se encuentra ninguna actividad en «" + dir.filePath("nada") + "».");
    QFile(dir.filePath("1.txt")).open(QIODevice::WriteOnly); // shorter than its header
    EXPECT_TRUE(writeBooklet(dir.filePath("1.txt"), pdf()).startsWith("No se puede leer"));
    EXPECT_TRUE(writeBooklet(sampleTheme, dir.filePath("no/fichas.pdf"))
                    .startsWith("No se puede escribir"));
}

TEST_F(WorksheetPdfTest, TheBatchCommandRunsWithoutADisplay)
{
    QProcess lunipo;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    lunipo.setProcessEnvironment(environment);
    const QString program = QStringLiteral(LUNIPO_APP_DIR "/lunipo");

    lunipo.start(program, {"--ficha", sampleTheme, pdf()});
    ASSERT_TRUE(lunipo.waitForFinished(60000));
    EXPECT_EQ(lunipo.exitCode(), 0) << lunipo.readAllStandardError().toStdString();
    EXPECT_EQ(pageCount(readAll(pdf())), 5);

    lunipo.start(program, {"--ficha", dir.filePath("nada"), pdf()});
    ASSERT_TRUE(lunipo.waitForFinished(60000));
    EXPECT_EQ(lunipo.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(lunipo.readAllStandardError())
                    .contains("No se encuentra ninguna actividad"));

    lunipo.start(program, {"--ficha", sampleTheme});
    ASSERT_TRUE(lunipo.waitForFinished(60000));
    EXPECT_EQ(lunipo.exitCode(), 2);
}

// As the player joins them: never from a closing record, and to the last
// record only when it closes the figure.
TEST(WorksheetFigure, FinishedSegmentsAreThoseTheChildDrew)
{
    const struct
    {
        QStringList labels;
        QVector<QPair<int, int>> segments;
    } cases[] = {
        {{"1", "2", "3", ""}, {{0, 1}, {1, 2}, {2, 3}}},
        {{"1", "2", "", "3", "4", ""}, {{0, 1}, {1, 2}, {3, 4}, {4, 5}}},
        {{"1", "2", "3"}, {{0, 1}}},
        {{"", "1", "2"}, {}},
        {{"1"}, {}},
    };
    for (const auto& c : cases) {
        QStringList lines;
        for (const QString& label : c.labels)
            lines << dotLine(label, 100, 100);
        EXPECT_EQ(finishedSegments(sheetOf(lines)), c.segments) << c.labels.join('|').toStdString();
    }
}

// The figure fills its card, margins aside, whatever its size on the screen.
TEST(WorksheetFigure, TheFigureFillsItsCard)
{
    QImage card(120, 90, QImage::Format_RGB32);
    QPainter painter(&card);
    paintFigure(painter, card.rect(),
                sheetOf({dotLine("1", 600, 600), dotLine("2", 9000, 600), dotLine("3", 9000, 6000),
                         dotLine("", 600, 6000)}));
    painter.end();
    QRect inked;
    for (int y = 0; y < card.height(); ++y)
        for (int x = 0; x < card.width(); ++x)
            if (card.pixel(x, y) != qRgb(255, 255, 255))
                inked |= QRect(x, y, 1, 1);
    EXPECT_LT(inked.left(), 20);
    EXPECT_GT(inked.right(), 100);
    EXPECT_LT(inked.top(), 20);
    EXPECT_GT(inked.bottom(), 70);

    Worksheet drawn = sheetOf({dotLine("1", 600, 600), dotLine("2", 9000, 6000)});
    drawn.picture = QImage(800, 600, QImage::Format_RGB32); // the drawing under the dots
    drawn.picture.fill(Qt::gray);
    card.fill(Qt::white);
    painter.begin(&card);
    paintFigure(painter, card.rect(), drawn);
    painter.end();
    EXPECT_EQ(card.pixelColor(60, 30), QColor(Qt::gray));
}
