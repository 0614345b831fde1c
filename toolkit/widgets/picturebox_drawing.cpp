// The picture area's drawing: lines, boxes, circles, arcs, points, text and flood fill.

#include "picturebox.h"

#include "colour.h"
#include "floodfill.h"
#include "picturebox_units.h"
#include "twips.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace toolkit {

namespace {

constexpr double Pi = 3.14159265358979323846;

// The brush of FillStyle: solid, none, or an 8 x 8 hatch on a transparent
// background.
QBrush fillBrush(int fillStyle, int colour)
{
    static constexpr Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                 Qt::BDiagPattern, Qt::FDiagPattern,
                                                 Qt::CrossPattern, Qt::DiagCrossPattern};
    if (fillStyle == vbFSSolid)
        return QBrush(toQColor(colour));
    if (fillStyle >= vbHorizontalLine && fillStyle <= vbDiagonalCross)
        return QBrush(toQColor(colour), hatches[fillStyle - vbHorizontalLine]);
    return Qt::NoBrush;
}

// One premultiplied pixel over an opaque one.
QRgb over(QRgb top, QRgb below)
{
    const int keep = 255 - qAlpha(top);
    auto channel = [keep](int t, int b) { return t + (b * keep + 127) / 255; };
    return qRgb(channel(qRed(top), qRed(below)), channel(qGreen(top), qGreen(below)),
                channel(qBlue(top), qBlue(below)));
}

QFont textFont(const PictureBox& box)
{
    QFont font(box.FontName);
    font.setPixelSize(std::max(1, pointsToPixels(box.FontSize)));
    font.setBold(box.FontBold);
    font.setItalic(box.FontItalic);
    // The painter's hint alone still lets the font engine smooth glyphs.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

} // namespace

// A painter on the layer that drawing goes to, drawing in pixels as the
// classic toolkit does: aliased, both ends of a line included. It collects
// the pixels it may have touched and reports them when it ends, so that Cls
// and the repaint cover no more than that. On the temporary layer, lines and
// outlines are covered by short rectangles along them rather than their
// bounding box: the rubber line across a full-screen canvas is wiped and
// redrawn on every mouse move.
class PictureBox::Painter : public QPainter
{
public:
    explicit Painter(PictureBox& box) : QPainter(&box.target()), box_(box)
    {
        setRenderHint(QPainter::Antialiasing, false);
        setRenderHint(QPainter::TextAntialiasing, false);
        if (!box.ClipPixels.isEmpty())
            setClipRegion(box.ClipPixels);
    }

    ~Painter()
    {
        end();
        const QRegion changed = box_.AutoRedraw ? QRegion(bounds_) : touched_;
        box_.drawn(box_.ClipPixels.isEmpty() ? changed : changed & box_.ClipPixels);
    }

    void line(QPoint from, QPoint to, int colour, int width)
    {
        // A dot from a damaged file can lie a million pixels off: the line is
        // cut first, so nothing walks its whole length, and cut far enough
        // away that the pixels that show are the same.
        if (!clipToRect(from, to, box_.persistent_.rect().adjusted(-Far, -Far, Far, Far)))
            return;
        if (width <= 1)
            thinLine(from, to, colour);
        else if (from == to)
            dot(from, colour, width);
        else
            wideLine(from, to, colour, width);
        touchLine(from, to, width);
    }

    void box(QPoint from, QPoint to, int colour, int width, const QBrush& interior)
    {
        const QRect area = QRect(from, to).normalized();
        if (interior.style() != Qt::NoBrush)
            fillRect(area, interior);
        line(area.topLeft(), area.topRight(), colour, width);
        line(area.topRight(), area.bottomRight(), colour, width);
        line(area.bottomRight(), area.bottomLeft(), colour, width);
        line(area.bottomLeft(), area.topLeft(), colour, width);
    }

    void ellipse(QPoint centre, int rx, int ry, int colour, int width, const QBrush& interior)
    {
        if (rx == 0 || ry == 0) {
            line(centre - QPoint(rx, ry), centre + QPoint(rx, ry), colour, width);
            return;
        }
        if (offTheArea(centre, rx, ry, width))
            return;
        usePen(colour, width);
        setBrush(interior);
        // Whole-pixel rectangles take Qt's midpoint ellipse, which is
        // symmetric; wide pens are stroked round the pixel centres.
        if (width <= 1)
            drawEllipse(QRect(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry));
        else
            drawEllipse(QPointF(centre) + QPointF(0.5, 0.5), rx, ry);
        touchOutline(centre, rx, ry, 0, 2 * Pi, width, interior);
    }

    // An arc from `start` to `end` counterclockwise (radians), with the
    // radius lines to the ends that are asked for; with both it is a closed
    // pie and gets an interior. A one-pixel arc is the part of the whole
    // ellipse's outline that lies in the sector, both end pixels included.
    void arc(QPoint centre, int rx, int ry, double start, double end, bool startEdge, bool endEdge,
             int colour, int width, const QBrush& interior)
    {
        if (rx == 0 || ry == 0) {
            ellipse(centre, rx, ry, colour, width, interior);
            return;
        }
        if (offTheArea(centre, rx, ry, width))
            return;
        double span = end - start;
        if (span <= 0)
            span += 2 * Pi;
        const QBrush inside = startEdge && endEdge ? interior : QBrush(Qt::NoBrush);
        if (width <= 1)
            thinArc(centre, rx, ry, start, span, colour, inside);
        else
            wideArc(centre, rx, ry, start, span, colour, width, inside);
        if (startEdge)
            line(centre, onEllipse(centre, rx, ry, start), colour, width);
        if (endEdge)
            line(centre, onEllipse(centre, rx, ry, start + span), colour, width);
        touchOutline(centre, rx, ry, start, span, width, inside);
    }

    void text(QPoint topLeft, const QString& text, const QFont& font, int colour)
    {
        setFont(font);
        setPen(toQColor(colour));
        const QFontMetrics metrics(font);
        const QPoint baseline = topLeft + QPoint(0, metrics.ascent());
        drawText(baseline, text);
        const QRect advance(topLeft, QSize(metrics.horizontalAdvance(text), metrics.height()));
        touch(advance | metrics.boundingRect(text).translated(baseline), 2);
    }

private:
    void usePen(int colour, int width)
    {
        setPen(QPen(toQColor(colour), std::max(1, width), Qt::SolidLine,
                    width <= 1 ? Qt::FlatCap : Qt::RoundCap, Qt::RoundJoin));
    }

    // Qt's one-pixel line leaves out one end pixel (which one depends on the
    // direction); the classic one draws both.
    void thinLine(QPoint from, QPoint to, int colour)
    {
        usePen(colour, 1);
        drawLine(from, to);
        drawPoint(from);
        drawPoint(to);
    }

    void wideLine(QPoint from, QPoint to, int colour, int width)
    {
        usePen(colour, width);
        drawLine(penCentre(from, width), penCentre(to, width));
    }

    // A round dot `width` pixels across, as a wide line of no length draws:
    // every pixel whose centre lies within the pen's radius.
    void dot(QPoint at, int colour, int width)
    {
        const QPointF c = penCentre(at, width);
        const double r = width / 2.0;
        for (int y = at.y() - width; y <= at.y() + width; ++y) {
            const double dy = y + 0.5 - c.y();
            if (dy * dy > r * r)
                continue;
            const double half = std::sqrt(r * r - dy * dy);
            const int left = static_cast<int>(std::ceil(c.x() - half - 0.5));
            const int right = static_cast<int>(std::floor(c.x() + half - 0.5));
            fillRect(QRect(left, y, right - left + 1, 1), toQColor(colour));
        }
    }

    // Where a wide pen is centred so that it covers exactly `width` pixels
    // across: the pixel's centre for odd widths, its corner for even ones.
    static QPointF penCentre(QPoint at, int width)
    {
        const double offset = width % 2 ? 0.5 : 0.0;
        return QPointF(at.x() + offset, at.y() + offset);
    }

    void thinArc(QPoint centre, int rx, int ry, double start, double span, int colour,
                 const QBrush& inside)
    {
        const double slack = 0.5 / std::max(rx, ry); // half a pixel at the rim
        save();
        if (span + 2 * slack < 2 * Pi)
            setClipPath(sector(centre, rx, ry, start - slack, span + 2 * slack));
        usePen(colour, 1);
        setBrush(inside);
        drawEllipse(QRect(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry));
        restore();
    }

    void wideArc(QPoint centre, int rx, int ry, double start, double span, int colour, int width,
                 const QBrush& inside)
    {
        const QRectF bounds(centre.x() + 0.5 - rx, centre.y() + 0.5 - ry, 2 * rx, 2 * ry);
        const int from = static_cast<int>(std::lround(start * 180 / Pi * 16));
        const int length = static_cast<int>(std::lround(span * 180 / Pi * 16));
        if (inside.style() != Qt::NoBrush) {
            setPen(Qt::NoPen);
            setBrush(inside);
            drawPie(bounds, from, length);
        }
        usePen(colour, width);
        setBrush(Qt::NoBrush);
        drawArc(bounds, from, length);
    }

    // A wedge from the centre out past the ellipse, between two angles.
    static QPainterPath sector(QPoint centre, int rx, int ry, double start, double span)
    {
        const QPointF c(centre.x() + 0.5, centre.y() + 0.5);
        const double reach = 2.0 + 2.0 / std::max(rx, ry); // chords stay outside the rim
        const int steps = std::max(2, static_cast<int>(std::ceil(span / (Pi / 4))));
        QPainterPath path(c);
        for (int i = 0; i <= steps; ++i) {
            const double t = start + span * i / steps;
            path.lineTo(c + reach * QPointF(rx * std::cos(t), -ry * std::sin(t)));
        }
        path.closeSubpath();
        return path;
    }

    static QPoint onEllipse(QPoint centre, int rx, int ry, double angle)
    {
        return centre + QPoint(static_cast<int>(std::lround(rx * std::cos(angle))),
                               static_cast<int>(std::lround(-ry * std::sin(angle))));
    }

    // Only the temporary layer needs to know closely what was drawn (Cls
    // wipes just that); for the persistent image the bounding box serves the
    // repaint, and a region of hundreds of rectangles would only cost time.
    void touch(const QRect& area, int width)
    {
        const int margin = std::max(1, width);
        const QRect r = area.adjusted(-margin, -margin, margin, margin) & box_.persistent_.rect();
        if (r.isEmpty())
            return;
        if (box_.AutoRedraw)
            bounds_ |= r;
        else
            touched_ += r;
    }

    // A line as rectangles a band long; the margin covers the pen and caps.
    // Only the part over the image counts: a line from far off the area
    // would otherwise take millions of bands.
    void touchLine(QPoint from, QPoint to, int width)
    {
        const QRect reach =
            box_.persistent_.rect().adjusted(-width - 1, -width - 1, width + 1, width + 1);
        if (!clipToRect(from, to, reach))
            return;
        const QPoint d = to - from;
        const int steps = std::max(1, std::max(std::abs(d.x()), std::abs(d.y())) / Band);
        QPoint last = from;
        for (int i = 1; i <= steps; ++i) {
            const QPoint next = from + QPoint(d.x() * i / steps, d.y() * i / steps);
            touch(QRect(last, next).normalized(), width);
            last = next;
        }
    }

    // An ellipse outline as chords a band long, widened by how far the
    // outline strays from them; an interior takes the whole box.
    void touchOutline(QPoint centre, int rx, int ry, double start, double span, int width,
                      const QBrush& interior)
    {
        const int r = std::max(rx, ry);
        if (interior.style() != Qt::NoBrush || r < 2 * Band) {
            touch(QRect(centre.x() - rx, centre.y() - ry, 2 * rx + 1, 2 * ry + 1), width);
            return;
        }
        const int steps = static_cast<int>(std::ceil(span * r / Band));
        QPoint last = onEllipse(centre, rx, ry, start);
        for (int i = 1; i <= steps; ++i) {
            const QPoint next = onEllipse(centre, rx, ry, start + span * i / steps);
            touch(QRect(last, next).normalized(), width + Band * Band / (8 * r) + 1);
            last = next;
        }
    }

    // Cuts the segment to the part inside `rect` (Liang-Barsky); false when
    // none of it is inside. The cut ends are rounded to whole pixels: callers
    // widen `rect` by the pen, so a pixel either way does not matter.
    static bool clipToRect(QPoint& from, QPoint& to, const QRect& rect)
    {
        const double x0 = from.x(), y0 = from.y();
        const double dx = to.x() - x0, dy = to.y() - y0;
        double enter = 0, leave = 1;
        const double p[4] = {-dx, dx, -dy, dy};
        const double q[4] = {x0 - rect.left(), rect.right() - x0, y0 - rect.top(),
                             rect.bottom() - y0};
        for (int k = 0; k < 4; ++k) {
            if (p[k] == 0) {
                if (q[k] < 0)
                    return false;
                continue;
            }
            const double t = q[k] / p[k];
            if (p[k] < 0)
                enter = std::max(enter, t);
            else
                leave = std::min(leave, t);
        }
        if (enter > leave)
            return false;
        const auto at = [&](double t) {
            return QPoint(static_cast<int>(std::lround(x0 + t * dx)),
                          static_cast<int>(std::lround(y0 + t * dy)));
        };
        const QPoint clippedFrom = at(enter);
        to = at(leave);
        from = clippedFrom;
        return true;
    }

    // Whether an ellipse with its pen lies wholly outside the image.
    bool offTheArea(QPoint centre, int rx, int ry, int width) const
    {
        const QRect bounds(centre.x() - rx, centre.y() - ry, 2 * rx + 1, 2 * ry + 1);
        return !bounds.adjusted(-width, -width, width, width).intersects(box_.persistent_.rect());
    }

    static constexpr int Band = 32;
    static constexpr int Far = 4096; // pixels round the image where lines are drawn uncut

    PictureBox& box_;
    QRegion touched_; // on the temporary layer
    QRect bounds_;    // on the persistent image
};

// Drawing -------------------------------------------------------------------

void PictureBox::Line(double x1, double y1, double x2, double y2, std::optional<int> colour,
                      LineShape shape)
{
    const QPoint from = toPixels(ScaleMode, x1, y1);
    const QPoint to = toPixels(ScaleMode, x2, y2);
    const int pen = colour.value_or(ForeColor);
    {
        Painter painter(*this);
        if (shape == LineShape::Plain)
            painter.line(from, to, pen, DrawWidth);
        else if (shape == LineShape::Box)
            painter.box(from, to, pen, DrawWidth, fillBrush(FillStyle, FillColor));
        else
            painter.box(from, to, pen, DrawWidth, QBrush(toQColor(pen)));
    }
    CurrentX = x2;
    CurrentY = y2;
}

void PictureBox::Circle(double x, double y, double radius, std::optional<int> colour,
                        std::optional<double> start, std::optional<double> end, double aspect)
{
    const QPoint centre = toPixels(ScaleMode, x, y);
    const double r = std::fabs(radius) / unitsPerPixel(ScaleMode);
    aspect = std::fabs(aspect);
    const int rx = static_cast<int>(std::lround(aspect > 1 ? r / aspect : r));
    const int ry = static_cast<int>(std::lround(aspect < 1 ? r * aspect : r));
    const int pen = colour.value_or(ForeColor);
    const QBrush interior = fillBrush(FillStyle, FillColor);
    {
        Painter painter(*this);
        if (!start && !end)
            painter.ellipse(centre, rx, ry, pen, DrawWidth, interior);
        else
            painter.arc(centre, rx, ry, std::fabs(start.value_or(0)),
                        std::fabs(end.value_or(2 * Pi)), start.value_or(0) < 0, end.value_or(0) < 0,
                        pen, DrawWidth, interior);
    }
    CurrentX = x;
    CurrentY = y;
}

void PictureBox::PSetGrid(double step, double right, double bottom, std::optional<int> colour)
{
    QImage& image = target();
    const QRgb pen = toQRgb(colour.value_or(ForeColor));
    const double pixel = unitsPerPixel(ScaleMode);
    const QRegion within = ClipPixels.isEmpty() ? QRegion(image.rect()) : ClipPixels;
    QRect reached;
    for (const QRect& part : within& image.rect()) {
        for (double y = 0; y <= bottom; y += step) {
            const int row = floorToPixels(y, pixel);
            if (row < part.top())
                continue;
            if (row > part.bottom())
                break;
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
            int first = image.width(), last = -1;
            for (double x = 0; x <= right; x += step) {
                const int column = floorToPixels(x, pixel);
                if (column > part.right())
                    break;
                if (column >= part.left()) {
                    line[column] = pen;
                    first = std::min(first, column);
                    last = std::max(last, column);
                }
            }
            if (last >= first)
                reached |= QRect(first, row, last - first + 1, 1);
        }
    }
    drawn(reached);
}

void PictureBox::PSet(double x, double y, std::optional<int> colour)
{
    const QPoint at = toPixels(ScaleMode, x, y);
    {
        Painter painter(*this);
        painter.line(at, at, colour.value_or(ForeColor), DrawWidth);
    }
    CurrentX = x;
    CurrentY = y;
}

int PictureBox::Point(double x, double y) const
{
    expand();
    const QPoint at = toPixels(ScaleMode, x, y);
    if (!persistent_.rect().contains(at))
        return -1;
    const QRgb below = persistent_.pixel(at);
    if (AutoRedraw || !temporaryUsed_.contains(at))
        return fromQRgb(below);
    const QRgb top = reinterpret_cast<const QRgb*>(temporary_.constScanLine(at.y()))[at.x()];
    return fromQRgb(over(top, below));
}

void PictureBox::Print(const QString& text)
{
    const QPoint at = toPixels(ScaleMode, CurrentX, CurrentY);
    {
        Painter painter(*this);
        painter.text(at, text, textFont(*this), ForeColor);
    }
    CurrentX = 0;
    CurrentY += TextHeight(text);
}

double PictureBox::TextWidth(const QString& text) const
{
    return QFontMetrics(textFont(*this)).horizontalAdvance(text) * unitsPerPixel(ScaleMode);
}

double PictureBox::TextHeight(const QString&) const
{
    return QFontMetrics(textFont(*this)).height() * unitsPerPixel(ScaleMode);
}

void PictureBox::FloodFill(int x, int y, int colour)
{
    drawn(floodFillSurface(target(), x, y, toQRgb(colour), fillBrush(FillStyle, FillColor)));
}

} // namespace toolkit
