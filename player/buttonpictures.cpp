#include "buttonpictures.h"

#include "language.h"

#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

namespace player {

QImage widthDot(int index)
{
    constexpr int side = 36;
    QImage picture(side, side, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const double diameter = 3.0 + 3.0 * index;
    painter.drawEllipse(QRectF((side - diameter) / 2, (side - diameter) / 2, diameter, diameter));
    return picture;
}

QImage numbersWithStar()
{
    constexpr int side = 96;
    QImage picture(side, side, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    QSvgRenderer(pictures::numbers).render(&painter);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(side - 20, 20);
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? 19.0 : 8.0;
        const double angle = -M_PI / 2 + i * M_PI / 5;
        star << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    painter.setPen(QPen(QColor(0x2b, 0x23, 0x40), 3));
    painter.setBrush(QColor(0xff, 0xc4, 0x00));
    painter.drawPolygon(star);
    return picture;
}

QImage renderPicture(const QString& path, QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    // The title card's words in the language chosen.
    QSvgRenderer renderer(toolkit::translatedSvg(
        path, "player::titlecard",
        {QT_TRANSLATE_NOOP("player::titlecard", "Une los puntos y colorea"),
         // The drawings' licence asks for their credit where they are shown.
         QT_TRANSLATE_NOOP("player::titlecard",
                           "Dibujos de OpenMoji (openmoji.org), CC BY-SA 4.0")}));
    QPainter painter(&picture);
    renderer.render(&painter);
    return picture;
}

} // namespace player
