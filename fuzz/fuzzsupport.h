#pragma once

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

// Shared set-up of the fuzz targets: one offscreen application for the whole
// run, and files written where the programs look for them.
namespace fuzz {

inline void startApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // What the player keeps for the user (a child's progress) stays in the run.
    static QTemporaryDir userData;
    qputenv("XDG_DATA_HOME", userData.path().toLocal8Bit());
    // Never torn down: libFuzzer ends the process from inside its loop, and
    // Qt's clean-up then would run under windows still open.
    static auto* app = new QApplication(argc, argv);
    Q_UNUSED(app);
}

inline void writeFile(const QString& path, const uint8_t* data, size_t size)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort(); // the run cannot go on without its scratch folder
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
}

} // namespace fuzz
