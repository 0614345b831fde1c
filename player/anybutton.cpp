#include "anybutton.h"

#include <QCoreApplication>
#include <QMouseEvent>

namespace player {

namespace {

bool isMouseEvent(QEvent::Type type)
{
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove;
}

Qt::MouseButtons asLeft(Qt::MouseButtons buttons)
{
    return buttons ? Qt::MouseButtons(Qt::LeftButton) : Qt::MouseButtons(Qt::NoButton);
}

} // namespace

bool AnyButtonIsLeft::eventFilter(QObject* watched, QEvent* event)
{
    if (!isMouseEvent(event->type()))
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    const Qt::MouseButtons others = ~Qt::MouseButtons(Qt::LeftButton);
    if (!(mouse->button() & others) && !(mouse->buttons() & others))
        return false;
    const Qt::MouseButton button = mouse->button() == Qt::NoButton ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent left(mouse->type(), mouse->position(), mouse->scenePosition(),
                     mouse->globalPosition(), button, asLeft(mouse->buttons()), mouse->modifiers(),
                     mouse->pointingDevice());
    left.setTimestamp(mouse->timestamp());
    QCoreApplication::sendEvent(watched, &left);
    event->setAccepted(left.isAccepted());
    return true;
}

} // namespace player
