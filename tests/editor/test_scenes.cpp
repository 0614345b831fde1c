#include "picturebatch.h"
#include "picturefiles.h"
#include "tracing/ground.h"
#include "tracing/tracing.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <opencv2/imgproc.hpp>
#include <vector>

namespace {

// A 400 x 300 page with outlined ellipses, and a ground line across it that
// each stands on, on a leg.
QImage scene(const QList<QRect>& figures, bool ground)
{
    QImage page(400, 300, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setPen(QPen(Qt::black, 3));
    for (const QRect& each : figures) {
        painter.drawEllipse(each);
        if (ground)
            painter.drawLine(each.center().x(), each.bottom(), each.center().x(), 266);
    }
    if (ground)
        painter.drawLine(0, 262, 400, 266);
    return page;
}

QPointF middle(const editor::Outline& outline)
{
    return outline.points.boundingRect().center();
}

// The dark pieces of `picture` (darker than `dark`), as a label a pixel, 0
// for the light; their sizes in pixels, and how many of those lie inside,
// dark all round: few in a line.
std::vector<int> piecesOf(const QImage& picture, int dark, std::vector<int>& sizes,
                          std::vector<int>& solid)
{
    const int w = picture.width(), h = picture.height();
    std::vector<int> label(size_t(w) * size_t(h), 0);
    sizes = solid = {0};
    for (int start = 0; start < w * h; ++start) {
        if (label[size_t(start)] || qGray(picture.pixel(start % w, start / w)) >= dark)
            continue;
        std::vector<int> stack{start};
        label[size_t(start)] = int(sizes.size()), sizes.push_back(0), solid.push_back(0);
        while (!stack.empty()) {
            const int p = stack.back();
            stack.pop_back();
            ++sizes.back();
            int around = 0;
            for (const int q : {p - 1, p + 1, p - w, p + w})
                if (q >= 0 && q < w * h && std::abs(q % w - p % w) <= 1 &&
                    qGray(picture.pixel(q % w, q / w)) < dark && ++around && !label[size_t(q)])
                    label[size_t(q)] = label[size_t(start)], stack.push_back(q);
            solid.back() += around == 4;
        }
    }
    return label;
}

} // namespace

// A scene (a ground across the page, or many figures) has its dots round
// its largest figure only, and a click moves them to another; a couple of
// figures on a clean page all keep theirs, above a closed shape as wide as
// the drawing too (sails over a hull: no ground).
TEST(TracingScenes, TheMainFigureIsChosenUnlessThePageIsClean)
{
    const QRect large(130, 90, 160, 140), small(30, 170, 60, 60);
    const QList<QRect> many{large, small, {320, 200, 50, 60}, {40, 30, 60, 50}, {300, 20, 60, 50}};
    const std::tuple<const char*, QImage, qsizetype, std::optional<QRect>> cases[] = {
        {"on a ground", scene({large, small}, true), 1, large},
        {"many figures", scene(many, false), 1, large},
        {"two on a clean page", scene({large, small}, false), 2, std::nullopt},
        {"sails over a hull", scene({large, small, {25, 250, 280, 40}}, false), 3, std::nullopt}};
    for (const auto& [what, picture, figures, main] : cases) {
        SCOPED_TRACE(what);
        const QList<editor::Outline> outlines = editor::traceFigures(picture);
        ASSERT_EQ(outlines.size(), figures);
        const std::optional<QRect> chosen = editor::mainFigure(picture);
        ASSERT_EQ(chosen.has_value(), main.has_value());
        if (main) {
            EXPECT_TRUE(chosen->contains(main->center()) && main->contains(chosen->center()));
            EXPECT_TRUE(main->contains(middle(outlines[0]).toPoint()));
        }
        const QList<editor::Outline> picked =
            editor::traceFigures(picture, QPointF(small.center()));
        ASSERT_EQ(picked.size(), 1);
        EXPECT_TRUE(small.contains(middle(picked[0]).toPoint()));
        // The rest of the scene stays as drawn: the small figure's line.
        const QImage child = editor::withoutOutline(picture);
        EXPECT_EQ(qGray(child.pixel(small.left(), small.center().y())) < 128, main.has_value());
    }
}

// A scene's main figure reaches down to the ground it stands on, on legs
// drawn as one line each too, and ends where it ends, though a tree stands
// near enough to touch it once the tracing closes its gaps: its bounds are
// those of the figure drawn alone.
TEST(TracingScenes, TheMainFigureStandsOnTheGroundApartFromItsNeighbours)
{
    for (const char* name : {"gato-raton", "perro-arbol", "camello-sol", "vaca-granja",
                             "cerdo-charco", "jirafa-sabana"}) {
        SCOPED_TRACE(name);
        const QString path = LUNIPO_SOURCE_DIR "/tests/data/propios/escenas/%1%2.png";
        const QSize page = editor::PictureBatch::page();
        const QImage picture = toolkit::readFittedPicture(path.arg(name, ""), page);
        const QImage alone = toolkit::readFittedPicture(path.arg(name, "-figura"), page);
        QRect drawn;
        for (int y = 0; y < alone.height(); ++y)
            for (int x = 0; x < alone.width(); ++x)
                if (qGray(alone.pixel(x, y)) < 128)
                    drawn |= QRect(x, y, 1, 1);
        const std::optional<QRect> chosen = editor::mainFigure(picture);
        ASSERT_TRUE(chosen.has_value());
        const int near = page.width() / 40;
        EXPECT_NEAR(chosen->left(), drawn.left(), near);
        EXPECT_NEAR(chosen->right(), drawn.right(), near);
        EXPECT_NEAR(chosen->bottom(), drawn.bottom(), near);
    }
}

// Once the outline of a bold drawing is taken off, every dark piece left is
// a detail as drawn, a line that reaches well into the figure, or a thin
// line round a filled shape, never a shard the band cut off the outline.
TEST(TracingScenes, ABoldDrawingLeavesNoShards)
{
    for (const char* name : {"elefante", "gato", "perro"}) {
        SCOPED_TRACE(name);
        const QImage picture = toolkit::readFittedPicture(
            QStringLiteral(LUNIPO_SOURCE_DIR "/tests/data/propios/negritas/%1.png").arg(name),
            editor::PictureBatch::page());
        ASSERT_FALSE(picture.isNull());
        const QImage child = editor::withoutOutline(picture);
        std::vector<int> before, after, unused, solid;
        const std::vector<int> drawn = piecesOf(picture, 200, before, unused);
        const std::vector<int> left = piecesOf(child, 128, after, solid);
        std::vector<int> from(after.size(), 0);
        for (size_t p = 0; p < left.size(); ++p)
            if (left[p])
                from[size_t(left[p])] = drawn[p];
        for (size_t piece = 1; piece < after.size(); ++piece) {
            const int whole = before[size_t(from[piece])];
            EXPECT_TRUE(after[piece] > whole * 9 / 10 || after[piece] > 900 ||
                        2 * solid[piece] < after[piece])
                << after[piece] << " px left of " << whole;
        }
    }
}

// In a scene drawn with a bold pen, a stroke inside the main figure (a
// leg, a tail) becomes its edges once the outline comes off, not a black
// bar; the other figures stay as drawn.
TEST(TracingScenes, ABoldSceneKeepsNoBarsInItsMainFigure)
{
    QImage picture = scene({{30, 170, 60, 60}}, true);
    QPainter painter(&picture);
    painter.setPen(QPen(Qt::black, 10));
    painter.drawEllipse(120, 70, 180, 150);
    painter.drawLine(170, 110, 170, 190);
    painter.end();
    const QImage child = editor::withoutOutline(picture);
    int edge = 255;
    for (int x = 160; x <= 180; ++x)
        edge = std::min(edge, qGray(child.pixel(x, 150)));
    EXPECT_GT(qGray(child.pixel(170, 150)), 128);
    EXPECT_LT(edge, 128);
    EXPECT_LT(qGray(child.pixel(30, 200)), 128);
}

// Of what runs level along a scene's ground, the ground is the line the
// figures stand on, and only that: a level stroke just above it (a snout,
// a shell's rim) stays the figure's; a tuft of grass on it goes with it.
// A line from the side, far above it, is a branch to perch on, and a
// level stroke just above the branch (a tail) stays the figure's.
TEST(TracingScenes, TheGroundIsTheLineTheFiguresStandOn)
{
    const std::tuple<const char*, cv::Point, cv::Point, bool> cases[] = {
        {"the ground", {0, 262}, {399, 262}, true},
        {"a snout above it", {150, 252}, {230, 252}, false},
        {"a branch from the side", {0, 150}, {200, 150}, true},
        {"a tail just above the branch", {100, 144}, {180, 144}, false},
        {"a tuft of grass on it", {300, 256}, {300, 258}, true},
    };
    cv::Mat ink = cv::Mat::zeros(300, 400, CV_8UC1);
    for (const auto& [what, from, to, ground] : cases)
        cv::line(ink, from, to, 255, 3);
    const cv::Mat ground = editor::tracing::groundOf(ink, 3);
    ASSERT_FALSE(ground.empty());
    for (const auto& [what, from, to, expected] : cases) {
        SCOPED_TRACE(what);
        EXPECT_EQ(ground.at<uint8_t>((from + to) / 2) > 0, expected);
    }
}

// A sole or a shell's rim drawn resting on the ground, the two one thick
// line there, stays the figure's: the ground is no thicker there than it
// is drawn along the page.
TEST(TracingScenes, ASoleRestingOnTheGroundStaysTheFigures)
{
    cv::Mat ink = cv::Mat::zeros(300, 400, CV_8UC1);
    cv::line(ink, {0, 262}, {399, 262}, 255, 9);
    cv::rectangle(ink, cv::Rect(150, 246, 40, 12), 255, cv::FILLED);
    const cv::Mat ground = editor::tracing::groundOf(ink, 9);
    ASSERT_FALSE(ground.empty());
    EXPECT_EQ(ground.at<uint8_t>(250, 170), 0);
    EXPECT_GT(ground.at<uint8_t>(264, 170), 0);
    EXPECT_GT(ground.at<uint8_t>(262, 50), 0);
}

// A figure whose soles lay along the ground, taken off with it, has them
// back: the inside of each leg down to the ground is the figure's, the gap
// between the legs is not.
TEST(TracingScenes, AFigureStandingOnTheGroundKeepsItsSoles)
{
    cv::Mat ink = cv::Mat::zeros(300, 400, CV_8UC1), ground = ink.clone();
    cv::line(ground, {0, 262}, {399, 262}, 255, 3);
    for (const int x : {100, 130, 170, 200})
        cv::line(ink, {x, 200}, {x, 260}, 255, 3);
    cv::line(ink, {100, 200}, {200, 200}, 255, 3);
    // As the tracing found it: each leg closed short of the ground.
    const std::vector<cv::Point> found{{100, 200}, {200, 200}, {200, 250}, {170, 250},
                                       {170, 202}, {130, 202}, {130, 250}, {100, 250}};
    const std::vector<cv::Point> standing =
        editor::tracing::standingOn(found, ink & ~ground, ground, 4.5);
    EXPECT_GE(cv::pointPolygonTest(standing, cv::Point2f(115, 258), false), 0);
    EXPECT_GE(cv::pointPolygonTest(standing, cv::Point2f(185, 258), false), 0);
    EXPECT_LT(cv::pointPolygonTest(standing, cv::Point2f(150, 240), false), 0);
}

// A house whose floor went with the ground is closed by it, its doorway
// too: the world lies a wall away on either side of its room.
TEST(TracingScenes, AHouseOnTheGroundIsClosedByIt)
{
    cv::Mat ink = cv::Mat::zeros(300, 400, CV_8UC1), ground = ink.clone();
    cv::line(ground, {0, 262}, {399, 262}, 255, 3);
    for (const int x : {100, 180, 220, 300})
        cv::line(ink, {x, x == 100 || x == 300 ? 150 : 200}, {x, 260}, 255, 3);
    cv::line(ink, {100, 150}, {300, 150}, 255, 3);
    cv::line(ink, {180, 200}, {220, 200}, 255, 3);
    // As the tracing found it: open below, short of the ground.
    const std::vector<cv::Point> found{{100, 150}, {300, 150}, {300, 230}, {100, 230}};
    const std::vector<cv::Point> standing =
        editor::tracing::standingOn(found, ink & ~ground, ground, 4.5);
    for (const cv::Point2f inside :
         {cv::Point2f(130, 255), cv::Point2f(270, 255), cv::Point2f(200, 255)})
        EXPECT_GE(cv::pointPolygonTest(standing, inside, false), 0) << inside;
}

// What the ground closes with the figure is the figure's where the figure
// alone has it closed: a body its outline roofs, its bottom line gone with
// the ground, its head found; a leg's inside, as narrow as a gap. The arch
// between the legs, under the body, is not.
TEST(TracingScenes, WhatTheGroundClosesWithTheFigureIsItsOwn)
{
    using Lines = std::vector<std::vector<cv::Point>>;
    const Lines roofed{{{100, 260}, {100, 150}, {300, 150}, {300, 260}}};
    const Lines legged{{{100, 150}, {300, 150}, {300, 200}, {100, 200}, {100, 150}},
                       {{112, 200}, {112, 260}},
                       {{124, 200}, {124, 260}},
                       {{280, 200}, {280, 260}},
                       {{292, 200}, {292, 260}}};
    const std::vector<cv::Point> head{{100, 150}, {180, 150}, {180, 260}, {100, 260}},
        body{{100, 150}, {300, 150}, {300, 200}, {100, 200}};
    const std::tuple<const char*, Lines, std::vector<cv::Point>, cv::Point2f, bool> cases[] = {
        {"a body its outline roofs", roofed, head, {260, 240}, true},
        {"a leg's inside", legged, body, {118, 240}, true},
        {"the arch between the legs", legged, body, {200, 240}, false},
    };
    cv::Mat ground = cv::Mat::zeros(300, 400, CV_8UC1);
    cv::line(ground, {0, 262}, {399, 262}, 255, 3);
    for (const auto& [what, lines, found, at, expected] : cases) {
        SCOPED_TRACE(what);
        cv::Mat ink = cv::Mat::zeros(ground.size(), CV_8UC1);
        cv::polylines(ink, lines, false, 255, 3);
        const auto standing = editor::tracing::standingOn(found, ink, ground, 4.5);
        EXPECT_EQ(cv::pointPolygonTest(standing, at, false) >= 0, expected);
    }
}
