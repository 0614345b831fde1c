#include "dwell.h"

#include "dwellring.h"

#include <QEvent>
#include <algorithm>

namespace player {

Dwell::Dwell(toolkit::Platform& platform, QWidget* canvas, int milliseconds,
             std::function<void(int record)> join)
    : platform_(platform), ring_(new DwellRing(canvas)), milliseconds_(std::max(1, milliseconds)),
      join_(std::move(join))
{
    ring_->setObjectName(QStringLiteral("dwellRing"));
    canvas->installEventFilter(this);
}

Dwell::~Dwell()
{
    delete ring_.data();
}

void Dwell::restOn(int record, QPoint centre, int radius)
{
    if (record == record_)
        return;
    stop();
    if (record < 0)
        return;
    record_ = record;
    started_ = platform_.now();
    ring_->showAround(centre, radius);
    wait_ = platform_.startTicker(milliseconds_, [this] { finish(); });
    frames_ =
        platform_.startTicker(std::min(FrameMilliseconds, milliseconds_), [this] { showTime(); });
}

void Dwell::stop()
{
    wait_.reset();
    frames_.reset();
    record_ = -1;
    if (ring_)
        ring_->hide();
}

void Dwell::showTime()
{
    if (ring_)
        ring_->fill(double(started_.msecsTo(platform_.now())) / milliseconds_);
}

void Dwell::finish()
{
    // The join may start a wait of its own on the next dot, or read another
    // activity and end this one for good: this wait is over before it runs.
    const int record = record_;
    stop();
    const std::function<void(int)> join = join_;
    join(record);
}

bool Dwell::eventFilter(QObject* /*watched*/, QEvent* event)
{
    // No pointer rests on a canvas it has left.
    if (event->type() == QEvent::Leave)
        stop();
    return false;
}

} // namespace player
