#include "focusring.h"

#include <QPainter>
#include <QRegion>

namespace player {

FocusRing::FocusRing(QWidget* window) : QWidget(window)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusRing::frame(const QWidget* control)
{
    if (!control) {
        hide();
        return;
    }
    const QRect inner(control->mapTo(parentWidget(), QPoint(0, 0)), control->size());
    setGeometry(inner.adjusted(-Thickness, -Thickness, Thickness, Thickness));
    // Only the frame itself is ours: the control shows whole inside it.
    setMask(QRegion(rect()) -
            QRegion(rect().adjusted(Thickness, Thickness, -Thickness, -Thickness)));
    raise();
    show();
    update();
}

void FocusRing::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    // Yellow between two dark edges stands out on the window's blue and on
    // every button.
    painter.fillRect(rect(), QColor(32, 32, 48));
    painter.fillRect(rect().adjusted(2, 2, -2, -2), QColor(255, 214, 0));
    painter.fillRect(rect().adjusted(Thickness - 1, Thickness - 1, 1 - Thickness, 1 - Thickness),
                     QColor(32, 32, 48));
}

} // namespace player
