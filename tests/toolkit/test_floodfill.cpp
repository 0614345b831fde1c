#include "floodfill.h"

#include <QPainter>
#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <queue>

using toolkit::floodFillSurface;

// Failures show pictures as text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << text.toStdString();
}

namespace {

// Pictures as text: '.' white, '#' black, 'r' red; anything else reads as '?'.
constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Black = 0xFF000000;
constexpr QRgb Red = 0xFFFF0000;

QImage picture(const QStringList& rows)
{
    QImage image(static_cast<int>(rows.first().size()), static_cast<int>(rows.size()),
                 QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QChar c = rows[y][x];
            image.setPixel(x, y, c == '#' ? Black : c == 'r' ? Red : White);
        }
    }
    return image;
}

QStringList art(const QImage& image)
{
    QStringList rows;
    for (int y = 0; y < image.height(); ++y) {
        QString row;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            row += p == White ? '.' : p == Black ? '#' : p == Red ? 'r' : '?';
        }
        rows << row;
    }
    return rows;
}

QStringList filled(const QStringList& rows, int x, int y, QRgb target, const QBrush& brush)
{
    QImage image = picture(rows);
    floodFillSurface(image, x, y, target, brush);
    return art(image);
}

// The obvious per-pixel fill, to hold the span fill to.
QImage referenceFill(QImage image, int x, int y, QRgb target, QRgb colour)
{
    if (image.pixel(x, y) != target || target == colour)
        return image;
    std::queue<QPoint> queue;
    queue.push({x, y});
    image.setPixel(x, y, colour);
    while (!queue.empty()) {
        const QPoint p = queue.front();
        queue.pop();
        for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint n = p + d;
            if (image.rect().contains(n) && image.pixel(n) == target) {
                image.setPixel(n, colour);
                queue.push(n);
            }
        }
    }
    return image;
}

} // namespace

TEST(FloodFill, FillsTheInsideOfAnOutlineAndStopsAtIt)
{
    const QStringList before = {
        "..........", //
        ".######...", //
        ".#....#...", //
        ".#..#.#...", //
        ".#....#...", //
        ".######...", //
        "..........", //
    };
    const QStringList after = {
        "..........", //
        ".######...", //
        ".#rrrr#...", //
        ".#rr#r#...", //
        ".#rrrr#...", //
        ".######...", //
        "..........", //
    };
    EXPECT_EQ(filled(before, 2, 2, White, QBrush(Qt::red)), after);
}

TEST(FloodFill, ClickOnALineRecoloursTheConnectedLineOnly)
{
    const QStringList before = {
        "#####...", //
        "....#...", //
        "....#.##", //
        "........", //
    };
    const QStringList after = {
        "rrrrr...", //
        "....r...", //
        "....r.##", //
        "........", //
    };
    EXPECT_EQ(filled(before, 0, 0, Black, QBrush(Qt::red)), after);
}

TEST(FloodFill, ChangesNothingWhenThereIsNothingToFill)
{
    const QStringList rows = {
        "....", //
        ".##.", //
        "....", //
    };
    QImage image = picture(rows);
    // Already the fill colour, a start of another colour, a start outside,
    // a transparent brush.
    EXPECT_TRUE(floodFillSurface(image, 0, 0, White, QBrush(Qt::white)).isEmpty());
    EXPECT_TRUE(floodFillSurface(image, 1, 1, White, QBrush(Qt::red)).isEmpty());
    EXPECT_TRUE(floodFillSurface(image, 4, 0, White, QBrush(Qt::red)).isEmpty());
    EXPECT_TRUE(floodFillSurface(image, -1, 0, White, QBrush(Qt::red)).isEmpty());
    EXPECT_TRUE(floodFillSurface(image, 0, 0, White, Qt::NoBrush).isEmpty());
    EXPECT_EQ(art(image), rows);
}

TEST(FloodFill, MatchesAPerPixelFillOnRandomPictures)
{
    QRandomGenerator random(20261205);
    for (int round = 0; round < 40; ++round) {
        // From open fields with islands to mazes of small pockets.
        const int walls = 25 + round % 5 * 7;
        QImage image(37, 23, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, random.bounded(100) < walls ? Black : White);
        const int x = random.bounded(image.width());
        const int y = random.bounded(image.height());
        const QRgb target = image.pixel(x, y);
        QImage span = image;
        floodFillSurface(span, x, y, target, QBrush(Qt::red));
        ASSERT_EQ(span, referenceFill(image, x, y, target, Red)) << "round " << round;
    }
}

TEST(FloodFill, HatchPaintsThePatternOverTheRegionAlignedToTheOrigin)
{
    // Inside the outline the hatch matches a hatched rectangle painted by
    // Qt; the pixels between hatch lines and outside keep their colour.
    QImage image(24, 20, QImage::Format_RGB32);
    image.fill(White);
    QPainter(&image).fillRect(QRect(3, 2, 18, 15), Qt::black);
    QPainter(&image).fillRect(QRect(4, 3, 16, 13), Qt::white);
    QImage expected = image;
    const QBrush hatch(Qt::red, Qt::DiagCrossPattern);
    QPainter(&expected).fillRect(QRect(4, 3, 16, 13), hatch);

    EXPECT_EQ(floodFillSurface(image, 10, 10, White, hatch), QRect(4, 3, 16, 13));
    EXPECT_EQ(image, expected);
}

TEST(FloodFill, WorksOnAPremultipliedLayer)
{
    QImage layer(6, 3, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter(&layer).fillRect(QRect(1, 1, 4, 1), Qt::blue);
    EXPECT_EQ(floodFillSurface(layer, 2, 1, qRgb(0, 0, 255), QBrush(Qt::red)), QRect(1, 1, 4, 1));
    EXPECT_EQ(layer.pixel(1, 1), Red);
    EXPECT_EQ(layer.pixel(4, 1), Red);
    EXPECT_EQ(qAlpha(layer.pixel(0, 1)), 0);
}
