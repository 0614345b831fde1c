#include "buttonpictures.h"

#include <QPainter>
#include <QSvgRenderer>

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

QImage renderPicture(const QString& path, QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QSvgRenderer renderer(path);
    QPainter painter(&picture);
    renderer.render(&painter);
    return picture;
}

} // namespace player
