#include "editorfixture.h"
#include "tracing.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A 400 x 300 white page with black strokes 3 pixels wide drawn on it.
QImage page(const std::function<void(QPainter&)>& draw)
{
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 3));
    draw(painter);
    return image;
}

QPolygonF star(QPointF centre, double outer, double inner)
{
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const double angle = M_PI * i / 5 - M_PI / 2, r = i % 2 ? inner : outer;
        points << centre + QPointF(std::cos(angle), std::sin(angle)) * r;
    }
    return points;
}

// Within 2 pixels of `at` lie both stroke and background: it is on an outline.
bool onOutline(const QImage& picture, QPointF at)
{
    bool dark = false, light = false;
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            const QPoint p = at.toPoint() + QPoint(dx, dy);
            const int grey = picture.rect().contains(p) ? qGray(picture.pixel(p)) : 255;
            (grey < 128 ? dark : light) = true;
        }
    return dark && light;
}

} // namespace

// Figures are found where the background cannot reach, specks left out; the
// dots lie on each outline from its top, clockwise, the star's tips among them.
TEST(Tracing, DotsLieOnTheOutlinesFromTheTopClockwise)
{
    const struct
    {
        const char* what;
        std::function<void(QPainter&)> draw;
        int figures;
    } cases[] = {
        {"circle", [](QPainter& p) { p.drawEllipse(QPointF(200, 150), 100, 100); }, 1},
        {"ring with a hole",
         [](QPainter& p) {
             p.setPen(QPen(Qt::black, 20)), p.drawEllipse(QPointF(200, 150), 80, 80);
         },
         1},
        {"star",
         [](QPainter& p) {
             p.drawPolygon(star({200, 150}, 120, 50));
         },
         1},
        {"two figures",
         [](QPainter& p) { p.drawRect(20, 20, 100, 80), p.drawEllipse(QPointF(300, 200), 60, 60); },
         2},
        {"open stroke", [](QPainter& p) { p.drawLine(50, 250, 350, 40); }, 1},
        {"speck", [](QPainter& p) { p.drawPoint(100, 100); }, 0},
        {"almost white", [](QPainter& p) { p.fillRect(0, 0, 400, 300, QColor(230, 230, 230)); }, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QImage picture = page(c.draw);
        const auto outlines = editor::traceFigures(picture);
        ASSERT_EQ(outlines.size(), c.figures);
        const auto dots = editor::dotsAlong(outlines, 20);
        int placed = 0;
        for (qsizetype f = 0; f < dots.size(); ++f) {
            placed += int(dots[f].size());
            EXPECT_GE(dots[f].size(), 3);
            EXPECT_EQ(dots[f][0], outlines[f].points.first()); // the top
            double area = 0;                                   // positive: clockwise on screen
            for (qsizetype i = 0; i < dots[f].size(); ++i) {
                const QPointF a = dots[f][i], b = dots[f][(i + 1) % dots[f].size()];
                area += a.x() * b.y() - b.x() * a.y();
            }
            EXPECT_GT(area, 0);
            const qsizetype n = dots[f].size();
            for (qsizetype i = 0; i < n; ++i) // the path never crosses itself
                for (qsizetype j = i + 2; j < n - (i == 0); ++j)
                    EXPECT_NE(QLineF(dots[f][i], dots[f][i + 1])
                                  .intersects(QLineF(dots[f][j], dots[f][(j + 1) % n]), nullptr),
                              QLineF::BoundedIntersection)
                        << i << " " << j;
            for (QPointF dot : dots[f])
                EXPECT_TRUE(onOutline(picture, dot)) << dot.x() << "," << dot.y();
        }
        EXPECT_EQ(placed, c.figures ? 20 : 0);
    }
    const QPolygonF tips = star({200, 150}, 120, 50);
    const auto dots = editor::dotsAlong(
        editor::traceFigures(page([&](QPainter& p) { p.drawPolygon(tips); })), 12)[0];
    for (int i = 0; i < 10; i += 2) // every tip of the star is a dot
        EXPECT_TRUE(std::any_of(dots.begin(), dots.end(), [&](QPointF d) {
            return QLineF(d, tips[i]).length() < 4;
        })) << i;
}

// Pressed on the page's drawing: its outline gets the dots, the figure is
// closed, and one undo takes it all back; a page without a figure says so.
TEST_F(EditorTest, AutomaticDotsAreOneUndoStepAndAnEmptyPageSaysSo)
{
    startEditor();
    form->Command1_Click(19);
    form->AutoDotsButton_Click();
    EXPECT_EQ(platform.messages.size(), 1);
    platform.clipboard = page([](QPainter& p) { p.drawEllipse(QPointF(200, 150), 100, 100); });
    form->Command1_Click(17);
    form->AutoDotsCount->setValue(30);
    form->AutoDotsButton_Click();
    ASSERT_EQ(form->dotEntryCount, 31);
    EXPECT_LT(QLineF(form->dots[0].at, QPointF(200, 48.5) * 15).length(), 2 * 15); // the top
    EXPECT_TRUE(form->dots.back().closes());
    form->Command1_Click(13);
    EXPECT_EQ(form->dotEntryCount, 0);
    EXPECT_EQ(pageAt(0, 300 * 15, 150 * 15), toolkit::vbBlack);
}
