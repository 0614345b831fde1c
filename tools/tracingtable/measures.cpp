#include "measures.h"

#include "drawing.h"
#include "notchedoutline.h"

#include "tracing/tracing.h"

#include <QLineF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>
#include <opencv2/imgproc.hpp>

namespace tracingtable {

namespace {

constexpr double MostFromEdge = 6; // px a dot may lie from the outer edge
constexpr int White = 220;         // each channel lighter is white to colour on
constexpr double LongLine = 16;    // of a piece's depth, its span at least: a line, no stump

bool crosses(const QList<QPointF>& dots)
{
    const qsizetype n = dots.size();
    for (qsizetype i = 0; i < n; ++i)
        for (qsizetype j = i + 2; j < n - (i == 0); ++j)
            if (QLineF(dots[i], dots[i + 1])
                    .intersects(QLineF(dots[j], dots[(j + 1) % n]), nullptr) ==
                QLineF::BoundedIntersection)
                return true;
    return false;
}

bool fromTopClockwise(const QList<QPointF>& dots)
{
    double area = 0;
    for (qsizetype i = 0; i < dots.size(); ++i) {
        const QPointF a = dots[i], b = dots[(i + 1) % dots.size()];
        area += a.x() * b.y() - b.x() * a.y();
        if (b.y() < dots[0].y() - 0.5)
            return false;
    }
    return area > 0;
}

// The share of `pixels` still darker than `dark` in `after`.
double stillDark(const cv::Mat& pixels, const cv::Mat& after, int dark)
{
    const int all = cv::countNonZero(pixels);
    cv::Mat kept = pixels & (after < dark);
    return all == 0 ? -1 : double(cv::countNonZero(kept)) / all;
}

// Where the dots of `m` lie against the silhouette `s` and on `after`.
void measureDots(Measures& m, const Silhouette& s, const cv::Mat& after)
{
    cv::Mat polygons = cv::Mat::zeros(s.mask.size(), CV_8UC1);
    QList<QPointF> every;
    m.ordered = !m.placed.isEmpty();
    for (const QList<QPointF>& figure : m.placed) {
        std::vector<cv::Point> corners;
        for (QPointF dot : figure) {
            corners.emplace_back(int(std::lround(dot.x())), int(std::lround(dot.y())));
            const cv::Point at(std::clamp(int(std::lround(dot.x())), 0, s.offEdge.cols - 1),
                               std::clamp(int(std::lround(dot.y())), 0, s.offEdge.rows - 1));
            const double nearest = s.offEdge.at<float>(at);
            m.farthest = std::max(m.farthest, nearest);
            if (nearest > MostFromEdge)
                m.astray << dot;
        }
        cv::fillPoly(polygons, std::vector<std::vector<cv::Point>>{corners}, 255);
        m.ordered = m.ordered && fromTopClockwise(figure) && !crosses(figure);
        every += figure;
    }
    m.dots = int(every.size());
    const int union_ = cv::countNonZero(polygons | s.mask);
    m.overlap = union_ ? double(cv::countNonZero(polygons & s.mask)) / union_ : 0;
    m.closest = 1e9;
    for (qsizetype i = 0; i < every.size(); ++i)
        for (qsizetype j = i + 1; j < every.size(); ++j)
            m.closest = std::min(m.closest, QLineF(every[i], every[j]).length());
    for (QPointF dot : every) {
        const cv::Rect around(int(std::lround(dot.x())) - 1, int(std::lround(dot.y())) - 1, 3, 3);
        const cv::Rect inside = around & cv::Rect(0, 0, after.cols, after.rows);
        double darkest = 255;
        cv::minMaxLoc(after(inside), &darkest);
        m.offWhite += darkest < Dark;
    }
}

// The share of `pixels` with a pixel darker than `dark` in `after` within
// 2 px.
double nearDark(const cv::Mat& pixels, const cv::Mat& after, int dark)
{
    cv::Mat near;
    cv::dilate(after < dark, near, cv::getStructuringElement(cv::MORPH_ELLIPSE, {5, 5}));
    return stillDark(pixels, ~near, 128);
}

// The share of `pixels`, the edges of the strokes of `lines` (`width` px
// wide), with a dark line of `after` along their stroke: within 2 px, or
// inside the stroke no farther than its width. A page may draw a wide
// stroke as a line along its middle or along either edge, whatever its
// width; a line elsewhere, or one a stroke's width past where its own
// ends, is no line along it.
double alongLines(const cv::Mat& pixels, const cv::Mat& lines, double width, const cv::Mat& after)
{
    cv::Mat near, along;
    cv::dilate(after < Dark, near, cv::getStructuringElement(cv::MORPH_ELLIPSE, {5, 5}));
    along = near & lines;
    // Cross and square by turns: about as far as a disc reaches.
    const cv::Mat cross = cv::getStructuringElement(cv::MORPH_CROSS, {3, 3});
    for (int step = 0; step < int(std::ceil(width)); ++step) {
        cv::dilate(along, along, step % 2 ? cv::Mat() : cross);
        along &= lines;
    }
    return stillDark(pixels, ~(near | along), 128);
}

// The widest light, as a depth from the dark, that each of the `count`
// pieces `labels` numbers of `dark` closes round; 0 for a piece round
// nothing. Above the first pixel of a light region lies the piece round
// it: a piece inside the region would have light above it too.
std::vector<float> enclosedBy(const cv::Mat& dark, const cv::Mat& labels, int count)
{
    cv::Mat light, stats, centroids, depth;
    const int regions = cv::connectedComponentsWithStats(~dark, light, stats, centroids, 4);
    cv::distanceTransform(~dark, depth, cv::DIST_L2, cv::DIST_MASK_3);
    std::vector<float> widest(size_t(regions), 0);
    std::vector<int> round(size_t(regions), -1);
    for (int y = 0; y < light.rows; ++y)
        for (int x = 0; x < light.cols; ++x)
            if (const int l = light.at<int>(y, x); l > 0) {
                widest[size_t(l)] = std::max(widest[size_t(l)], depth.at<float>(y, x));
                if (round[size_t(l)] < 0)
                    round[size_t(l)] = y > 0 ? labels.at<int>(y - 1, x) : 0;
            }
    std::vector<float> enclosed(size_t(count), 0);
    for (int l = 1; l < regions; ++l) {
        const int left = stats.at<int>(l, cv::CC_STAT_LEFT),
                  top = stats.at<int>(l, cv::CC_STAT_TOP);
        const bool open = left == 0 || top == 0 ||
                          left + stats.at<int>(l, cv::CC_STAT_WIDTH) == light.cols ||
                          top + stats.at<int>(l, cv::CC_STAT_HEIGHT) == light.rows;
        if (!open && round[size_t(l)] > 0)
            enclosed[size_t(round[size_t(l)])] =
                std::max(enclosed[size_t(round[size_t(l)])], widest[size_t(l)]);
    }
    return enclosed;
}

// The dark pieces of `after` inside the figure (a line running on out of
// it is no piece) that touch its outline band and are shorter than two of
// its lines are wide, or shorter than four that lie for a quarter or more
// where the outline's strokes meet in a closed-over notch, wider than one
// line there: the strokes merged in a wedge, not a clean line. No line
// and no detail a child could make out, only what the taking off of the
// band left of a stroke that met it; their middles in `m`. A piece that
// closes round light wider than itself (an eye's ring, a tail drawn as its
// edge) is a whole shape to colour, however small; and one many times
// longer than it is wide is a line a child follows: the page draws a
// filled drawing's parts with lines far thinner than its fills, and the
// drawing's line is then as wide as those fills.
void findShards(const Drawing& d, const cv::Mat& after, Measures& m)
{
    cv::Mat near, labels, stats, centroids;
    cv::dilate(d.band, near, cv::Mat());
    const int count = cv::connectedComponentsWithStats(after < Dark, labels, stats, centroids, 8);
    std::vector<bool> touching(size_t(count), false);
    std::vector<int> notched(size_t(count), 0);
    std::vector<float> thickest(size_t(count), 0);
    cv::Mat depth;
    cv::distanceTransform(after < Dark, depth, cv::DIST_L2, cv::DIST_MASK_3);
    const std::vector<float> enclosed = enclosedBy(after < Dark, labels, count);
    for (int y = 0; y < labels.rows; ++y) {
        const int* label = labels.ptr<int>(y);
        const uchar* band = near.ptr<uchar>(y);
        const uchar* notch = d.notched.empty() ? nullptr : d.notched.ptr<uchar>(y);
        const float* deep = depth.ptr<float>(y);
        for (int x = 0; x < labels.cols; ++x) {
            const size_t l = size_t(label[x]);
            touching[l] = touching[l] || band[x];
            notched[l] += notch && notch[x];
            thickest[l] = std::max(thickest[l], deep[x]);
        }
    }
    // A speck smaller than a quarter of a line's width squared is no piece
    // a child makes out.
    for (int i = 1; i < count; ++i)
        if (const int area = stats.at<int>(i, cv::CC_STAT_AREA),
            span =
                std::max(stats.at<int>(i, cv::CC_STAT_WIDTH), stats.at<int>(i, cv::CC_STAT_HEIGHT));
            4 * area >= d.line * d.line &&
            d.s.mask.at<uchar>(
                cv::Point(int(centroids.at<double>(i, 0)), int(centroids.at<double>(i, 1)))) &&
            enclosed[size_t(i)] <= thickest[size_t(i)] &&
            ((touching[size_t(i)] && span < 2 * d.line && span < LongLine * thickest[size_t(i)]) ||
             (4 * notched[size_t(i)] >= area && span < 4 * d.line &&
              thickest[size_t(i)] > WedgeWidth * d.line)))
            m.shardsAt << QPointF(centroids.at<double>(i, 0), centroids.at<double>(i, 1));
    m.shards = int(m.shardsAt.size());
}

// How much of the drawing's outline and of its details the child's picture
// `erased` still shows, and how much of its inside it leaves white; the
// picture, grey.
cv::Mat seen(const Drawing& d, const QImage& erased, Measures& m)
{
    const cv::Mat after = matOf(erased.convertToFormat(QImage::Format_Grayscale8));
    m.erased = erased;
    m.bandDark = stillDark(d.band, after, Dark);
    m.detailsKept = d.details.empty()  ? -1
                    : !d.lines.empty() ? alongLines(d.details, d.lines, d.line, after)
                    : d.near           ? nearDark(d.details, after, Dark)
                                       : stillDark(d.details, after, Dark);
    // The figures beside the main one stay as drawn, however well the
    // main one's details are kept: a loss of either is a loss.
    if (const double others = d.others.empty() ? -1 : nearDark(d.others, after, Dark); others >= 0)
        m.detailsKept = m.detailsKept < 0 ? others : std::min(m.detailsKept, others);
    std::vector<cv::Mat> channels;
    cv::split(rgbOf(erased), channels);
    const cv::Mat white = (channels[0] >= White) & (channels[1] >= White) & (channels[2] >= White);
    const double coloured = stillDark(d.inside, white, 128);
    m.insideWhite = coloured < 0 ? -1 : 1 - coloured;
    // A thin line drawn across a part taken off (a nose, a mouth) is a
    // detail of it; only a solid piece left of it is ragged. Smoothed, a
    // thin line is dark three pixels across where it bends (an eye's ring):
    // solid is only wider than that.
    const int line = std::max(5, int(d.line / 2));
    cv::Mat solid;
    cv::morphologyEx(after < Dark, solid, cv::MORPH_OPEN,
                     cv::getStructuringElement(cv::MORPH_ELLIPSE, {line, line}));
    std::vector<int> all(size_t(d.fillCount) + 1, 0), kept(all);
    for (int y = 0; y < d.fills.rows && d.fillCount; ++y)
        for (int x = 0; x < d.fills.cols; ++x)
            if (const int part = d.fills.at<int>(y, x))
                ++all[size_t(part)], kept[size_t(part)] += solid.at<uchar>(y, x) > 0;
    for (size_t part = 1; part < all.size(); ++part)
        m.ragged += all[part] >= 30 && kept[part] > 0.1 * all[part] && kept[part] < 0.9 * all[part];
    findShards(d, after, m);
    return after;
}

QList<Measures> measured(const QImage& picture, const Drawing& d, const QList<int>& counts)
{
    const QList<editor::Outline> outlines = editor::traceFigures(picture);
    Measures child = d.base;
    const cv::Mat after = seen(d, editor::withoutOutline(picture), child);
    QList<Measures> all;
    for (int count : counts) {
        Measures m = child;
        m.figures = int(outlines.size());
        m.placed = editor::dotsAlong(outlines, count);
        measureDots(m, d.s, after);
        all << m;
    }
    return all;
}

} // namespace

QList<Measures> measure(const QImage& picture, const QList<int>& counts)
{
    return measured(picture, strokesOf(picture), counts);
}

QList<Measures> measure(const Picture& picture, const QList<int>& counts)
{
    return measured(picture.image, drawingOf(picture), counts);
}

QList<Measures> measureActivities(const QImage& picture, const QList<MadeActivity>& made)
{
    const Drawing d = strokesOf(picture);
    QList<Measures> all;
    for (const MadeActivity& activity : made) {
        Measures m = d.base;
        const cv::Mat after = seen(d, activity.picture, m);
        m.figures = int(activity.placed.size());
        m.placed = activity.placed;
        measureDots(m, d.s, after);
        all << m;
    }
    return all;
}

QString failures(const Measures& m, int count)
{
    QStringList wrong;
    if (m.figures != m.seen)
        wrong << QStringLiteral("%1 figures, not %2").arg(m.figures).arg(m.seen);
    if (m.dots != count)
        wrong << QStringLiteral("%1 dots").arg(m.dots);
    if (m.farthest > MostFromEdge)
        wrong << QStringLiteral("a dot %1 px off the edge").arg(m.farthest, 0, 'f', 1);
    // Fewer dots cut more corners.
    const double least = count <= 10 ? 0.65 : count < 30 ? 0.75 : 0.8;
    if (m.compact && m.overlap < least)
        wrong << QStringLiteral("overlap %1").arg(m.overlap, 0, 'f', 2);
    if (m.closest < m.spacing - 0.01)
        wrong << QStringLiteral("dots %1 px apart").arg(m.closest, 0, 'f', 1);
    if (!m.ordered)
        wrong << QStringLiteral("not from the top, clockwise, uncrossed");
    if (m.bandDark > 0.2)
        wrong << QStringLiteral("outline %1 % left").arg(100 * m.bandDark, 0, 'f', 0);
    if (m.detailsKept >= 0 && m.detailsKept < 0.6)
        wrong << QStringLiteral("details %1 % kept").arg(100 * m.detailsKept, 0, 'f', 0);
    if (m.insideWhite >= 0 && m.insideWhite < 0.6)
        wrong << QStringLiteral("inside %1 % white").arg(100 * m.insideWhite, 0, 'f', 0);
    if (m.ragged > 0)
        wrong << QStringLiteral("%1 ragged pieces").arg(m.ragged);
    if (m.shards > 0)
        wrong << QStringLiteral("%1 shards").arg(m.shards);
    if (m.offWhite > 0)
        wrong << QStringLiteral("%1 dots on a line").arg(m.offWhite);
    return wrong.join(QStringLiteral("; "));
}

QImage childView(const Measures& m, bool edges, const QStringList& labels)
{
    QImage view = m.erased.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&view);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(80, 160, 255), 1));
    for (const QPolygonF& edge : m.silhouette)
        if (edges)
            painter.drawPolygon(edge);
    painter.setPen(QPen(Qt::red, 3));
    for (QPointF dot : m.astray)
        if (edges)
            painter.drawEllipse(dot, 12, 12);
    painter.setPen(QPen(QColor(255, 140, 0), 2));
    for (QPointF shard : m.shardsAt)
        if (edges)
            painter.drawEllipse(shard, 8, 8);
    QFont font = painter.font();
    font.setPixelSize(14);
    painter.setFont(font);
    int number = 1;
    for (const QList<QPointF>& figure : m.placed)
        for (QPointF dot : figure) {
            painter.setPen(QPen(Qt::black, 1.5));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(dot, 5, 5);
            painter.setBrush(Qt::black);
            painter.drawEllipse(dot, 1.5, 1.5);
            painter.setPen(Qt::red);
            painter.drawText(dot + QPointF(6, -5),
                             labels.value(number - 1, QString::number(number)));
            ++number;
        }
    return view;
}

} // namespace tracingtable
