#include "pixels.h"

#include <QColorSpace>
#include <cmath>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <opencv2/imgproc.hpp>
#include <vector>

namespace editor::tracing {

namespace {

// What distanceTransform's 3 x 3 mask charges a step along a row or a
// column, at least: a pixel k steps from all of a mask lies at least
// k times this far from it. A little less than OpenCV's 0.955, for its
// rounding.
constexpr double LeastStep = 0.95;

// The pixels the chamfer distance of a pixel inside a mask's bounds is
// found through lie within them; two rows of the background round them
// hold its 5 x 5 steps too.
constexpr int Ring = 2;

// Larger blocks come from the system and go back to it as they are freed.
constexpr int LargestKeptBlock = 32 << 20; // bytes: a 4K picture's RGB32 copy
// Free memory above this, at the top of the heap, goes back to the system.
constexpr int MostKeptFree = 64 << 20; // bytes

} // namespace

void keepPictureMemory()
{
#ifdef __GLIBC__
    static const bool kept = mallopt(M_MMAP_THRESHOLD, LargestKeptBlock) == 1 &&
                             mallopt(M_TRIM_THRESHOLD, MostKeptFree) == 1;
    Q_UNUSED(kept);
#endif
}

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

cv::Rect boundsOf(const cv::Mat& mask, int margin)
{
    const cv::Rect drawn = cv::boundingRect(mask);
    if (drawn.empty())
        return {};
    return cv::Rect(drawn.x - margin, drawn.y - margin, drawn.width + 2 * margin,
                    drawn.height + 2 * margin) &
           cv::Rect(0, 0, mask.cols, mask.rows);
}

cv::Mat grown(const cv::Mat& mask, double reach)
{
    cv::Mat out = cv::Mat::zeros(mask.size(), CV_8UC1), distance;
    const cv::Rect bounds = boundsOf(mask, int(std::ceil(reach / LeastStep)) + Ring);
    if (bounds.empty())
        return out;
    cv::distanceTransform(~mask(bounds), distance, cv::DIST_L2, cv::DIST_MASK_3);
    cv::Mat inside = out(bounds);
    cv::compare(distance, reach, inside, cv::CMP_LE);
    return out;
}

cv::Mat shrunk(const cv::Mat& mask, double reach)
{
    cv::Mat out = cv::Mat::zeros(mask.size(), CV_8UC1), distance;
    const cv::Rect bounds = boundsOf(mask, Ring);
    if (bounds.empty())
        return out;
    cv::distanceTransform(mask(bounds), distance, cv::DIST_L2, cv::DIST_MASK_3);
    cv::Mat inside = out(bounds);
    cv::compare(distance, reach, inside, cv::CMP_GT);
    return out;
}

cv::Mat depthIn(const cv::Mat& mask)
{
    cv::Mat out = cv::Mat::zeros(mask.size(), CV_32FC1);
    const cv::Rect bounds = boundsOf(mask, Ring);
    if (bounds.empty())
        return out;
    cv::Mat inside = out(bounds);
    cv::distanceTransform(mask(bounds), inside, cv::DIST_L2, cv::DIST_MASK_3);
    return out;
}

} // namespace editor::tracing
