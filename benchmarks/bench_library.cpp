// The editor's theme library on a theme of 150 activities: opening the
// window, drawing every thumbnail, and renumbering them all.

#include "activitylistmodel.h"
#include "editor/librarywindow.h"
#include "fakeplatform.h"
#include "themelibrary.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int Activities = 150;
constexpr int DotsEach = 60;

void writeActivity(const QString& path, int seed)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(" 10790 \r\n 8185 \r\nSI\r\n 250 \r\n 14 \r\n");
    for (int i = 0; i < DotsEach; ++i)
        file.write(QStringLiteral("%1,%2,%3,0,0,128,\r\n")
                       .arg(i + 1)
                       .arg(300 + (i * 37 + seed * 11) % 10000)
                       .arg(300 + (i * 53 + seed * 7) % 7500)
                       .toLatin1());
}

struct Library
{
    QTemporaryDir app;
    QString theme = app.filePath("actividades/formas");
    toolkit::FakePlatform platform;

    Library()
    {
        platform.applicationFolder = app.path();
        fill();
    }
    void fill()
    {
        QDir().mkpath(theme);
        for (int n = 1; n <= Activities; ++n)
            writeActivity(QStringLiteral("%1/%2.txt").arg(theme).arg(n), n);
    }
    editor::LibraryWindow::Work work() const
    {
        editor::LibraryWindow::Work work;
        work.contents = [] { return QByteArray("1,600,300,0,0,0,\r\n"); };
        work.openedFrom = theme + QStringLiteral("/1.txt");
        return work;
    }
};

// The window's list of cards, by the name it was given.
editor::ActivityListModel* cards(const editor::LibraryWindow& window)
{
    return dynamic_cast<editor::ActivityListModel*>(window.findChild<QObject*>("activities"));
}

// Built, shown and painted once, the thumbnails left drawing behind.
void BM_LibraryWindowOpens(benchmark::State& state)
{
    Library library;
    for (auto _ : state) {
        editor::LibraryWindow window(library.platform, library.work());
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(cards(window)->rowCount());
        state.PauseTiming();
        cards(window)->waitForThumbnails();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LibraryWindowOpens)->Unit(benchmark::kMillisecond);

void BM_LibraryThumbnailsOfATheme(benchmark::State& state)
{
    Library library;
    editor::LibraryWindow window(library.platform, library.work());
    for (auto _ : state) {
        cards(window)->setTheme(library.theme);
        cards(window)->waitForThumbnails();
    }
}
BENCHMARK(BM_LibraryThumbnailsOfATheme)->Unit(benchmark::kMillisecond);

// VmRSS of this process in megabytes.
double residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ')[0].toDouble() / 1024;
    return 0;
}

// A shared theme someone filled with 50,000 empty activity files: the window
// opens, shows its first cards and draws only their thumbnails. The counter
// is what the window holds on top of the editor.
void BM_LibraryWindowOnFiftyThousandFiles(benchmark::State& state)
{
    static Library library; // made once: 50,000 files take a while
    static const bool filled = [] {
        for (int n = Activities + 1; n <= 50000; ++n)
            QFile(QStringLiteral("%1/%2.txt").arg(library.theme).arg(n)).open(QIODevice::WriteOnly);
        return true;
    }();
    Q_UNUSED(filled);
    for (auto _ : state) {
        const double before = residentMegabytes();
        editor::LibraryWindow window(library.platform, library.work());
        window.show();
        QApplication::processEvents();
        state.PauseTiming();
        state.counters["added_MB"] = residentMegabytes() - before;
        state.counters["rows"] = cards(window)->rowCount();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LibraryWindowOnFiftyThousandFiles)->Unit(benchmark::kMillisecond)->Iterations(3);

// The first activity removed: the 149 after it all move down one.
void BM_LibraryRenumbersATheme(benchmark::State& state)
{
    Library library;
    QTemporaryDir papelera;
    toolkit::ThemeLibrary store({}, toolkit::Share::current(), papelera.path());
    store.useDesktopTrash = false;
    for (auto _ : state) {
        state.PauseTiming();
        library.fill();
        state.ResumeTiming();
        if (!store.remove(library.theme, 1).isEmpty())
            state.SkipWithError("not renumbered");
    }
}
BENCHMARK(BM_LibraryRenumbersATheme)->Unit(benchmark::kMillisecond);

} // namespace
