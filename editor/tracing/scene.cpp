#include "scene.h"
#include "boldlines.h"
#include "figures.h"
#include "ground.h"
#include "linedrawing.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <opencv2/imgproc.hpp>

namespace editor::tracing {

namespace {

// Two or three figures side by side on a clean page (a cat and its ball, a
// pair of cherries) are all to be joined. A picture is a scene when
// something runs off its border (a ground, a branch, a figure cut by the
// frame: the page is a window on a larger world), or when it holds more
// figures than a teacher would have a child join at once. The editor
// opens a picture inside a margin of white, so the border is the frame of
// what is drawn as well as the page's: a stroke that runs from one side of
// the drawing to the other, beside a figure that does not, ran off it.
constexpr size_t ManyFigures = 4;
constexpr int BorderMargin = 2;     // px: an edge this near the border touches it
constexpr double EqualShare = 0.85; // of the largest's area: as large, for the choice
constexpr int StripShare = 4;       // a strip across is narrower than the frame / this
constexpr double ApartLines = 1.5;  // line widths: strokes farther apart are drawn apart
constexpr double ThingShare = 0.15; // of a figure's ink: a group of strokes this large is a thing
constexpr double SmallShare = 0.03; // of a figure's ink: a smaller stroke is a detail or a tuft
constexpr int MostStrokes = 64;     // a figure of more strokes is not cut (each costs a pass)
constexpr double EnclosedShare = 2; // of a thing's ink: closed, it encloses more, a figure alone

// Where a picture's border lies: the page's, and the frame of its drawing.
struct Border
{
    cv::Size page;
    cv::Rect frame; // what is drawn in the page
    cv::Mat ink;    // 255 where drawn
};

bool touches(const cv::Rect& box, const cv::Rect& frame, int margin)
{
    return box.x - frame.x < margin || box.y - frame.y < margin ||
           frame.br().x - box.br().x < margin || frame.br().y - box.br().y < margin;
}

// Whether `box` runs from one side of `frame` to the other as a line or a
// strip does, narrow the other way: a figure that merely sets the frame's
// height, as the tallest of a row does, is no ground.
bool spans(const cv::Rect& box, const cv::Rect& frame)
{
    return (box.x - frame.x < BorderMargin && frame.br().x - box.br().x < BorderMargin &&
            box.height * StripShare < frame.height) ||
           (box.y - frame.y < BorderMargin && frame.br().y - box.br().y < BorderMargin &&
            box.width * StripShare < frame.width);
}

// Whether `inside` (255 within a piece's outer edge) is mostly ink, as a
// line or a strip drawn across is. A closed outline round paper is a shape
// of its own however long and level its top (a boat's hull under its
// sails): nothing stands on it as on a ground.
bool mostlyInk(const cv::Mat& inside, const cv::Mat& ink)
{
    return 2 * cv::countNonZero(inside & ink) >= cv::countNonZero(inside);
}

bool touchesBorder(const Contour& figure, const Border& border)
{
    const cv::Rect box = cv::boundingRect(figure);
    if (touches(box, cv::Rect({0, 0}, border.page), BorderMargin))
        return true;
    if (!spans(box, border.frame))
        return false;
    cv::Mat inside = cv::Mat::zeros(border.page, CV_8UC1);
    cv::drawContours(inside, std::vector<Contour>{figure}, -1, 255, cv::FILLED);
    return mostlyInk(inside, border.ink);
}

// Whether a stroke of `ink` runs across the drawing, as a ground line or a
// branch does, where a figure does not.
bool runsAcross(const Border& border)
{
    cv::Mat labels, stats, centroids;
    const int count =
        cv::connectedComponentsWithStats(border.ink, labels, stats, centroids, 8, CV_32S);
    for (int l = 1; l < count; ++l)
        if (spans(cv::Rect(stats.at<int>(l, cv::CC_STAT_LEFT), stats.at<int>(l, cv::CC_STAT_TOP),
                           stats.at<int>(l, cv::CC_STAT_WIDTH),
                           stats.at<int>(l, cv::CC_STAT_HEIGHT)),
                  border.frame)) {
            cv::Mat inside = cv::Mat::zeros(border.page, CV_8UC1);
            cv::drawContours(inside, outerEdges(labels == l), -1, 255, cv::FILLED);
            if (mostlyInk(inside, border.ink))
                return true;
        }
    return false;
}

bool isScene(const std::vector<Contour>& figures, const Border& border, bool grounded)
{
    const auto off = [&](const Contour& figure) { return touchesBorder(figure, border); };
    const bool anyOff = std::any_of(figures.begin(), figures.end(), off);
    const bool allOff = std::all_of(figures.begin(), figures.end(), off);
    return figures.size() >= ManyFigures || (!allOff && (grounded || anyOff || runsAcross(border)));
}

// The largest figure that stays inside the border, the nearest the middle
// of those about as large; none when every figure runs off it.
std::optional<size_t> mainOf(const std::vector<Contour>& figures, const Border& border)
{
    const cv::Size size = border.page;
    std::vector<double> areas(figures.size(), -1);
    for (size_t i = 0; i < figures.size(); ++i)
        if (!touchesBorder(figures[i], border))
            areas[i] = cv::contourArea(figures[i]);
    const auto largest = std::max_element(areas.begin(), areas.end());
    if (largest == areas.end() || *largest < 0)
        return std::nullopt;
    const cv::Point2d middle(size.width / 2.0, size.height / 2.0);
    std::optional<size_t> main;
    double nearest = 0;
    for (size_t i = 0; i < figures.size(); ++i) {
        if (areas[i] < EqualShare * *largest)
            continue;
        const cv::Moments m = cv::moments(figures[i]);
        const double away = cv::norm(cv::Point2d(m.m10 / m.m00, m.m01 / m.m00) - middle);
        if (!main || away < nearest)
            main = i, nearest = away;
    }
    return main;
}

// Joins `a` and `b`'s groups in `group` (each stroke's group, by index).
void join(std::vector<int>& group, int a, int b)
{
    const int from = group[size_t(b)], to = group[size_t(a)];
    for (int& each : group)
        if (each == from)
            each = to;
}

// Whether the strokes across `a` and `b` (their extents along the page)
// stand side by side, as a tree beside a figure does, rather than one
// above the other, as a figure's legs under its body.
bool sideBySide(cv::Range a, cv::Range b)
{
    const int overlap = std::min(a.end, b.end) - std::max(a.start, b.start);
    return 2 * overlap < std::min(a.size(), b.size());
}

// A figure's strokes, each labelled (0 where nothing is drawn), with
// their stats as connectedComponentsWithStats gives them, and the thing
// each is part of (0: none).
struct Strokes
{
    cv::Mat labels, stats;
    int count = 0;
    std::vector<int> thing;
    int area(int l) const { return stats.at<int>(l, cv::CC_STAT_AREA); }
    int bottom(int l) const
    {
        return stats.at<int>(l, cv::CC_STAT_TOP) + stats.at<int>(l, cv::CC_STAT_HEIGHT);
    }
    cv::Range across(int l) const
    {
        const int left = stats.at<int>(l, cv::CC_STAT_LEFT);
        return {left, left + stats.at<int>(l, cv::CC_STAT_WIDTH)};
    }
    // 255 where thing `t` is drawn.
    cv::Mat inkOf(int t) const
    {
        cv::Mat ink(labels.size(), CV_8UC1);
        for (int y = 0; y < ink.rows; ++y)
            for (int x = 0; x < ink.cols; ++x) {
                const int l = labels.at<int>(y, x);
                ink.at<uint8_t>(y, x) = l && thing[size_t(l)] == t ? 255 : 0;
            }
        return ink;
    }
};

// The strokes of `strokes` of at least `least` pixels in groups (each
// stroke's, by label): those one above another together, as a figure's
// legs drawn apart under its body. A smaller stroke is a group alone.
std::vector<int> stacksOf(const Strokes& strokes, double least)
{
    const int count = strokes.count;
    std::vector<int> group(static_cast<size_t>(count));
    for (int l = 0; l < count; ++l)
        group[size_t(l)] = l;
    for (bool joined = true; joined;) {
        joined = false;
        std::vector<cv::Range> across(size_t(count), cv::Range(INT_MAX, INT_MIN));
        for (int l = 1; l < count; ++l) {
            cv::Range& span = across[size_t(group[size_t(l)])];
            const cv::Range own = strokes.across(l);
            if (strokes.area(l) >= least)
                span = {std::min(span.start, own.start), std::max(span.end, own.end)};
        }
        for (int g = 1; g < count && !joined; ++g)
            for (int h = g + 1; h < count && !joined; ++h)
                if (across[size_t(g)].start < INT_MAX && across[size_t(h)].start < INT_MAX &&
                    !sideBySide(across[size_t(g)], across[size_t(h)]))
                    join(group, g, h), joined = true;
    }
    return group;
}

// Each stroke not yet part of a thing joins the nearest thing it lies
// within `apart` pixels of; one farther from all (a mouse by the cat, a
// piece of a neighbour's line the closing took in) stays no thing's.
void joinNearest(Strokes& strokes, const std::vector<int>& things, double apart)
{
    std::vector<double> nearest(size_t(strokes.count), apart);
    std::vector<int> joined(strokes.thing);
    for (const int thing : things) {
        cv::Mat away;
        cv::distanceTransform(~strokes.inkOf(thing), away, cv::DIST_L2, cv::DIST_MASK_3);
        for (int y = 0; y < away.rows; ++y)
            for (int x = 0; x < away.cols; ++x)
                if (const size_t l = size_t(strokes.labels.at<int>(y, x));
                    l && !strokes.thing[l] && away.at<float>(y, x) <= nearest[l])
                    nearest[l] = away.at<float>(y, x), joined[l] = thing;
    }
    strokes.thing = std::move(joined);
}

// Whether `ink`, closed across gaps as wide as `reach` pixels, encloses a
// space of its own, as a tree's outline does and a figure's head drawn
// apart from its body does not.
bool closesRound(const cv::Mat& ink, double reach)
{
    double enclosed = 0;
    for (const Contour& edge : outerEdges(closedFilled(ink, reach)))
        enclosed += cv::contourArea(edge);
    return enclosed > EnclosedShare * cv::countNonZero(ink);
}

// Joins the things of `strokes` that come within `apart` pixels of each
// other, unless each is a figure of its own (closesRound): a tree beside
// a figure it nears stays apart, a head drawn beside a body joins it.
void joinTouching(Strokes& strokes, std::vector<int>& things, const Drawn& drawn, double apart)
{
    for (bool joined = true; joined;) {
        joined = false;
        for (size_t i = 0; i < things.size() && !joined; ++i) {
            const cv::Mat one = strokes.inkOf(things[i]);
            cv::Mat away;
            cv::distanceTransform(~one, away, cv::DIST_L2, cv::DIST_MASK_3);
            for (size_t j = i + 1; j < things.size() && !joined; ++j) {
                const cv::Mat other = strokes.inkOf(things[j]);
                double nearest = 0;
                cv::minMaxLoc(away, &nearest, nullptr, nullptr, nullptr, other);
                if (nearest > apart ||
                    (closesRound(one, drawn.reach) && closesRound(other, drawn.reach)))
                    continue;
                std::replace(strokes.thing.begin(), strokes.thing.end(), things[j], things[i]);
                things.erase(things.begin() + std::ptrdiff_t(j));
                joined = true;
            }
        }
    }
}

// `ink`, one thing's strokes, closed as the figures of `drawn` were,
// wider only while it is still nothing but strokes, as it would be drawn
// alone: a neighbour that made the figures wider does not widen it.
cv::Mat closedAlone(const cv::Mat& ink, const Drawn& drawn)
{
    for (double reach = drawn.least;; reach *= WiderClosing) {
        cv::Mat closed = closedFilled(ink, std::min(reach, drawn.reach));
        if (reach >= drawn.reach || !onlyStrokes(outerEdges(closed)))
            return closed;
    }
}

// Of `figure`, the things standing side by side on a ground that the
// closing bridged (a cat's tail by a tree's crown): its strokes in
// `drawn`, those one above another together, make a thing each where they
// hold a good share of the ink; the small strokes join the thing they
// are near, and things near each other join, unless each is a figure of
// its own. Each thing, closed as the figures were, is the figure it would
// be alone. Empty when the figure is one thing and holds nothing apart,
// or when a thing floats above the ground: that figure is not cut.
std::vector<Contour> apartOf(const Contour& figure, const Drawn& drawn)
{
    const cv::Rect box = cv::boundingRect(figure) & cv::Rect({0, 0}, drawn.ink.size());
    cv::Mat shape = cv::Mat::zeros(box.size(), CV_8UC1);
    cv::drawContours(shape, std::vector<Contour>{figure}, -1, 255, cv::FILLED, cv::LINE_8, {},
                     INT_MAX, -box.tl());
    const cv::Mat ink = drawn.ink(box) & shape;
    Strokes strokes;
    cv::Mat centroids, inside;
    strokes.count =
        cv::connectedComponentsWithStats(ink, strokes.labels, strokes.stats, centroids, 8, CV_32S);
    const int count = strokes.count;
    if (count < 3 || count > MostStrokes)
        return {};
    // A line is about four times as wide as its pixels lie from its edge, on the mean.
    cv::distanceTransform(ink, inside, cv::DIST_L2, cv::DIST_MASK_3);
    const double apart = ApartLines * 4 * cv::mean(inside, ink)[0];
    const double all = cv::countNonZero(ink);
    const std::vector<int> group = stacksOf(strokes, SmallShare * all);
    std::vector<double> amount(size_t(count), 0);
    for (int l = 1; l < count; ++l)
        amount[size_t(group[size_t(l)])] += strokes.area(l);
    std::vector<int> things;
    strokes.thing.assign(size_t(count), 0);
    for (int l = 1; l < count; ++l)
        if (const int g = group[size_t(l)]; amount[size_t(g)] >= ThingShare * all) {
            strokes.thing[size_t(l)] = g;
            if (std::find(things.begin(), things.end(), g) == things.end())
                things.push_back(g);
        }
    joinNearest(strokes, things, apart);
    joinTouching(strokes, things, drawn, apart);
    std::vector<int> bottom(size_t(count), 0);
    bool left = false;
    for (int l = 1; l < count; ++l) {
        const size_t t = size_t(strokes.thing[size_t(l)]);
        bottom[t] = std::max(bottom[t], strokes.bottom(l));
        left = left || !t;
    }
    for (const int thing : things)
        if (box.height - bottom[size_t(thing)] > apart)
            return {};
    if (things.empty() || (things.size() == 1 && !left))
        return {};
    std::vector<Contour> parts;
    for (const int thing : things)
        for (Contour& part : outerEdges(closedAlone(strokes.inkOf(thing), drawn) & shape)) {
            for (cv::Point& p : part)
                p += box.tl();
            parts.push_back(std::move(part));
        }
    return parts;
}

// `figures[one]`, a scene's main figure, with the thin parts it stands on
// the ground with: a leg drawn as one line is too thin to be a part of a
// figure, but one that hangs from this figure down to the ground is its
// leg, and the child joins the dots down to the ground. What the closing
// filled beyond the figure is a leg where it touches the figure, reaches
// the ground, and hangs under the figure's lower half as a line does,
// taller than wide, longer than a closing (no sliver the closing left
// along the figure's foot) and no wider than a few lines on the whole: a grass
// blade, a tree's trunk or a fence's posts stand on the ground too, but
// not under the figure, or joined to a crown or to rails that are wide.
Contour withLegs(const std::vector<Contour>& figures, size_t one, const Drawn& drawn)
{
    constexpr double LegWidth = 2; // closings: a leg is no wider on the whole
    const Contour& figure = figures[one];
    if (drawn.whole.empty() || drawn.ground.empty())
        return figure;
    const cv::Rect box = cv::boundingRect(figure);
    cv::Mat mask = cv::Mat::zeros(drawn.ink.size(), CV_8UC1);
    cv::drawContours(mask, figures, int(one), 255, cv::FILLED, cv::LINE_8);
    const int reach = std::max(1, int(drawn.least + 0.5));
    cv::Mat touching, nearGround, labels, stats, centroids;
    cv::dilate(mask, touching, cv::Mat());
    cv::dilate(drawn.ground, nearGround,
               cv::getStructuringElement(cv::MORPH_RECT, {1, 2 * reach + 1}));
    const int count =
        cv::connectedComponentsWithStats(drawn.whole & ~mask, labels, stats, centroids, 8, CV_32S);
    std::vector<uint8_t> onFigure(size_t(count), 0), onGround(size_t(count), 0);
    for (int y = 0; y < labels.rows; ++y)
        for (int x = 0; x < labels.cols; ++x)
            if (const size_t l = size_t(labels.at<int>(y, x)); l) {
                onFigure[l] |= touching.at<uint8_t>(y, x);
                onGround[l] |= nearGround.at<uint8_t>(y, x);
            }
    std::vector<uint8_t> leg(size_t(count), 0);
    bool any = false;
    for (int l = 1; l < count; ++l) {
        const cv::Rect part(stats.at<int>(l, cv::CC_STAT_LEFT), stats.at<int>(l, cv::CC_STAT_TOP),
                            stats.at<int>(l, cv::CC_STAT_WIDTH),
                            stats.at<int>(l, cv::CC_STAT_HEIGHT));
        leg[size_t(l)] = onFigure[size_t(l)] && onGround[size_t(l)] && part.x >= box.x &&
                         part.br().x <= box.br().x && 2 * part.y >= 2 * box.y + box.height &&
                         part.height > std::max(double(part.width), drawn.least) &&
                         stats.at<int>(l, cv::CC_STAT_AREA) <= LegWidth * drawn.least * part.height;
        any = any || leg[size_t(l)];
    }
    if (!any)
        return figure;
    for (int y = 0; y < labels.rows; ++y)
        for (int x = 0; x < labels.cols; ++x)
            if (leg[size_t(labels.at<int>(y, x))])
                mask.at<uint8_t>(y, x) = 255;
    const std::vector<Contour> outer = outerEdges(mask);
    return *std::max_element(outer.begin(), outer.end(), [](const auto& a, const auto& b) {
        return cv::contourArea(a) < cv::contourArea(b);
    });
}

// The figure that holds `point`, or else the one whose edge is nearest.
size_t pickedOf(const std::vector<Contour>& figures, cv::Point2f point)
{
    size_t picked = 0;
    double best = -std::numeric_limits<double>::max();
    for (size_t i = 0; i < figures.size(); ++i)
        if (const double inside = cv::pointPolygonTest(figures[i], point, true); inside > best)
            picked = i, best = inside;
    return picked;
}

} // namespace

Chosen chooseFigures(std::vector<Contour> figures, const Drawn& drawn,
                     std::optional<cv::Point2f> picked)
{
    const cv::Mat& ink = drawn.ink;
    std::optional<size_t> one;
    bool scene = false;
    if (figures.empty())
        return {};
    if (picked)
        one = pickedOf(figures, *picked);
    else if (const Border border{ink.size(), cv::boundingRect(ink), ink};
             isScene(figures, border, !drawn.ground.empty())) {
        scene = bool(one = mainOf(figures, border));
        // Things that stand apart on a ground are figures apart, however
        // near they come above it.
        if (std::vector<Contour> parts;
            one && !drawn.ground.empty() && !(parts = apartOf(figures[*one], drawn)).empty()) {
            figures.erase(figures.begin() + std::ptrdiff_t(*one));
            figures.insert(figures.end(), parts.begin(), parts.end());
            one = mainOf(figures, border);
        }
    }
    if (!one)
        return {std::move(figures), false};
    if (scene && !drawn.ground.empty())
        return {{standingOn(withLegs(figures, *one, drawn), ink, drawn.ground, drawn.least)}, true};
    return {{std::move(figures[*one])}, scene};
}

void thinBoldFigure(Figures& figures)
{
    // A bold drawing fills its page: the figure is drawn alone on a page
    // this much longer than it, its details told by their size there.
    constexpr double FigurePage = 1.2;
    constexpr int LightGrey = 200; // lighter than this is no ink
    if (!figures.scene || figures.coloured || figures.contours.size() != 1)
        return;
    const cv::Rect box = cv::boundingRect(figures.mask);
    const cv::Mat grey = matOf(figures.grey, CV_8UC1)(box), mask = figures.mask(box);
    const int page = std::min(figures.grey.width(), figures.grey.height());
    if (!barsOn(strokeMiddles(figures.ink(box) & mask), page, std::min(box.width, box.height)))
        return;
    const int side = int(FigurePage * std::max(box.width, box.height));
    const cv::Rect at({(side - box.width) / 2, (side - box.height) / 2}, box.size());
    QImage alone(side, side, QImage::Format_Grayscale8);
    alone.fill(255);
    grey.copyTo(matOf(alone, CV_8UC1)(at), mask);
    LineDrawing drawn = lineDrawingOf(alone, true);
    if (!drawn.figure.empty() || drawn.stroke <= 0)
        return;
    matOf(drawn.page, CV_8UC1)(at).copyTo(grey, mask);
    cv::Mat ink = figures.ink(box);
    cv::compare(grey, LightGrey, ink, cv::CMP_LT);
    figures.drawing = figures.grey;
}

} // namespace editor::tracing

namespace editor {

std::optional<QRect> mainFigure(const QImage& picture)
{
    if (picture.isNull())
        return std::nullopt;
    const tracing::Figures figures = tracing::cachedFiguresOf(picture, {});
    if (!figures.scene || figures.contours.empty())
        return std::nullopt;
    cv::Rect bounds = cv::boundingRect(figures.contours.front());
    for (const tracing::Contour& each : figures.contours)
        bounds |= cv::boundingRect(each);
    return QRect(bounds.x, bounds.y, bounds.width, bounds.height);
}

} // namespace editor
