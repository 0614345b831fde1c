// Resident memory of the editor: right after start-up, and at its peak once
// all ten pages are drawn on and every undo ring is full.

#include "editor/editorwindow.h"
#include "fakeplatform.h"

#include <QFile>
#include <benchmark/benchmark.h>

namespace {

using Tool = editor::EditorWindow::Tool;

// A figure of /proc/self/status in megabytes ("VmRSS", "VmHWM").
double statusMegabytes(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(static_cast<int>(qstrlen(field)) + 1)
                       .trimmed()
                       .split(' ')[0]
                       .toDouble() /
                   1024;
    return 0;
}

void BM_EditorMemory(benchmark::State& state)
{
    for (auto _ : state) {
        toolkit::FakePlatform platform;
        platform.screenWidthPx = static_cast<int>(state.range(0));
        platform.screenHeightPx = static_cast<int>(state.range(1));
        editor::EditorWindow form(platform);
        form.startUp();
        state.counters["startup_MB"] = statusMegabytes("VmRSS:");
        for (int page = 0; page < editor::EditorWindow::Pages; ++page) {
            form.choosePage(page);
            form.chooseWidth(6);
            for (int stroke = 0; stroke < 9; ++stroke) {
                const float y = 300.0f + 1500.0f * static_cast<float>(stroke);
                form.pressOnCanvas(toolkit::vbLeftButton, 0, 300, y);
                form.moveOnCanvas(toolkit::vbLeftButton, 0, 20000, y + 900 * page);
                form.releaseOnCanvas(toolkit::vbLeftButton, 0, 20000, y);
            }
            form.chooseTool(Tool::Undo);
            form.chooseTool(Tool::Undo);
        }
        state.counters["drawn_MB"] = statusMegabytes("VmRSS:");
    }
    state.counters["peak_MB"] = statusMegabytes("VmHWM:");
}
// Run one size per process (--benchmark_filter=/1920/), or the peak of the
// first run hides the second's.
BENCHMARK(BM_EditorMemory)
    ->Args({800, 600})
    ->Args({1920, 1080})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
