#include "shards.h"

#include "figures.h"
#include "masks.h"
#include "pixels.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <opencv2/imgproc.hpp>
#include <vector>

namespace editor::tracing {

namespace {

constexpr int Dark = 128;            // darker than this is a line a child sees
constexpr double CornerLength = 4;   // of the band's width: nor, along it, one no longer
constexpr double CornerDepth = 2;    // of the band's width: ...reaching no farther from it
constexpr double CornerAlong = 0.35; // of its edge, at least, on the band: a piece along it
constexpr double NotchAlong = 0.1;   // of its edge, at least, on a closed-over notch's light
constexpr double WedgeWidth = 0.55;  // of the band's width, from the light: strokes merged
constexpr double KnotLength = 2;     // of the band's width: a knot of colour lines no longer

// The light inside `mask` no farther than `reach` px from the background,
// going round the `dark` strokes, not across them: the notches of the
// edge that the closing covered. The inside of a figure whose outline is
// open lies farther, the long way round through the gap.
cv::Mat notchesOf(const cv::Mat& dark, const cv::Mat& mask, double reach)
{
    const cv::Mat light = ~dark;
    cv::Mat reached = ~mask & light;
    for (int step = 0; step < int(std::ceil(reach)); ++step) {
        cv::dilate(reached, reached, cv::Mat());
        reached &= light;
    }
    return reached & mask;
}

// 255 on the shards of `dark`, empty when there are none: the pieces
// that touch `band`, the outline `width` px wide, and span no more than a
// few of its widths: the end of a stroke cut where it met the outline, a
// knot's middle. So do those a little longer that lie along the
// band for much of their edge and end near it, where two lines of the
// outline meet in a corner and the band, measured from the white, falls
// short; a stroke that only meets the band touches it at one end and
// reaches away. Nothing so short is a line a child follows or colours up
// to; whole details the band does not touch stay, however small. So too
// go those that face the light of `notches` (found only when some piece
// is short) for some of their edge: what is left of the outline's strokes
// running into a notch the silhouette closes over, wider than one line
// where they meet in a black wedge that neither the dots follow nor a
// child colours up to. A single line beside a notch stays, and so do
// longer strokes: they part legs. Where a colour picture's page drew lines
// between its colours up to the outline, they met in knots under it: a
// piece spanning less than two widths with a pixel on `rim` (the outline's
// place along the figure's edge; empty on other pictures) is such a knot.
cv::Mat shardsOf(const cv::Mat& dark, const cv::Mat& band, const std::function<cv::Mat()>& notches,
                 double width, const cv::Mat& rim)
{
    cv::Mat labels, stats, centroids, near, fromBand, byNotch, across;
    const int count = cv::connectedComponentsWithStats(dark, labels, stats, centroids, 8);
    std::vector<bool> brief(size_t(count), false);
    for (int i = 1; i < count; ++i)
        brief[size_t(i)] = std::max(stats.at<int>(i, cv::CC_STAT_WIDTH),
                                    stats.at<int>(i, cv::CC_STAT_HEIGHT)) <= CornerLength * width;
    if (std::none_of(brief.begin(), brief.end(), [](bool s) { return s; }))
        return {};
    cv::dilate(notches(), byNotch, cv::Mat());
    cv::distanceTransform(dark, across, cv::DIST_L2, cv::DIST_MASK_3);
    // Pale soft edges may part a piece from the band by a pixel or two.
    cv::dilate(band, near, cv::Mat(), cv::Point(-1, -1), 2);
    cv::distanceTransform(~band, fromBand, cv::DIST_L2, cv::DIST_MASK_3);
    std::vector<int> edge(size_t(count), 0), along(size_t(count), 0), inNotch(size_t(count), 0);
    std::vector<float> farthest(size_t(count), 0), thickest(size_t(count), 0);
    std::vector<bool> onRim(size_t(count), false);
    for (int y = 1; y + 1 < dark.rows; ++y) {
        const int* label = labels.ptr<int>(y);
        const uint8_t* knot = rim.empty() ? nullptr : rim.ptr<uint8_t>(y);
        const float* wide = across.ptr<float>(y);
        const uint8_t* onBand = near.ptr<uint8_t>(y);
        const uint8_t* onNotch = byNotch.ptr<uint8_t>(y);
        const float* away = fromBand.ptr<float>(y);
        for (int x = 1; x + 1 < dark.cols; ++x)
            if (const size_t l = size_t(label[x]); brief[l]) {
                farthest[l] = std::max(farthest[l], away[x]);
                thickest[l] = std::max(thickest[l], wide[x]);
                onRim[l] = onRim[l] || (knot && knot[x]);
                if (label[x - 1] != label[x] || label[x + 1] != label[x] ||
                    labels.ptr<int>(y - 1)[x] != label[x] || labels.ptr<int>(y + 1)[x] != label[x])
                    ++edge[l], along[l] += onBand[x] > 0, inNotch[l] += onNotch[x] > 0;
            }
    }
    std::vector<bool> shard(size_t(count), false);
    for (size_t i = 1; i < size_t(count); ++i) {
        const double span = std::max(stats.at<int>(int(i), cv::CC_STAT_WIDTH),
                                     stats.at<int>(int(i), cv::CC_STAT_HEIGHT));
        const bool corner = farthest[i] <= CornerDepth * width && along[i] > CornerAlong * edge[i];
        const bool notch = inNotch[i] > NotchAlong * edge[i] && thickest[i] > WedgeWidth * width;
        const bool knot = onRim[i] && span < KnotLength * width;
        shard[i] = (along[i] > 0 && (span <= ShardLength * width || corner || notch)) || knot;
    }
    if (std::none_of(shard.begin(), shard.end(), [](bool s) { return s; }))
        return {};
    return pieces(labels, shard);
}

} // namespace

void dropShards(QImage& page, const cv::Mat& band, const cv::Mat& mask, double width, double reach,
                int scale, bool coloured)
{
    const int w = page.width(), h = page.height();
    cv::Mat pixels = matOf(page, CV_8UC4), grey, small;
    cv::cvtColor(pixels, grey, cv::COLOR_BGRA2GRAY);
    if (scale > 1)
        cv::resize(grey, small, band.size(), 0, 0, cv::INTER_AREA);
    const cv::Mat dark = (scale > 1 ? small : grey) < Dark;
    // The shards lie in the figures and the notches no farther than
    // `reach` round them: they are told within those bounds alone.
    const cv::Rect bounds = boundsOf(mask, int(std::ceil(reach)) + 2);
    if (bounds.empty())
        return;
    cv::Mat rim;
    if (coloured)
        rim = mask(bounds) & (depthIn(mask(bounds)) <= width + 1);
    const cv::Mat within = shardsOf(
        dark(bounds) & mask(bounds), band(bounds),
        [&] { return notchesOf(dark(bounds), mask(bounds), reach); }, width, rim);
    if (within.empty())
        return;
    cv::Mat gone = cv::Mat::zeros(dark.size(), CV_8UC1);
    within.copyTo(gone(bounds));
    if (scale > 1)
        cv::resize(cv::Mat(gone), gone, {w, h}, 0, 0, cv::INTER_NEAREST);
    const cv::Mat stays = (grey < Dark) & ~gone;
    cv::dilate(gone, gone, cv::Mat(), cv::Point(-1, -1), scale);
    pixels.setTo(cv::Scalar(255, 255, 255, 255), gone & ~stays);
}

} // namespace editor::tracing
