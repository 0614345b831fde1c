#include "floodfill.h"

#include <QPainter>
#include <algorithm>
#include <vector>

namespace toolkit {

namespace {

// A run of pixels x1..x2 on row y - dy that is already painted; row y is the
// one still to be explored next to it.
struct Segment
{
    int y;
    int x1;
    int x2;
    int dy;
};

// Span fill over raw scan lines. `Surface` says which pixels may still be
// painted (`fillable`) and paints a whole run at once (`paint`); a painted
// pixel must stop being fillable, or the walk would never end.
template <class Surface> class SpanFill
{
public:
    SpanFill(Surface& surface, int width, int height)
        : surface_(surface), width_(width), height_(height)
    {
    }

    QRect run(int x, int y)
    {
        push(y, x, x, 1);
        push(y + 1, x, x, -1);
        while (!stack_.empty())
            exploreNext();
        return painted_;
    }

private:
    void push(int y, int x1, int x2, int dy)
    {
        if (y + dy >= 0 && y + dy < height_)
            stack_.push_back({y, x1, x2, dy});
    }

    // Paints every run of row y that touches the segment on the row before it,
    // and queues the rows next to each run, including leaks past its ends.
    void exploreNext()
    {
        const Segment s = stack_.back();
        stack_.pop_back();
        const int y = s.y + s.dy;
        int x = s.x1;
        if (surface_.fillable(x, y)) {
            int left = x;
            while (left > 0 && surface_.fillable(left - 1, y))
                --left;
            x = fillRun(y, left, x, s);
        }
        for (;;) {
            while (x <= s.x2 && !surface_.fillable(x, y))
                ++x;
            if (x > s.x2)
                break;
            x = fillRun(y, x, x, s);
        }
    }

    // Paints the run that starts at `left` and reaches at least `from`;
    // returns the first pixel to its right that is not part of it.
    int fillRun(int y, int left, int from, const Segment& s)
    {
        int end = from;
        while (end + 1 < width_ && surface_.fillable(end + 1, y))
            ++end;
        paint(y, left, end);
        push(y, left, end, s.dy);
        if (left < s.x1)
            push(y, left, s.x1 - 1, -s.dy);
        if (end > s.x2)
            push(y, s.x2 + 1, end, -s.dy);
        return end + 1;
    }

    void paint(int y, int x1, int x2)
    {
        surface_.paint(y, x1, x2);
        painted_ |= QRect(x1, y, x2 - x1 + 1, 1);
    }

    Surface& surface_;
    int width_;
    int height_;
    std::vector<Segment> stack_;
    QRect painted_;
};

// Paints the brush colour straight into the region.
class SolidSurface
{
public:
    SolidSurface(QImage& image, QRgb target, QRgb colour)
        : bits_(image.bits()), stride_(image.bytesPerLine()), target_(target), colour_(colour)
    {
    }
    bool fillable(int x, int y) const { return row(y)[x] == target_; }
    void paint(int y, int x1, int x2) { std::fill(row(y) + x1, row(y) + x2 + 1, colour_); }

private:
    QRgb* row(int y) const { return reinterpret_cast<QRgb*>(bits_ + y * stride_); }

    uchar* bits_;
    qsizetype stride_;
    QRgb target_;
    QRgb colour_;
};

// Only marks the region, leaving the image as it is, so that a pattern can be
// painted over it afterwards without its own pixels changing the region.
class RegionSurface
{
public:
    RegionSurface(const QImage& image, QRgb target)
        : bits_(image.constBits()), stride_(image.bytesPerLine()), width_(image.width()),
          target_(target), mask_(static_cast<size_t>(image.width()) * image.height(), 0)
    {
    }
    bool fillable(int x, int y) const
    {
        return !mask_[index(x, y)] &&
               reinterpret_cast<const QRgb*>(bits_ + y * stride_)[x] == target_;
    }
    void paint(int y, int x1, int x2)
    {
        std::fill(mask_.begin() + index(x1, y), mask_.begin() + index(x2, y) + 1, 1);
    }
    bool inRegion(int x, int y) const { return mask_[index(x, y)]; }

private:
    size_t index(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }

    const uchar* bits_;
    qsizetype stride_;
    int width_;
    QRgb target_;
    std::vector<unsigned char> mask_;
};

// The brush's 8 x 8 tile as QPainter draws it from the image origin, so that a
// hatched fill lines up with hatched boxes and circles.
QImage patternTile(const QBrush& brush)
{
    QImage tile(8, 8, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    QPainter painter(&tile);
    painter.fillRect(tile.rect(), brush);
    return tile;
}

void paintPattern(QImage& image, const RegionSurface& region, const QRect& box, const QBrush& brush,
                  QRgb colour)
{
    const QImage tile = patternTile(brush);
    for (int y = box.top(); y <= box.bottom(); ++y) {
        const QRgb* pattern = reinterpret_cast<const QRgb*>(tile.constScanLine(y & 7));
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = box.left(); x <= box.right(); ++x) {
            if (qAlpha(pattern[x & 7]) != 0 && region.inRegion(x, y))
                line[x] = colour;
        }
    }
}

// Pixels are compared and written as stored: opaque colours gain the alpha
// that the format keeps for them.
QRgb stored(const QImage& image, QRgb colour)
{
    const QRgb opaque = colour | 0xFF000000u;
    return image.format() == QImage::Format_ARGB32_Premultiplied ? qPremultiply(opaque) : opaque;
}

bool isThirtyTwoBit(QImage::Format format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

} // namespace

QRect floodFillSurface(QImage& image, int x, int y, QRgb target, const QBrush& brush)
{
    if (!image.rect().contains(x, y) || brush.style() == Qt::NoBrush)
        return {};
    if (!isThirtyTwoBit(image.format()))
        image.convertTo(QImage::Format_RGB32);
    const QRgb from = stored(image, target);
    const QRgb colour = stored(image, brush.color().rgb());
    if (reinterpret_cast<const QRgb*>(image.constScanLine(y))[x] != from)
        return {};
    if (brush.style() == Qt::SolidPattern) {
        if (colour == from)
            return {}; // painting the colour already there changes nothing
        SolidSurface surface(image, from, colour);
        return SpanFill<SolidSurface>(surface, image.width(), image.height()).run(x, y);
    }
    RegionSurface region(image, from);
    const QRect box = SpanFill<RegionSurface>(region, image.width(), image.height()).run(x, y);
    paintPattern(image, region, box, brush, colour);
    return box;
}

} // namespace toolkit
