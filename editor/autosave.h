#pragma once

#include "workingstate.h"

#include <QFuture>
#include <QObject>
#include <QThreadPool>
#include <QTimer>
#include <functional>

namespace editor {

// Keeps the working state on disk while the adult draws, without making the
// drawing wait: a change asks for a save within `delay`; then a snapshot is
// taken on the UI thread (shared copies of the pages, a few microseconds)
// and compressed and written on a worker thread.
class Autosave : public QObject
{
public:
    static constexpr int DefaultDelayMs = 10000;

    Autosave(const WorkingStateStore& store, std::function<WorkingState()> snapshot,
             int delayMs = DefaultDelayMs);
    // Waits for a write under way, so the file is never left to a dying thread.
    ~Autosave() override;

    // Something changed: it is written at most `delay` later. Further changes
    // meanwhile do not push the save back, so steady drawing is kept too.
    void changed();
    // Writes now and waits (before the program ends, and in tests).
    bool flush();

private:
    void saveInBackground();

    const WorkingStateStore& store_;
    std::function<WorkingState()> snapshot_;
    QTimer timer_;
    // Its own thread: the pages it waits for are compressed on the global pool.
    QThreadPool pool_;
    QFuture<bool> writing_;
};

} // namespace editor
