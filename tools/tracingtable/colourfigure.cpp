#include "colourfigure.h"

#include <algorithm>
#include <opencv2/imgproc.hpp>

namespace tracingtable {

namespace {

constexpr double Differs = 3;        // CIELAB distance from the background: figure
constexpr double Sharp = 25;         // across two pixels: clearly different colours
constexpr double Grey = 6;           // chroma under which a colour is a grey
constexpr double Faint = 20;         // lightness from the background: a faint grey
constexpr double DarkL = 35;         // lightness under which a line is dark
constexpr double DetailShare = 0.03; // of the largest figure: smaller is a speck
constexpr double Outlined = 0.8;     // of the edge drawn dark: the figure has an outline
constexpr double Colourful = 20;     // chroma above which a colour is clearly no grey
constexpr double InColour = 0.003;   // of the picture in clear colours: it is in colour

cv::Mat labOf(const cv::Mat& rgb)
{
    cv::Mat unit, lab;
    rgb.convertTo(unit, CV_32FC3, 1 / 255.0);
    cv::cvtColor(unit, lab, cv::COLOR_RGB2Lab);
    return lab;
}

// Each channel's median of `pixels`.
cv::Vec3f median(const std::vector<cv::Vec3f>& pixels)
{
    cv::Vec3f middle;
    for (int c = 0; c < 3; ++c) {
        std::vector<float> channel;
        for (const cv::Vec3f& p : pixels)
            channel.push_back(p[c]);
        std::nth_element(channel.begin(), channel.begin() + long(channel.size() / 2),
                         channel.end());
        middle[c] = channel[channel.size() / 2];
    }
    return middle;
}

// The colour of the picture's border.
cv::Vec3f background(const cv::Mat& lab)
{
    std::vector<cv::Vec3f> border;
    for (int x = 0; x < lab.cols; ++x)
        border.push_back(lab.at<cv::Vec3f>(0, x)),
            border.push_back(lab.at<cv::Vec3f>(lab.rows - 1, x));
    for (int y = 0; y < lab.rows; ++y)
        border.push_back(lab.at<cv::Vec3f>(y, 0)),
            border.push_back(lab.at<cv::Vec3f>(y, lab.cols - 1));
    return median(border);
}

float between(const cv::Vec3f& a, const cv::Vec3f& b)
{
    const cv::Vec3f d = a - b;
    return std::sqrt(d.dot(d));
}

// Each pixel's distance from `colour`.
cv::Mat from(const cv::Mat& lab, const cv::Vec3f& colour)
{
    cv::Mat distance(lab.size(), CV_32F);
    for (int y = 0; y < lab.rows; ++y) {
        const cv::Vec3f* row = lab.ptr<cv::Vec3f>(y);
        float* out = distance.ptr<float>(y);
        for (int x = 0; x < lab.cols; ++x)
            out[x] = between(row[x], colour);
    }
    return distance;
}

// Everything `mask` encloses, with it: its outer contours filled, those
// much smaller than the largest left out.
cv::Mat filled(const cv::Mat& mask)
{
    std::vector<std::vector<cv::Point>> outer;
    cv::findContours(mask, outer, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_NONE);
    double largest = 0;
    for (const auto& c : outer)
        largest = std::max(largest, cv::contourArea(c));
    outer.erase(
        std::remove_if(outer.begin(), outer.end(),
                       [&](const auto& c) { return cv::contourArea(c) < DetailShare * largest; }),
        outer.end());
    cv::Mat all = cv::Mat::zeros(mask.size(), CV_8UC1);
    cv::drawContours(all, outer, -1, 255, cv::FILLED);
    return all;
}

// How far part `label` of `labels`, in `box`, reaches sideways past the
// parts of `solid` that rest on its top (all its width when none do).
int pastWhatRests(const cv::Mat& labels, int label, const cv::Rect& box, const cv::Mat& solid)
{
    int first = box.x + box.width, last = box.x - 1;
    for (int x = box.x; x < box.x + box.width; ++x) {
        int y = box.y;
        while (y < box.y + box.height && labels.at<int>(y, x) != label)
            ++y;
        for (int above = std::max(0, y - 3); above < y; ++above)
            if (solid.at<uchar>(above, x))
                first = std::min(first, x), last = x;
    }
    return last < first ? box.width : std::max(first - box.x, box.x + box.width - 1 - last);
}

// The faint grey parts of `faint` that lie flat under the rest of the
// figure `solid`, at least twice as wide as they are tall, reach down to
// its bottom, and reach out sideways past what stands on them by a
// quarter of their height, as a shadow does and a pale tail on its side,
// a pale hoof at the end of a leg, a mushroom's pale stem, a pale jaw or
// pale paws under the head or legs they end, or a kite's string, do not.
// A shadow is a patch, half as thick as it is tall at least: a pale
// string looped on the ground under a toy is drawn as a line, and a
// person sees the string.
cv::Mat shadows(const cv::Mat& faint, const cv::Mat& solid)
{
    const cv::Rect figure = cv::boundingRect(solid);
    cv::Mat labels, stats, centroids, depth, under(faint.size(), CV_8UC1);
    const int count = cv::connectedComponentsWithStats(faint, labels, stats, centroids, 8);
    cv::distanceTransform(faint, depth, cv::DIST_L2, cv::DIST_MASK_5);
    std::vector<float> thickest(size_t(count), 0);
    for (int y = 0; y < labels.rows; ++y)
        for (int x = 0; x < labels.cols; ++x) {
            float& t = thickest[size_t(labels.at<int>(y, x))];
            t = std::max(t, depth.at<float>(y, x));
        }
    std::vector<uchar> shadow(size_t(count), 0);
    for (int i = 1; i < count; ++i) {
        if (4 * thickest[size_t(i)] < stats.at<int>(i, cv::CC_STAT_HEIGHT))
            continue;
        const int top = stats.at<int>(i, cv::CC_STAT_TOP);
        const int height = stats.at<int>(i, cv::CC_STAT_HEIGHT);
        if (top >= figure.y + 0.55 * figure.height && height <= 0.3 * figure.height &&
            stats.at<int>(i, cv::CC_STAT_WIDTH) >= 2 * height &&
            top + height >= figure.y + 0.95 * figure.height &&
            pastWhatRests(labels, i,
                          {stats.at<int>(i, cv::CC_STAT_LEFT), top,
                           stats.at<int>(i, cv::CC_STAT_WIDTH), height},
                          solid) >= 0.25 * height)
            shadow[size_t(i)] = 255;
    }
    for (int y = 0; y < under.rows; ++y)
        for (int x = 0; x < under.cols; ++x)
            under.at<uchar>(y, x) = shadow[size_t(labels.at<int>(y, x))];
    return under;
}

// How strongly the colour changes across each pixel, the larger of the
// changes across and down.
cv::Mat change(const cv::Mat& lab)
{
    cv::Mat strength = cv::Mat::zeros(lab.size(), CV_32F);
    for (int y = 1; y + 1 < lab.rows; ++y) {
        const cv::Vec3f *up = lab.ptr<cv::Vec3f>(y - 1), *row = lab.ptr<cv::Vec3f>(y),
                        *down = lab.ptr<cv::Vec3f>(y + 1);
        float* out = strength.ptr<float>(y);
        for (int x = 1; x + 1 < lab.cols; ++x)
            out[x] = std::max(between(row[x - 1], row[x + 1]), between(up[x], down[x]));
    }
    return strength;
}

// How thick the dark line along the edge of `mask` is, px; 0 when most of
// the edge is not dark.
double outlineOf(const cv::Mat& mask, const cv::Mat& dark, const cv::Mat& depth)
{
    // A line's own edge is drawn soft, lighter than dark: the edge is
    // outlined where dark lies within its last two pixels.
    const cv::Mat edge = mask & (depth <= 2);
    cv::Mat nearDark;
    cv::dilate(dark, nearDark, cv::getStructuringElement(cv::MORPH_ELLIPSE, {5, 5}));
    if (cv::countNonZero(edge & nearDark) < Outlined * cv::countNonZero(edge))
        return 0;
    // The dark parts that reach the edge, as thick as they are drawn.
    cv::Mat labels, inner;
    const int count = cv::connectedComponents(dark & mask, labels, 8);
    std::vector<uchar> touching(size_t(count), 0);
    for (int y = 0; y < edge.rows; ++y)
        for (int x = 0; x < edge.cols; ++x)
            if (edge.at<uchar>(y, x) && dark.at<uchar>(y, x))
                touching[size_t(labels.at<int>(y, x))] = 255;
    touching[0] = 0;
    cv::Mat line(mask.size(), CV_8UC1);
    for (int y = 0; y < line.rows; ++y)
        for (int x = 0; x < line.cols; ++x)
            line.at<uchar>(y, x) = touching[size_t(labels.at<int>(y, x))];
    cv::distanceTransform(line, inner, cv::DIST_L2, cv::DIST_MASK_5);
    std::vector<float> depths;
    for (int y = 0; y < line.rows; ++y)
        for (int x = 0; x < line.cols; ++x)
            if (line.at<uchar>(y, x))
                depths.push_back(inner.at<float>(y, x));
    if (depths.empty())
        return 0;
    std::nth_element(depths.begin(), depths.begin() + long(depths.size() / 2), depths.end());
    return 4 * depths[depths.size() / 2];
}

// The hairlines of paper, no wider than two pixels, that run into `solid`
// from the paper round it: where two parts are laid edge to edge (a tail
// against a body) the drawing leaves such a slit, and a person sees the
// parts meet there, not a boundary between two colours. A wider slit (a
// jet of water's strands apart) is one a person sees.
cv::Mat slits(const cv::Mat& solid)
{
    cv::Mat closed, labels, open;
    cv::morphologyEx(solid, closed, cv::MORPH_CLOSE, cv::Mat());
    const cv::Mat slit = closed & ~solid;
    const int count = cv::connectedComponents(slit, labels, 8);
    cv::dilate(~closed, open, cv::Mat());
    std::vector<uchar> runsIn(size_t(count), 0);
    for (int y = 0; y < labels.rows; ++y)
        for (int x = 0; x < labels.cols; ++x)
            if (open.at<uchar>(y, x))
                runsIn[size_t(labels.at<int>(y, x))] = 255;
    runsIn[0] = 0;
    cv::Mat found(solid.size(), CV_8UC1);
    for (int y = 0; y < found.rows; ++y)
        for (int x = 0; x < found.cols; ++x)
            found.at<uchar>(y, x) = runsIn[size_t(labels.at<int>(y, x))];
    // With the soft pixels either side, whose colour steps to the paper's.
    cv::dilate(found, found, cv::getStructuringElement(cv::MORPH_ELLIPSE, {5, 5}));
    return found;
}

// The piece of `differs` a picture is drawn on as on a tile: one plain
// rounded rectangle that is nearly all that differs from the page and
// fills most of its shorter side, the drawing inside it. Empty when there
// is none.
cv::Mat tileOf(const cv::Mat& differs)
{
    std::vector<std::vector<cv::Point>> outer;
    cv::findContours(differs, outer, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_SIMPLE);
    const auto largest =
        std::max_element(outer.begin(), outer.end(), [](const auto& a, const auto& b) {
            return cv::contourArea(a) < cv::contourArea(b);
        });
    if (largest == outer.end())
        return {};
    const cv::Rect box = cv::boundingRect(*largest);
    const double area = cv::contourArea(*largest);
    if (area < 0.9 * box.area() ||
        std::min(box.width, box.height) < 0.8 * std::min(differs.cols, differs.rows))
        return {};
    cv::Mat tile = cv::Mat::zeros(differs.size(), CV_8UC1);
    cv::drawContours(tile, outer, int(largest - outer.begin()), 255, cv::FILLED);
    return cv::countNonZero(differs & ~tile) < 0.1 * area ? tile : cv::Mat();
}

// Inside `tile`, what a person sees behind the drawing: the tile's own
// colour, and a sea or a ground across its foot that runs off its edge as
// off a window's; each covers a good stretch of the tile's edge, flat.
// Empty when the edge shows more than those two (a castle standing on the
// tile's foot, its walls in several shades: the tile is the picture's
// frame, drawn as a person sees it), or when the tile's colour is dark (a
// framed picture's frame, itself part of the figure).
cv::Mat behindOn(const cv::Mat& lab, const cv::Mat& tile)
{
    cv::Mat inner, core, behind = cv::Mat::zeros(lab.size(), CV_8UC1);
    cv::erode(tile, inner, cv::getStructuringElement(cv::MORPH_ELLIPSE, {5, 5}));
    cv::erode(tile, core, cv::getStructuringElement(cv::MORPH_ELLIPSE, {15, 15}));
    cv::Mat edge = inner & ~core;
    const int all = cv::countNonZero(edge);
    for (int colours = 0; colours < 2 && cv::countNonZero(edge) > 0.05 * all; ++colours) {
        std::vector<cv::Vec3f> pixels;
        for (int y = 0; y < lab.rows; ++y)
            for (int x = 0; x < lab.cols; ++x)
                if (edge.at<uchar>(y, x))
                    pixels.push_back(lab.at<cv::Vec3f>(y, x));
        const cv::Vec3f colour = median(pixels);
        const cv::Mat near = from(lab, colour) <= Differs;
        if ((colours == 0 && colour[0] < DarkL) || cv::countNonZero(edge & near) < 0.15 * all)
            break;
        behind |= near;
        edge &= ~near;
    }
    return cv::countNonZero(edge) > 0.05 * all ? cv::Mat() : behind & tile;
}

} // namespace

ColourFigure colourFigure(const cv::Mat& rgb, const cv::Mat& known)
{
    const cv::Mat lab = labOf(rgb);
    const cv::Vec3f paper = background(lab);
    cv::Mat fromPaper = from(lab, paper);
    // On a tile, what lies behind the drawing there is paper too, and the
    // drawing differs from it, white parts included.
    if (const cv::Mat tile = tileOf(fromPaper > Differs); !tile.empty())
        if (const cv::Mat behind = behindOn(lab, tile); !behind.empty()) {
            cv::max(fromPaper, 2 * Differs, fromPaper);
            fromPaper.setTo(0, behind | ~tile);
        }
    std::vector<cv::Mat> channels;
    cv::split(lab, channels);
    cv::Mat chroma;
    cv::magnitude(channels[1], channels[2], chroma);
    const cv::Mat faint =
        (fromPaper > Differs) & (chroma < Grey) & (cv::abs(channels[0] - paper[0]) < Faint);
    const cv::Mat solid = (fromPaper > Differs) & ~faint;
    cv::Mat figure = solid | (faint & ~shadows(faint & ~filled(solid), solid));
    cv::morphologyEx(figure, figure, cv::MORPH_CLOSE,
                     cv::getStructuringElement(cv::MORPH_ELLIPSE, {7, 7}));
    ColourFigure f;
    f.mask = known.empty() ? filled(figure) : known;
    f.dark = channels[0] < DarkL;
    f.boundaries = (change(lab) > Sharp) & ~slits(fromPaper > Differs);
    cv::Mat depth;
    cv::distanceTransform(f.mask, depth, cv::DIST_L2, cv::DIST_MASK_5);
    f.outline = outlineOf(f.mask, f.dark, depth);
    return f;
}

bool coloured(const cv::Mat& rgb)
{
    cv::Mat small; // half the picture tells as well
    cv::resize(rgb, small, {}, 0.5, 0.5, cv::INTER_AREA);
    const cv::Mat lab = labOf(small);
    const cv::Mat fromPaper = from(lab, background(lab));
    std::vector<cv::Mat> channels;
    cv::split(lab, channels);
    // Neither paper nor dark, and wider than the soft edge of a line.
    cv::Mat painted = (fromPaper > 10) & (channels[0] >= DarkL);
    cv::morphologyEx(painted, painted, cv::MORPH_OPEN,
                     cv::getStructuringElement(cv::MORPH_RECT, {3, 3}));
    // A dark animal painted flat, its eyes and beak in colour, is painted
    // too, though its colours are few: its dark parts are areas far wider
    // than any line is drawn. A drawing in black alone is drawn, however
    // bold.
    cv::Mat chroma, wide;
    cv::magnitude(channels[1], channels[2], chroma);
    if (cv::countNonZero(painted & (chroma > Colourful)) > InColour * double(painted.total())) {
        const int across = std::max(3, std::min(small.cols, small.rows) / 25);
        cv::morphologyEx((channels[0] < DarkL) & (fromPaper > 10), wide, cv::MORPH_OPEN,
                         cv::getStructuringElement(cv::MORPH_ELLIPSE, {across, across}));
        painted |= wide;
    }
    return cv::countNonZero(painted) > 0.03 * double(painted.total());
}

} // namespace tracingtable
