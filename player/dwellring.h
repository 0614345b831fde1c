#pragma once

#include <QColor>
#include <QWidget>

namespace player {

// The ring that fills round the dot a pointer rests on, showing a child who
// joins by resting how long is left.
//
// Like the hint's ring it is a small child widget over the canvas, never
// drawn into the canvas's picture, and every click goes through it.
class DwellRing : public QWidget
{
public:
    explicit DwellRing(QWidget* canvas);

    // Shows the ring empty round `centre` (canvas pixels), `radius` pixels
    // from it.
    void showAround(QPoint centre, int radius);
    // How much of the ring is filled, from 0 (empty) to 1 (full); values
    // beyond are taken as the nearer end.
    void fill(double part);
    double filled() const { return filled_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int radius_ = 0;
    double filled_ = 0;
};

} // namespace player
