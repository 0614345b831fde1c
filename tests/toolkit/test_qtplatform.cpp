#include "qtplatform.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using toolkit::QtPlatform;

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

TEST(QtPlatform, SoundsNeverHoldUpTheCaller)
{
    // Without a sound device, and for a missing file, playing returns at once.
    QtPlatform platform(QStringLiteral("Lunipo"));
    QElapsedTimer clock;
    clock.start();
    platform.playSound(QStringLiteral(LUNIPO_SOURCE_DIR "/data/sonidos/acierto.wav"));
    platform.playSound(QStringLiteral(LUNIPO_SOURCE_DIR "/data/sonidos/error.wav"));
    platform.playSound(QStringLiteral("/no/such/sound.wav"));
    EXPECT_LT(clock.elapsed(), 500);
}
