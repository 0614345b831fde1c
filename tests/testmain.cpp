#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Tests never need a display: windows are built and driven offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Whatever a test makes fall back to the user's data folder lands in a
    // folder of its own, never in the real user's.
    QTemporaryDir userData;
    qputenv("XDG_DATA_HOME", userData.path().toLocal8Bit());
    // Nor does a package installed on this machine, or a lab's settings
    // file, change what a test sees: the system folders are empty ones.
    QTemporaryDir system;
    for (const char* name : {"XDG_DATA_DIRS", "XDG_CONFIG_DIRS", "XDG_CONFIG_HOME"}) {
        const QString folder = system.filePath(QString::fromLatin1(name));
        QDir().mkpath(folder);
        qputenv(name, folder.toLocal8Bit());
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
