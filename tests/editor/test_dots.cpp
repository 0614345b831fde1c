#include "measures.h"
#include "picturebatch.h"
#include "picturefiles.h"
#include "tracing/tracing.h"

#include <QLineF>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

// How far the dots joined run off the figures `silhouette`: the farthest
// point of their sides outside it, from its edge, in pixels.
double farthestOff(const QList<QList<QPointF>>& placed, const QList<QPolygonF>& silhouette)
{
    double farthest = 0;
    for (const QList<QPointF>& dots : placed)
        for (qsizetype i = 0; i < dots.size(); ++i) {
            const QLineF side(dots[i], dots[(i + 1) % dots.size()]);
            for (double t = 0; t <= 1; t += 2 / std::max(2.0, side.length())) {
                const QPointF p = side.pointAt(t);
                if (std::any_of(silhouette.begin(), silhouette.end(), [&](const QPolygonF& edge) {
                        return edge.containsPoint(p, Qt::OddEvenFill);
                    }))
                    continue;
                double nearest = 1e9; // its edges run pixel by pixel
                for (const QPolygonF& edge : silhouette)
                    for (QPointF q : edge)
                        nearest = std::min(nearest, QLineF(p, q).length());
                farthest = std::max(farthest, nearest);
            }
        }
    return farthest;
}

} // namespace

// Bold drawings of animals: at 10, 20 and 30 dots every dot lies within
// 6 px of the figure's outer edge, never over the paper where the tracing
// closed a gap (between the snail's shell and its foot); at 20 and 30 the
// dots go down into the gaps between the legs, so that the joined dots run
// no farther off the figure than the dots' spacing.
TEST(Dots, FollowTheLegsOfBoldAnimals)
{
    const std::pair<const char*, bool> drawings[] = {{"caballo", true},  {"ciervo", true},
                                                     {"elefante", true}, {"perro", true},
                                                     {"vaca", true},     {"caracol", false}};
    for (const auto& [name, legs] : drawings) {
        const QImage picture = toolkit::readFittedPicture(
            QStringLiteral(LUNIPO_TEST_DATA "/propios/negritas/%1.png").arg(name),
            editor::PictureBatch::page());
        const QList<int> counts{10, 20, 30};
        const auto levels = tracingtable::measure(picture, counts);
        for (qsizetype i = 0; i < counts.size(); ++i) {
            EXPECT_LE(levels[i].farthest, 6) << name << " at " << counts[i];
            if (legs && counts[i] >= 20) {
                EXPECT_LE(farthestOff(levels[i].placed, levels[i].silhouette),
                          editor::dotSpacing(picture.size()))
                    << name << " at " << counts[i];
            }
        }
    }
}

// The dot that must go off a square's drawn line (its bottom a gap closed)
// goes where the figure's own line is near, not over the paper.
TEST(Dots, OffTheDrawnLineTheyGoWhereItIsNearest)
{
    const editor::Outline square{{{0, 0}, {100, 0}, {100, 100}, {45, 100}, {30, 100}, {0, 100}},
                                 {},
                                 {true, true, false, false, false, true},
                                 {0, 0, 10, 0, 10, 0},
                                 10};
    int below = 0, near = 0;
    for (QPointF d : editor::dotsAlong({square}, 20).value(0))
        if (d.y() == 100 && d.x() > 0 && d.x() < 100)
            ++below, near += d.x() >= 30 && d.x() <= 45;
    EXPECT_TRUE(near > 0 && near == below) << near << " of " << below;
}

// Two round figures that touch, one's top where the other's bottom is (a
// bubble on a bubble): no dot comes nearer another than the spacing,
// whichever figure it is on.
TEST(Dots, TouchingFiguresKeepTheirDotsApart)
{
    QList<editor::Outline> bubbles(2);
    for (int i = 0; i < 2; ++i) {
        for (double angle = -M_PI / 2; angle < 1.5 * M_PI - 1e-9; angle += M_PI / 180)
            bubbles[i].points << QPointF(200, 200 + 270 * i) +
                                     (150 - 30 * i) * QPointF(std::cos(angle), std::sin(angle));
        bubbles[i].spacing = 24;
    }
    QList<QPointF> every;
    for (const QList<QPointF>& dots : editor::dotsAlong(bubbles, 30))
        every += dots;
    for (qsizetype i = 0; i < every.size(); ++i)
        for (qsizetype j = i + 1; j < every.size(); ++j)
            EXPECT_GE(QLineF(every[i], every[j]).length(), 24 - 1e-6);
}
