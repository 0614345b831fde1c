#include "qtplatform.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

} // namespace
