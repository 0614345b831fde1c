#include "darkseams.h"

#include "figures.h"

#include <array>
#include <cmath>
#include <opencv2/imgproc.hpp>
#include <vector>

namespace editor::tracing {

namespace {

constexpr double DarkL = 35;        // CIELAB lightness: a darker colour is a dark one
constexpr double BlackL = 12;       // and a darker one is black, as lines are drawn
constexpr int Light = 128;          // lighter than this on the page is white to colour on
constexpr double HollowShare = 0.5; // of a dark area's middle white on the page: shown hollow

// The part `box` of `image` looked at `scale` times smaller, in BGR,
// transparent white.
cv::Mat smallBgr(const QImage& image, cv::Rect box, int scale)
{
    const QImage argb = image.format() == QImage::Format_RGB32
                            ? image
                            : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const cv::Mat pixels(argb.height(), argb.width(), CV_8UC4, const_cast<uchar*>(argb.constBits()),
                         size_t(argb.bytesPerLine())); // only read
    const cv::Mat part =
        pixels(cv::Rect(box.tl() * scale, box.size() * scale) & cv::Rect({0, 0}, pixels.size()));
    cv::Mat small, bgr;
    if (part.size() != box.size())
        cv::resize(part, small, box.size(), 0, 0, cv::INTER_AREA);
    else
        small = part;
    std::vector<cv::Mat> channels;
    cv::split(small, channels);
    // Over white, a premultiplied colour gains what its alpha leaves.
    for (int c = 0; c < 3; ++c)
        channels[size_t(c)] += ~channels[3];
    channels.pop_back();
    cv::merge(channels, bgr);
    return bgr;
}

// 255 where `bgr` is darker than `lightness` (CIELAB's): where its
// relative luminance, from its linear colour, is below what that is.
cv::Mat darkOf(const cv::Mat& bgr, double lightness = DarkL)
{
    static const std::array<float, 256> linear = [] {
        std::array<float, 256> table{};
        for (size_t v = 0; v < table.size(); ++v) {
            const double c = double(v) / 255;
            table[v] = float(c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
        }
        return table;
    }();
    const double l = (lightness + 16) / 116; // CIELAB's lightness back to luminance
    const float darkest = float(l * l * l);
    cv::Mat dark(bgr.size(), CV_8UC1);
    for (int y = 0; y < bgr.rows; ++y) {
        const cv::Vec3b* in = bgr.ptr<cv::Vec3b>(y);
        uint8_t* out = dark.ptr<uint8_t>(y);
        for (int x = 0; x < bgr.cols; ++x)
            out[x] = 0.0722f * linear[in[x][0]] + 0.7152f * linear[in[x][1]] +
                                 0.2126f * linear[in[x][2]] <
                             darkest
                         ? 255
                         : 0;
    }
    return dark;
}

} // namespace

void dropDarkSeams(QImage& page, const QImage& picture, const cv::Mat& band, double width, int line)
{
    const int scale = reduction(page.size());
    const cv::Size small((page.width() + scale - 1) / scale, (page.height() + scale - 1) / scale);
    // Only round the outline is looked at.
    const int around = int(std::ceil(width)) + 3;
    const cv::Rect box =
        (cv::boundingRect(band) - cv::Point(around, around) + cv::Size(2 * around, 2 * around)) &
        cv::Rect({0, 0}, small);
    if (box.empty())
        return;
    const cv::Mat colours = smallBgr(picture, box, scale), dark = darkOf(colours);
    // A seam lies in the middle of a dark area, farther from the lighter
    // colours than the line the page draws along its edge, and no farther
    // from what is left of the band than the outline is wide (the page may
    // have drawn the outline and the fill as one dark area already), or
    // beside black no farther from the lighter colours: a ring's inner edge.
    cv::Mat seen, depth, labels, fromBand;
    cv::distanceTransform(dark, depth, cv::DIST_L2, cv::DIST_MASK_3);
    cv::Mat middle = depth > 3.0 * line / scale + 1;
    if (cv::countNonZero(middle) == 0) // as on most pictures: no dark fill to cut
        return;
    cv::distanceTransform(~band(box), fromBand, cv::DIST_L2, cv::DIST_MASK_3);
    cv::Mat black;
    cv::dilate(darkOf(colours, BlackL), black, cv::Mat(), cv::Point(-1, -1), 2);
    middle &= (fromBand <= width + 2) | ((depth <= width + 2) & black);
    if (cv::countNonZero(middle) == 0)
        return;
    cv::cvtColor(smallBgr(page, box, scale), seen, cv::COLOR_BGR2GRAY);
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
    const cv::Rect at = cv::boundingRect(seams);
    cv::Mat wide;
    cv::resize(seams(at), wide, at.size() * scale, 0, 0, cv::INTER_NEAREST);
    const cv::Rect onPage = cv::Rect((box.tl() + at.tl()) * scale, wide.size()) &
                            cv::Rect(0, 0, page.width(), page.height());
    matOf(page, CV_8UC4)(onPage).setTo(cv::Scalar::all(255), wide(cv::Rect({0, 0}, onPage.size())));
}

} // namespace editor::tracing
