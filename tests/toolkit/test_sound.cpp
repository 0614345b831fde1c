// The sound service heard through a real sound server: a private PulseAudio
// with a null sink whose monitor is recorded and compared with the files.

#include "qtplatform.h"
#include "soundserver.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

using soundtest::pump;
using soundtest::SoundServer;
using soundtest::Span;
using toolkit::QtPlatform;

namespace {

// Longest a sound may take to start, from the call, in milliseconds.
constexpr double MaxDelayMs = 50;
// Longest a call to playSound may take: it never waits for the sound, but
// the first opens the sound device, and a loaded machine may preempt it.
constexpr double MaxCallMs = 30;
constexpr double MaxFirstCallMs = 250;
// How far the recording's clock may be off the caller's: the recorder's first
// block tells when it started only to within a null sink's block.
constexpr double ClockSlackMs = 15;
// Sample-to-sample change of a 660 Hz tone at half scale is under 0.05; a
// sound cut dead jumps by up to its whole amplitude.
constexpr double ClickStep = 0.15;
// The same for tones of 100 and 150 Hz, which step by less than 0.02.
constexpr double LowToneClickStep = 0.05;

class SoundOnAServer : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!server.available())
            GTEST_SKIP() << "PulseAudio (pulseaudio, pulseaudio-utils) is not installed";
        platform = std::make_unique<QtPlatform>(QStringLiteral("Lunipo"));
    }

    // Runs `listen` (record, play, check) up to three times, reporting only
    // the last try's failures: on a machine shared with busy neighbours the
    // stream can be starved now and then, while a real fault shows every time.
    template <typename Listen> void onAQuietTry(Listen listen)
    {
        for (int attempt = 1; attempt < 3; ++attempt) {
            testing::TestPartResultArray failures;
            {
                testing::ScopedFakeTestPartResultReporter quiet(&failures);
                listen();
            }
            if (failures.size() == 0)
                return;
        }
        listen();
    }

    // Plays `path` and returns when it was asked for, on the server's clock.
    double play(const QString& path)
    {
        const double at = server.now();
        platform->playSound(path);
        // The first sound opens the device, once; no call waits for a sound.
        EXPECT_LT(server.now() - at, played++ ? MaxCallMs : MaxFirstCallMs)
            << "playSound held up its caller";
        return at - server.recordingStart();
    }

    QString tone(const QString& name, int format, int rate, int channels, double hz, int ms)
    {
        const QString path = server.filePath(name);
        EXPECT_TRUE(soundtest::writeTone(path, format, rate, channels, hz, ms));
        return path;
    }

    SoundServer server;
    int played = 0;
    std::unique_ptr<QtPlatform> platform; // declared last: gone before the server
};

TEST_F(SoundOnAServer, EveryFormatIsHeardWholeInOrderAtItsPitch)
{
    onAQuietTry([&] {
        ASSERT_TRUE(server.startRecording());
        struct Case
        {
            const char* name;
            int format;
            int rate;
            int channels;
            double hz;
            int ms;
        };
        const Case cases[] = {
            {"8-bit mono 11025 Hz, shorter than any buffer", SF_FORMAT_PCM_U8, 11025, 1, 880, 60},
            {"16-bit mono 22050 Hz, long", SF_FORMAT_PCM_16, 22050, 1, 440, 450},
            {"16-bit stereo 44100 Hz", SF_FORMAT_PCM_16, 44100, 2, 660, 120},
            {"16-bit stereo 48000 Hz", SF_FORMAT_PCM_16, 48000, 2, 550, 200},
            {"8-bit stereo 8000 Hz", SF_FORMAT_PCM_U8, 8000, 2, 330, 150},
            {"Ogg Vorbis mono 22050 Hz", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 22050, 1, 770, 300},
        };
        std::vector<double> calls;
        int n = 0;
        for (const Case& c : cases) {
            calls.push_back(play(
                tone(QString::number(n++) + ".snd", c.format, c.rate, c.channels, c.hz, c.ms)));
            pump(c.ms + 200);
        }
        const std::vector<Span> heard =
            soundtest::audibleSpans(server.stopRecording(), SoundServer::RecordRate);

        ASSERT_EQ(heard.size(), std::size(cases));
        for (size_t i = 0; i < heard.size(); ++i) {
            SCOPED_TRACE(cases[i].name);
            EXPECT_NEAR(heard[i].lengthMs(), cases[i].ms, 10);
            EXPECT_NEAR(heard[i].hz, cases[i].hz, cases[i].hz * 0.03);
            EXPECT_GE(heard[i].startMs, calls[i] - ClockSlackMs);
            EXPECT_LE(heard[i].startMs, calls[i] + MaxDelayMs);
            EXPECT_LT(heard[i].maxStep, ClickStep);
        }
    });
}

TEST_F(SoundOnAServer, ANewSoundCutsTheLastWithAFade)
{
    onAQuietTry([&] {
        ASSERT_TRUE(server.startRecording());
        // Low tones, the first raised well above zero, so that a cut with no
        // fade jumps far more than the tones ever step, whatever its phase.
        const QString longTone = server.filePath(QStringLiteral("long.wav"));
        const QString shortTone = server.filePath(QStringLiteral("short.wav"));
        ASSERT_TRUE(
            soundtest::writeTone(longTone, SF_FORMAT_PCM_16, 22050, 1, 100, 1000, 0.2, 0.5));
        ASSERT_TRUE(soundtest::writeTone(shortTone, SF_FORMAT_PCM_16, 22050, 1, 150, 200, 0.5));
        const double first = play(longTone);
        pump(250);
        const double second = play(shortTone);
        pump(500);
        const std::vector<Span> heard =
            soundtest::audibleSpans(server.stopRecording(), SoundServer::RecordRate);

        // One stretch of sound: the first until the cut, then the second, whole.
        ASSERT_EQ(heard.size(), 1u);
        EXPECT_GE(heard[0].startMs, first - ClockSlackMs);
        EXPECT_LE(heard[0].startMs, first + MaxDelayMs);
        const double secondStart = heard[0].endMs - 200;
        EXPECT_GE(secondStart, second - ClockSlackMs);
        EXPECT_LE(secondStart, second + MaxDelayMs);
        EXPECT_LT(heard[0].maxStep, LowToneClickStep);
    });
}

TEST_F(SoundOnAServer, ASequenceIsHeardWholeInOrderWithoutAGap)
{
    onAQuietTry([&] {
        ASSERT_TRUE(server.startRecording());
        // A short chime at 8 kHz mono, a file that is no sound (this one), a
        // long voice at 48 kHz stereo.
        platform->playSounds({tone("1.wav", SF_FORMAT_PCM_16, 8000, 1, 880, 120), __FILE__,
                              tone("2.wav", SF_FORMAT_PCM_16, 48000, 2, 440, 900)});
        pump(1300);
        const soundtest::Samples sound = server.stopRecording();
        // One stretch without a quiet millisecond, as long as both files.
        const std::vector<Span> heard = soundtest::audibleSpans(sound, SoundServer::RecordRate, 1);
        ASSERT_EQ(heard.size(), 1u);
        EXPECT_NEAR(heard[0].lengthMs(), 120 + 900, 10);
        // The chime first: the pitch of the first 100 ms.
        const auto start = sound.begin() + long(heard[0].startMs * 44.1);
        EXPECT_NEAR(soundtest::audibleSpans({start, start + 4410}, 44100)[0].hz, 880, 26);
    });
}

// The figures for the player's own sounds, printed as a table. Slow (about
// ten seconds), so run on demand: --gtest_also_run_disabled_tests.
TEST_F(SoundOnAServer, DISABLED_EachOfThePlayersSoundsIsHeardWhole)
{
    const QString folder = QStringLiteral(LUNIPO_SOURCE_DIR "/data/sonidos/");
    const QStringList names = QDir(folder).entryList({QStringLiteral("*.wav")}, QDir::Files);
    struct File
    {
        double ms;
        Span audible;
    };
    std::vector<File> files;
    std::vector<double> calls;
    ASSERT_TRUE(server.startRecording());
    for (const QString& name : names) {
        int rate = 0;
        const soundtest::Samples samples = soundtest::readSoundFile(folder + name, &rate);
        const std::vector<Span> spans = soundtest::audibleSpans(samples, rate, 150);
        ASSERT_FALSE(spans.empty());
        files.push_back(
            {1000.0 * samples.size() / rate, {spans.front().startMs, spans.back().endMs, 0, 0}});
        calls.push_back(play(folder + name));
        pump(int(files.back().ms) + 400);
    }
    const std::vector<Span> heard =
        soundtest::audibleSpans(server.stopRecording(), SoundServer::RecordRate, 150);
    std::printf("%-18s %8s %10s %8s %8s\n", "sound", "file ms", "audible ms", "heard ms",
                "delay ms");
    for (size_t i = 0; i < files.size(); ++i) {
        // What was heard between this call and the next.
        const double until = i + 1 < calls.size() ? calls[i + 1] : 1e9;
        Span whole{-1, -1, 0, 0};
        for (const Span& span : heard) {
            if (span.startMs < calls[i] || span.startMs >= until)
                continue;
            whole.startMs = whole.startMs < 0 ? span.startMs : whole.startMs;
            whole.endMs = span.endMs;
        }
        const double delay =
            whole.startMs < 0 ? -1 : whole.startMs - files[i].audible.startMs - calls[i];
        std::printf("%-18s %8.1f %10.1f %8.1f %8.1f\n", qPrintable(names[int(i)]), files[i].ms,
                    files[i].audible.lengthMs(), whole.lengthMs(), delay);
        EXPECT_NEAR(whole.lengthMs(), files[i].audible.lengthMs(), 10) << qPrintable(names[int(i)]);
        EXPECT_LT(delay, MaxDelayMs);
        EXPECT_GE(delay, -ClockSlackMs);
    }
}

} // namespace
