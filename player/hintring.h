#pragma once

#include <QColor>
#include <QWidget>
#include <vector>

namespace player {

// The ring that pulses round the dot a child has to find next.
//
// It is a small child widget laid over the canvas, never drawn into the
// canvas's picture: what the child colours, fills, undoes, saves, copies or
// prints holds no trace of it, and every click goes through it to the canvas.
// A pulse frame repaints the ring's own square and nothing else, and keeps no
// memory of its own beyond a few numbers.
class HintRing : public QWidget
{
public:
    static constexpr int FrameMilliseconds = 34; // under 30 frames a second
    static constexpr int FramesPerPulse = 30;

    explicit HintRing(QWidget* canvas);

    // Shows the ring round `centre` (canvas pixels), never nearer to it than
    // `radius` pixels, in `colour`; the pulse starts again.
    void showAround(QPoint centre, int radius, QColor colour);
    // Moves the pulse one frame on and repaints the ring.
    void pulse();
    int frame() const { return frame_; }
    QColor colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double currentRadius() const;

    int radius_ = 0;
    int frame_ = 0;
    QColor colour_;
};

// The colour among a few bright ones that lies farthest from every colour of
// `avoid` (the canvas, the dots and their lines), so the ring stands out.
QColor standOutColour(const std::vector<QColor>& avoid);

} // namespace player
