#include "idlewatch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace player {

namespace {

// How often the clock is compared: the choice comes back at most this late.
constexpr int CheckMilliseconds = 5000;

bool isPlay(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

} // namespace

IdleWatch::IdleWatch(toolkit::Platform& platform, QWidget& window, int minutes,
                     std::function<void()> idle)
    : platform_(platform), window_(window), minutes_(minutes), idle_(std::move(idle))
{
}

IdleWatch::~IdleWatch()
{
    stop();
}

void IdleWatch::start()
{
    if (minutes_ <= 0 || ticker_)
        return;
    lastPlay_ = platform_.now();
    QCoreApplication::instance()->installEventFilter(this);
    ticker_ = platform_.startTicker(CheckMilliseconds, [this] { check(); });
}

void IdleWatch::stop()
{
    if (!ticker_)
        return;
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
    ticker_.reset();
}

bool IdleWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (isPlay(event->type()) && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == &window_)
        lastPlay_ = platform_.now();
    return false;
}

void IdleWatch::check()
{
    if (lastPlay_.msecsTo(platform_.now()) < qint64(minutes_) * 60 * 1000)
        return;
    stop(); // may end the tick it runs in: the platform allows it
    idle_();
}

} // namespace player
