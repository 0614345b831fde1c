#include "parkedimage.h"

#include <QThreadPool>
#include <atomic>
#include <condition_variable>
#include <mutex>

namespace toolkit {

// Shared by the holder and the workers that compress and decompress for it.
struct ParkedImage::State
{
    std::mutex mutex;
    std::condition_variable changed;
    QImage pixels;        // while held, or until the compression is done
    CompactImage compact; // once compressed
    bool compressed = false;
    bool compressing = false;
    bool keepPixels = false; // held or prefetched
};

namespace {

// Runs `work` on the shared pool with the state, unless nobody holds the
// state any more by then.
template <class State, class Work> void inBackground(const std::shared_ptr<State>& state, Work work)
{
    QThreadPool::globalInstance()->start([weak = std::weak_ptr<State>(state), work]() mutable {
        if (const std::shared_ptr<State> alive = weak.lock())
            work(*alive);
    });
}

} // namespace

void ParkedImage::hold(const QImage& image)
{
    if (image.isNull()) {
        state_.reset();
        return;
    }
    state_ = std::make_shared<State>();
    state_->pixels = image;
    state_->keepPixels = true;
}

void ParkedImage::park(const QImage& image)
{
    hold(image);
    park();
}

namespace {

// Pictures waiting for a worker keep all their pixels. When they come faster
// than the workers compress them (a script, a machine under load), the
// drawing thread compresses the next one itself rather than let them pile
// up in memory.
constexpr int MostWaiting = 4;
std::atomic<int> waiting{0};

} // namespace

void ParkedImage::park()
{
    if (!state_)
        return;
    std::unique_lock<std::mutex> lock(state_->mutex);
    state_->keepPixels = false;
    if (state_->compressed) {
        state_->pixels = QImage();
        return;
    }
    if (state_->compressing)
        return;
    if (waiting >= MostWaiting) {
        state_->compact = CompactImage(state_->pixels);
        state_->compressed = true;
        state_->pixels = QImage();
        return;
    }
    state_->compressing = true;
    ++waiting;
    lock.unlock();
    // Counted out even when nobody wants the picture any more.
    struct Waiting
    {
        ~Waiting() { --waiting; }
    };
    inBackground(state_, [counted = std::make_shared<Waiting>()](State& state) {
        QImage picture;
        {
            std::lock_guard<std::mutex> lock(state.mutex);
            picture = state.pixels;
        }
        const CompactImage compact(picture);
        {
            std::lock_guard<std::mutex> lock(state.mutex);
            state.compact = compact;
            state.compressed = true;
            state.compressing = false;
            if (!state.keepPixels)
                state.pixels = QImage();
        }
        state.changed.notify_all();
    });
}

// The pixels are allocated here, on the thread that will use them: memory
// a worker allocates stays in the worker's own heap, where the drawing
// thread cannot reuse it.
void ParkedImage::prefetch()
{
    if (!state_)
        return;
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->keepPixels = true;
    if (!state_->pixels.isNull() || !state_->compressed)
        return;
    QImage target(state_->compact.size(), state_->compact.format());
    inBackground(state_, [target](State& state) mutable {
        CompactImage compact;
        {
            std::lock_guard<std::mutex> lock(state.mutex);
            if (!state.pixels.isNull() || !state.keepPixels)
                return;
            compact = state.compact;
        }
        if (!compact.decompressInto(target))
            return;
        std::lock_guard<std::mutex> lock(state.mutex);
        if (state.keepPixels && state.pixels.isNull())
            state.pixels = target;
    });
}

QImage ParkedImage::image() const
{
    if (!state_)
        return {};
    CompactImage compact;
    {
        std::lock_guard<std::mutex> lock(state_->mutex);
        if (!state_->pixels.isNull())
            return state_->pixels;
        compact = state_->compact;
    }
    return compact.image();
}

bool ParkedImage::isNull() const
{
    return !state_;
}

CompactImage ParkedImage::compact() const
{
    if (!state_)
        return {};
    std::unique_lock<std::mutex> lock(state_->mutex);
    state_->changed.wait(lock, [this] { return !state_->compressing; });
    if (!state_->compressed) { // held and never parked: compressed here
        state_->compact = CompactImage(state_->pixels);
        state_->compressed = true;
    }
    return state_->compact;
}

} // namespace toolkit
