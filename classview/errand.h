#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace classview {

// One piece of reading at a time, done on a thread of its own so that a
// server that hangs in the middle of it never freezes the window. A reading
// that hangs is given up on, not waited for: its thread is left to finish
// whenever the server answers, and what it then reads is thrown away.
template <typename Result> class Errand
{
public:
    Errand() = default;
    ~Errand() { abandon(); }
    Errand(const Errand&) = delete;
    Errand& operator=(const Errand&) = delete;

    // Starts `work` unless a reading is under way; false when one is.
    bool start(std::function<Result()> work)
    {
        if (busy())
            return false;
        state_ = std::make_shared<State>();
        state_->started = std::chrono::steady_clock::now();
        std::thread([state = state_, work = std::move(work)] {
            Result result = work();
            const std::lock_guard lock(state->mutex);
            state->result = std::move(result);
        }).detach();
        return true;
    }

    // A reading has been started and its result not taken yet.
    bool busy() const { return state_ != nullptr; }
    // How long the reading under way has taken so far.
    std::chrono::milliseconds age() const
    {
        return busy() ? std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::steady_clock::now() - state_->started)
                      : std::chrono::milliseconds(0);
    }

    // The result once the reading is done; the errand is then free again.
    std::optional<Result> take()
    {
        if (!state_)
            return std::nullopt;
        std::optional<Result> result;
        {
            const std::lock_guard lock(state_->mutex);
            result.swap(state_->result);
        }
        if (result)
            state_.reset();
        return result;
    }

    // Forgets the reading under way; its thread finishes on its own.
    void abandon() { state_.reset(); }

    // Waits up to `patience` for the reading under way; for tests.
    bool waitFor(std::chrono::milliseconds patience) const
    {
        const auto until = std::chrono::steady_clock::now() + patience;
        while (state_ && std::chrono::steady_clock::now() < until) {
            {
                const std::lock_guard lock(state_->mutex);
                if (state_->result)
                    return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return false;
    }

private:
    struct State
    {
        std::mutex mutex;
        std::optional<Result> result;
        std::chrono::steady_clock::time_point started;
    };
    std::shared_ptr<State> state_;
};

} // namespace classview
