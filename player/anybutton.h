#pragma once

#include <QObject>

namespace player {

// Makes every mouse button a left one, for the lab's "un-clic": a child who
// cannot tell the buttons apart, or a switch box that sends a right click,
// still presses the buttons, picks colours and joins the dots.
//
// Installed on the application, it sees each mouse event before any window
// or widget does, and hands on a left-button copy in its place; events with
// the left button alone pass untouched.
class AnyButtonIsLeft : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace player
