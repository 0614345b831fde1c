#pragma once

#include <QWidget>

namespace player {

// The thick frame round the control that keys act on, for a child who plays
// with switches and for the teacher beside: the style's own focus mark is a
// thin dotted line no child sees.
//
// It is a widget laid over the window's controls, drawn outside the control
// it marks, and every click goes through it.
class FocusRing : public QWidget
{
public:
    static constexpr int Thickness = 6; // pixels

    explicit FocusRing(QWidget* window);

    // Frames `control`, a child of the window; hides for none.
    void frame(const QWidget* control);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace player
