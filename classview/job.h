#pragma once

#include "errand.h"

#include <QString>
#include <atomic>
#include <functional>
#include <list>

namespace classview {

// What the teacher asked for that reads or writes on the school's server (a
// booklet, an archive, a group edit), done on a thread of its own, one at a
// time, while the window goes on and tells what is being done. The work
// gives back what the window then does with its result, on the window's
// thread, once it is taken.
//
// A job cancelled is given up on, not waited for: its work is asked to stop
// (it looks at `stop` between steps) and what it gives back is thrown away.
// Its thread ends whenever the server lets it; what the work captures must
// outlive that, or be waited for with waitFor().
class Job
{
public:
    using Done = std::function<void()>;
    using Work = std::function<Done(const std::atomic_bool& stop)>;

    Job() = default;
    ~Job() { cancel(); }
    Job(const Job&) = delete;
    Job& operator=(const Job&) = delete;

    // Starts `work`, told as `what` ("Preparando…"), unless a job is under
    // way; false then.
    bool start(const QString& what, Work work)
    {
        if (busy())
            return false;
        what_ = what;
        stop_ = std::make_shared<std::atomic_bool>(false);
        errand_ = std::make_unique<Errand<Done>>();
        errand_->start([work = std::move(work), stop = stop_] { return work(*stop); });
        return true;
    }

    bool busy() const { return errand_ != nullptr; }
    // What the job under way does, for the busy line; empty when none.
    QString what() const { return busy() ? what_ : QString(); }

    // What to do with the result once the job has ended; the job is then
    // free again.
    std::optional<Done> take()
    {
        forgetEnded();
        if (!errand_)
            return std::nullopt;
        auto done = errand_->take();
        if (done)
            errand_.reset();
        return done;
    }

    void cancel()
    {
        if (!errand_)
            return;
        *stop_ = true;
        cancelled_.push_back(std::move(errand_));
        forgetEnded();
    }

    // Waits up to `patience` for the job under way and for those cancelled
    // to end; for tests and for the window as it closes.
    bool waitFor(std::chrono::milliseconds patience)
    {
        const auto until = std::chrono::steady_clock::now() + patience;
        const auto left = [&] {
            return std::chrono::duration_cast<std::chrono::milliseconds>(
                until - std::chrono::steady_clock::now());
        };
        bool ended = true;
        for (const auto& errand : cancelled_)
            ended = errand->waitFor(left()) && ended;
        if (errand_)
            ended = errand_->waitFor(left()) && ended;
        forgetEnded();
        return ended;
    }

private:
    void forgetEnded()
    {
        cancelled_.remove_if([](const auto& errand) { return errand->take().has_value(); });
    }

    QString what_;
    std::shared_ptr<std::atomic_bool> stop_;
    std::unique_ptr<Errand<Done>> errand_;
    std::list<std::unique_ptr<Errand<Done>>> cancelled_;
};

} // namespace classview
