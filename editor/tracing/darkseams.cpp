#include "darkseams.h"

#include "figures.h"

#include <QPainter>
#include <opencv2/imgproc.hpp>
#include <vector>

namespace editor::tracing {

namespace {

constexpr double DarkL = 35;        // CIELAB lightness: a darker colour is a dark one
constexpr int Light = 128;          // lighter than this on the page is white to colour on
constexpr double HollowShare = 0.5; // of a dark area's middle white on the page: shown hollow

// 255 where `picture`, looked at on `size`, is darker than DarkL.
cv::Mat darkOf(const QImage& picture, cv::Size size)
{
    QImage rgb(picture.size(), QImage::Format_RGB32);
    if (picture.hasAlphaChannel()) { // transparent is white
        rgb.fill(Qt::white);
        QPainter(&rgb).drawImage(0, 0, picture);
    } else {
        rgb = picture.convertToFormat(QImage::Format_RGB32);
    }
    cv::Mat pixels = matOf(rgb, CV_8UC4), small, bgr, lab, lightness;
    if (pixels.size() != size)
        cv::resize(pixels, small, size, 0, 0, cv::INTER_AREA);
    cv::cvtColor(small.empty() ? pixels : small, bgr, cv::COLOR_BGRA2BGR);
    cv::cvtColor(bgr, lab, cv::COLOR_BGR2Lab);
    cv::extractChannel(lab, lightness, 0);
    return lightness < DarkL * 255 / 100;
}

} // namespace

void dropDarkSeams(QImage& page, const QImage& picture, const cv::Mat& band, double width, int line)
{
    const int scale = reduction(page.size());
    const cv::Size small((page.width() + scale - 1) / scale, (page.height() + scale - 1) / scale);
    const cv::Mat dark = darkOf(picture, small);
    cv::Mat pixels = matOf(page, CV_8UC4), grey, seen, depth, labels;
    cv::cvtColor(pixels, grey, cv::COLOR_BGRA2GRAY);
    if (scale > 1)
        cv::resize(grey, seen, small, 0, 0, cv::INTER_AREA);
    else
        seen = grey;
    // A seam lies in the middle of a dark area, farther from the lighter
    // colours than the line the page draws along its edge, and no farther
    // from what is left of the band than the outline is wide: the page may
    // have drawn the outline and the fill as one dark area already.
    cv::distanceTransform(dark, depth, cv::DIST_L2, cv::DIST_MASK_3);
    cv::Mat fromBand;
    cv::distanceTransform(~band, fromBand, cv::DIST_L2, cv::DIST_MASK_3);
    const cv::Mat middle = (depth > 3.0 * line / scale + 1) & (fromBand <= width + 2);
    const int count = cv::connectedComponents(dark, labels, 8, CV_32S);
    std::vector<int> all(size_t(count), 0), white(size_t(count), 0);
    for (int y = 0; y < dark.rows; ++y) {
        const int* label = labels.ptr<int>(y);
        const uint8_t* inside = middle.ptr<uint8_t>(y);
        const uint8_t* shown = seen.ptr<uint8_t>(y);
        for (int x = 0; x < dark.cols; ++x)
            if (inside[x])
                ++all[size_t(label[x])], white[size_t(label[x])] += shown[x] >= Light;
    }
    std::vector<uint8_t> hollow(size_t(count), 0);
    for (size_t l = 1; l < size_t(count); ++l)
        hollow[l] = white[l] > HollowShare * all[l] ? 255 : 0;
    cv::Mat seams(dark.size(), CV_8UC1);
    for (int y = 0; y < dark.rows; ++y) {
        const int* label = labels.ptr<int>(y);
        const uint8_t* inside = middle.ptr<uint8_t>(y);
        uint8_t* out = seams.ptr<uint8_t>(y);
        for (int x = 0; x < dark.cols; ++x)
            out[x] = inside[x] ? hollow[size_t(label[x])] : 0;
    }
    if (cv::countNonZero(seams) == 0)
        return;
    if (scale > 1)
        cv::resize(cv::Mat(seams), seams, grey.size(), 0, 0, cv::INTER_NEAREST);
    pixels.setTo(cv::Scalar(255, 255, 255, 255), seams);
}

} // namespace editor::tracing
