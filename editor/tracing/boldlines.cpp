#include "boldlines.h"

#include "figures.h"
#include "masks.h"

#include <algorithm>
#include <opencv2/imgproc.hpp>
#include <set>
#include <utility>
#include <vector>

namespace editor::tracing {

namespace {

constexpr double BoldLines = 25;     // strokes wider than the side / this are bold
constexpr double FilledLines = 10;   // ...and narrower than this, else the ink is a fill
constexpr double DetailShare = 0.03; // of the largest figure: a smaller one is a detail
constexpr double NarrowGap = 0.6;    // of the strokes' width: a narrower gap closes
constexpr double PageLine = 300;     // the side / this: the lines a colouring page draws
constexpr double CrayonTip = 48;     // the side / this: how wide a crayon colours
constexpr double StripeEnds = 2.5;   // of the strokes' width: a stripe meets the outline no longer
constexpr double GapWidth = 1.5;     // of the strokes' width: light no wider is a gap between them
constexpr int Drawn = 200;           // a darker pixel of a page is drawn

using Edges = std::vector<std::vector<cv::Point>>;

// Whether no disc `across` px wide fits in the hole that `edge` runs round.
bool narrowerThan(const std::vector<cv::Point>& edge, double across)
{
    const cv::Rect box = cv::boundingRect(edge);
    if (std::min(box.width, box.height) <= across)
        return true;
    cv::Mat hole = cv::Mat::zeros(box.size() + cv::Size(2, 2), CV_8UC1), depth;
    cv::drawContours(hole, Edges{edge}, 0, 255, cv::FILLED, cv::LINE_8, cv::noArray(), 0,
                     cv::Point(1, 1) - box.tl());
    cv::distanceTransform(hole, depth, cv::DIST_L2, cv::DIST_MASK_3);
    double deepest = 0;
    cv::minMaxLoc(depth, nullptr, &deepest);
    return 2 * deepest <= across;
}

} // namespace

double strokeMiddles(const cv::Mat& ink)
{
    cv::Mat depth, around;
    cv::distanceTransform(ink, depth, cv::DIST_L2, cv::DIST_MASK_5);
    cv::dilate(depth, around, cv::Mat());
    // A middle is no shallower than the ink beside it.
    std::vector<float> middles;
    for (int y = 0; y < ink.rows; ++y) {
        const float* deep = depth.ptr<float>(y);
        const float* near = around.ptr<float>(y);
        for (int x = 0; x < ink.cols; ++x)
            if (deep[x] > 0 && deep[x] >= near[x])
                middles.push_back(deep[x]);
    }
    if (middles.empty())
        return 0;
    std::nth_element(middles.begin(), middles.begin() + long(middles.size() / 2), middles.end());
    return 2.0 * middles[middles.size() / 2];
}

bool drawnBold(double width, int side)
{
    return width * BoldLines >= side && width * FilledLines <= side;
}

bool barsOn(double width, int side, int figure)
{
    return width > 2 * std::max(2.0, side / PageLine) && width * FilledLines <= figure;
}

// A bold pen has closed the gaps a thin one leaves already, as far as it
// grew the strokes: what is still open between them is mostly a part's
// shape (the gap between legs), and only narrow gaps close.
cv::Mat boldFigure(const cv::Mat& ink, double width)
{
    const std::vector<std::vector<cv::Point>> outer =
        outerEdges(closedFilled(ink, NarrowGap * width));
    double largest = 0;
    for (const auto& each : outer)
        largest = std::max(largest, cv::contourArea(each));
    cv::Mat figure = cv::Mat::zeros(ink.size(), CV_8UC1);
    for (size_t i = 0; i < outer.size(); ++i)
        if (cv::contourArea(outer[i]) >= DetailShare * largest)
            cv::drawContours(figure, outer, int(i), 255, cv::FILLED);
    return figure;
}

void closeStripes(cv::Mat& page, const cv::Mat& ink, const cv::Mat& figure, double width)
{
    const double tip = std::min(ink.cols, ink.rows) / CrayonTip;
    // The outline is one stroke wide along the figure's edge; the rest of
    // the ink is strokes inside. Where the outline was drawn thicker, what
    // sticks out of it narrower than a crayon's tip is the outline still.
    cv::Mat depth, beside, pieceOf, contacts;
    cv::distanceTransform(figure, depth, cv::DIST_L2, cv::DIST_MASK_5);
    const cv::Mat outline = ink & figure & (depth <= width);
    cv::dilate(outline, beside, cv::Mat());
    cv::Mat strokes = ink & figure & ~outline;
    strokes = opened(strokes, tip / 2) | (strokes & ~touching(strokes, beside));
    // A stripe meets the outline at one end, across its own width. Strokes
    // that meet it at both ends, or lie along it (strokes run together),
    // part the light as lines do, and stay as they are.
    const int parts = cv::connectedComponents(strokes, pieceOf, 8, CV_32S);
    const int ends = cv::connectedComponents(beside & strokes, contacts, 8, CV_32S);
    std::vector<int> contact(size_t(parts), 0), meetings(size_t(parts), 0), endOf(size_t(ends), 0);
    for (int y = 0; y < strokes.rows; ++y) {
        const int* piece = pieceOf.ptr<int>(y);
        const int* end = contacts.ptr<int>(y);
        for (int x = 0; x < strokes.cols; ++x)
            if (end[x])
                ++contact[size_t(piece[x])], endOf[size_t(end[x])] = piece[x];
    }
    for (size_t i = 1; i < endOf.size(); ++i)
        ++meetings[size_t(endOf[i])];
    std::vector<bool> stripe(size_t(parts), false);
    for (size_t i = 1; i < stripe.size(); ++i)
        stripe[i] = meetings[i] == 1 && contact[i] <= StripeEnds * width;
    const cv::Mat stripes = pieces(pieceOf, stripe);
    // Drawn as thin as the page's lines, on the stripe's side of the cut.
    page.setTo(0, beside & stripes);
    // Light between two stripes or more, about as narrow as they are, is
    // the gap between them, no patch: its edge along the outline is no
    // line. A part beside strokes (a head beside its ear) is wider: stays.
    cv::Mat labels, wide;
    const cv::Mat light = figure & ~ink;
    const int count = cv::connectedComponents(light, labels, 4, CV_32S);
    cv::distanceTransform(light, wide, cv::DIST_L2, cv::DIST_MASK_5);
    std::vector<float> widest(size_t(count), 0);
    std::set<std::pair<int, int>> touches; // (light, stripe)
    for (int y = 1; y + 1 < labels.rows; ++y) {
        const int* label = labels.ptr<int>(y);
        const float* across = wide.ptr<float>(y);
        for (int x = 1; x + 1 < labels.cols; ++x) {
            if (!label[x])
                continue;
            widest[size_t(label[x])] = std::max(widest[size_t(label[x])], 2 * across[x]);
            for (const int piece : {pieceOf.at<int>(y, x - 1), pieceOf.at<int>(y, x + 1),
                                    pieceOf.at<int>(y - 1, x), pieceOf.at<int>(y + 1, x)})
                if (piece && stripe[size_t(piece)])
                    touches.emplace(label[x], piece);
        }
    }
    std::vector<int> stripesBeside(size_t(count), 0);
    for (const auto& [each, piece] : touches)
        ++stripesBeside[size_t(each)];
    std::vector<bool> between(size_t(count), false);
    for (size_t i = 1; i < between.size(); ++i)
        between[i] = stripesBeside[i] >= 2 && widest[i] <= GapWidth * width;
    cv::Mat facing;
    cv::dilate(pieces(labels, between), facing, cv::Mat(), cv::Point(-1, -1), 3);
    page.setTo(255, outline & ~stripes & facing & (depth > 3));
}

// A bold pen draws no fragment that small; a hole that narrow, cut by the
// strokes round it, would be a speck outlined. Found by their contours,
// they cost little next to labelling the page's pixels.
void withoutSpecks(cv::Mat& page, const cv::Mat& ink)
{
    const double tip = std::min(ink.cols, ink.rows) / CrayonTip;
    const cv::Rect inner(1, 1, ink.cols - 2, ink.rows - 2);
    Edges edges;
    std::vector<cv::Vec4i> tree;
    // The outer edges of the light: the holes, and the page round the ink.
    cv::findContours(~ink, edges, tree, cv::RETR_CCOMP, cv::CHAIN_APPROX_SIMPLE);
    for (size_t i = 0; i < edges.size(); ++i) {
        const cv::Rect box = cv::boundingRect(edges[i]);
        if (tree[i][3] < 0 && (box & inner) == box && narrowerThan(edges[i], tip)) {
            cv::drawContours(page, edges, int(i), 255, cv::FILLED);
            cv::drawContours(page, edges, int(i), 255, int(tip)); // its edge's lines
        }
    }
    cv::findContours(page < Drawn, edges, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_SIMPLE);
    for (size_t i = 0; i < edges.size(); ++i) {
        const cv::Rect box = cv::boundingRect(edges[i]);
        if (std::max(box.width, box.height) < tip)
            cv::drawContours(page, edges, int(i), 255, cv::FILLED);
    }
}

} // namespace editor::tracing
