#include "qtplatform.h"
#include "soundplayer.h"

#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using toolkit::QtPlatform;

namespace {

TEST(QtPlatform, SystemFolderComesFromTheEnvironmentAndIsCreated)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("lunipo/system32"));
    qputenv("LUNIPO_SYSTEM_DIR", folder.toLocal8Bit());
    QtPlatform platform(QStringLiteral("Lunipo"));
    EXPECT_EQ(platform.systemFolder(), folder);
    EXPECT_TRUE(QDir(folder).exists());
    qunsetenv("LUNIPO_SYSTEM_DIR");
}

int soundMessages = 0;

void countSoundMessages(QtMsgType, const QMessageLogContext& context, const QString&)
{
    if (QLatin1String(context.category) == QLatin1String("lunipo.sound"))
        ++soundMessages;
}

TEST(QtPlatform, SoundsNeverHoldUpTheCaller)
{
    // Without a sound server, and for a missing file, playing returns at once,
    // and the missing server is told once, not at every sound.
    qputenv("PULSE_SERVER", "unix:/nonexistent/lunipo/pulse.sock");
    QtMessageHandler previous = qInstallMessageHandler(countSoundMessages);
    QtPlatform platform(QStringLiteral("Lunipo"));
    QElapsedTimer clock;
    clock.start();
    platform.playSound(QStringLiteral(LUNIPO_SOURCE_DIR "/data/sonidos/acierto.wav"));
    platform.playSound(QStringLiteral(LUNIPO_SOURCE_DIR "/data/sonidos/error.wav"));
    platform.playSound(QStringLiteral("/no/such/sound.wav"));
    platform.playSound(QStringLiteral(LUNIPO_SOURCE_DIR "/data/sonidos/combo.wav"));
    EXPECT_LT(clock.elapsed(), 500);
    EXPECT_EQ(soundMessages, 1);
    qInstallMessageHandler(previous);
    qunsetenv("PULSE_SERVER");
}

// The hint drops its wait from inside the wait's own tick.
TEST(QtPlatform, ATickerTicksUntilDroppedEvenByItsOwnTick)
{
    QtPlatform platform(QStringLiteral("Lunipo"));
    int ticks = 0;
    std::unique_ptr<toolkit::Platform::Ticker> ticker;
    ticker = platform.startTicker(1, [&] {
        if (++ticks == 3)
            ticker.reset();
    });
    QElapsedTimer waited;
    waited.start();
    while (ticker && waited.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 3);
}

TEST(QtPlatform, AClipboardWithoutAPictureGivesANullOne)
{
    QtPlatform platform(QStringLiteral("Lunipo"));
    QGuiApplication::clipboard()->setText(QStringLiteral("solo texto"));
    EXPECT_TRUE(platform.clipboardImage().isNull());
    QGuiApplication::clipboard()->clear();
    EXPECT_TRUE(platform.clipboardImage().isNull());
}

// The player refuses what it cannot play, and the platform then gives the
// desktop's beep instead.
TEST(SoundPlayer, RefusesMissingAndUnreadableFilesSoTheDesktopBeeps)
{
    QTemporaryDir dir;
    QFile text(dir.filePath(QStringLiteral("texto.wav")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("esto no es un sonido");
    text.close();
    toolkit::SoundPlayer player;
    EXPECT_FALSE(player.play(QStringLiteral("/no/such/sound.wav")));
    EXPECT_FALSE(player.play(dir.path()));
    EXPECT_FALSE(player.play(text.fileName()));
}

} // namespace
