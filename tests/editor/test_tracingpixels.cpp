#include "tracing/pixels.h"

#include <QColorSpace>
#include <cstring>
#include <gtest/gtest.h>

using namespace editor::tracing;

// Line art with its soft edges, a coloured stroke and a half-transparent
// one, in each format and colour space a picture comes in.
TEST(TracingPixels, TheGreyscaleIsQtsOwn)
{
    for (QImage::Format format :
         {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied})
        for (QColorSpace space : {QColorSpace(), QColorSpace(QColorSpace::DisplayP3)}) {
            QImage picture(96, 64, QImage::Format_ARGB32);
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x)
                    picture.setPixel(x, y,
                                     y < 20   ? qRgb(4 * x, 4 * x, 4 * x)
                                     : y < 40 ? qRgb(255, 2 * x, 90)
                                              : qRgba(30, 60, 2 * x, 3 * y));
            picture = picture.convertToFormat(format);
            picture.setColorSpace(space);
            const QImage expected = picture.convertToFormat(QImage::Format_Grayscale8);
            const QImage grey = greyscaleOf(picture); // its pixels; Qt's metadata aside
            int wrong = 0;
            for (int y = 0; y < grey.height(); ++y)
                wrong += std::memcmp(grey.constScanLine(y), expected.constScanLine(y), 96) != 0;
            EXPECT_EQ(wrong, 0) << format << ' ' << space.isValid();
        }
}
