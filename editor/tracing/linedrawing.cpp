#include "linedrawing.h"

#include "boldlines.h"
#include "colourlines.h"
#include "figures.h"
#include "labcolours.h"
#include "masks.h"
#include "pixels.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <opencv2/imgproc.hpp>
#include <vector>

namespace editor::tracing {

namespace {

// Colour distances are CIELAB's, as OpenCV keeps them in bytes: L* scaled
// to 0..255, a* and b* offset by 128.
constexpr double Background = 6;        // nearer the background than this is background
constexpr double Tint = 3;              // on an even background a tint this faint shows
constexpr double ShadowReach = 25;      // a shadow is no farther from the background
constexpr double ShadowHue = 3;         // a shadow darkens the background, its hue the same
constexpr double ShadowBeyond = 0.25;   // of its height: how far a shadow reaches past its feet
constexpr double ColourEdge = 12;       // across two pixels: a boundary between colours
constexpr double FlatEdge = 7;          // the same between regions painted flat
constexpr double PhotoEdge = 30;        // the same on a photograph, its texture no boundary
constexpr double Neutral = 12;          // a chroma lower than this is grey
constexpr double ColouredShare = 0.002; // of the picture: fewer coloured pixels is black and white
constexpr double FillShare = 0.005;     // of the picture: less grey is no fill
constexpr double Uniform = 0.85;        // of the border near its middle colour: a plain background
constexpr double TileShare = 0.5;       // the same on a tile, a sea or ground across its foot
constexpr double TileGrain = 1;         // a tile's colour is flat: what lies near it, this near
constexpr double MarginFilled = 0.9; // of a picture's edge not white: it was fitted into the page
constexpr double BoldClosing = 0.7;  // of bold strokes' width: the line gaps close as
constexpr int GrabCutSide = 160;     // px: a photograph's object is looked for this small
constexpr int Inset = 3;             // px: how far inside its edge a picture is looked at
constexpr int LeastSide = 32;        // px: a smaller picture is left as it is
constexpr int Touch = 3;             // px: what lies this near above a part touches it

// The part of the page a picture fitted into it with white margins fills:
// the box round what is not white, when just inside it it is neither
// white nor dark (a drawing's frame of lines, thin or thick, is no
// picture's edge).
cv::Rect content(const cv::Mat& lab)
{
    const cv::Mat notWhite = farFrom(lab, White, Background);
    const cv::Rect all(0, 0, lab.cols, lab.rows), box = cv::boundingRect(notWhite);
    if (box.width < lab.cols / 4 || box.height < lab.rows / 4 || box == all)
        return all;
    cv::Mat edge = cv::Mat::zeros(lab.size(), CV_8UC1), lightness;
    cv::rectangle(
        edge, cv::Rect(box.x + Inset, box.y + Inset, box.width - 2 * Inset, box.height - 2 * Inset),
        255);
    cv::extractChannel(lab, lightness, 0);
    const double ring = cv::countNonZero(edge);
    const bool filled = cv::countNonZero(edge & notWhite) > MarginFilled * ring;
    const bool dark = cv::countNonZero(edge & (lightness < DarkL * 255 / 100)) > ring / 2;
    return filled && !dark ? box : all;
}

// The picture's border: its middle colour, and how much of it lies near.
struct Border
{
    cv::Vec3b colour;
    double plain = 0;  // share near the colour
    double spread = 0; // how far from the colour nearly all of the share near it lies
};

Border borderOf(const cv::Mat& lab)
{
    const int frame = std::max(2, std::min(lab.cols, lab.rows) / 100);
    std::vector<cv::Vec3b> pixels;
    for (int y = 0; y < lab.rows; ++y) {
        const bool across = y < frame || y >= lab.rows - frame;
        for (int x = 0; x < lab.cols; ++x) {
            if (!across && x == frame)
                x = lab.cols - frame;
            pixels.push_back(lab.at<cv::Vec3b>(y, x));
        }
    }
    Border border;
    for (int c = 0; c < 3; ++c) {
        std::vector<uint8_t> channel;
        for (const cv::Vec3b& p : pixels)
            channel.push_back(p[c]);
        std::nth_element(channel.begin(), channel.begin() + long(channel.size() / 2),
                         channel.end());
        border.colour[c] = channel[channel.size() / 2];
    }
    std::vector<double> near;
    for (const cv::Vec3b& p : pixels)
        if (const double d = deltaE(p, border.colour); d <= Background)
            near.push_back(d);
    border.plain = double(near.size()) / double(pixels.size());
    if (!near.empty()) {
        const auto most = near.begin() + long(0.95 * double(near.size() - 1));
        std::nth_element(near.begin(), most, near.end());
        border.spread = *most;
    }
    return border;
}

// Whether the picture is drawn in black or grey on its background
// `colour`: pencil on yellowish paper is too.
bool blackAndWhite(const cv::Mat& lab, const cv::Vec3b& colour)
{
    int coloured = 0;
    for (int y = 0; y < lab.rows; ++y) {
        const cv::Vec3b* in = lab.ptr<cv::Vec3b>(y);
        for (int x = 0; x < lab.cols; ++x)
            coloured += squaredHueDistance(in[x], colour) > Neutral * Neutral;
    }
    return coloured < ColouredShare * lab.total();
}

// Whether the picture has areas of grey, wider than a line, lighter than
// its lines and darker than its background `colour`.
bool greyFills(const cv::Mat& lab, const cv::Vec3b& colour)
{
    cv::Mat grey = farFrom(lab, colour, Background), lightness;
    cv::extractChannel(lab, lightness, 0);
    grey.setTo(0, lightness < DarkL * 255 / 100);
    const int wide = std::max(3, std::min(lab.cols, lab.rows) / 60);
    return cv::countNonZero(opened(grey, wide)) > FillShare * double(lab.total());
}

// The figure on a plain background `border`, without the shadow under
// it: a part a little darker than the background in its own hue, lying
// flat below the middle of the rest, at least twice as wide as it is
// tall, reaching down to its bottom, and cast on the ground beside what
// stands on it. A pale grey body (a white cow's, a rabbit's) reaches down
// to the feet too, but rises above the middle; a pale hoof, a mushroom's
// pale stem, are no wider than they are tall; pale paws under their legs,
// a house's pale footing, a kite's pale string end where what rests on
// them ends.
// How faint a part still shows depends on how even the background is: on
// one flat to the pixel, as a drawing's own, a rabbit's tail a shade off
// white is seen; on a grainy one, only what stands out of its grain.
cv::Mat figureOn(const cv::Mat& lab, const Border& border)
{
    const cv::Vec3b colour = border.colour;
    cv::Mat figure = farFrom(lab, colour, std::clamp(2 * border.spread, Tint, Background)),
            shade(lab.size(), CV_8UC1);
    for (int y = 0; y < lab.rows; ++y) {
        const cv::Vec3b* in = lab.ptr<cv::Vec3b>(y);
        uint8_t* out = shade.ptr<uint8_t>(y);
        for (int x = 0; x < lab.cols; ++x)
            out[x] = in[x][0] < colour[0] &&
                             squaredDeltaE(in[x], colour) <= ShadowReach * ShadowReach &&
                             squaredHueDistance(in[x], colour) < ShadowHue * ShadowHue
                         ? 255
                         : 0;
    }
    shade &= figure;
    const cv::Mat rest = figure & ~shade;
    const cv::Rect body = cv::boundingRect(rest);
    const cv::Moments m = cv::moments(rest, true);
    if (m.m00 > 0) {
        cv::Mat labels, stats, centroids;
        const int count = cv::connectedComponentsWithStats(shade, labels, stats, centroids, 8);
        const double middle = m.m01 / m.m00, bottom = body.y + 0.95 * body.height;
        // What stands on a part touches it from above, across an edge's
        // soft pixels.
        cv::Mat standing;
        cv::dilate(rest, standing, cv::Mat::ones(Touch + 1, 1, CV_8UC1), {0, Touch});
        std::vector<bool> shadow(size_t(count), false);
        for (int i = 1; i < count; ++i) {
            const cv::Rect part(
                stats.at<int>(i, cv::CC_STAT_LEFT), stats.at<int>(i, cv::CC_STAT_TOP),
                stats.at<int>(i, cv::CC_STAT_WIDTH), stats.at<int>(i, cv::CC_STAT_HEIGHT));
            if (stats.at<int>(i, cv::CC_STAT_AREA) >= m.m00 || part.y <= middle ||
                part.height > body.height / 3 || part.width < 2 * part.height ||
                part.y + part.height < bottom)
                continue;
            // A shadow falls on the ground beyond the feet or the base on
            // one side at least; what is drawn as part of the figure ends
            // with what rests on it.
            const cv::Rect stands = cv::boundingRect((labels(part) == i) & standing(part));
            const int beyond = stands.empty()
                                   ? part.width
                                   : std::max(stands.x, part.width - stands.x - stands.width);
            shadow[size_t(i)] = beyond >= ShadowBeyond * part.height;
        }
        figure &= ~pieces(labels, shadow);
    }
    // The opening takes specks off, and the tapering tip of a thin part
    // too (a rope's end where it meets the hull, closing the deck between
    // them): what it took next to what stays comes back.
    cv::Mat kept;
    cv::morphologyEx(figure, kept, cv::MORPH_OPEN, cv::Mat());
    return kept | (figure & grown(kept, 2));
}

// The strokes drawn on paper lit unevenly: darker than the paper round
// them, cut halfway to the ink, where a stroke out of focus is as wide as
// it was drawn; specks left out.
cv::Mat strokesOnPaper(const cv::Mat& grey)
{
    const int side = std::min(grey.cols, grey.rows);
    // The paper's own light, strokes closed over, looked at small: it
    // changes slowly across the page.
    cv::Mat small, paper, flat, strokes;
    cv::resize(grey, small, {}, 0.25, 0.25, cv::INTER_AREA);
    const int across = std::max(3, side / 64) | 1;
    cv::morphologyEx(small, paper, cv::MORPH_CLOSE,
                     cv::getStructuringElement(cv::MORPH_ELLIPSE, {across, across}));
    cv::GaussianBlur(paper, paper, {across, across}, 0);
    cv::resize(paper, paper, grey.size(), 0, 0, cv::INTER_LINEAR);
    cv::divide(grey, paper, flat, 255);
    cv::GaussianBlur(flat, flat, {0, 0}, std::max(1.0, side / 250.0));
    cv::threshold(flat, strokes, 0, 255, cv::THRESH_BINARY_INV | cv::THRESH_OTSU);
    // The grain of pencil and paper leaves the edge a little ragged:
    // smoothed, it is one the outline's band comes off cleanly, and the
    // narrow gaps between strokes stay open.
    cv::medianBlur(strokes, strokes, std::max(3, side / 140) | 1);
    return ~largePieces(strokes, std::max(3, side / 50), 0);
}

// Whether the border is paper: light, hardly coloured, with no strokes on it.
bool onPaper(const cv::Mat& grey, const Border& border)
{
    if (border.colour[0] < 55 * 255 / 100 || chroma(border.colour) > 25)
        return false;
    const cv::Mat strokes = strokesOnPaper(grey);
    const int frame = std::max(2, std::min(grey.cols, grey.rows) / 50);
    const cv::Rect inner(frame, frame, grey.cols - 2 * frame, grey.rows - 2 * frame);
    const int marked = (grey.total() - cv::countNonZero(strokes)) -
                       (inner.area() - cv::countNonZero(strokes(inner)));
    return marked < 0.03 * (grey.total() - inner.area());
}

// The main object of a photograph, as grabCut separates it from what the
// border shows, on a small copy.
cv::Mat mainObject(const cv::Mat& bgr)
{
    const double scale = double(GrabCutSide) / std::max(bgr.cols, bgr.rows);
    cv::Mat small, mask, back, fore;
    cv::resize(bgr, small, {}, std::min(1.0, scale), std::min(1.0, scale), cv::INTER_AREA);
    const int margin = std::max(2, std::min(small.cols, small.rows) / 30);
    try {
        cv::grabCut(small, mask,
                    cv::Rect(margin, margin, small.cols - 2 * margin, small.rows - 2 * margin),
                    back, fore, 3, cv::GC_INIT_WITH_RECT);
    } catch (const cv::Exception&) { // too few colours to tell apart: no object
        return cv::Mat::zeros(bgr.size(), CV_8UC1);
    }
    cv::Mat object = (mask == cv::GC_FGD) | (mask == cv::GC_PR_FGD);
    // The largest piece, its holes filled.
    std::vector<std::vector<cv::Point>> pieces = outerEdges(object);
    object.setTo(0);
    const auto largest =
        std::max_element(pieces.begin(), pieces.end(), [](const auto& a, const auto& b) {
            return cv::contourArea(a) < cv::contourArea(b);
        });
    if (largest != pieces.end())
        cv::drawContours(object, pieces, int(largest - pieces.begin()), 255, cv::FILLED);
    cv::Mat full;
    cv::resize(object, full, bgr.size(), 0, 0, cv::INTER_LINEAR);
    return full > 127;
}

// A drawing in bold strokes, on white, as the edges of its strokes, as a
// coloured figure is drawn: once its outline comes off, a stroke as wide
// as the outline left inside is a black bar, not a line to colour up to,
// and a piece of one cut by the band is a shard. Empty when its strokes
// are not bold, unless `bold` says they are. `strokes`: 255 on its ink.
cv::Mat boldDrawing(const cv::Mat& lab, const cv::Mat& grey, double& stroke, cv::Mat& strokes,
                    bool bold)
{
    const cv::Mat ink = grey < LightGrey;
    const double width = strokeMiddles(ink);
    if (!bold && !drawnBold(width, std::min(grey.cols, grey.rows)))
        return {};
    const cv::Mat figure = boldFigure(ink, width);
    strokes = ink;
    cv::Mat page = colouringLines(lab, grey, figure, ColourEdge, stroke, true);
    closeStripes(page, ink, figure, width);
    withoutSpecks(page, ink);
    // The figures close gaps as a line this wide would: the outline runs
    // across the mouth of a part drawn open (a neck open at its foot), not
    // round into it. As no line is drawn there, the dots keep to the ink.
    stroke = BoldClosing * width;
    return page;
}

// The line drawing of what lies inside the margins; `paper` tells one of
// strokes drawn on paper. A picture drawn on a tile (`tiled`: a plain
// rounded square in the page, taken for its frame) has the tile's colour
// for its background, though a sea or a ground across the tile's foot
// covers a good part of its edge: painted flat to the pixel, the tile is
// no photograph's nor paper's uneven light.
cv::Mat drawingOf(const cv::Mat& bgr, const cv::Mat& lab, bool tiled, bool& unchanged,
                  cv::Mat& figure, cv::Mat& strokes, double& stroke, bool& paper, bool bold)
{
    cv::Mat grey;
    cv::cvtColor(bgr, grey, cv::COLOR_BGR2GRAY);
    const Border border = borderOf(lab);
    const bool plain = border.plain >= Uniform ||
                       (tiled && border.plain >= TileShare && border.spread <= TileGrain);
    if (plain && blackAndWhite(lab, border.colour) && !greyFills(lab, border.colour)) {
        unchanged = deltaE(border.colour, White) <= Background;
        paper = !unchanged;
        if (paper)
            return strokesOnPaper(grey);
        const cv::Mat page = boldDrawing(lab, grey, stroke, strokes, bold);
        unchanged = page.empty();
        return page;
    }
    if (plain) {
        figure = figureOn(lab, border);
        return colouringLines(lab, grey, figure, paintedFlat(lab, figure) ? FlatEdge : ColourEdge,
                              stroke);
    }
    paper = onPaper(grey, border);
    if (paper)
        return strokesOnPaper(grey);
    cv::Mat smooth;
    cv::GaussianBlur(lab, smooth, {5, 5}, 0);
    figure = mainObject(bgr);
    return colouringLines(smooth, grey, figure, PhotoEdge, stroke);
}

} // namespace

QImage lineDrawing(const QImage& picture)
{
    return lineDrawingOf(picture).page;
}

LineDrawing lineDrawingOf(const QImage& picture, bool bold)
{
    if (std::min(picture.width(), picture.height()) < LeastSide)
        return {picture, {}};
    QImage rgb(picture.size(), QImage::Format_RGB32);
    if (picture.hasAlphaChannel()) { // transparent is white
        rgb.fill(Qt::white);
        QPainter(&rgb).drawImage(0, 0, picture);
    } else {
        rgb = picture.convertToFormat(QImage::Format_RGB32);
    }
    // A large picture is looked at smaller, as its figures are: its lines
    // come out as wide as on the editor's page, and as soon.
    const int scale = reduction(picture.size());
    cv::Mat bgr, lab;
    cv::cvtColor(matOf(rgb, CV_8UC4), bgr, cv::COLOR_BGRA2BGR);
    if (scale > 1)
        cv::resize(bgr, bgr, {(bgr.cols + scale - 1) / scale, (bgr.rows + scale - 1) / scale}, 0, 0,
                   cv::INTER_AREA);
    cv::cvtColor(bgr, lab, cv::COLOR_BGR2Lab);
    const cv::Rect inside = content(lab);
    bool unchanged = false;
    cv::Mat figure, strokes;
    double stroke = 0;
    bool paper = false;
    const cv::Mat drawn = drawingOf(bgr(inside), lab(inside), inside.area() < lab.cols * lab.rows,
                                    unchanged, figure, strokes, stroke, paper, bold);
    if (unchanged)
        return {picture, {}};
    LineDrawing drawing;
    drawing.stroke = stroke;
    drawing.paper = paper;
    if (!figure.empty()) {
        drawing.figure = cv::Mat::zeros(lab.size(), CV_8UC1);
        figure.copyTo(drawing.figure(inside));
    }
    if (!strokes.empty()) {
        drawing.bold = cv::Mat::zeros(lab.size(), CV_8UC1);
        strokes.copyTo(drawing.bold(inside));
    }
    cv::Mat small(lab.size(), CV_8UC1, cv::Scalar(255));
    drawn.copyTo(small(inside));
    QImage page(picture.size(), QImage::Format_Grayscale8);
    cv::Mat full = matOf(page, CV_8UC1);
    cv::resize(small, full, full.size(), 0, 0, cv::INTER_LINEAR);
    drawing.page = page;
    return drawing;
}

} // namespace editor::tracing
