#include "pixels.h"

#include <QColorSpace>
#include <vector>

namespace editor::tracing {

QImage greyscaleOf(const QImage& picture)
{
    const QImage::Format format = picture.format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
        format != QImage::Format_ARGB32_Premultiplied)
        return picture.convertToFormat(QImage::Format_Grayscale8);
    QImage probe(256, 1, format);
    probe.setColorSpace(picture.colorSpace());
    QRgb* greys = reinterpret_cast<QRgb*>(probe.scanLine(0));
    for (int i = 0; i < 256; ++i)
        greys[i] = qRgb(i, i, i);
    const QImage greyOf = probe.convertToFormat(QImage::Format_Grayscale8);
    const uchar* table = greyOf.constScanLine(0);
    QImage grey(picture.size(), QImage::Format_Grayscale8);
    std::vector<QRgb> others; // colours that are no opaque grey, where they are
    std::vector<uchar*> where;
    const int w = picture.width(), h = picture.height();
    for (int y = 0; y < h; ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        uchar* out = grey.scanLine(y);
        for (int x = 0; x < w; ++x) {
            const QRgb p = in[x];
            const uint r = p & 0xff;
            if (p == (0xff000000u | r * 0x010101u)) { // an opaque grey
                out[x] = table[r];
            } else {
                others.push_back(p);
                where.push_back(out + x);
            }
        }
    }
    if (others.empty())
        return grey;
    QImage rest(int(others.size()), 1, format);
    rest.setColorSpace(picture.colorSpace());
    std::copy(others.begin(), others.end(), reinterpret_cast<QRgb*>(rest.scanLine(0)));
    const QImage restGrey = rest.convertToFormat(QImage::Format_Grayscale8);
    const uchar* converted = restGrey.constScanLine(0);
    for (size_t i = 0; i < where.size(); ++i)
        *where[i] = converted[i];
    return grey;
}

} // namespace editor::tracing
