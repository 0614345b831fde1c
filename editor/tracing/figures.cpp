#include "figures.h"
#include "ground.h"
#include "linedrawing.h"
#include "masks.h"
#include "pixels.h"
#include "scene.h"

#include <algorithm>
#include <array>
#include <map>
#include <mutex>
#include <opencv2/imgproc.hpp>

namespace editor::tracing {

namespace {

constexpr int LightGrey = 200;          // lighter than this is background
constexpr double DetailShare = 0.03;    // of the largest figure: a smaller one is a detail
constexpr double LeastArea = 0.005;     // of the picture: a smaller figure is a speck
constexpr double RestoreTips = 3;       // thin widths: how far a blunted tip comes back
constexpr double StrokeRoundness = 0.1; // rounder than this is a figure, not a stroke
constexpr double ColourGap = 3.5;       // px: a gap in a figure's colour this narrow is closed
constexpr double SeamLength = 4; // widths: a light line parting two pieces for longer is seen
                                 // drawn in the figure

// The ink of `ink` on the large pieces of `figure`, where a coloured
// picture's colours show its figure, the pieces smaller than a detail
// left out. A stem, a tail or a sparkle drawn apart from the body stays
// on the page, but the dots do not go round it, however narrow the gap.
cv::Mat onLargePieces(const cv::Mat& ink, const cv::Mat& figure)
{
    std::vector<std::vector<cv::Point>> pieces = outerEdges(figure);
    double largest = 0;
    for (const auto& each : pieces)
        largest = std::max(largest, cv::contourArea(each));
    pieces.erase(std::remove_if(pieces.begin(), pieces.end(),
                                [&](const auto& each) {
                                    return cv::contourArea(each) < DetailShare * largest;
                                }),
                 pieces.end());
    cv::Mat large = cv::Mat::zeros(figure.size(), CV_8UC1);
    cv::drawContours(large, pieces, -1, 255, cv::FILLED, cv::LINE_8);
    cv::dilate(large, large, cv::Mat(), cv::Point(-1, -1), 2);
    return ink & large;
}

// The light lines drawn in `figure`: a white rim round a sticker,
// a pale seam between a wing and the body. As light as the background,
// they part two pieces of the figure along a stretch far longer than they
// are wide, where a person sees one figure with a light line in it. A gap
// that a piece only comes near at an end or a corner (a kite's tail, a
// stem drawn apart) stays background, and so does one between two parts
// of the same piece (two legs).
cv::Mat seamsIn(const cv::Mat& figure, double reach)
{
    cv::Mat pieceOf, lightOf;
    if (cv::connectedComponents(figure, pieceOf, 8, CV_32S) < 3)
        return cv::Mat::zeros(figure.size(), CV_8UC1);
    const int lights =
        cv::connectedComponents(closedFilled(figure, reach) & ~figure, lightOf, 4, CV_32S);
    // How many pixels of each light part lie against each piece.
    std::map<std::pair<int, int>, int> against;
    for (int y = 1; y + 1 < lightOf.rows; ++y)
        for (int x = 1; x + 1 < lightOf.cols; ++x) {
            const int light = lightOf.at<int>(y, x);
            if (light == 0)
                continue;
            std::array<int, 4> beside{pieceOf.at<int>(y - 1, x), pieceOf.at<int>(y + 1, x),
                                      pieceOf.at<int>(y, x - 1), pieceOf.at<int>(y, x + 1)};
            std::sort(beside.begin(), beside.end());
            for (size_t i = 0; i < beside.size(); ++i)
                if (beside[i] > 0 && (i == 0 || beside[i] != beside[i - 1]))
                    ++against[{light, beside[i]}];
        }
    // A light part is a seam when the second piece it lies along the most
    // does so for long.
    std::vector<std::array<int, 2>> longest(size_t(lights), {0, 0});
    for (const auto& [pair, length] : against) {
        std::array<int, 2>& two = longest[size_t(pair.first)];
        if (length > two[0])
            two = {length, two[0]};
        else if (length > two[1])
            two[1] = length;
    }
    std::vector<bool> seam(size_t(lights), false);
    for (size_t i = 1; i < seam.size(); ++i)
        seam[i] = longest[i][1] >= SeamLength * 2 * reach;
    // Where a seam comes out to the background, the figure's edge runs on
    // across its mouth as it ran on either side.
    const cv::Mat seams = pieces(lightOf, seam);
    return seams | (closedFilled(figure | seams, 2 * reach) & grown(seams, 2 * reach) & ~figure);
}

// The figures of `outer` no farther than the colours of `figure` reach.
// The closing that fills a figure from its lines rounds its notches and
// runs across narrow gaps (between legs, between a kite and its tail):
// where a coloured picture's colours show where the figure ends, it ends
// there. What the colours enclose (a white face inside its outline) stays
// inside, and so do the `seams` between their pieces.
std::vector<std::vector<cv::Point>> withinColour(const std::vector<std::vector<cv::Point>>& outer,
                                                 const cv::Mat& figure, const cv::Mat& seams)
{
    cv::Mat filled = cv::Mat::zeros(figure.size(), CV_8UC1), coloured;
    cv::drawContours(filled, outer, -1, 255, cv::FILLED, cv::LINE_8);
    cv::dilate(closedFilled(figure, ColourGap), coloured, cv::Mat());
    return outerEdges((filled & coloured) | seams);
}

Figures figuresOf(const LineDrawing& drawn, FigureChoice chosen)
{
    const QImage& picture = drawn.page;
    Figures figures;
    figures.coloured = !drawn.figure.empty();
    figures.paper = drawn.paper;
    figures.grey = greyscaleOf(picture);
    const int w = picture.width(), h = picture.height();
    cv::threshold(matOf(figures.grey, CV_8UC1), figures.ink, LightGrey - 1, 255,
                  cv::THRESH_BINARY_INV);
    // A large picture's figures are found on a smaller copy, every pixel
    // with any ink in it drawn: the outline is smoothed by potrace anyway,
    // and the page's size costs no more than the editor's page does.
    const int scale = reduction(picture.size());
    cv::Mat ink = figures.ink;
    if (scale > 1) {
        cv::resize(figures.ink, ink, {(w + scale - 1) / scale, (h + scale - 1) / scale}, 0, 0,
                   cv::INTER_AREA);
        ink = ink > 0;
    }
    const int side = std::min(ink.cols, ink.rows);
    const double fewPixels = side / 150.0 + 1; // the narrowest gap closed, whatever the line
    cv::Mat colour, seams;
    if (drawn.figure.size() == ink.size()) {
        seams = seamsIn(drawn.figure, fewPixels);
        colour = drawn.figure | seams;
        ink = onLargePieces(ink, colour);
    }
    // A bold drawing's page leaves out the edge across a narrow gap
    // between strokes (a roof set beside a tower) and round a speck (a
    // flag): its figure is what its strokes cover, whatever edge is drawn.
    if (drawn.bold.size() == ink.size()) {
        cv::Mat covered; // not into `ink`, which may be the page's own
        cv::bitwise_or(ink, drawn.bold, covered);
        ink = covered;
    }
    const double stroke = std::max(1.0, drawn.stroke > 0 ? drawn.stroke : strokeWidth(ink));
    figures.stroke = stroke * scale;
    // The figures standing on a scene's ground are found without it.
    const cv::Mat ground = groundOf(ink, stroke);
    if (!ground.empty()) {
        cv::Mat standing;
        cv::bitwise_and(ink, ~ground, standing);
        ink = standing;
    }
    // Gaps of a few line widths are closed, a few pixels at least whatever
    // the line. When the largest figure is still only strokes, no more
    // round than a line is (its edge long for its area), the gaps are wider:
    // closing tries again, wider each time, never so wide that figures
    // standing apart run together. A colour picture's page draws its
    // figure's edge as one closed line already: closing it as wide as its
    // bold strokes would only round its inner corners off and bridge the
    // gaps between legs, the dots then lying off the figure.
    const double narrowest = std::max(figures.coloured ? 0 : 1.5 * stroke, fewPixels);
    double reach = narrowest, closing = reach;
    std::vector<std::vector<cv::Point>> outer;
    for (;;) {
        closing = std::min(reach, side / 15.0 + 1);
        outer = outerEdges(closedFilled(ink, closing));
        if (closing < reach || !onlyStrokes(outer))
            break;
        reach *= WiderClosing;
    }
    figures.reach = closing * scale;
    if (!colour.empty())
        outer = withinColour(outer, colour, seams);
    // Parts thinner than two lines side by side (a kite's string, a tail, a
    // whisker) are no part of a figure: they stay in the picture as lines.
    // A picture that is nothing but such lines keeps them as its figures.
    const double thin = std::min(0.6 * stroke + 0.5, side / 100.0 + 1);
    cv::Mat whole;
    if (thin >= 1 && !outer.empty()) {
        cv::Mat filled = cv::Mat::zeros(ink.size(), CV_8UC1);
        cv::drawContours(filled, outer, -1, 255, cv::FILLED, cv::LINE_8);
        const cv::Mat core = shrunk(filled, thin);
        const cv::Mat opened = grown(core, thin);
        // The opening blunts sharp tips too: what it took within a few
        // widths of what stays comes back, so a star keeps its points and
        // a string only a stub.
        const cv::Mat near = grown(opened, RestoreTips * thin);
        if (cv::countNonZero(core) > 0) {
            outer = outerEdges(filled & near);
            whole = filled;
        }
    }
    std::vector<double> areas;
    for (const auto& each : outer)
        areas.push_back(cv::contourArea(each));
    const double largest = areas.empty() ? 0 : *std::max_element(areas.begin(), areas.end());
    const double least = std::max(DetailShare * largest, LeastArea * double(ink.cols) * ink.rows);
    std::vector<std::vector<cv::Point>> kept;
    for (size_t i = 0; i < outer.size(); ++i)
        if (areas[i] >= least && areas[i] > 0)
            kept.push_back(std::move(outer[i]));
    std::optional<cv::Point2f> picked;
    if (chosen)
        picked = cv::Point2f(float(chosen->x() / scale), float(chosen->y() / scale));
    Chosen choice =
        chooseFigures(std::move(kept), {ink, narrowest, closing, ground, whole}, picked);
    figures.scene = choice.scene;
    kept = std::move(choice.figures);
    cv::Mat mask = cv::Mat::zeros(ink.size(), CV_8UC1);
    cv::drawContours(mask, kept, -1, 255, cv::FILLED, cv::LINE_8);
    if (!ground.empty() && scale > 1)
        cv::resize(ground, figures.ground, {w, h}, 0, 0, cv::INTER_NEAREST);
    else
        figures.ground = ground;
    if (scale > 1) {
        cv::resize(mask, figures.mask, {w, h}, 0, 0, cv::INTER_NEAREST);
        figures.contours = outerEdges(figures.mask);
    } else {
        figures.mask = mask;
        figures.contours = std::move(kept);
    }
    return figures;
}

} // namespace

cv::Mat closedFilled(const cv::Mat& ink, double reach)
{
    return shrunk(grown(ink, reach), reach);
}

bool onlyStrokes(const std::vector<std::vector<cv::Point>>& outer)
{
    double area = 0, edge = 0;
    for (const auto& each : outer)
        if (const double a = cv::contourArea(each); a > area)
            area = a, edge = cv::arcLength(each, true);
    return edge > 0 && 4 * M_PI * area / (edge * edge) < StrokeRoundness;
}

int reduction(QSize size)
{
    return std::max(1,
                    (std::max(size.width(), size.height()) + SilhouetteSide - 1) / SilhouetteSide);
}

double strokeWidth(const cv::Mat& ink)
{
    std::vector<std::vector<cv::Point>> edges;
    cv::findContours(ink, edges, cv::RETR_LIST, cv::CHAIN_APPROX_SIMPLE);
    double edge = 0;
    for (const auto& each : edges)
        edge += cv::arcLength(each, true);
    return edge > 0 ? 2 * cv::countNonZero(ink) / edge : 0;
}

cv::Mat matOf(QImage& image, int type)
{
    return {image.height(), image.width(), type, image.bits(), size_t(image.bytesPerLine())};
}

std::vector<std::vector<cv::Point>> outerEdges(const cv::Mat& mask)
{
    std::vector<std::vector<cv::Point>> outer;
    cv::findContours(mask, outer, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_NONE);
    return outer;
}

Figures cachedFiguresOf(const QImage& picture, FigureChoice chosen)
{
    static std::mutex guard;
    static qint64 key = 0;
    static FigureChoice lastChoice;
    static Figures last;
    keepPictureMemory();
    const std::lock_guard<std::mutex> lock(guard);
    if (key != picture.cacheKey() || lastChoice != chosen || key == 0) {
        const LineDrawing drawing = lineDrawingOf(picture);
        last = figuresOf(drawing, chosen);
        last.drawing = drawing.page;
        thinBoldFigure(last);
        key = picture.cacheKey(), lastChoice = chosen;
    }
    return last;
}
} // namespace editor::tracing
