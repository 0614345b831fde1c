#include "soundplayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QFile>
#include <QLoggingCategory>
#include <QMediaDevices>

#include <samplerate.h>
#include <sndfile.h>

#include <algorithm>
#include <deque>
#include <vector>

namespace toolkit {

Q_LOGGING_CATEGORY(lcSound, "lunipo.sound")

namespace {

// The stream is 16-bit stereo at the device's own rate; every file is brought
// to that, whatever it was made at.
constexpr int Channels = 2;
constexpr int BytesPerFrame = Channels * int(sizeof(qint16));
// A sound cut short by the next one fades out over this long, instead of
// stopping dead with a click.
constexpr int FadeMs = 5;
// How far the stream runs ahead of the loudspeaker. A new sound waits behind
// at most this much of the old one; less risks gaps while the UI is busy.
constexpr int BufferMs = 50;
// Silence fed after the last sound before the stream is closed. Much longer
// than the buffer, so that closing never drops anything audible.
constexpr int CloseAfterSilenceMs = 1500;
// How often the stream is topped up: well within the buffer.
constexpr int FeedMs = 5;

// Reads up to `count` frames of `file` into `stereo` as stereo frames: mono
// goes to both sides, and of more channels the first two (front left and
// right in a WAV file) are kept.
long readStereo(SNDFILE* file, int channels, std::vector<float>& scratch, float* stereo, long count)
{
    scratch.resize(size_t(count) * size_t(channels));
    const long got = long(sf_readf_float(file, scratch.data(), count));
    for (long i = 0; i < got; ++i) {
        const float* frame = &scratch[size_t(i) * size_t(channels)];
        stereo[2 * i] = frame[0];
        stereo[2 * i + 1] = channels > 1 ? frame[1] : frame[0];
    }
    return got;
}

} // namespace

// One sound file being played, decoded a block at a time as the stream asks
// for it, so that a long file costs neither a wait nor much memory.
class Voice
{
public:
    ~Voice()
    {
        if (converter_)
            src_delete(converter_);
        if (file_)
            sf_close(file_);
    }

    // Null when `path` is not a sound file libsndfile can read.
    static std::unique_ptr<Voice> open(const QString& path, int rate)
    {
        SF_INFO info{};
        SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
        if (!file)
            return nullptr;
        std::unique_ptr<Voice> voice(new Voice(file, info.channels));
        if (info.samplerate != rate) {
            int error = 0;
            voice->ratio_ = double(rate) / info.samplerate;
            voice->converter_ =
                src_callback_new(&Voice::supply, SRC_SINC_FASTEST, Channels, &error, voice.get());
            if (!voice->converter_)
                return nullptr;
        }
        return voice;
    }

    // Adds up to `frames` stereo frames of the sound into `out`. Returns how
    // many it added; fewer than asked means the sound has ended.
    long addTo(float* out, long frames)
    {
        if (fadeLeft_ >= 0)
            frames = std::min<long>(frames, fadeLeft_);
        decoded_.resize(size_t(frames) * Channels);
        const long got = converter_
                             ? src_callback_read(converter_, ratio_, frames, decoded_.data())
                             : readStereo(file_, channels_, scratch_, decoded_.data(), frames);
        for (long i = 0; i < std::max(got, 0L); ++i) {
            float gain = 1;
            if (fadeLeft_ >= 0)
                gain = float(fadeLeft_--) / float(fadeLength_);
            out[2 * i] += gain * decoded_[2 * size_t(i)];
            out[2 * i + 1] += gain * decoded_[2 * size_t(i) + 1];
        }
        return std::max(got, 0L);
    }

    // Ends the sound `frames` frames from now, growing quieter on the way.
    void fadeOut(int frames)
    {
        if (fadeLeft_ < 0)
            fadeLeft_ = fadeLength_ = std::max(frames, 1);
    }

private:
    Voice(SNDFILE* file, int channels) : file_(file), channels_(channels) {}

    // libsamplerate asks here for more of the file; 0 frames ends the input.
    static long supply(void* self, float** data)
    {
        auto* voice = static_cast<Voice*>(self);
        constexpr long Block = 1024;
        voice->input_.resize(Block * Channels);
        *data = voice->input_.data();
        return readStereo(voice->file_, voice->channels_, voice->scratch_, *data, Block);
    }

    SNDFILE* file_;
    int channels_;
    SRC_STATE* converter_ = nullptr; // null when the file is at the stream's rate
    double ratio_ = 1;
    std::vector<float> scratch_; // frames as the file holds them
    std::vector<float> input_;   // stereo frames at the file's rate
    std::vector<float> decoded_; // stereo frames at the stream's rate
    int fadeLeft_ = -1;          // frames until a fade-out ends; -1 without one
    int fadeLength_ = 0;
};

// What the stream plays: the sequence of sounds being played, one after the
// other, any sounds it is fading out, and silence when there is nothing to
// play, so that the stream never runs dry while it is open.
class SoundMixer
{
public:
    explicit SoundMixer(int rate) : rate_(rate) {}

    int rate() const { return rate_; }

    // Plays `sequence` from its first sound on, in place of whatever was
    // playing (faded out) or waiting its turn (dropped).
    void start(std::deque<std::unique_ptr<Voice>> sequence)
    {
        if (!waiting_.empty()) {
            waiting_.front()->fadeOut(rate_ * FadeMs / 1000);
            fading_.push_back(std::move(waiting_.front()));
        }
        waiting_ = std::move(sequence);
        silentFrames_ = 0;
    }

    // Milliseconds of plain silence handed out since the last sound.
    qint64 silentMs() const { return silentFrames_ * 1000 / rate_; }

    // The next `frames` stereo frames, as 16-bit samples. A sound that ends
    // within them is followed at once, in the same frames, by the next.
    const QByteArray& next(long frames)
    {
        const bool silent = waiting_.empty() && fading_.empty();
        mix_.assign(size_t(frames) * Channels, 0.0f);
        for (auto& voice : fading_)
            if (voice->addTo(mix_.data(), frames) < frames)
                voice.reset();
        fading_.erase(std::remove(fading_.begin(), fading_.end(), nullptr), fading_.end());
        long done = 0;
        while (done < frames && !waiting_.empty()) {
            done += waiting_.front()->addTo(mix_.data() + done * Channels, frames - done);
            if (done < frames) // it has ended
                waiting_.pop_front();
        }
        silentFrames_ = silent ? silentFrames_ + frames : 0;
        out_.resize(qsizetype(mix_.size() * sizeof(qint16)));
        auto* out = reinterpret_cast<qint16*>(out_.data());
        for (size_t i = 0; i < mix_.size(); ++i)
            out[i] = qint16(std::clamp(mix_[i] * 32768.0f, -32768.0f, 32767.0f));
        return out_;
    }

private:
    int rate_;
    std::deque<std::unique_ptr<Voice>> waiting_; // the one playing first, then the next ones
    std::vector<std::unique_ptr<Voice>> fading_;
    std::vector<float> mix_;
    QByteArray out_;
    qint64 silentFrames_ = 0;
};

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent)
{
    feeder_.setInterval(FeedMs);
    feeder_.setTimerType(Qt::PreciseTimer);
    connect(&feeder_, &QTimer::timeout, this, &SoundPlayer::feed);
}

SoundPlayer::~SoundPlayer()
{
    if (sink_)
        sink_->stop();
}

bool SoundPlayer::play(const QStringList& paths)
{
    // Without a device, still tell whether any file is a sound, so that the
    // caller can beep.
    const int rate = makeSink() ? mixer_->rate() : 48000;
    std::deque<std::unique_ptr<Voice>> sequence;
    for (const QString& path : paths)
        if (std::unique_ptr<Voice> voice = Voice::open(path, rate))
            sequence.push_back(std::move(voice));
    if (sequence.empty())
        return false;
    if (!mixer_)
        return true;
    mixer_->start(std::move(sequence));
    if (!stream_) {
        stream_ = sink_->start();
        if (!stream_) {
            reportNoSound("the sound stream would not start");
            return true;
        }
        feeder_.start();
    }
    feed(); // the first block now, not one tick later
    return true;
}

// Makes the sink on first use, on the default output at its preferred rate.
bool SoundPlayer::makeSink()
{
    if (sink_)
        return true;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        reportNoSound("there is no sound device");
        return false;
    }
    QAudioFormat format;
    const int rate = device.preferredFormat().sampleRate();
    format.setSampleRate(rate >= 8000 && rate <= 192000 ? rate : 48000);
    format.setChannelCount(Channels);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) {
        reportNoSound("the sound device takes no 16-bit stereo");
        return false;
    }
    mixer_ = std::make_unique<SoundMixer>(format.sampleRate());
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->setBufferSize(format.bytesForDuration(BufferMs * 1000));
    return true;
}

// Tops the stream up to its buffer size. Closing the stream drops what it
// holds, so it is closed only once it has held nothing but silence for a good
// while; it opens again on the next sound.
void SoundPlayer::feed()
{
    if (sink_->state() == QAudio::StoppedState) { // the server went away
        feeder_.stop();
        stream_ = nullptr;
        reportNoSound("the sound stream stopped");
        return;
    }
    const long frames = long(sink_->bytesFree() / BytesPerFrame);
    if (frames > 0)
        stream_->write(mixer_->next(frames));
    if (mixer_->silentMs() >= CloseAfterSilenceMs) {
        feeder_.stop();
        sink_->stop();
        stream_ = nullptr;
    }
}

void SoundPlayer::reportNoSound(const char* why)
{
    if (reported_)
        return;
    reported_ = true;
    qCWarning(lcSound, "No sounds will be heard: %s.", why);
}

} // namespace toolkit
