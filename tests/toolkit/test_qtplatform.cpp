#include "qtplatform.h"

#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
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

TEST(QtPlatform, ANewSoundCutsThePreviousOneAndAMissingFileBeeps)
{
    struct Recording : toolkit::SoundOutput
    {
        QStringList* calls;
        explicit Recording(QStringList* log) : calls(log) {}
        void stop() override { *calls << QStringLiteral("stop"); }
        void play(const QString& path) override { *calls << "play " + QFileInfo(path).fileName(); }
        void beep() override { *calls << QStringLiteral("beep"); }
    };
    QStringList calls;
    QtPlatform platform(QStringLiteral("Lunipo"), std::make_unique<Recording>(&calls));
    platform.playSound(QStringLiteral(LUNIPO_SOURCE_DIR "/data/sonidos/acierto.wav"));
    platform.playSound(QStringLiteral(LUNIPO_SOURCE_DIR "/data/sonidos/error.wav"));
    platform.playSound(QStringLiteral("/no/such/sound.wav"));
    platform.playSound(QStringLiteral(LUNIPO_SOURCE_DIR "/data/sonidos")); // a folder
    EXPECT_EQ(calls,
              QStringList({"stop", "play acierto.wav", "stop", "play error.wav", "beep", "beep"}));
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

TEST(QtPlatform, AClipboardWithoutAPictureGivesANullOne)
{
    QtPlatform platform(QStringLiteral("Lunipo"));
    QGuiApplication::clipboard()->setText(QStringLiteral("solo texto"));
    EXPECT_TRUE(platform.clipboardImage().isNull());
    QGuiApplication::clipboard()->clear();
    EXPECT_TRUE(platform.clipboardImage().isNull());
}
