#pragma once

#include "platform.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

namespace player {

class DwellRing;

// Joining by resting, for a child who points with the eyes or the head and
// cannot click: the pointer resting on one dot for the set time joins it,
// while a ring round the dot fills as the time runs.
//
// The window says where the pointer rests; the time runs on the platform's
// tickers and clock. The ring is a child of the canvas; the pointer leaving
// the canvas ends the wait.
class Dwell : public QObject
{
public:
    // How often the ring fills a little more, in milliseconds.
    static constexpr int FrameMilliseconds = 40;

    // Waits `milliseconds` (at least 1) over `canvas`, then calls `join` with
    // the record rested on.
    Dwell(toolkit::Platform& platform, QWidget* canvas, int milliseconds,
          std::function<void(int record)> join);
    ~Dwell() override;

    // The pointer rests on `record`, drawn at `centre` (canvas pixels) with a
    // ring `radius` pixels round it; -1 for no dot to join. The wait starts
    // on a new record, goes on over the same one, and ends off it.
    void restOn(int record, QPoint centre, int radius);
    // Ends the wait, if any, and hides the ring.
    void stop();
    // The record waited on; -1 when none.
    int record() const { return record_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showTime();
    void finish();

    toolkit::Platform& platform_;
    QPointer<DwellRing> ring_;
    int milliseconds_;
    std::function<void(int)> join_;
    int record_ = -1;
    QDateTime started_;
    std::unique_ptr<toolkit::Platform::Ticker> wait_;
    std::unique_ptr<toolkit::Platform::Ticker> frames_;
};

} // namespace player
