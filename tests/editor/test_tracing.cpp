#include "../localshare.h"
#include "activitypicture.h"
#include "editorfixture.h"

#include "picturebatch.h"
#include "picturefiles.h"
#include "tracing/tracing.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QSpinBox>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// A 400 x 300 white page with `path` drawn on it in black, `width` pixels wide.
QImage page(const QPainterPath& path, int width = 3)
{
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).strokePath(path, QPen(Qt::black, width));
    return image;
}

// A circle of radius 100 round (200, 150): (300, 150) lies on its line.
QPainterPath circle()
{
    QPainterPath path;
    path.addEllipse(QPointF(200, 150), 100, 100);
    return path;
}

QPolygonF star()
{
    QPolygonF points;
    for (int i = 0; i < 11; ++i) { // closed: the last point is the first
        const double angle = M_PI * i / 5 - M_PI / 2;
        points << QPointF(200, 150) +
                      QPointF(std::cos(angle), std::sin(angle)) * (i % 2 ? 50 : 120);
    }
    return points;
}

// Both stroke and background within 2 pixels of `at`: it is on an outline.
bool onOutline(const QImage& picture, QPointF at)
{
    int dark = 0;
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            const QPoint p = at.toPoint() + QPoint(dx, dy);
            dark += picture.valid(p) && qGray(picture.pixel(p)) < 128;
        }
    return dark > 0 && dark < 25;
}

// Clockwise on screen (a positive shoelace area) and never crossing itself.
bool clockwiseAndSimple(const QList<QPointF>& dots)
{
    const qsizetype n = dots.size();
    double area = 0;
    for (qsizetype i = 0; i < n; ++i) {
        area += dots[i].x() * dots[(i + 1) % n].y() - dots[(i + 1) % n].x() * dots[i].y();
        for (qsizetype j = i + 2; j < n - (i == 0); ++j)
            if (QLineF(dots[i], dots[i + 1])
                    .intersects(QLineF(dots[j], dots[(j + 1) % n]), nullptr) ==
                QLineF::BoundedIntersection)
                return false;
    }
    return area > 0;
}

} // namespace

// Figures are where the background cannot reach, specks left out; 20 dots lie
// on their outlines from each top, clockwise, the star's tips among them.
TEST(Tracing, DotsLieOnTheOutlinesFromTheTopClockwise)
{
    QPainterPath star, two, stroke, speck;
    star.addPolygon(::star());
    two.addRect(20, 20, 100, 80), two.addEllipse(QPointF(300, 200), 60, 60);
    stroke.moveTo(50, 250), stroke.lineTo(350, 40);
    speck.addRect(100, 100, 1, 1);
    const std::tuple<const char*, QImage, int> cases[] = {
        {"circle", page(circle()), 1},    {"ring with a hole", page(circle(), 20), 1},
        {"star", page(star), 1},          {"two figures", page(two), 2},
        {"open stroke", page(stroke), 1}, {"speck", page(speck, 1), 0}};
    for (const auto& [what, picture, figures] : cases) {
        SCOPED_TRACE(what);
        const auto outlines = editor::traceFigures(picture);
        ASSERT_EQ(outlines.size(), figures);
        const auto dots = editor::dotsAlong(outlines, 20);
        qsizetype placed = 0;
        for (qsizetype f = 0; f < dots.size(); ++f) {
            placed += dots[f].size();
            EXPECT_GE(dots[f].size(), 3);
            EXPECT_EQ(dots[f][0], outlines[f].points.first()); // the top
            EXPECT_TRUE(clockwiseAndSimple(dots[f]));
            for (QPointF dot : dots[f])
                EXPECT_TRUE(onOutline(picture, dot)) << dot.x() << "," << dot.y();
        }
        EXPECT_EQ(placed, figures ? 20 : 0);
    }
    QImage almostWhite(400, 300, QImage::Format_RGB32);
    almostWhite.fill(QColor(230, 230, 230));
    EXPECT_TRUE(editor::traceFigures(almostWhite).isEmpty());
    const auto dots = editor::dotsAlong(editor::traceFigures(page(star)), 12)[0];
    for (int i = 0; i < 10; i += 2) // every tip of the star is a dot
        EXPECT_TRUE(std::any_of(dots.begin(), dots.end(), [&](QPointF d) {
            return QLineF(d, ::star()[i]).length() < 4;
        })) << i;
}

// The outline goes, a band as wide as its line and its soft edge, and the
// details inside stay; a filled silhouette loses its fill.
TEST(Tracing, TheOutlineIsErasedAndTheInsideKept)
{
    QPainterPath eye;
    eye.addEllipse(QPointF(170, 120), 10, 10);
    QImage drawn = page(circle(), 6);
    QPainter(&drawn).strokePath(eye, QPen(Qt::black, 3));
    const QImage erased = editor::withoutOutline(drawn);
    for (int x = 94; x <= 106; ++x) // across the left side of the line, white for the fill
        EXPECT_EQ(erased.pixel(x, 150), qRgb(255, 255, 255)) << x;
    EXPECT_LT(qGray(erased.pixel(160, 120)), 128); // the eye
    QImage solid(400, 300, QImage::Format_RGB32);
    solid.fill(Qt::white);
    QPainter(&solid).fillPath(circle(), Qt::black);
    QImage white(solid.size(), QImage::Format_RGB32);
    white.fill(Qt::white);
    EXPECT_EQ(editor::withoutOutline(solid), white);
    // Nothing all but white is left of a soft line for the paint bucket to stop at.
    const QImage cow = editor::withoutOutline(toolkit::readFittedPicture(
        LUNIPO_TEST_DATA "/openmoji/vaca.svg", editor::PictureBatch::page()));
    int specks = 0;
    for (int y = 0; y < cow.height(); ++y)
        for (int x = 0; x < cow.width(); ++x)
            specks += qGray(cow.pixel(x, y)) >= 250 && cow.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_EQ(specks, 0);
    // A bold drawing's legs, cut where the band ends, leave their edges as
    // lines, not black shards.
    const QImage bold =
        editor::withoutOutline(QImage(LUNIPO_TEST_DATA "/propios/negritas/vaca.png"));
    int black = 0;
    for (int y = 0; y < bold.height(); ++y)
        for (int x = 0; x < bold.width(); ++x)
            black += qGray(bold.pixel(x, y)) < 128;
    EXPECT_LT(black, bold.width() * bold.height() / 100);
}

// A stroke that only runs a little way in from the outline is gone with
// it, not left as a black stub; one that runs on into the figure stays.
TEST(Tracing, ShortStrokesMeetingTheOutlineGoWithIt)
{
    QImage drawn = page(circle(), 10);
    QPainter painter(&drawn);
    painter.setPen(QPen(Qt::black, 10, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(300, 150), QPointF(274, 150)); // 2.6 lines long
    painter.drawLine(QPointF(200, 50), QPointF(200, 200));
    painter.end();
    const QImage erased = editor::withoutOutline(drawn);
    int stub = 0;
    for (int y = 140; y <= 160; ++y)
        for (int x = 260; x <= 300; ++x)
            stub += qGray(erased.pixel(x, y)) < 128;
    EXPECT_EQ(stub, 0);
    for (int y = 80; y <= 190; y += 10)
        EXPECT_LT(qGray(erased.pixel(200, y)), 128) << y;
    // Nor is a black wedge left where the outline's strokes meet in the
    // notches the figure closes over: the fir tree's tiers leave a blank page.
    const QImage fir = editor::withoutOutline(toolkit::readFittedPicture(
        LUNIPO_TEST_DATA "/biblioteca/abeto.svg", editor::PictureBatch::page()));
    int wedges = 0;
    for (int y = 0; y < fir.height(); ++y)
        for (int x = 0; x < fir.width(); ++x)
            wedges += qGray(fir.pixel(x, y)) < 128;
    EXPECT_EQ(wedges, 0);
}

// On thin line art a shape drawn filled that the outline cuts into (an
// animal's far leg, or a chimney hung on the lines inside) keeps only its
// edge, not a black stump with a rough end; a line drawn bolder than the
// outline (a kite's spar) stays a line.
TEST(Tracing, AFillTheOutlineCutsLeavesItsEdgeAndABoldLineStays)
{
    QImage drawn = page(circle(), 8);
    QPainter painter(&drawn);
    painter.fillRect(QRectF(180, 215, 40, 40), Qt::black);
    painter.fillRect(QRectF(190, 40, 20, 40), Qt::black);
    painter.setPen(QPen(Qt::black, 6, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(200, 80), QPointF(200, 125));
    painter.drawLine(QPointF(130, 95), QPointF(270, 95));
    painter.drawLine(QPointF(125, 110), QPointF(275, 110));
    painter.setPen(QPen(Qt::black, 14, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(101, 140), QPointF(250, 140));
    painter.end();
    const QImage erased = editor::withoutOutline(drawn);
    for (const QPoint inside : {QPoint(200, 230), QPoint(200, 68)})
        EXPECT_EQ(qGray(erased.pixel(inside)), 255) << inside.x() << "," << inside.y();
    EXPECT_LT(qGray(erased.pixel(180, 225)), 128);
    EXPECT_LT(qGray(erased.pixel(190, 68)), 128);
    EXPECT_LT(qGray(erased.pixel(180, 140)), 128);
    EXPECT_LT(qGray(erased.pixel(150, 110)), 128);
}

// Pressed on the page's drawing: its outline gets the dots, the figure is
// closed, the outline is taken from the page and the drawing will go with
// the activity; one undo takes it all back; a page without a figure says so.
// The floppy writes the drawing beside the activity when the child is to
// see it, and opening the activity brings it back into the page.
TEST_F(EditorTest, AutomaticDotsAreOneUndoStepAndTheDrawingGoesWithThem)
{
    startEditor();
    form->chooseTool(Tool::Dots);
    form->placeDotsAutomatically();
    EXPECT_EQ(platform.messages.size(), 1);
    platform.clipboard = ::page(circle());
    form->chooseTool(Tool::Paste);
    // A drawing by hand is not shown.
    EXPECT_FALSE(find<toolkit::CheckBox>("showDrawingCheck")->isChecked());
    find<QSpinBox>("autoDotsCount")->setValue(30);
    form->placeDotsAutomatically();
    ASSERT_EQ(dotCount(), 31);
    EXPECT_LT(QLineF(form->dotList()[0].at, QPointF(200, 48.5) * 15).length(), 2 * 15); // the top
    EXPECT_TRUE(form->dotList().back().closes());
    EXPECT_TRUE(find<toolkit::CheckBox>("showDrawingCheck")->isChecked());
    const auto drawing = [&] { return qGray(page(0).Image().pixel(300, 150)); };
    EXPECT_EQ(drawing(), 255);
    form->chooseTool(Tool::Undo);
    EXPECT_EQ(dotCount(), 0);
    EXPECT_EQ(drawing(), 0);

    form->chooseTool(Tool::Dots);
    find<toolkit::CheckBox>("eraseOutlineCheck")->setChecked(false);
    form->placeDotsAutomatically();
    form->chooseTool(Tool::SaveActivity);
    const QString written = appDir.filePath("1.txt");
    ASSERT_TRUE(QFile::exists(toolkit::activityPicturePath(written)));
    find<toolkit::CheckBox>("showDrawingCheck")->setChecked(false);
    form->chooseTool(Tool::SaveActivity);
    EXPECT_FALSE(QFile::exists(appDir.filePath("2.png")));
    form->chooseTool(Tool::ClearPage); // the page cleared
    ASSERT_TRUE(form->openActivity(written));
    EXPECT_EQ(drawing(), 0);
    EXPECT_TRUE(find<toolkit::CheckBox>("showDrawingCheck")->isChecked());
}

// lunipoeditor --tema: one activity per picture, in order, each with its
// drawing; a picture that gives none is told and the others go on.
TEST_F(EditorTest, ABatchMakesAnActivityOfEachPicture)
{
    startEditor(1024, 768);
    EXPECT_EQ(QSize(canvas()->Width(), canvas()->Height()), editor::PictureBatch::CanvasTwips);
    EXPECT_EQ(page(0).Image().size(), editor::PictureBatch::page());
    ::page(circle()).save(appDir.filePath("circulo.png"));
    QFile(appDir.filePath("roto.png")).open(QIODevice::WriteOnly);
    QString problem;
    const auto batch = editor::PictureBatch::fromArguments(
        {"lunipoeditor", "--tema", "prueba", "--puntos", "12", appDir.filePath("circulo.png"),
         appDir.filePath("roto.png"), appDir.filePath("circulo.png")},
        problem);
    ASSERT_TRUE(batch && problem.isEmpty());
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    EXPECT_EQ(batch->run(toolkit::ThemeLibrary(appDir.path(), localShare()), outStream, errStream),
              1);
    const QString theme = appDir.filePath("actividades/prueba/");
    EXPECT_EQ(out.split('\n', Qt::SkipEmptyParts),
              QStringList({theme + "1.txt", theme + "1.png", theme + "2.txt", theme + "2.png"}));
    EXPECT_TRUE(err.startsWith(appDir.filePath("roto.png")));
    ASSERT_TRUE(form->openActivity(theme + "2.txt"));
    EXPECT_EQ(dotCount(), 13);
    for (const QStringList& wrong : {QStringList{"x", "--tema"},
                                     {"x", "--tema", "a", "--puntos", "2", "p"},
                                     {"x", "--tema", "a"},
                                     {"x", "-qwindowtitle", "--tema", "a", "p"},
                                     {"x", "--tema", ".a", "p"},
                                     {"x", "--tema", "a", "--paso", "0", "p"},
                                     {"x", "--tema", "a", "--letras", "--paso", "2", "p"},
                                     {"x", "--tema", "a", "--letras", "--puntos", "28", "p"}})
        EXPECT_TRUE(editor::PictureBatch::fromArguments(wrong, problem) && !problem.isEmpty());
    EXPECT_FALSE(editor::PictureBatch::fromArguments({"x", "1.txt"}, problem));
    // A theme of a long name that "Guardar en un tema" takes, the batch takes too.
    EXPECT_TRUE(
        editor::PictureBatch::fromArguments({"x", "--tema", QString(70, 'a'), "p"}, problem) &&
        problem.isEmpty());
    // Counting in twos starts at 2; letters give one dot each, A to Z with Ñ in Spanish.
    const struct
    {
        QStringList options;
        QStringList labels;
    } labelled[] = {
        {{"--puntos", "12", "--paso", "2"},
         {"2", "4", "6", "8", "10", "12", "14", "16", "18", "20", "22", "24"}},
        {{"--letras", "--puntos", "3"}, {"A", "B", "C"}},
        {{"--letras"}, QString("ABCDEFGHIJKLMNÑOPQRSTUVWXYZ").split("", Qt::SkipEmptyParts)},
    };
    for (const auto& c : labelled) {
        const auto lettered =
            editor::PictureBatch::fromArguments(QStringList{"x", "--tema", "b"} + c.options +
                                                    QStringList{appDir.filePath("circulo.png")},
                                                problem);
        ASSERT_TRUE(lettered && problem.isEmpty()) << problem.toStdString();
        const QString text =
            QString::fromLatin1(lettered->activityFrom(appDir.filePath("circulo.png")).text);
        QStringList labels;
        for (const QString& line : text.split("\r\n").mid(5))
            if (!line.section(',', 0, 0).isEmpty())
                labels << line.section(',', 0, 0);
        EXPECT_EQ(labels, c.labels) << c.options.join(' ').toStdString();
    }
    QProcess editor; // Qt once took --tema as the value of its own option, and the batch crashed
    editor.start(LUNIPO_APP_DIR "/lunipoeditor", {"-qwindowtitle", "--tema", "x.svg"});
    ASSERT_TRUE(editor.waitForFinished(60000));
    EXPECT_EQ(editor.exitStatus() == QProcess::NormalExit ? editor.exitCode() : -1, 2);
    EXPECT_TRUE(editor.readAllStandardError().contains("--tema"));
}

// A scene: a tree on a ground line from border to border, a large circle in
// the middle, a square beside it. The dots go round the circle and the
// teacher is told; a click in the square moves them there, its outline
// erased and the circle's back; one undo leaves the scene as drawn. The
// batch says which figure it took.
TEST_F(EditorTest, OnASceneTheDotsGoRoundTheFigureChosen)
{
    startEditor(1024, 768);
    QImage scene(editor::PictureBatch::page(), QImage::Format_RGB32);
    scene.fill(Qt::white);
    {
        QPainter painter(&scene);
        painter.setPen(QPen(Qt::black, 4));
        painter.drawLine(0, 600, scene.width(), 600);
        painter.drawRect(80, 420, 30, 180), painter.drawEllipse(QPointF(95, 350), 70, 70);
        painter.drawEllipse(QPointF(470, 330), 150, 150);
        painter.drawRect(720, 400, 140, 140);
    }
    const auto darkAt = [&](int x, int y) { return qGray(page(0).Image().pixel(x, y)) < 128; };
    platform.clipboard = scene;
    form->chooseTool(Tool::Paste);
    form->chooseTool(Tool::Line);
    form->placeDotsAutomatically();
    EXPECT_EQ(platform.messages.size(), 1);
    ASSERT_EQ(dotCount(), 21);
    EXPECT_LT(QLineF(form->dotList()[0].at / 15, QPointF(470, 180)).length(), 4);
    form->pressOnCanvas(1, 0, 790 * 15, 470 * 15);
    form->releaseOnCanvas(1, 0, 790 * 15, 470 * 15);
    ASSERT_EQ(dotCount(), 21);
    EXPECT_LT(form->dotList()[0].at.y() / 15, 404);
    EXPECT_GT(form->dotList()[0].at.x() / 15, 716);
    EXPECT_TRUE(darkAt(470, 180));
    EXPECT_FALSE(darkAt(790, 400));
    form->chooseTool(Tool::Undo);
    EXPECT_EQ(dotCount(), 0);
    EXPECT_TRUE(darkAt(790, 400));

    scene.save(appDir.filePath("escena.png"));
    QString problem;
    const auto batch = editor::PictureBatch::fromArguments(
        {"x", "--tema", "escena", appDir.filePath("escena.png")}, problem);
    ASSERT_TRUE(batch);
    const auto taken = batch->activityFrom(appDir.filePath("escena.png")).scene;
    ASSERT_TRUE(taken);
    EXPECT_TRUE(taken->contains(470, 330) && !taken->contains(790, 470));
}

// A colour animal as clip art draws it, its outline 20 px wide on the
// editor's page: a peach body, a dark grey hind leg 16 px from the front
// one, a black line drawn up into the body from its belly, a dark spot in
// a black ring. The gap between the legs stays open; the outline leaves no
// seam down the dark leg, nor the ring round the spot, and the belly line
// and the frame round a window the page shows through come off as their
// edges, not black bars.
TEST(Tracing, AColourAnimalKeepsItsLegsApartAndLeavesNoBars)
{
    QImage animal(editor::PictureBatch::page(), QImage::Format_RGB32);
    animal.fill(Qt::white);
    QPainterPath body, front, hind;
    body.addRoundedRect(200, 200, 500, 220, 40, 40);
    front.addRect(250, 400, 60, 200);
    hind.addRect(346, 400, 60, 200);
    body = body.united(front).united(hind);
    QPainter painter(&animal);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(body, QColor(245, 170, 70));
    painter.fillRect(346, 400, 60, 200, QColor(60, 60, 60));
    painter.strokePath(body, QPen(Qt::black, 20, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setPen(QPen(Qt::black, 20, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(550, 420), QPointF(550, 300));
    painter.setBrush(QColor(60, 60, 60));
    painter.drawEllipse(QPointF(400, 300), 40, 30);
    painter.setPen(QPen(Qt::black, 16));
    painter.setBrush(Qt::white);
    painter.drawRect(590, 250, 60, 60);
    painter.end();
    const QList<editor::Outline> outlines = editor::traceFigures(animal);
    ASSERT_EQ(outlines.size(), 1);
    EXPECT_TRUE(std::any_of(outlines[0].points.begin(), outlines[0].points.end(),
                            [](QPointF p) { return p.x() > 315 && p.x() < 345 && p.y() < 470; }));
    const QImage erased = editor::withoutOutline(animal);
    int seam = 0;
    for (int y = 440; y <= 580; ++y)
        for (int x = 355; x <= 405; ++x)
            seam += qGray(erased.pixel(x, y)) < 128;
    for (int y = 276; y <= 324; ++y) // nor inside the black ring round a dark spot
        for (int x = 366; x <= 434; ++x)
            seam += std::hypot((x - 400) / 34.0, (y - 300) / 24.0) < 1 &&
                    qGray(erased.pixel(x, y)) < 128;
    EXPECT_EQ(seam, 0);
    EXPECT_GT(qGray(erased.pixel(550, 330)), 128);
    EXPECT_GT(qGray(erased.pixel(620, 250)), 128);
    EXPECT_TRUE(onOutline(erased, {620, 242}) && onOutline(erased, {620, 258}));
}

// A sticker on a fruit, ringed in the page's own white out to the
// fruit's edge: the ring is drawn on the fruit, the dots go round it all.
TEST(Tracing, AWhiteRingDrawnOnAColourFigureIsNoGap)
{
    QImage fruit(editor::PictureBatch::page(), QImage::Format_RGB32);
    fruit.fill(Qt::white);
    QPainter painter(&fruit);
    painter.setClipRegion(QRegion(250, 130, 500, 500, QRegion::Ellipse));
    painter.fillRect(fruit.rect(), QColor(255, 230, 0));
    painter.setPen(QPen(Qt::white, 10)); // round a point of the fruit's edge
    painter.setBrush(QColor(66, 173, 226));
    painter.drawEllipse(QPointF(323, 203), 75, 75);
    painter.end();
    const QPolygonF outline = editor::traceFigures(fruit).value(0).points;
    EXPECT_TRUE(std::any_of(outline.begin(), outline.end(), [](QPointF p) {
        return QLineF(p, {323, 203}).length() < 6;
    }));
}
