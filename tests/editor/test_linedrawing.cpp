#include "tracing/figures.h"
#include "tracing/linedrawing.h"
#include "tracing/tracing.h"

#include <QLineF>
#include <QPainter>
#include <QRandomGenerator>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A 400 x 300 page of `background`, `paint` drawn on it with no pen.
QImage page(const QColor& background, const std::function<void(QPainter&)>& paint)
{
    QImage image(400, 300, QImage::Format_ARGB32);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    paint(painter);
    return image;
}

// A pale yellow disc of radius 80 round (200, 150), its right half red.
void disc(QPainter& painter)
{
    painter.setBrush(QColor(255, 240, 150));
    painter.drawEllipse(QPointF(200, 150), 80, 80);
    painter.setBrush(QColor(220, 40, 40));
    painter.drawPie(QRectF(120, 70, 160, 160), -90 * 16, 180 * 16);
}

// Cream paper, grainy, a pencil ring on it; lit from the left unless `evenly`.
QImage photographedRing(bool evenly = false)
{
    QImage image = page(Qt::white, [](QPainter& painter) {
        painter.setPen(QPen(QColor(130, 130, 130), 5));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(200, 150), 80, 80);
    });
    QRandomGenerator noise(7);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int shade = (evenly ? 0 : -x / 5) + int(noise.bounded(13)) - 6;
            image.setPixelColor(x, y,
                                QColor(std::clamp(c.red() + shade - 10, 0, 255),
                                       std::clamp(c.green() + shade - 12, 0, 255),
                                       std::clamp(c.blue() + shade - 45, 0, 255)));
        }
    return image;
}

// The disc photographed on grass: greens and browns, grainy, no two alike.
QImage photographedDisc()
{
    QImage image = page(Qt::white, disc);
    QRandomGenerator noise(11);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (std::hypot(x - 200, y - 150) > 82)
                image.setPixelColor(x, y,
                                    QColor(60 + x / 4 + int(noise.bounded(40)),
                                           140 - y / 5 + int(noise.bounded(40)),
                                           30 + int(noise.bounded(30))));
    return image;
}

// The disc drawn on a pale tile filling most of a white page, a sea across
// the tile's foot that the disc dips into.
QImage onATile()
{
    return page(Qt::white, [](QPainter& painter) {
        painter.setBrush(QColor(215, 244, 247));
        painter.drawRoundedRect(QRectF(10, 5, 380, 290), 12, 12);
        painter.setBrush(QColor(0, 190, 234));
        painter.drawRoundedRect(QRectF(10, 215, 380, 80), 12, 12);
        painter.drawRect(QRectF(10, 215, 380, 20));
        disc(painter);
    });
}

// Whether a pixel within `radius` of `at` is dark.
bool darkNear(const QImage& image, QPoint at, int radius = 2)
{
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (qGray(image.pixel(at + QPoint(dx, dy))) < 128)
                return true;
    return false;
}

} // namespace

// Whatever the background, the figure's edge is a line, all else white.
TEST(LineDrawing, TheFigureIsFoundOnAnyBackground)
{
    const std::tuple<const char*, QImage> cases[] = {
        {"white", page(Qt::white, disc)},
        {"transparent", page(Qt::transparent, disc)},
        {"plain blue", page(QColor(120, 170, 230), disc)},
        {"paper", photographedRing()},
        {"grass", photographedDisc()},
        {"paper lit evenly", photographedRing(true)},
        {"a tile", onATile()},
    };
    for (const auto& [what, picture] : cases) {
        SCOPED_TRACE(what);
        const QImage drawing = editor::tracing::lineDrawing(picture);
        EXPECT_TRUE(darkNear(drawing, {120, 150}));    // the left edge
        EXPECT_TRUE(darkNear(drawing, {200, 70}));     // the top
        EXPECT_FALSE(darkNear(drawing, {40, 40}, 10)); // the background
        EXPECT_FALSE(darkNear(drawing, {160, 150}, 10) || darkNear(drawing, {240, 150}, 10));
    }
}

// The boundary between two colours is a line, soft shading and a faint
// shadow are none, even under the feet, an eye stays as drawn and a large
// dark part goes white inside its edge.
TEST(LineDrawing, APictureInColourBecomesLines)
{
    const QImage drawing = editor::tracing::lineDrawing(page(Qt::white, [](QPainter& painter) {
        disc(painter);
        QLinearGradient shading(0, 0, 0, 300); // a soft shade across the figure
        shading.setColorAt(0, QColor(0, 0, 0, 0));
        shading.setColorAt(1, QColor(0, 0, 0, 40));
        painter.setBrush(shading);
        painter.drawEllipse(QPointF(200, 150), 80, 80);
        painter.setBrush(QColor(225, 225, 225)); // the shadow under it
        painter.drawEllipse(QPointF(200, 250), 70, 15);
        painter.setBrush(Qt::black);
        painter.drawEllipse(QPointF(170, 120), 5, 5);
        painter.drawRect(172, 220, 16, 28); // the feet
        painter.drawRect(212, 220, 16, 28);
        painter.drawRect(180, 160, 40, 40);
    }));
    EXPECT_TRUE(darkNear(drawing, {200, 100}));      // yellow against red
    EXPECT_FALSE(darkNear(drawing, {160, 100}, 6));  // the shading in the yellow
    EXPECT_FALSE(darkNear(drawing, {200, 258}, 6));  // the shadow's lower edge
    EXPECT_FALSE(darkNear(drawing, {140, 252}, 6));  // its end beyond the feet
    EXPECT_TRUE(darkNear(drawing, {170, 120}, 0));   // the eye
    EXPECT_TRUE(darkNear(drawing, {180, 180}));      // the large dark part's edge
    EXPECT_FALSE(darkNear(drawing, {200, 180}, 10)); // its inside
}

// A white cow's pale grey body reaches down to its feet as a shadow does,
// but it rises above the middle: it is figure, not shadow; so is a pale
// hoof, no wider than tall, pale paws ending with the legs above them,
// and a tail a shade off white.
TEST(LineDrawing, APaleBodyIsNoShadow)
{
    const auto drawn = editor::tracing::lineDrawingOf(page(Qt::white, [](QPainter& painter) {
        painter.setBrush(QColor(0x4d4d4d)); // the dark front half
        painter.drawRect(60, 40, 140, 140);
        painter.drawRect(80, 180, 20, 70); // a front leg, its hoof pale
        painter.drawRect(140, 180, 20, 70);
        painter.drawRect(162, 180, 20, 70);
        painter.fillRect(140, 250, 42, 20, QColor(0xe6e6e6));
        painter.setBrush(QColor(0xdfdfdf));
        painter.drawRect(200, 80, 120, 100);
        painter.drawRect(210, 180, 20, 90); // the hind legs
        painter.drawRect(290, 180, 20, 90);
        painter.fillRect(78, 250, 24, 20, QColor(0xdcdcdc));
        painter.fillRect(320, 90, 30, 30, QColor(0xecf0f2));
    }));
    ASSERT_FALSE(drawn.figure.empty());
    EXPECT_TRUE(drawn.figure.at<uchar>(130, 250)); // the body
    EXPECT_TRUE(drawn.figure.at<uchar>(250, 220)); // a leg
    EXPECT_TRUE(drawn.figure.at<uchar>(260, 90));  // the hoof
    EXPECT_TRUE(drawn.figure.at<uchar>(260, 160)); // the paws
    EXPECT_TRUE(drawn.figure.at<uchar>(105, 340)); // the tail
}

// Reds as close as a crab's legs and body: painted flat, a line between; grainy, none.
TEST(LineDrawing, CloseColoursPaintedFlatAreToldApart)
{
    QImage picture = page(Qt::white, [](QPainter& painter) {
        painter.setBrush(QColor(0xbe1931));
        painter.drawEllipse(QPointF(200, 150), 80, 80);
        painter.setBrush(QColor(0xa0041e));
        painter.drawPie(QRectF(120, 70, 160, 160), -90 * 16, 180 * 16);
        painter.setBrush(Qt::white); // a slit narrower than two lines: one line, no wedge
        painter.drawPolygon(QPolygonF({QPointF(196, 240), QPointF(204, 240), QPointF(200, 120)}));
    });
    const QImage drawing = editor::tracing::lineDrawing(picture);
    EXPECT_TRUE(darkNear(drawing, {200, 110}));
    int across = 0;
    for (int x = 190; x < 210; ++x)
        across += qGray(drawing.pixel(x, 180)) < 128;
    EXPECT_LE(across, 2);
    QRandomGenerator noise(3);
    for (int y = 80; y < 220; ++y)
        for (int x = 130; x < 270; ++x)
            picture.setPixelColor(x, y, picture.pixelColor(x, y).lighter(97 + noise.bounded(7)));
    EXPECT_FALSE(darkNear(editor::tracing::lineDrawing(picture), {200, 110}));
}

// Line art on white is left as it is; pencil on paper is lines, not their edges.
TEST(LineDrawing, LineArtComesBackAsItWas)
{
    const QImage art = page(Qt::white, [](QPainter& painter) {
        painter.setPen(QPen(Qt::black, 4));
        painter.drawEllipse(QPointF(200, 150), 80, 80);
        painter.setPen(QPen(Qt::gray, 2));
        painter.drawLine(150, 150, 250, 150);
        painter.setPen(QPen(Qt::black, 8)); // a frame round it all: no photograph's edge
        painter.drawRect(100, 30, 200, 240);
    });
    EXPECT_EQ(editor::tracing::lineDrawing(art), art);
    EXPECT_TRUE(darkNear(editor::tracing::lineDrawing(photographedRing(true)), {120, 150}, 0));
    QImage clean(LUNIPO_TEST_DATA "/propios/fotos/casa-limpio.png"), // 85748 px of ink
        photo = editor::tracing::lineDrawing(QImage(LUNIPO_TEST_DATA "/propios/fotos/casa.jpg"));
    const cv::Mat ink = editor::tracing::matOf(clean, CV_8UC1) < 128; // 7 % off at most: no holes
    EXPECT_LT(cv::countNonZero(ink ^ (editor::tracing::matOf(photo, CV_8UC1) < 128)), 6000);
    QImage speck(3, 3, QImage::Format_RGB32); // too small to look at
    speck.fill(Qt::red);
    EXPECT_EQ(editor::tracing::lineDrawing(speck), speck);
}

// All of a colour picture is figure; its colouring page keeps only inner lines.
TEST(LineDrawing, AColourPictureBecomesAColouringPage)
{
    const QImage picture = page(Qt::white, disc);
    const QList<editor::Outline> outlines = editor::traceFigures(picture);
    ASSERT_EQ(outlines.size(), 1);
    const QRectF bounds = outlines[0].points.boundingRect();
    EXPECT_LT(QLineF(bounds.topLeft(), {120, 70}).length() +
                  QLineF(bounds.bottomRight(), {280, 230}).length(),
              8);
    const QImage child = editor::withoutOutline(picture);
    EXPECT_FALSE(darkNear(child, {120, 150}, 3));                                     // the outline
    EXPECT_FALSE(darkNear(child, {160, 150}, 10) || darkNear(child, {240, 150}, 10)); // fills
    EXPECT_TRUE(darkNear(child, {200, 150}));
}

// A stem drawn apart from the fruit stays drawn but gets no dots; so does a line run into it.
TEST(LineDrawing, OnlyTheBodyIsGoneRound)
{
    const QImage picture = page(Qt::white, [](QPainter& painter) {
        painter.setPen(QPen(Qt::black, 8));
        painter.setBrush(QColor(255, 200, 200));
        painter.drawEllipse(QPointF(200, 150), 80, 80);
        painter.setPen(QPen(Qt::black, 3)); // along the outline, though ink runs off the page
        painter.drawArc(QRectF(130, 80, 140, 140), 200 * 16, 140 * 16);
        painter.drawLine(QPointF(134, 174), QPointF(121, 179));
        painter.drawLine(0, 290, 12, 290);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(40, 140, 40));
        painter.drawRect(193, 30, 14, 32);
    });
    const QList<editor::Outline> outlines = editor::traceFigures(picture);
    ASSERT_EQ(outlines.size(), 1);
    EXPECT_GT(outlines[0].points.boundingRect().top(), 60);
    EXPECT_TRUE(darkNear(editor::withoutOutline(picture), {193, 45}, 3));
    EXPECT_TRUE(darkNear(editor::withoutOutline(picture), {200, 220}));
}

// A wide stroke inside becomes its clean edge, not a black bar; an eye stays.
TEST(LineDrawing, WideStrokesInsideBecomeTheirEdge)
{
    const QImage child = editor::withoutOutline(page(Qt::white, [](QPainter& painter) {
        painter.setPen(QPen(Qt::black, 8));
        painter.setBrush(QColor(255, 200, 200));
        painter.drawEllipse(QPointF(200, 150), 80, 80);
        painter.setPen(QPen(Qt::black, 10));
        painter.drawLine(150, 170, 250, 170);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawEllipse(QPointF(200, 120), 7, 7);
    }));
    EXPECT_FALSE(darkNear(child, {200, 170}, 1));
    EXPECT_TRUE(darkNear(child, {200, 165}, 2) && darkNear(child, {200, 175}, 2));
    EXPECT_TRUE(darkNear(child, {200, 120}, 0));
}

// A flat bicycle's dark tyre is a part to colour, not an outline: its edge
// against the rim stays once the outline comes off, its inside white.
TEST(LineDrawing, ADarkPartAtTheEdgeOfAFlatFigureKeepsItsInnerEdge)
{
    const QImage child = editor::withoutOutline(page(Qt::white, [](QPainter& painter) {
        painter.setBrush(QColor(240, 235, 250));
        painter.setPen(QPen(QColor(45, 30, 60), 10));
        painter.drawEllipse(QPointF(200, 170), 70, 70);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 60, 100)); // the frame
        painter.drawRect(250, 120, 120, 40);
    }));
    EXPECT_TRUE(darkNear(child, {200, 105}));
    EXPECT_FALSE(darkNear(child, {200, 100}, 1));
}

// A bold drawing is the edges of its strokes, where the ink ends, and its
// outline goes into the gap between two legs rather than across it. A hole
// no crayon fits in, on top, is no line.
TEST(LineDrawing, ABoldDrawingBecomesTheEdgesOfItsStrokes)
{
    const QImage arch = page(Qt::white, [](QPainter& painter) {
        painter.setPen(QPen(Qt::black, 20, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(QPolygonF({{150, 250}, {150, 80}, {250, 80}, {250, 250}}));
        painter.drawEllipse(QPointF(200, 62), 12, 12);
    });
    const QImage drawing = editor::tracing::lineDrawing(arch);
    EXPECT_TRUE(darkNear(drawing, {141, 170}, 1));  // a leg's edge
    EXPECT_FALSE(darkNear(drawing, {150, 170}, 4)); // its middle
    EXPECT_FALSE(darkNear(drawing, {200, 62}, 4));
    const QList<editor::Outline> outlines = editor::traceFigures(arch);
    ASSERT_EQ(outlines.size(), 1);
    EXPECT_TRUE(std::any_of(outlines[0].points.begin(), outlines[0].points.end(), [](QPointF p) {
        return std::abs(p.x() - 200) < 10 && p.y() > 85 && p.y() < 100;
    }));
}

// A marker drawing on paper keeps its inner lines as thin lines along the
// middle of its strokes, joined where they meet; its eye stays as drawn.
TEST(LineDrawing, APenDrawingOnPaperKeepsThinLines)
{
    const QImage child = editor::withoutOutline(page(QColor(235, 228, 200), [](QPainter& painter) {
        painter.setPen(QPen(QColor(60, 57, 50), 14, Qt::SolidLine, Qt::RoundCap));
        painter.drawEllipse(QPointF(200, 150), 100, 100);
        painter.drawLine(140, 160, 260, 160);
        painter.drawLine(200, 160, 200, 215);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(60, 57, 50));
        painter.drawEllipse(QPointF(200, 110), 9, 9);
    }));
    EXPECT_FALSE(darkNear(child, {100, 150}, 3)); // the outline
    for (const QPoint middle : {QPoint(170, 160), QPoint(200, 160), QPoint(200, 190)})
        EXPECT_TRUE(darkNear(child, middle, 1)) << middle.x() << ',' << middle.y();
    EXPECT_FALSE(darkNear(child, {170, 155}, 1) || darkNear(child, {170, 165}, 1));
    EXPECT_FALSE(darkNear(child, {195, 190}, 1) || darkNear(child, {205, 190}, 1));
    EXPECT_TRUE(darkNear(child, {206, 110}, 0)); // the eye, as wide as drawn
}

// A stroke hanging from a bold outline (a tiger's stripe) is closed where
// it meets it; one that crosses from side to side is a line, left open.
TEST(LineDrawing, BoldStripesRunningIntoTheOutlineAreClosedThere)
{
    const QImage drawing = editor::tracing::lineDrawing(page(Qt::white, [](QPainter& painter) {
        painter.setPen(QPen(Qt::black, 20, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawRect(60, 60, 280, 180);
        painter.drawLine(150, 60, 150, 170);
        painter.drawLine(250, 60, 250, 240);
    }));
    EXPECT_TRUE(darkNear(drawing, {150, 72}));  // across the stripe's root
    EXPECT_TRUE(darkNear(drawing, {141, 120})); // its side
    EXPECT_FALSE(darkNear(drawing, {250, 74}, 2));
    // Between stripes hanging from the top and the bottom in turn, the
    // light no wider than they are is no patch: the outline's inner edge
    // along it is no line.
    const QImage comb = editor::tracing::lineDrawing(page(Qt::white, [](QPainter& painter) {
        painter.setPen(QPen(Qt::black, 20, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawRect(60, 60, 280, 180);
        for (int x = 100; x <= 300; x += 40)
            painter.drawLine(x, x % 80 == 20 ? 60 : 240, x, x % 80 == 20 ? 200 : 100);
    }));
    EXPECT_TRUE(darkNear(comb, {91, 150}));
    EXPECT_FALSE(darkNear(comb, {120, 69}, 2));
}
