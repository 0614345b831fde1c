#pragma once

#include <QPoint>
#include <QPointF>
#include <QPolygonF>
#include <QWidget>
#include <functional>

namespace player {

// The large cursor that arrow keys move over the canvas, for a child who
// colours with a keyboard or with switches.
//
// Like the hint's ring it is a small child widget laid over the canvas,
// never drawn into the canvas's picture, and every click goes through it.
// Its place is kept in canvas pixels, always inside the canvas. Its size and
// its step are set in millimetres of the screen in use, so a child sees it
// as well on a whiteboard as on a small laptop.
class KeyboardCursor : public QWidget
{
public:
    KeyboardCursor(QWidget* canvas, double pixelsPerMillimetre);

    QPoint position() const { return position_; }
    // Puts the cursor at `pixel` of the canvas, or at the nearest pixel
    // inside it.
    void moveTo(QPoint pixel);
    // One step of an arrow key: `across` and `down` are -1, 0 or 1.
    void step(int across, int down);
    int stepPixels() const { return step_; }
    // A stroke of the pen or of a line is under way from the keyboard; the
    // cursor shows it with a full centre.
    void setDrawing(bool drawing);
    // The cursor draws itself only while `wanted` holds. The canvas under it
    // is repainted whenever its drawing changes, a new activity included, so
    // a cursor no longer wanted is gone from the screen with the drawing it
    // was for.
    void setWanted(std::function<bool()> wanted) { wanted_ = std::move(wanted); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void place();

    QPoint position_;
    int radius_;
    int step_;
    bool drawing_ = false;
    std::function<bool()> wanted_;
};

// A point well inside `figure`, a closed polygon in any unit: the middle of
// the widest span across it at half its height, so a fill started there
// colours the figure even when it is not convex. The figure's first corner
// when it has no inside.
QPointF pointInside(const QPolygonF& figure);

} // namespace player
