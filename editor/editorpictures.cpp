#include "editorpictures.h"

#include "language.h"

#include "colour.h"
#include "swatchstrip.h"

#include <QCoreApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace editor::pictures {

using toolkit::RGB;

namespace {

// A picture drawn from a resource file and the words its button's tooltip
// says. An empty file marks an index the palette does not have.
struct Button
{
    const char* file;
    const char* tip;
};

constexpr Button mainButtons[] = {
    {"open.svg", QT_TRANSLATE_NOOP("editor::pictures", "Abrir imagen")},
    {"save.svg", QT_TRANSLATE_NOOP("editor::pictures", "Guardar como imagen")},
    {"line.svg", QT_TRANSLATE_NOOP("editor::pictures", "Línea recta")},
    {"stamp.svg", QT_TRANSLATE_NOOP("editor::pictures", "Sello de círculos")},
    {"pencil.svg", QT_TRANSLATE_NOOP("editor::pictures", "Lápiz")},
    {"snap.svg", QT_TRANSLATE_NOOP("editor::pictures", "Ajustar a la cuadrícula")},
    {"free.svg", QT_TRANSLATE_NOOP("editor::pictures", "Trazo libre")},
    {"", ""},
    {"circle.svg", QT_TRANSLATE_NOOP("editor::pictures", "Círculos, elipses y arcos")},
    {"", ""},
    {"rectangle.svg", QT_TRANSLATE_NOOP("editor::pictures", "Rectángulo")},
    {"fill.svg", QT_TRANSLATE_NOOP("editor::pictures", "Rellenar")},
    {"polygon.svg", QT_TRANSLATE_NOOP("editor::pictures", "Polígono regular")},
    {"undo.svg", QT_TRANSLATE_NOOP("editor::pictures", "Deshacer")},
    {"clear.svg", QT_TRANSLATE_NOOP("editor::pictures", "Borrar la página")},
    {"exit.svg", QT_TRANSLATE_NOOP("editor::pictures", "Salir")},
    {"activity.svg", QT_TRANSLATE_NOOP("editor::pictures", "Guardar la actividad")},
    {"paste.svg", QT_TRANSLATE_NOOP("editor::pictures", "Pegar")},
    {"eraser.svg", QT_TRANSLATE_NOOP("editor::pictures", "Goma de borrar")},
    {"dots.svg", QT_TRANSLATE_NOOP("editor::pictures", "Puntos numerados")},
};

constexpr Button symmetryButtons[] = {
    {"symmetry-none.svg", QT_TRANSLATE_NOOP("editor::pictures", "Sin simetría")},
    {"symmetry-leftright.svg",
     QT_TRANSLATE_NOOP("editor::pictures", "Simetría de izquierda a derecha")},
    {"symmetry-topbottom.svg", QT_TRANSLATE_NOOP("editor::pictures", "Simetría de arriba abajo")},
    {"symmetry-centre.svg", QT_TRANSLATE_NOOP("editor::pictures", "Simetría respecto al centro")},
};

constexpr Button polygonButtons[] = {
    {"polygon-centre.svg", QT_TRANSLATE_NOOP("editor::pictures", "Polígono desde el centro")},
    {"polygon-flat.svg", QT_TRANSLATE_NOOP("editor::pictures", "Polígono achatado")},
    {"polygon-side.svg", QT_TRANSLATE_NOOP("editor::pictures", "Polígono desde un lado")},
};

constexpr Button circleButtons[] = {
    {"circle-round.svg", QT_TRANSLATE_NOOP("editor::pictures", "Círculo")},
    {"circle-ellipse.svg", QT_TRANSLATE_NOOP("editor::pictures", "Elipse")},
    {"arc-upperright.svg", QT_TRANSLATE_NOOP("editor::pictures", "Arco arriba a la derecha")},
    {"arc-lowerleft.svg", QT_TRANSLATE_NOOP("editor::pictures", "Arco abajo a la izquierda")},
    {"arc-top.svg", QT_TRANSLATE_NOOP("editor::pictures", "Arco por arriba")},
    {"arc-right.svg", QT_TRANSLATE_NOOP("editor::pictures", "Arco por la derecha")},
};

constexpr const char* fillTips[] = {
    QT_TRANSLATE_NOOP("editor::pictures", "Relleno sólido"),
    QT_TRANSLATE_NOOP("editor::pictures", "Sin relleno"),
    QT_TRANSLATE_NOOP("editor::pictures", "Rayas horizontales"),
    QT_TRANSLATE_NOOP("editor::pictures", "Rayas verticales"),
    QT_TRANSLATE_NOOP("editor::pictures", "Diagonales hacia arriba"),
    QT_TRANSLATE_NOOP("editor::pictures", "Diagonales hacia abajo"),
    QT_TRANSLATE_NOOP("editor::pictures", "Cuadriculado"),
    QT_TRANSLATE_NOOP("editor::pictures", "Cuadriculado en diagonal"),
};

constexpr int GridButtons = 8;
constexpr int LineWidths = 14;
constexpr int EraserSizes = 6;

// The dark outline and the colours every picture shares with the SVG files.
const QColor ink(0x2b, 0x23, 0x40);
const QColor paint(0x3f, 0x8f, 0xe0);
const QColor rubber(0xff, 0x9e, 0xc4);

template <std::size_t N> bool inRange(const Button (&buttons)[N], int index)
{
    return index >= 0 && index < static_cast<int>(N) && buttons[index].file[0] != '\0';
}

QImage blankPicture(QSize size = QSize(PictureSide, PictureSide))
{
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    return picture;
}

// The texts of the start page, as start.svg has them.
const QList<const char*> StartTexts = {
    QT_TRANSLATE_NOOP("editor::start", "Editor de actividades de unir los puntos"),
    QT_TRANSLATE_NOOP(
        "editor::start",
        "Aquí se preparan las actividades de unir los puntos para el programa de los niños."),
    QT_TRANSLATE_NOOP("editor::start", "Elige la herramienta de puntos numerados:"),
    QT_TRANSLATE_NOOP("editor::start", "el botón del número rojo en un círculo."),
    QT_TRANSLATE_NOOP("editor::start", "Haz clic en el lienzo para poner los puntos"),
    QT_TRANSLATE_NOOP("editor::start", "en orden: 1, 2, 3… Cada punto se une al anterior."),
    QT_TRANSLATE_NOOP("editor::start", "Pulsa «CIERRA» para cerrar la figura: el último"),
    QT_TRANSLATE_NOOP("editor::start", "punto se une con el primero."),
    QT_TRANSLATE_NOOP("editor::start", "Pulsa «Probar» (la pantalla, abajo a la izquierda)"),
    QT_TRANSLATE_NOOP("editor::start", "para verla como la verá el niño."),
    QT_TRANSLATE_NOOP("editor::start", "Pulsa «Guardar en un tema» (la carpeta de al lado)"),
    QT_TRANSLATE_NOOP("editor::start", "y elige un tema o escribe el nombre de uno nuevo."),
    QT_TRANSLATE_NOOP("editor::start", "El programa de los niños lo mostrará en su lista."),
    QT_TRANSLATE_NOOP("editor::start", "CIERRA"),
    QT_TRANSLATE_NOOP(
        "editor::start",
        "Para empezar con el lienzo en blanco, pulsa una cuadrícula o una página (1 a 10)."),
};

QImage renderSvg(const QString& path, QImage picture)
{
    QSvgRenderer renderer(path);
    QPainter painter(&picture);
    renderer.render(&painter);
    return picture;
}

template <std::size_t N> QImage pictureOf(const Button (&buttons)[N], int index)
{
    if (!inRange(buttons, index))
        return {};
    return renderSvg(QStringLiteral(":/assets/editor/") + QLatin1String(buttons[index].file),
                     blankPicture());
}

QString translated(const char* tip)
{
    return QCoreApplication::translate("editor::pictures", tip);
}

template <std::size_t N> QString tipOf(const Button (&buttons)[N], int index)
{
    return inRange(buttons, index) ? translated(buttons[index].tip) : QString();
}

QString numberedTip(const char* words, int count, int index, int number)
{
    if (index < 0 || index >= count)
        return {};
    return translated(words).arg(number);
}

// Pixel pictures: drawn without smoothing, so that one picture pixel is one
// screen pixel on a button of the picture's size.
struct PixelPainter : QPainter
{
    explicit PixelPainter(QImage* picture) : QPainter(picture)
    {
        setRenderHint(QPainter::Antialiasing, false);
        setPen(Qt::NoPen);
    }
};

} // namespace

QImage mainPalette(int index)
{
    return pictureOf(mainButtons, index);
}

QString mainPaletteTip(int index)
{
    return tipOf(mainButtons, index);
}

QImage gridButton(int index)
{
    if (index < 0 || index >= GridButtons)
        return {};
    // The spacing grows with the grid step, from a close weave of single
    // pixels to a few large dots; the grid is centred on the picture.
    const int spacing = 4 + 3 * index;
    const int dot = index < 2 ? 1 : index < 5 ? 2 : 3;
    const int count = (PictureSide - 4 - dot) / spacing + 1;
    const int start = (PictureSide - (count - 1) * spacing - dot) / 2;
    QImage picture = blankPicture();
    PixelPainter painter(&picture);
    painter.setBrush(Qt::black);
    for (int row = 0; row < count; ++row)
        for (int column = 0; column < count; ++column)
            painter.drawRect(start + column * spacing, start + row * spacing, dot, dot);
    return picture;
}

QString gridButtonTip(int index)
{
    return numberedTip(QT_TRANSLATE_NOOP("editor::pictures", "Cuadrícula de %1"), GridButtons,
                       index, (index + 1) * 50);
}

QImage symmetry(int index)
{
    return pictureOf(symmetryButtons, index);
}

QString symmetryTip(int index)
{
    return tipOf(symmetryButtons, index);
}

QImage polygonMode(int index)
{
    return pictureOf(polygonButtons, index);
}

QString polygonModeTip(int index)
{
    return tipOf(polygonButtons, index);
}

QImage circleKind(int index)
{
    return pictureOf(circleButtons, index);
}

QString circleKindTip(int index)
{
    return tipOf(circleButtons, index);
}

QImage lineWidth(int index)
{
    if (index < 0 || index >= LineWidths)
        return {};
    // The bar is as many pixels thick as the width it stands for.
    const int thickness = index + 1;
    QImage picture = blankPicture();
    PixelPainter painter(&picture);
    painter.setBrush(Qt::black);
    painter.drawRect(3, (PictureSide - thickness) / 2, PictureSide - 6, thickness);
    return picture;
}

QString lineWidthTip(int index)
{
    return numberedTip(QT_TRANSLATE_NOOP("editor::pictures", "Grosor %1"), LineWidths, index,
                       index + 1);
}

QImage fillStyle(int index)
{
    static constexpr Qt::BrushStyle brushes[] = {
        Qt::SolidPattern, Qt::NoBrush,      Qt::HorPattern,   Qt::VerPattern,
        Qt::BDiagPattern, Qt::FDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
    if (index < 0 || index >= static_cast<int>(std::size(brushes)))
        return {};
    QImage picture = blankPicture();
    PixelPainter painter(&picture);
    const QRect square(3, 3, PictureSide - 6, PictureSide - 6);
    painter.fillRect(square, Qt::white);
    painter.fillRect(square, QBrush(paint, brushes[index]));
    painter.setPen(QPen(ink, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(square.adjusted(0, 0, -1, -1));
    return picture;
}

QString fillStyleTip(int index)
{
    if (index < 0 || index >= static_cast<int>(std::size(fillTips)))
        return {};
    return translated(fillTips[index]);
}

QImage eraserSize(int index)
{
    if (index < 0 || index >= EraserSizes)
        return {};
    // The side grows as the eraser does, by the same step each time.
    const int side = 6 + 4 * index;
    const int corner = (PictureSide - side) / 2;
    QImage picture = blankPicture();
    PixelPainter painter(&picture);
    painter.setBrush(rubber);
    painter.setPen(QPen(ink, 1));
    painter.drawRect(corner, corner, side - 1, side - 1);
    return picture;
}

QString eraserSizeTip(int index)
{
    return numberedTip(QT_TRANSLATE_NOOP("editor::pictures", "Goma de tamaño %1"), EraserSizes,
                       index, index + 1);
}

QImage saveInTheme()
{
    return renderSvg(QStringLiteral(":/assets/editor/theme.svg"), blankPicture());
}

QImage tryActivity()
{
    return renderSvg(QStringLiteral(":/assets/editor/try.svg"), blankPicture());
}

QImage moveDots()
{
    return renderSvg(QStringLiteral(":/assets/editor/move.svg"), blankPicture());
}

QImage startPicture()
{
    QImage picture(StartWidth, StartHeight, QImage::Format_RGB32);
    picture.fill(Qt::white);
    const QByteArray svg = toolkit::translatedSvg(QStringLiteral(":/assets/editor/start.svg"),
                                                  "editor::start", StartTexts);
    QSvgRenderer renderer(svg);
    QPainter painter(&picture);
    renderer.render(&painter);
    return picture;
}

QImage pointerIcon()
{
    // X black, o white, . transparent: a black cross in a white outline shows
    // on any drawing; the centre pixel is the hot spot.
    static const char picture[] = "......oXo......."
                                  "......oXo......."
                                  "......oXo......."
                                  "......oXo......."
                                  "......oXo......."
                                  ".......o........"
                                  "ooooo.ooo.ooooo."
                                  "XXXXXooXooXXXXX."
                                  "ooooo.ooo.ooooo."
                                  ".......o........"
                                  "......oXo......."
                                  "......oXo......."
                                  "......oXo......."
                                  "......oXo......."
                                  "......oXo......."
                                  "................";
    QImage icon(16, 16, QImage::Format_ARGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const char c = picture[y * 16 + x];
            icon.setPixel(x, y, c == 'X' ? qRgb(0, 0, 0) : c == 'o' ? qRgb(255, 255, 255) : 0);
        }
    return icon;
}

QPoint pointerHotSpot()
{
    return QPoint(7, 7);
}

const std::array<int, 44> stripColours = {
    // Bright colours.
    RGB(255, 255, 255), RGB(192, 192, 192), RGB(255, 0, 0), RGB(255, 255, 0), RGB(0, 255, 0),
    RGB(0, 255, 255), RGB(0, 0, 255), RGB(255, 0, 255), RGB(255, 255, 128), RGB(0, 255, 128),
    RGB(128, 255, 255), RGB(128, 128, 255), RGB(255, 0, 128), RGB(255, 128, 64),
    // More bright colours.
    RGB(255, 255, 255), RGB(192, 192, 192), RGB(255, 0, 0), RGB(204, 153, 102), RGB(0, 255, 0),
    RGB(204, 51, 204), RGB(51, 102, 51), RGB(255, 0, 255),
    // Dark colours.
    RGB(0, 0, 0), RGB(128, 128, 128), RGB(128, 0, 0), RGB(128, 128, 0), RGB(0, 128, 0),
    RGB(0, 128, 128), RGB(0, 0, 128), RGB(128, 0, 128), RGB(128, 128, 64), RGB(0, 64, 64),
    RGB(0, 128, 255), RGB(0, 64, 128), RGB(64, 0, 255), RGB(128, 64, 0),
    // More dark colours.
    RGB(0, 0, 0), RGB(128, 128, 128), RGB(128, 0, 0), RGB(153, 51, 0), RGB(0, 128, 0),
    RGB(0, 128, 128), RGB(0, 0, 128), RGB(128, 0, 128)};

namespace {

constexpr int Grey = RGB(128, 128, 128);
constexpr int Black = RGB(0, 0, 0);

// 12 x 12 swatches on a 16-pixel pitch from x = 4, in rows 4 to 15. Black
// frames on grey: a click beside a swatch picks one of the two, never a colour
// that is not on the strip.
const toolkit::SwatchStripLayout layout{
    QSize(StripWidth, StripHeight), Qt::Horizontal, Grey, 4, 16, 4, 12, Black, Black};

} // namespace

QImage colourStrip()
{
    return toolkit::swatchStrip(layout, stripColours);
}

QRect stripSwatch(int index)
{
    return toolkit::swatchRect(layout, index);
}

} // namespace editor::pictures
