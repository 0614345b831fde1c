#pragma once

// A private PulseAudio server with one null sink, and a recorder of what that
// sink plays, for tests that listen to the program's sounds as a user would.

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <vector>

namespace soundtest {

// Samples in [-1, 1], one channel.
using Samples = std::vector<float>;

// Runs the event loop for `ms` milliseconds, so that audio fed from the UI
// thread keeps flowing while a test waits.
inline void pump(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// A stretch of sound louder than the silence threshold, in milliseconds from
// the start of the samples it was found in.
struct Span
{
    double startMs = 0;
    double endMs = 0;
    double hz = 0;      // from zero crossings; meaningful for plain tones
    double maxStep = 0; // largest change between neighbouring samples

    double lengthMs() const { return endMs - startMs; }
};

// Audible stretches of `samples`, merging quiet gaps shorter than `mergeGapMs`.
inline std::vector<Span> audibleSpans(const Samples& samples, int rate, double mergeGapMs = 30,
                                      float threshold = 0.01f)
{
    std::vector<std::pair<size_t, size_t>> runs; // [first, last] loud sample
    const size_t mergeGap = size_t(mergeGapMs * rate / 1000);
    for (size_t i = 0; i < samples.size(); ++i) {
        if (std::fabs(samples[i]) < threshold)
            continue;
        if (!runs.empty() && i - runs.back().second <= mergeGap)
            runs.back().second = i;
        else
            runs.push_back({i, i});
    }
    std::vector<Span> spans;
    for (auto [first, last] : runs) {
        Span span;
        span.startMs = 1000.0 * first / rate;
        span.endMs = 1000.0 * (last + 1) / rate;
        int crossings = 0;
        bool positive = samples[first] > 0;
        for (size_t i = first; i <= last; ++i) {
            if (i > 0)
                span.maxStep =
                    std::max(span.maxStep, double(std::fabs(samples[i] - samples[i - 1])));
            // A little hysteresis, so that noise near zero is not counted.
            if (positive ? samples[i] < -threshold : samples[i] > threshold) {
                positive = !positive;
                ++crossings;
            }
        }
        span.hz = crossings / 2.0 / (span.lengthMs() / 1000.0);
        spans.push_back(span);
    }
    return spans;
}

// The first channel of a sound file, and its rate; empty when unreadable.
inline Samples readSoundFile(const QString& path, int* rate)
{
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return {};
    std::vector<float> frames(size_t(info.frames) * size_t(info.channels));
    sf_readf_float(file, frames.data(), info.frames);
    sf_close(file);
    Samples first(size_t(info.frames));
    for (size_t i = 0; i < first.size(); ++i)
        first[i] = frames[i * size_t(info.channels)];
    *rate = info.samplerate;
    return first;
}

// Writes a tone of `hz` lasting `ms`, raised by `offset`, with 3 ms ramps so
// that the file itself never clicks, in the given libsndfile format (in a WAV
// file when it names no other, as SF_FORMAT_OGG does). Every channel carries it.
inline bool writeTone(const QString& path, int format, int rate, int channels, double hz, int ms,
                      double amplitude = 0.5, double offset = 0)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = (format & SF_FORMAT_TYPEMASK) ? format : SF_FORMAT_WAV | format;
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        return false;
    const int frames = rate * ms / 1000;
    const double ramp = rate * 0.003;
    std::vector<float> data;
    for (int i = 0; i < frames; ++i) {
        const double edge = std::min({1.0, i / ramp, (frames - 1 - i) / ramp});
        const float v = float(edge * (offset + amplitude * std::sin(2 * M_PI * hz * i / rate)));
        data.insert(data.end(), size_t(channels), v);
    }
    sf_writef_float(file, data.data(), frames);
    sf_close(file);
    return true;
}

// Starts `pulseaudio` in a temporary folder with a null sink named "rec" and
// points this process's sound clients at it. Ends only the processes it
// started. Check available() first: without PulseAudio installed it does
// nothing.
class SoundServer
{
public:
    static constexpr int RecordRate = 44100;

    SoundServer()
    {
        clock_.start();
        const QString pulseaudio = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        parec_ = QStandardPaths::findExecutable(QStringLiteral("parec"));
        if (pulseaudio.isEmpty() || parec_.isEmpty() || !dir_.isValid())
            return;
        const QString socket = dir_.filePath(QStringLiteral("pulse.sock"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), dir_.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir_.path());
        env.remove(QStringLiteral("PULSE_SERVER"));
        server_.setProcessEnvironment(env);
        recorder_.setProcessEnvironment(env);
        server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server_.setStandardOutputFile(QProcess::nullDevice());
        server_.start(
            pulseaudio,
            {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
             QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--log-level=error"),
             QStringLiteral("-L"), QStringLiteral("module-null-sink sink_name=rec norewinds=1"),
             QStringLiteral("-L"),
             QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + socket});
        if (!server_.waitForStarted(5000))
            return;
        for (int i = 0; i < 500 && !QFileInfo::exists(socket); ++i)
            QThread::msleep(10);
        if (!QFileInfo::exists(socket))
            return;
        serverAddress_ = "unix:" + QFile::encodeName(socket);
        qputenv("PULSE_SERVER", serverAddress_);
        env.insert(QStringLiteral("PULSE_SERVER"), QString::fromLocal8Bit(serverAddress_));
        recorder_.setProcessEnvironment(env);
    }

    ~SoundServer()
    {
        stopRecording();
        if (server_.state() != QProcess::NotRunning) {
            server_.terminate();
            if (!server_.waitForFinished(3000))
                server_.kill();
            server_.waitForFinished(1000);
        }
        qunsetenv("PULSE_SERVER");
    }

    bool available() const { return !serverAddress_.isEmpty(); }

    // Milliseconds on the clock that timestamps both calls and recordings.
    double now() const { return clock_.nsecsElapsed() / 1e6; }

    // Records the sink's monitor, mono at RecordRate, until stopRecording().
    // Returns once the first samples have arrived, so that the time of the
    // recording's first sample (recordingStart()) is known.
    bool startRecording()
    {
        recording_ = dir_.filePath(QStringLiteral("rec.raw"));
        recorder_.setStandardOutputFile(recording_);
        recorder_.start(parec_, {QStringLiteral("--latency-msec=20"), QStringLiteral("-d"),
                                 QStringLiteral("rec.monitor"), QStringLiteral("--file-format=raw"),
                                 QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                                 QStringLiteral("--rate=%1").arg(RecordRate)});
        if (!recorder_.waitForStarted(5000))
            return false;
        for (int i = 0; i < 5000; ++i) {
            const qint64 bytes = QFileInfo(recording_).size();
            if (bytes > 0) {
                recordingStart_ = now() - 1000.0 * double(bytes) / 2 / RecordRate;
                return true;
            }
            QThread::usleep(500);
        }
        return false;
    }

    // Ends the recorder the way a user would (SIGINT, so it flushes) and
    // returns what it recorded.
    Samples stopRecording()
    {
        if (recorder_.state() == QProcess::NotRunning)
            return {};
        ::kill(pid_t(recorder_.processId()), SIGINT);
        if (!recorder_.waitForFinished(3000)) {
            recorder_.kill();
            recorder_.waitForFinished(1000);
        }
        QFile file(recording_);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QByteArray raw = file.readAll();
        Samples samples(size_t(raw.size()) / 2);
        const auto* s16 = reinterpret_cast<const qint16*>(raw.constData());
        for (size_t i = 0; i < samples.size(); ++i)
            samples[i] = s16[i] / 32768.0f;
        return samples;
    }

    // Time, on now()'s clock, of the first recorded sample; good to a few ms.
    double recordingStart() const { return recordingStart_; }

    QString filePath(const QString& name) const { return dir_.filePath(name); }

private:
    QElapsedTimer clock_;
    QTemporaryDir dir_;
    QString parec_;
    QString recording_;
    QProcess server_;
    QProcess recorder_;
    QByteArray serverAddress_;
    double recordingStart_ = 0;
};

} // namespace soundtest
