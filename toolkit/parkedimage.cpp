#include "parkedimage.h"

#include <QThreadPool>
#include <condition_variable>
#include <mutex>

namespace toolkit {

// Shared by the holder and the worker that compresses for it. Until the
// worker is done the picture itself is kept; afterwards only its compressed
// form.
struct ParkedImage::State
{
    std::mutex mutex;
    std::condition_variable compressed;
    QImage image;
    CompactImage compact;
    bool done = false;
};

void ParkedImage::park(const QImage& image)
{
    if (image.isNull()) {
        state_.reset();
        return;
    }
    auto state = std::make_shared<State>();
    state->image = image;
    state_ = state;
    // A picture parked again before its turn came is not compressed at all.
    QThreadPool::globalInstance()->start([weak = std::weak_ptr<State>(state)] {
        const std::shared_ptr<State> state = weak.lock();
        if (!state)
            return;
        QImage picture;
        {
            const std::lock_guard<std::mutex> lock(state->mutex);
            picture = state->image;
        }
        const CompactImage compact(picture);
        {
            const std::lock_guard<std::mutex> lock(state->mutex);
            state->compact = compact;
            state->image = QImage();
            state->done = true;
        }
        state->compressed.notify_all();
    });
}

QImage ParkedImage::image() const
{
    if (!state_)
        return {};
    CompactImage compact;
    {
        const std::lock_guard<std::mutex> lock(state_->mutex);
        if (!state_->done)
            return state_->image;
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
    state_->compressed.wait(lock, [this] { return state_->done; });
    return state_->compact;
}

} // namespace toolkit
