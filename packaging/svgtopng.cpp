// Build tool: draws an SVG icon into a square PNG, for the icon themes that
// want a bitmap beside the scalable picture.
//   svgtopng IN.svg OUT.png SIZE

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[])
{
    // Runs during the build, where there may be no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int size = args.size() == 4 ? args[3].toInt() : 0;
    QSvgRenderer svg(args.value(1));
    if (size <= 0 || !svg.isValid()) {
        std::fprintf(stderr, "usage: svgtopng IN.svg OUT.png SIZE (a valid SVG)\n");
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    painter.end();
    return image.save(args[2], "png") ? 0 : 1;
}
