#include "colour.h"
#include "picturebox.h"
#include "twips.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPixmap>
#include <gtest/gtest.h>
#include <memory>

using namespace toolkit;

// Failures show pictures as text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << text.toStdString();
}

namespace {

constexpr int Red = RGB(255, 0, 0);
constexpr double Pi = 3.14159265358979323846;

// A white picture area of `width` x `height` pixels that draws in pixels.
std::unique_ptr<PictureBox> area(int width, int height)
{
    auto box = std::make_unique<PictureBox>();
    box->Move(0, 0, width * TwipsPerPixel, height * TwipsPerPixel);
    box->ScaleMode = vbPixels;
    return box;
}

// The top-left corner of a picture as text: '.' white, '#' black, 'r' red.
QStringList art(const QImage& image, int width, int height)
{
    QStringList rows;
    for (int y = 0; y < height; ++y) {
        QString row;
        for (int x = 0; x < width; ++x) {
            const int c = fromQRgb(image.pixel(x, y));
            row += c == vbWhite ? '.' : c == vbBlack ? '#' : c == Red ? 'r' : '?';
        }
        rows << row;
    }
    return rows;
}

bool inked(const PictureBox& box, int x, int y)
{
    return box.Point(x, y) != vbWhite;
}

// Pixels across the ink along a row or a column.
int inkAlongRow(const PictureBox& box, int y)
{
    int n = 0;
    for (int x = 0; x < box.ScaleWidth(); ++x)
        n += inked(box, x, y);
    return n;
}

int inkAlongColumn(const PictureBox& box, int x)
{
    int n = 0;
    for (int y = 0; y < box.ScaleHeight(); ++y)
        n += inked(box, x, y);
    return n;
}

QRect inkBounds(const PictureBox& box)
{
    QRect bounds;
    for (int y = 0; y < box.ScaleHeight(); ++y)
        for (int x = 0; x < box.ScaleWidth(); ++x)
            if (inked(box, x, y))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

TEST(PictureBoxLayers, TemporaryDrawingGoesAtClsAndPersistentDrawingStays)
{
    auto box = area(20, 10);
    box->AutoRedraw = true;
    box->Line(0, 2, 19, 2);
    box->AutoRedraw = false;
    box->Line(0, 5, 19, 5);

    EXPECT_EQ(box->Point(3, 5), vbBlack);                 // on screen
    EXPECT_EQ(box->Image().pixel(3, 5), toQRgb(vbWhite)); // but not kept
    EXPECT_EQ(box->grab().toImage().convertToFormat(QImage::Format_RGB32), box->screenImage());

    box->Cls();
    EXPECT_EQ(box->Point(3, 5), vbWhite);
    EXPECT_EQ(box->Point(3, 2), vbBlack);
    EXPECT_EQ(box->screenImage(), box->Image());
}

TEST(PictureBoxLayers, TemporaryLayerShowsAllOfLongLinesAndLargeOutlines)
{
    // Only what the temporary layer covers is wiped and repainted; it must
    // cover every pixel drawn, or bits of a rubber line would stay behind.
    auto draw = [](PictureBox& box) {
        box.DrawWidth = 1;
        box.Line(3, 5, 590, 390);
        box.Circle(300, 200, 190);
        box.Circle(300, 200, 280, {}, 0.3, 2.9, 0.3);
        box.DrawWidth = 9;
        box.Line(590, 3, 5, 397);
        box.Circle(250, 180, 150, {}, 4.0, 1.0);
    };
    auto kept = area(600, 400);
    kept->AutoRedraw = true;
    draw(*kept);
    auto shown = area(600, 400);
    draw(*shown);
    EXPECT_EQ(shown->screenImage(), kept->Image());
    EXPECT_EQ(shown->grab().toImage().convertToFormat(QImage::Format_RGB32), kept->Image());
    shown->Cls();
    EXPECT_EQ(shown->grab().toImage().convertToFormat(QImage::Format_RGB32), shown->Image());
}

TEST(PictureBoxLayers, LinesFromFarOffTheAreaAreCutToItQuickly)
{
    // Positions from a damaged file can lie a billion twips away: the part
    // over the area is drawn and covered, in no time, with no overflow.
    auto draw = [](PictureBox& box) {
        box.ScaleMode = vbTwips;
        box.Line(-1e9, 50 * 15, 1e9, 50 * 15);
        box.Line(1e9, 1e9, 100 * 15, 30 * 15);
        box.DrawWidth = 7;
        box.Line(-1e9, -5e8, 150 * 15, 80 * 15);
        box.Line(5e8, 1e9, 5e8, -1e9); // wholly off the area
        box.Circle(1e9, 1e9, 32767);
        box.ScaleMode = vbPixels;
    };
    auto kept = area(200, 100);
    kept->AutoRedraw = true;
    draw(*kept);
    auto shown = area(200, 100);
    QElapsedTimer timer;
    timer.start();
    draw(*shown);
    EXPECT_LT(timer.elapsed(), 100);
    EXPECT_EQ(inkAlongRow(*kept, 50), 200);
    EXPECT_EQ(shown->screenImage(), kept->Image());
    shown->Cls();
    EXPECT_EQ(shown->screenImage(), shown->Image());
    EXPECT_EQ(inkBounds(*shown), QRect());
}

TEST(PictureBoxLayers, BackColourAndPictureMakeTheBackground)
{
    auto box = area(6, 3);
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(toQRgb(Red));
    box->setPicture(picture);
    box->AutoRedraw = true;
    box->Line(0, 2, 5, 2);
    box->AutoRedraw = false;
    box->Line(0, 1, 5, 1);

    box->setBackColor(vbBlack); // erases both layers, keeps the picture
    EXPECT_EQ(art(box->screenImage(), 6, 3), QStringList({"rr####", "rr####", "######"}));

    box->AutoRedraw = true;
    box->Line(0, 0, 5, 2, vbWhite);
    box->Cls(); // with AutoRedraw on, back to colour and picture
    EXPECT_EQ(art(box->Image(), 6, 3), QStringList({"rr####", "rr####", "######"}));
    EXPECT_EQ(box->CurrentX, 0);

    box->setPicture(QImage());
    EXPECT_EQ(art(box->Image(), 6, 3), QStringList({"######", "######", "######"}));
}

TEST(PictureBoxLayers, ResizingKeepsTheDrawing)
{
    auto box = area(4, 2);
    box->AutoRedraw = true;
    box->Line(0, 0, 3, 0);
    box->Line(3, 1, 3, 1);
    box->Move(0, 0, 6 * TwipsPerPixel, 3 * TwipsPerPixel);
    EXPECT_EQ(art(box->Image(), 6, 3), QStringList({"####..", "...#..", "......"}));
    EXPECT_EQ(box->ScaleWidth(), 6);
    box->ScaleMode = vbTwips;
    EXPECT_EQ(box->ScaleWidth(), 6 * TwipsPerPixel);
    EXPECT_EQ(box->ScaleHeight(), 3 * TwipsPerPixel);
}

TEST(PictureBoxLines, OnePixelLinesIncludeBothEnds)
{
    auto box = area(8, 7);
    box->AutoRedraw = true;
    box->Line(1, 1, 6, 1);
    box->Line(1, 3, 4, 6, Red);
    box->Line(6, 6, 6, 3);
    box->Line(0, 6, 0, 6);
    const QStringList expected = {
        "........", //
        ".######.", //
        "........", //
        ".r....#.", //
        "..r...#.", //
        "...r..#.", //
        "#...r.#.", //
    };
    EXPECT_EQ(art(box->Image(), 8, 7), expected);
    EXPECT_EQ(box->CurrentX, 0);
    EXPECT_EQ(box->CurrentY, 6);
}

TEST(PictureBoxLines, TwipsRoundDownToPixels)
{
    auto box = area(5, 2);
    box->ScaleMode = vbTwips;
    box->AutoRedraw = true;
    box->Line(29, 14, 59.9, 0);
    box->Line(45, 15, 74.99, 29.99);
    EXPECT_EQ(art(box->Image(), 5, 2), QStringList({".###.", "...##"}));
}

TEST(PictureBoxLines, WideLinesAreRoundAndCoverBothEnds)
{
    auto box = area(40, 40);
    box->AutoRedraw = true;
    box->DrawWidth = 10;
    box->Line(10, 10, 25, 10);
    EXPECT_EQ(inkAlongColumn(*box, 17), 10);
    EXPECT_TRUE(inked(*box, 10 - 4, 10) && inked(*box, 25 + 4, 10));
    EXPECT_FALSE(inked(*box, 10 - 6, 10) || inked(*box, 25 + 6, 10));
    EXPECT_FALSE(inked(*box, 10 - 5, 10 - 5)); // round, not square, caps

    // A line of no length is a dot as wide as the pen.
    box->Line(20, 30, 20, 30);
    EXPECT_EQ(inkAlongRow(*box, 30), 10);
    EXPECT_EQ(inkAlongColumn(*box, 20), 10 + 10);
}

TEST(PictureBoxLines, BoxesFillByTheirKind)
{
    auto box = area(9, 5);
    box->AutoRedraw = true;
    box->FillColor = Red;
    box->FillStyle = vbFSSolid;
    box->Line(0, 0, 3, 3, {}, LineShape::Box);
    box->FillStyle = vbFSTransparent;
    box->Line(5, 0, 8, 3, {}, LineShape::Box);
    box->Line(5, 4, 8, 4, Red, LineShape::BoxFilled);
    const QStringList expected = {
        "####.####", //
        "#rr#.#..#", //
        "#rr#.#..#", //
        "####.####", //
        ".....rrrr", //
    };
    EXPECT_EQ(art(box->Image(), 9, 5), expected);
}

TEST(PictureBoxLines, HatchesRunTheWayTheirNamesSay)
{
    // Inside a box, every pixel is white or on the style's 8-pixel grid.
    struct Case
    {
        int style;
        bool (*onHatch)(int x, int y);
    };
    const Case cases[] = {
        {vbHorizontalLine, [](int, int y) { return y % 8 == 3; }},
        {vbVerticalLine, [](int x, int) { return x % 8 == 4; }},
        {vbUpwardDiagonal, [](int x, int y) { return (x + y) % 8 == 7; }},
        {vbDownwardDiagonal, [](int x, int y) { return (x - y + 8) % 8 == 0; }},
        {vbCross, [](int x, int y) { return y % 8 == 3 || x % 8 == 4; }},
        {vbDiagonalCross, [](int x, int y) { return (x + y) % 8 == 7 || (x - y + 8) % 8 == 0; }},
    };
    for (const Case& c : cases) {
        auto box = area(20, 20);
        box->AutoRedraw = true;
        box->FillColor = Red;
        box->FillStyle = c.style;
        box->Line(0, 0, 19, 19, {}, LineShape::Box);
        for (int y = 1; y < 19; ++y)
            for (int x = 1; x < 19; ++x)
                ASSERT_EQ(box->Point(x, y), c.onHatch(x, y) ? Red : vbWhite)
                    << "style " << c.style << " at " << x << "," << y;
    }
}

TEST(PictureBoxCircles, CircleIsSymmetricWithItsRadiusInScaleUnits)
{
    auto box = area(41, 41);
    box->ScaleMode = vbTwips;
    box->AutoRedraw = true;
    box->FillStyle = vbFSSolid;
    box->FillColor = Red;
    box->Circle(20 * 15, 20 * 15, 12 * 15);
    box->ScaleMode = vbPixels;
    EXPECT_EQ(inkBounds(*box), QRect(QPoint(8, 8), QPoint(32, 32)));
    for (int y = 0; y < 41; ++y)
        for (int x = 0; x < 41; ++x)
            ASSERT_EQ(box->Point(x, y), box->Point(40 - x, y)) << x << "," << y;
    EXPECT_EQ(box->Point(20, 20), Red);
    EXPECT_EQ(box->Point(8, 20), vbBlack);
}

TEST(PictureBoxCircles, AspectShortensTheOtherAxis)
{
    auto flat = area(41, 41);
    flat->AutoRedraw = true;
    flat->Circle(20, 20, 12, {}, {}, {}, 0.5);
    EXPECT_EQ(inkBounds(*flat), QRect(QPoint(8, 14), QPoint(32, 26)));
    auto tall = area(41, 41);
    tall->AutoRedraw = true;
    tall->Circle(20, 20, 12, {}, {}, {}, 2.0);
    EXPECT_EQ(inkBounds(*tall), QRect(QPoint(14, 8), QPoint(26, 32)));
}

TEST(PictureBoxCircles, ArcsRunCounterclockwiseFromTheirStart)
{
    auto box = area(41, 41);
    box->AutoRedraw = true;
    box->Circle(20, 20, 12, {}, 0, Pi / 2); // upper right, both ends drawn
    EXPECT_EQ(inkBounds(*box), QRect(QPoint(20, 8), QPoint(32, 20)));

    box->Cls();
    box->Circle(20, 20, 12, {}, 3 * Pi / 2, Pi / 2); // right half
    EXPECT_EQ(inkBounds(*box), QRect(QPoint(20, 8), QPoint(32, 32)));
}

TEST(PictureBoxCircles, NegativeAnglesDrawTheirRadiiAndClosePies)
{
    auto box = area(41, 41);
    box->AutoRedraw = true;
    box->FillStyle = vbFSSolid;
    box->FillColor = Red;
    box->Circle(20, 20, 12, {}, -Pi / 2, Pi); // an open arc: one radius, no fill
    EXPECT_EQ(box->Point(20, 14), vbBlack);
    EXPECT_EQ(box->Point(14, 20), vbWhite);
    EXPECT_EQ(box->Point(17, 17), vbWhite);

    box->Cls();
    box->Circle(20, 20, 12, {}, -Pi / 2, -Pi); // a quarter pie, filled
    EXPECT_EQ(box->Point(20, 14), vbBlack);
    EXPECT_EQ(box->Point(14, 20), vbBlack);
    EXPECT_EQ(box->Point(17, 17), Red);
    EXPECT_EQ(box->Point(23, 23), vbWhite);
}

TEST(PictureBoxPixels, PSetAndPointReadTheLayerInUse)
{
    auto box = area(4, 4);
    box->AutoRedraw = true;
    box->PSet(1, 1, Red);
    box->AutoRedraw = false;
    box->PSet(2, 2);
    EXPECT_EQ(box->Point(1, 1), Red);
    EXPECT_EQ(box->Point(2, 2), vbBlack); // what is on screen
    EXPECT_EQ(box->Point(4, 0), -1);
    EXPECT_EQ(box->Point(0, -1), -1);
    box->AutoRedraw = true;
    EXPECT_EQ(box->Point(2, 2), vbWhite); // the kept image
}

TEST(PictureBoxText, LabelsAreSharpMeasuredAndPrintedFromTheTopLeft)
{
    auto box = area(120, 60);
    box->ScaleMode = vbTwips;
    box->AutoRedraw = true;
    box->FontName = QStringLiteral("Arial");
    box->FontSize = 18; // 24 pixels
    const double height = box->TextHeight(QStringLiteral("12")) / TwipsPerPixel;
    EXPECT_GE(height, 24);
    EXPECT_LE(height, 30);

    // A label centred on (60, 30) pixels, as the programs place them.
    const QString label = QStringLiteral("12");
    box->CurrentX = 60 * 15 - box->TextWidth(label) / 2;
    box->CurrentY = 30 * 15 - box->TextHeight(label) / 2;
    const double top = box->CurrentY;
    box->Print(label);
    EXPECT_EQ(box->CurrentX, 0);
    EXPECT_DOUBLE_EQ(box->CurrentY, top + box->TextHeight(label));

    box->ScaleMode = vbPixels;
    const QRect ink = inkBounds(*box);
    EXPECT_NEAR(ink.center().x(), 60, 2);
    EXPECT_NEAR(ink.center().y(), 30, 4);
    for (int y = ink.top(); y <= ink.bottom(); ++y)
        for (int x = ink.left(); x <= ink.right(); ++x)
            ASSERT_TRUE(box->Point(x, y) == vbBlack || box->Point(x, y) == vbWhite);
}

TEST(PictureBoxFill, FillsInPixelsUpToTheOutlines)
{
    auto box = area(41, 41);
    box->ScaleMode = vbTwips; // the fill ignores the scale
    box->AutoRedraw = true;
    box->Circle(20 * 15, 20 * 15, 12 * 15);
    box->Line(0, 0, 40 * 15, 0);
    box->FillStyle = vbFSSolid;
    box->FillColor = Red;
    box->FloodFill(20, 20, vbWhite);
    box->ScaleMode = vbPixels;
    EXPECT_EQ(box->Point(20, 20), Red);
    EXPECT_EQ(box->Point(8, 20), vbBlack);
    EXPECT_EQ(box->Point(3, 3), vbWhite);

    box->FloodFill(5, 0, vbBlack); // a click on a line recolours it
    EXPECT_EQ(inkAlongRow(*box, 0), 41);
    EXPECT_EQ(box->Point(40, 0), Red);

    const QImage before = box->Image();
    box->FloodFill(20, 20, Red); // the colour already there
    EXPECT_EQ(box->Image(), before);
    box->FillStyle = vbFSTransparent;
    box->FloodFill(3, 3, vbWhite);
    EXPECT_EQ(box->Image(), before);
}

TEST(PictureBoxFill, HatchedFillLeavesThePixelsBetweenItsLines)
{
    auto box = area(16, 16);
    box->AutoRedraw = true;
    box->FillStyle = vbHorizontalLine;
    box->FillColor = Red;
    box->FloodFill(0, 0, vbWhite);
    EXPECT_EQ(inkAlongColumn(*box, 5), 2);
    EXPECT_EQ(box->Point(5, 3), Red);
    EXPECT_EQ(box->Point(5, 4), vbWhite);
}

TEST(PictureBoxMouse, EventsArriveInScaleUnitsAndMakeClicks)
{
    auto box = area(100, 50);
    box->ScaleMode = vbTwips;
    QStringList seen;
    auto record = [&seen](const char* what) {
        return [&seen, what](int button, int shift, float x, float y) {
            seen << QStringLiteral("%1 %2 %3 %4 %5").arg(what).arg(button).arg(shift).arg(x).arg(y);
        };
    };
    box->onMouseDown = record("down");
    box->onMouseMove = record("move");
    box->onMouseUp = record("up");
    box->onClick = [&seen] { seen << QStringLiteral("click"); };
    box->onDblClick = [&seen] { seen << QStringLiteral("dblclick"); };

    auto send = [&box](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held,
                       Qt::KeyboardModifiers keys, QPointF at) {
        QMouseEvent event(type, at, box->mapToGlobal(at), button, held, keys);
        QCoreApplication::sendEvent(box.get(), &event);
    };
    send(QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, Qt::ShiftModifier, {10.5, 20});
    send(QEvent::MouseMove, Qt::NoButton, Qt::RightButton, Qt::ControlModifier, {11, 21});
    send(QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, Qt::AltModifier, {12, 22});
    box->ScaleMode = vbPixels;
    box->mouseDownAtPixel(vbLeftButton, 0, 5, 5);
    box->mouseUpAtPixel(vbLeftButton, 0, 120, 5); // released outside: no click

    // A double-click as the platform sends it: its second press is no down,
    // and its release no click.
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        const bool down = type != QEvent::MouseButtonRelease;
        send(type, Qt::LeftButton, down ? Qt::LeftButton : Qt::NoButton, {}, {30, 10});
    }

    const QStringList expected = {
        "down 2 1 150 300", "move 2 2 165 315", "up 2 4 180 330", "click", "down 1 0 5 5",
        "up 1 0 120 5",     "down 1 0 30 10",   "up 1 0 30 10",   "click", "dblclick",
        "up 1 0 30 10"};
    EXPECT_EQ(seen, expected);
}
