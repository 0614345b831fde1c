#include "autosave.h"

#include <QtConcurrent/QtConcurrentRun>

namespace editor {

Autosave::Autosave(const WorkingStateStore& store, std::function<WorkingState()> snapshot,
                   int delayMs)
    : store_(store), snapshot_(std::move(snapshot))
{
    pool_.setMaxThreadCount(1);
    timer_.setSingleShot(true);
    timer_.setInterval(delayMs);
    connect(&timer_, &QTimer::timeout, this, [this] { saveInBackground(); });
}

Autosave::~Autosave()
{
    writing_.waitForFinished();
}

void Autosave::changed()
{
    if (!timer_.isActive())
        timer_.start();
}

void Autosave::saveInBackground()
{
    // One write at a time; a slow disk only makes the next one later.
    if (writing_.isRunning()) {
        timer_.start();
        return;
    }
    writing_ = QtConcurrent::run(&pool_, [store = &store_, state = snapshot_()]() mutable {
        return store->write(encode(std::move(state)));
    });
}

bool Autosave::flush()
{
    timer_.stop();
    writing_.waitForFinished();
    return store_.write(encode(snapshot_()));
}

} // namespace editor
