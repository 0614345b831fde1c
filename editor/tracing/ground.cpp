#include "ground.h"
#include "figures.h"
#include "masks.h"
#include "pixels.h"

#include <algorithm>
#include <opencv2/imgproc.hpp>

namespace editor::tracing {

namespace {

constexpr double GroundShare = 0.8; // of the page's width: a line across it this long is a ground
constexpr int GroundWave = 2;       // line widths a ground may rise and fall
constexpr int GroundRows = 4;       // blocks of GroundWave lines: a ground is no taller
constexpr int GroundBlocks = 40;    // blocks at least down the page's shorter side
constexpr int LevelRun = 4;         // line widths a ground runs level, where feet do not
constexpr double Covered = 0.8;     // of a space: a figure covering this much holds all of it
constexpr double NarrowGap = 0.3;   // of the narrowest closing: a gap a stroke nearly closes
constexpr double TuftLines = 2;     // line widths: a piece on a ground no larger is grass
constexpr int BranchShare = 3;      // of the drawing's width: a branch from its side is no shorter
constexpr int SoftEdges = 2;        // px: a line's soft edges, one above and one below
constexpr int WallStrokes = 2;      // a space's side runs along a wall for this many line widths
constexpr double WallWidth = 1.3;   // line widths: a wall is one line, its soft edges and a seam
constexpr double RoomCovered =
    0.5; // of a room: a figure already covering this much stands round it
constexpr double RoofedCovered =
    0.25; // of a space under a figure's outline: a figure covering this much holds it
constexpr double PocketWidth =
    2 * WiderClosing; // of the narrowest closing: a gap the next closing closes

// Of what is drawn along a ground, the line itself: what runs level for
// several line widths. A figure's feet on it are strokes that rise from
// it, and stay with the figure, so its silhouette reaches the ground; the
// grass is left in small pieces too small to be figures. When the line is
// too steep or too thin to be told so, all that is drawn along it goes.
cv::Mat lineOf(const cv::Mat& along, double stroke)
{
    cv::Mat line;
    const int run = std::max(LevelRun * int(stroke + 0.5), 2 * LevelRun);
    cv::morphologyEx(along, line, cv::MORPH_OPEN,
                     cv::getStructuringElement(cv::MORPH_RECT, {run, 1}));
    if (cv::countNonZero(line) * 2 < cv::countNonZero(along))
        return along;
    // The line's soft edges, a pixel or two above and below where it runs level.
    const int edge = std::max(1, int(stroke / 5 + 0.5));
    cv::dilate(line, line, cv::getStructuringElement(cv::MORPH_RECT, {1, 2 * edge + 1}));
    return along & line;
}

// `line`, a ground, no thicker down each column than it is drawn for the
// most part: where a foot's sole or a shell's rim sits on it, the two
// drawn as one, what rises above that is the figure's own.
cv::Mat asThickAsDrawn(cv::Mat line)
{
    std::vector<int> runs;
    const auto eachRun = [&](auto&& take) {
        for (int x = 0; x < line.cols; ++x)
            for (int y = 0, start = 0; y <= line.rows; ++y) {
                if (y < line.rows && line.at<uint8_t>(y, x))
                    continue;
                if (y > start)
                    take(x, start, y);
                start = y + 1;
            }
    };
    eachRun([&](int, int top, int bottom) { runs.push_back(bottom - top); });
    if (runs.empty())
        return line;
    std::nth_element(runs.begin(), runs.begin() + long(runs.size() / 2), runs.end());
    const int most = runs[runs.size() / 2] + SoftEdges;
    eachRun([&](int x, int top, int bottom) {
        if (bottom - top > most)
            line.col(x).rowRange(top, bottom - most).setTo(0);
    });
    return line;
}

// Of the level lines in `line`, those a figure stands on: where two run
// one above the other (a trunk's tip, a snout or a shell's rim just above
// the ground, a bird's tail just above its branch), the lower and longer
// is the ground and the other a figure's own, which the figure keeps.
cv::Mat lowestOf(const cv::Mat& line, double stroke)
{
    cv::Mat labels, stats, centroids;
    const int count = cv::connectedComponentsWithStats(line, labels, stats, centroids, 8, CV_32S);
    const auto across = [&](int l) {
        const int left = stats.at<int>(l, cv::CC_STAT_LEFT);
        return cv::Range(left, left + stats.at<int>(l, cv::CC_STAT_WIDTH));
    };
    cv::Mat lowest = line.clone();
    for (int l = 1; l < count; ++l)
        for (int under = 1; under < count; ++under) {
            const cv::Range own = across(l), other = across(under);
            const int shared = std::min(own.end, other.end) - std::max(own.start, other.start);
            if (other.size() > own.size() && 2 * shared > own.size() &&
                centroids.at<double>(under, 1) > centroids.at<double>(l, 1) + stroke) {
                lowest.setTo(0, labels == l);
                break;
            }
        }
    return lowest;
}

// Where a copy of a picture in blocks runs on along a row.
struct Level
{
    cv::Mat ground;   // 255 where a run crosses most of the page
    cv::Mat branches; // 255 where one runs from a side of the drawing, not across
};

// The runs of `thick` (255 where drawn, in blocks) along its rows, in
// `drawn`, its part where something is drawn. On a ground, a line that
// runs level from a side of the drawing for a good part of its width, but
// not across, is a second ground: a branch a bird perches on, a ledge.
Level levelOf(const cv::Mat& thick, const cv::Rect& drawn)
{
    Level level{cv::Mat::zeros(thick.size(), CV_8UC1), cv::Mat::zeros(thick.size(), CV_8UC1)};
    const int least = int(GroundShare * thick.cols);
    for (int y = 0; y < thick.rows; ++y) {
        const uint8_t* on = thick.ptr<uint8_t>(y);
        for (int x = 0, start = 0; x <= thick.cols; ++x) {
            if (x < thick.cols && on[x])
                continue;
            const bool fromSide = start <= drawn.x || x >= drawn.br().x;
            if (x - start >= least || (fromSide && BranchShare * (x - start) >= drawn.width))
                std::fill_n((x - start >= least ? level.ground : level.branches).ptr<uint8_t>(y) +
                                start,
                            x - start, uint8_t(255));
            start = x + 1;
        }
    }
    return level;
}

// Of `runs` (in blocks), the lines: the pieces no taller than GroundRows,
// their middles below `lowest`.
void keepLines(cv::Mat& runs, double lowest)
{
    cv::Mat labels, stats, centroids;
    const int count = cv::connectedComponentsWithStats(runs, labels, stats, centroids, 4, CV_32S);
    for (int l = 1; l < count; ++l)
        if (stats.at<int>(l, cv::CC_STAT_HEIGHT) > GroundRows ||
            centroids.at<double>(l, 1) < lowest)
            runs.setTo(0, labels == l);
}

// `line`, a ground found in `ink`, with what sits on it no taller and no
// wider than TuftLines of its `stroke` widths: tufts of grass, and the rim
// where the ground's wave leaves its level. Left to the figures, the
// closing of their gaps ran such a piece into a foot beside it.
cv::Mat withTufts(const cv::Mat& ink, const cv::Mat& line, double stroke)
{
    cv::Mat labels, stats, centroids;
    const int count =
        cv::connectedComponentsWithStats(ink & ~line, labels, stats, centroids, 8, CV_32S);
    std::vector<uint8_t> tuft(size_t(count), 0);
    for (int y = 0; y + 1 < ink.rows; ++y)
        for (int x = 0; x < ink.cols; ++x)
            if (const int l = labels.at<int>(y, x); l && line.at<uint8_t>(y + 1, x)) {
                const int top = stats.at<int>(l, cv::CC_STAT_TOP);
                const int tall = stats.at<int>(l, cv::CC_STAT_HEIGHT);
                tuft[size_t(l)] |= y + 2 >= top + tall && tall <= TuftLines * stroke &&
                                   stats.at<int>(l, cv::CC_STAT_WIDTH) <= TuftLines * stroke;
            }
    cv::Mat ground = line.clone();
    for (int y = 0; y < ink.rows; ++y)
        for (int x = 0; x < ink.cols; ++x)
            if (tuft[size_t(labels.at<int>(y, x))])
                ground.at<uint8_t>(y, x) = 255;
    return ground;
}

// 255 where `of` lies within `reach` px of a pixel, on its left when
// `left`, else on its right.
cv::Mat beside(const cv::Mat& of, int reach, bool left)
{
    cv::Mat kernel = cv::Mat::zeros(1, 2 * reach + 1, CV_8UC1), near;
    kernel.colRange(left ? 0 : reach, left ? reach + 1 : 2 * reach + 1).setTo(1);
    cv::dilate(of, near, kernel);
    return near;
}

// Of the spaces labelled `labels` (`count` of them), those that have
// `sides` within `reach` px on their left and on their right, each for a
// stretch of some strokes' length: the spaces between two walls.
std::vector<uint8_t> between(const cv::Mat& labels, int count, const cv::Mat& sides, int reach)
{
    const cv::Mat left = beside(sides, reach, true), right = beside(sides, reach, false);
    std::vector<int> onLeft(size_t(count), 0), onRight(size_t(count), 0);
    for (int y = 0; y < labels.rows; ++y)
        for (int x = 0; x < labels.cols; ++x) {
            const size_t l = size_t(labels.at<int>(y, x));
            onLeft[l] += left.at<uint8_t>(y, x) > 0;
            onRight[l] += right.at<uint8_t>(y, x) > 0;
        }
    std::vector<uint8_t> walled(size_t(count), 0);
    for (size_t l = 1; l < size_t(count); ++l)
        walled[l] = std::min(onLeft[l], onRight[l]) >= WallStrokes * reach;
    return walled;
}

// How many columns of each space labelled `labels` (`count` of them; 0
// where drawn) lie under a line no thicker than `most` px with the world
// beyond it, one of `world` (by label) outside `figure`: the figure's
// outline roofs the space.
std::vector<int> roofed(const cv::Mat& labels, int count, const std::vector<uint8_t>& world,
                        const cv::Mat& figure, int most)
{
    std::vector<int> columns(size_t(count), 0);
    for (int x = 0; x < labels.cols; ++x)
        for (int y = 0, line = 0, outside = 0; y < labels.rows; ++y) {
            const int l = labels.at<int>(y, x);
            if (!l) {
                ++line;
                continue;
            }
            if (line > 0 && line <= most && outside)
                ++columns[size_t(l)];
            outside = world[size_t(l)] && !figure.at<uint8_t>(y, x);
            line = 0;
        }
    return columns;
}

// 255 on the strokes of `ink` that `mask`'s figure, closed across gaps
// `least` px wide, would have taken in: its own, a tail drawn apart.
cv::Mat ownStrokes(const cv::Mat& ink, const cv::Mat& mask, double least)
{
    return touching(ink, grown(mask, least));
}

// Of `mask`, a figure standing on `ground`, the pockets: the spaces on the
// ground that it, its own strokes in `ink` and the ground enclose, no
// wider anywhere than a gap its closing closes a step wider, nor than
// they are tall. A leg's inside whose sole went with the ground is one,
// and so is the space a tail curls round against the body: the figure
// alone has them closed. Each lies a `wall` from the figure at most. The
// arch between two legs is wider than a leg, and than it is tall under
// a low body; a neighbour's inside is not the figure's to enclose.
cv::Mat pocketsOf(const cv::Mat& mask, const cv::Mat& ink, const cv::Mat& ground,
                  const cv::Mat& nearGround, double least, int wall)
{
    const cv::Mat walls = ownStrokes(ink, mask, least) | mask | ground;
    cv::Mat labels, stats, centroids;
    const int count = cv::connectedComponentsWithStats(~closedFilled(walls, NarrowGap * least),
                                                       labels, stats, centroids, 4, CV_32S);
    const cv::Mat beside = grown(mask, wall);
    std::vector<int> widest(size_t(count), 0), row(size_t(count), 0), low(size_t(count), 0),
        touches(size_t(count), 0);
    for (int y = 0; y < labels.rows; ++y) {
        std::fill(row.begin(), row.end(), 0);
        for (int x = 0; x < labels.cols; ++x) {
            const size_t l = size_t(labels.at<int>(y, x));
            ++row[l];
            low[l] += nearGround.at<uint8_t>(y, x) > 0;
            touches[l] += beside.at<uint8_t>(y, x) > 0;
        }
        for (size_t l = 0; l < row.size(); ++l)
            widest[l] = std::max(widest[l], row[l]);
    }
    const cv::Rect page(0, 0, labels.cols, labels.rows);
    std::vector<bool> pocket(size_t(count), false);
    for (int l = 1; l < count; ++l) {
        const cv::Rect box(stats.at<int>(l, cv::CC_STAT_LEFT), stats.at<int>(l, cv::CC_STAT_TOP),
                           stats.at<int>(l, cv::CC_STAT_WIDTH),
                           stats.at<int>(l, cv::CC_STAT_HEIGHT));
        pocket[size_t(l)] = box.x > 0 && box.y > 0 && box.br().inside(page) && low[size_t(l)] > 0 &&
                            touches[size_t(l)] > 0 && widest[size_t(l)] <= PocketWidth * least &&
                            widest[size_t(l)] <= box.height;
    }
    return pieces(labels, pocket);
}

// `spaces` with the figure's own strokes of `ink` round them, as far as
// `reach` px: a space's walls.
cv::Mat walled(const cv::Mat& spaces, const cv::Mat& own, int reach)
{
    return spaces | (grown(spaces, reach) & own);
}

} // namespace

cv::Mat groundOf(const cv::Mat& ink, double stroke)
{
    // A ground that rises and falls a little is still level on a copy of
    // the picture in blocks as tall as the wave, each block with any ink
    // in it drawn: what runs on along a row of blocks, or two, for most of
    // the page is the ground.
    const int block = std::clamp(int(GroundWave * stroke + 0.5), 1,
                                 std::min(ink.cols, ink.rows) / GroundBlocks + 1);
    cv::Mat coarse, thick;
    cv::resize(ink, coarse, {(ink.cols + block - 1) / block, (ink.rows + block - 1) / block}, 0, 0,
               cv::INTER_AREA);
    cv::dilate(coarse > 0, thick, cv::getStructuringElement(cv::MORPH_RECT, {1, 3}));
    const cv::Rect drawn = cv::boundingRect(coarse);
    Level level = levelOf(thick, drawn);
    // A filled shape as wide is no ground: a ground is a line, a few
    // blocks tall where the wave runs, and the figures stand on it, in the
    // lower half of what is drawn; a line as long above them is a figure's
    // own (a wide wing, a roof).
    keepLines(level.ground, drawn.y + drawn.height / 2.0);
    if (cv::countNonZero(level.ground) == 0)
        return {};
    // A branch is no part of the ground, nor near it.
    cv::Mat near;
    cv::dilate(level.ground, near,
               cv::getStructuringElement(cv::MORPH_RECT, {1, 4 * GroundRows + 1}));
    level.branches &= ~near;
    keepLines(level.branches, 0);
    for (cv::Mat* each : {&level.ground, &level.branches}) {
        cv::dilate(*each, *each, cv::getStructuringElement(cv::MORPH_RECT, {1, 3}));
        cv::resize(*each, *each, ink.size(), 0, 0, cv::INTER_NEAREST);
    }
    return withTufts(ink, asThickAsDrawn(lowestOf(lineOf(ink & level.ground, stroke), stroke)),
                     stroke) |
           lowestOf(lineOf(ink & level.branches & ~level.ground, stroke), stroke);
}

std::vector<cv::Point> standingOn(const std::vector<cv::Point>& figure, const cv::Mat& ink,
                                  const cv::Mat& ground, double least)
{
    cv::Mat mask = cv::Mat::zeros(ink.size(), CV_8UC1), labels, stats, centroids;
    cv::drawContours(mask, std::vector<std::vector<cv::Point>>{figure}, -1, 255, cv::FILLED);
    const cv::Mat open = ~closedFilled(ink | ground, NarrowGap * least);
    const int count = cv::connectedComponentsWithStats(open, labels, stats, centroids, 4, CV_32S);
    const int reach = std::max(1, int(least + 0.5));
    const int wall = std::max(1, int(WallWidth * strokeWidth(ink) + 0.5));
    cv::Mat nearGround;
    cv::dilate(ground, nearGround, cv::getStructuringElement(cv::MORPH_RECT, {1, 2 * reach + 1}));
    std::vector<int> covered(size_t(count), 0), onGround(size_t(count), 0);
    for (int y = 0; y < ink.rows; ++y)
        for (int x = 0; x < ink.cols; ++x) {
            const size_t l = size_t(labels.at<int>(y, x));
            covered[l] += mask.at<uint8_t>(y, x) > 0;
            onGround[l] += nearGround.at<uint8_t>(y, x) > 0;
        }
    // The spaces open to the border are the world round the figures.
    const cv::Rect page(0, 0, ink.cols, ink.rows);
    std::vector<uint8_t> enclosed(size_t(count), 0), inside(size_t(count), 0);
    for (int l = 1; l < count; ++l) {
        const cv::Rect box(stats.at<int>(l, cv::CC_STAT_LEFT), stats.at<int>(l, cv::CC_STAT_TOP),
                           stats.at<int>(l, cv::CC_STAT_WIDTH),
                           stats.at<int>(l, cv::CC_STAT_HEIGHT));
        enclosed[size_t(l)] = box.x > 0 && box.y > 0 && box.br().inside(page);
        inside[size_t(l)] = enclosed[size_t(l)] &&
                            covered[size_t(l)] > Covered * stats.at<int>(l, cv::CC_STAT_AREA);
    }
    // A room standing on the ground, its floor gone with it, has the world
    // a wall away on either side: it is the figure's, and so is a doorway
    // between its walls. The arch between two legs has a leg's inside
    // beside it, not the world, and stays out.
    const auto where = [&](const std::vector<uint8_t>& which) {
        cv::Mat at(ink.size(), CV_8UC1);
        for (int y = 0; y < ink.rows; ++y)
            for (int x = 0; x < ink.cols; ++x)
                at.at<uint8_t>(y, x) = which[size_t(labels.at<int>(y, x))] ? 255 : 0;
        return at;
    };
    std::vector<uint8_t> world(size_t(count), 0), standing(size_t(count), 0);
    for (int l = 1; l < count; ++l) {
        world[size_t(l)] = !enclosed[size_t(l)];
        standing[size_t(l)] = enclosed[size_t(l)] && onGround[size_t(l)] > 0;
    }
    std::vector<uint8_t> rooms = between(labels, count, where(world), wall);
    const std::vector<int> roofs = roofed(labels, count, world, mask, reach);
    std::vector<uint8_t> roofedRooms(size_t(count), 0);
    for (int l = 0; l < count; ++l) {
        const double area = stats.at<int>(l, cv::CC_STAT_AREA);
        roofedRooms[size_t(l)] = standing[size_t(l)] && roofs[size_t(l)] >= WallStrokes * wall &&
                                 covered[size_t(l)] > RoofedCovered * area;
        rooms[size_t(l)] &= standing[size_t(l)] && covered[size_t(l)] > RoomCovered * area;
    }
    const std::vector<uint8_t> doors = between(labels, count, where(rooms), wall);
    for (int l = 1; l < count; ++l)
        inside[size_t(l)] |= rooms[size_t(l)] || (doors[size_t(l)] && standing[size_t(l)]);
    mask |= where(inside);
    // A space the figure's own outline roofs, the world beyond it, is the
    // figure's when the figure holds a good part of it already: a body
    // whose bottom line lay along the ground, its head found but its back
    // left a thin line. The arch between two legs has the body above it,
    // not the world; a neighbour's inside is not covered. Its walls come
    // with it, so that the edge runs round them.
    mask |= walled(where(roofedRooms), touching(ink, mask), reach);
    // A pocket meets the figure along notches its closing closes, as it
    // does the figure alone.
    const cv::Mat before = mask.clone();
    mask |= walled(pocketsOf(mask, ink, ground, nearGround, least, wall),
                   ownStrokes(ink, mask, least), reach);
    mask |= closedFilled(mask, least) & grown(mask & ~before, least);
    // The closing leaves a pixel's seam between a space and the strokes round it.
    const std::vector<std::vector<cv::Point>> outer = outerEdges(closedFilled(mask, 1));
    if (outer.empty())
        return figure;
    return *std::max_element(outer.begin(), outer.end(), [](const auto& a, const auto& b) {
        return cv::contourArea(a) < cv::contourArea(b);
    });
}

} // namespace editor::tracing
