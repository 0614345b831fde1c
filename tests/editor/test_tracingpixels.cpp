#include "tracing/pixels.h"

#include <QColorSpace>
#include <cstring>
#include <gtest/gtest.h>
#include <opencv2/imgproc.hpp>

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

// Blobs inside the page, one cut by its border, and nothing at all.
TEST(TracingPixels, GrownAndShrunkAreTheDistancesCompared)
{
    cv::Mat blobs = cv::Mat::zeros(120, 160, CV_8UC1);
    cv::circle(blobs, {60, 50}, 18, 255, cv::FILLED);
    cv::rectangle(blobs, cv::Rect(100, 70, 8, 40), 255, cv::FILLED);
    cv::Mat cut = blobs.clone();
    cv::circle(cut, {155, 5}, 20, 255, cv::FILLED);
    for (const cv::Mat& mask : {blobs, cut, cv::Mat(cv::Mat::zeros(120, 160, CV_8UC1))})
        for (double reach : {1.0, 2.5, 7.3, 30.0}) {
            cv::Mat outside, inside;
            cv::distanceTransform(~mask, outside, cv::DIST_L2, cv::DIST_MASK_3);
            cv::distanceTransform(mask, inside, cv::DIST_L2, cv::DIST_MASK_3);
            EXPECT_EQ(cv::countNonZero(grown(mask, reach) != (outside <= reach)), 0) << reach;
            EXPECT_EQ(cv::countNonZero(shrunk(mask, reach) != (inside > reach)), 0) << reach;
            EXPECT_EQ(cv::countNonZero(depthIn(mask) != inside), 0);
        }
}
