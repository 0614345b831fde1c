#include "tablepictures.h"

#include "picturebatch.h"
#include "picturefiles.h"

#include <QDir>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace tracingtable {

namespace {

QImage blankPage()
{
    QImage page(editor::PictureBatch::page(), QImage::Format_RGB32);
    page.fill(Qt::white);
    return page;
}

QImage drawn(const std::function<void(QPainter&)>& draw, bool soft = false)
{
    QImage page = blankPage();
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing, soft);
    draw(painter);
    return page;
}

QPolygonF star(QPointF centre, double outer, double inner)
{
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const double angle = M_PI * i / 5 - M_PI / 2;
        points << centre + QPointF(std::cos(angle), std::sin(angle)) * (i % 2 ? inner : outer);
    }
    return points;
}

// A closed polygon drawn as separate strokes that stop short of each
// other, as a quick hand leaves them.
void withGaps(QPainter& painter, const QPolygonF& points, double gap)
{
    for (qsizetype i = 0; i < points.size(); ++i) {
        QLineF side(points[i], points[(i + 1) % points.size()]);
        const double cut = gap / 2 / side.length();
        painter.drawLine(side.pointAt(cut), side.pointAt(1 - cut));
    }
}

QList<Picture> ownDrawings()
{
    const QPen thin(Qt::black, 2), line(Qt::black, 4);
    return {
        {"huecos", drawn([&](QPainter& p) {
             p.setPen(thin);
             withGaps(p,
                      QPolygonF({{470, 80},
                                 {760, 300},
                                 {700, 300},
                                 {700, 620},
                                 {240, 620},
                                 {240, 300},
                                 {180, 300}}),
                      6);
             p.drawRect(320, 380, 100, 90);
         }),
         1},
        {"gruesas", drawn([&](QPainter& p) {
             p.setPen(QPen(Qt::black, 18, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
             QPainterPath fish;
             fish.moveTo(640, 350);
             fish.cubicTo(520, 130, 200, 200, 170, 350);
             fish.cubicTo(200, 500, 520, 570, 640, 350);
             fish.lineTo(780, 230);
             fish.lineTo(780, 470);
             fish.closeSubpath();
             p.drawPath(fish);
             p.setBrush(Qt::black);
             p.drawEllipse(QPointF(280, 320), 14, 14);
             p.setBrush(Qt::NoBrush);
             p.drawArc(380, 260, 120, 180, -60 * 16, 120 * 16);
         }),
         1},
        {"grises-suaves",
         drawn(
             [&](QPainter& p) {
                 p.setPen(QPen(QColor(120, 120, 120), 3));
                 QPainterPath cat;
                 cat.moveTo(330, 230);
                 cat.lineTo(350, 90), cat.lineTo(430, 180), cat.lineTo(510, 180);
                 cat.lineTo(590, 90), cat.lineTo(610, 230);
                 cat.arcTo(300, 130, 340, 480, 0, -180);
                 cat.closeSubpath();
                 p.drawPath(cat);
                 p.drawEllipse(QPointF(410, 300), 22, 16), p.drawEllipse(QPointF(530, 300), 22, 16);
                 p.drawLine(450, 420, 490, 420);
             },
             true),
         1},
        {"silueta-rellena", drawn([&](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(Qt::black);
             p.drawEllipse(QPointF(420, 420), 260, 160);
             p.drawEllipse(QPointF(650, 230), 120, 110);
             p.setBrush(Qt::white);
             p.drawEllipse(QPointF(680, 200), 22, 22);
             p.drawRect(300, 400, 220, 20);
         }),
         1},
        {"linea-cerrada", drawn([&](QPainter& p) {
             p.setPen(QPen(Qt::black, 3));
             p.drawPolygon(star({471, 370}, 300, 130));
         }),
         1},
        {"dos-figuras", drawn([&](QPainter& p) {
             p.setPen(line);
             p.drawRect(80, 200, 300, 300);
             p.drawEllipse(QPointF(680, 350), 180, 180);
             p.drawEllipse(QPointF(640, 300), 20, 20);
         }),
         2},
        {"detalles-tocando", drawn([&](QPainter& p) {
             p.setPen(QPen(Qt::black, 6));
             p.setBrush(Qt::white);
             p.drawEllipse(QPointF(471, 520), 360, 90); // the brim, behind the crown
             p.drawRect(300, 140, 340, 380);
             p.drawLine(300, 430, 640, 430); // the band
             p.drawLine(470, 140, 470, 250); // a fold from the top
         }),
         1},
        {"mota", drawn([&](QPainter& p) {
             p.setPen(QPen(Qt::black, 3));
             p.drawEllipse(QPointF(420, 360), 250, 250);
             p.fillRect(840, 60, 5, 5, Qt::black);
         }),
         1},
    };
}

} // namespace

QList<Picture> pictures(const QString& folder)
{
    const QDir dir(folder);
    const QStringList companions{"-figura", "-limpio", "-silueta"};
    const auto read = [&](const QString& file) {
        return toolkit::readFittedPicture(dir.filePath(file), editor::PictureBatch::page());
    };
    QList<Picture> all;
    for (const QString& file :
         dir.entryList({"*.svg", "*.png", "*.jpg"}, QDir::Files, QDir::Name)) {
        const QString name = QFileInfo(file).completeBaseName();
        if (std::any_of(companions.begin(), companions.end(),
                        [&](const QString& end) { return name.endsWith(end); }))
            continue;
        Picture picture{name, read(file), 0};
        for (const QString& end : companions.mid(0, 2))
            if (dir.exists(name + end + ".png"))
                picture.clean = read(name + end + ".png"), picture.figures = 1;
        if (dir.exists(name + "-silueta.png"))
            picture.silhouette = read(name + "-silueta.png");
        all << picture;
    }
    return dir.dirName() == QStringLiteral("openmoji") ? all + ownDrawings() : all;
}

} // namespace tracingtable
