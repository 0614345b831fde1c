// A picture brought into the editor and given dots by themselves: the input
// is a file of the kind its first byte chooses (PNG, JPEG, GIF, BMP, SVG,
// WebP), read fitted into a page as the open button, a paste or a drop
// reads it; the figures found on it are traced and 3 to 150 dots placed
// along them, and the outline taken away. The same bytes are read as the
// drawing an activity shows the child. Whatever the bytes, the dots lie
// within the page, each figure has at least three and they add up to what
// was asked; taking the outline away only ever whitens, or draws in black
// the line round a detail of a filled figure; the drawing read for the
// player takes no more memory than the screen it is read for.

#include "activitypicture.h"
#include "fuzzsupport.h"
#include "picturefiles.h"
#include "tracing/tracing.h"

#include <QRectF>
#include <QTemporaryDir>
#include <cstdlib>
#include <iterator>

namespace {

constexpr const char* Kinds[] = {"png", "jpg", "gif", "bmp", "svg", "webp"};
const QSize Page(240, 180); // small: the tracing is measured elsewhere

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir folder;
    if (size < 2)
        return 0;
    const QString path = folder.filePath(QStringLiteral("imagen.") +
                                         QLatin1String(Kinds[data[0] % std::size(Kinds)]));
    const int count = 3 + data[1] % 148;
    fuzz::writeFile(path, data + 2, size - 2);
    fuzz::writeFile(folder.filePath(QStringLiteral("1.png")), data + 2, size - 2);
    const QImage drawing =
        toolkit::readActivityPicture(folder.filePath(QStringLiteral("1.txt")), {800, 600}).image;
    if (drawing.sizeInBytes() > qsizetype(800) * 600 * 4)
        std::abort();
    const QImage picture = toolkit::readFittedPicture(path, Page);
    if (picture.isNull())
        return 0;
    const auto figures = editor::dotsAlong(editor::traceFigures(picture), count);
    int placed = 0;
    for (const auto& figure : figures) {
        placed += int(figure.size());
        for (QPointF dot : figure)
            if (!QRectF(QPointF(), Page).adjusted(-1, -1, 1, 1).contains(dot) || figure.size() < 3)
                std::abort();
    }
    if (!figures.isEmpty() && placed != count)
        std::abort();
    const QImage erased = editor::withoutOutline(picture);
    if (erased.size() != picture.size())
        std::abort();
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (erased.pixel(x, y) != picture.pixel(x, y) &&
                erased.pixel(x, y) != qRgb(255, 255, 255) && erased.pixel(x, y) != qRgb(0, 0, 0))
                std::abort();
    return 0;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startApplication();
    return 0;
}
