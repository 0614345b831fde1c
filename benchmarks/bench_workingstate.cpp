// Keeping the editor's working state on a 1920 x 1080 screen with a busy
// current page and nine compacted pages: what the UI thread pays (the
// snapshot, and the first stroke after it, which copies the page the worker
// still holds) and what the worker pays (compressing and writing).

#include "editor/autosave.h"
#include "editor/workingstate.h"
#include "editorbench.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// The current page busy, the other nine compacted.
struct BusyEditor : Editor
{
    BusyEditor() { busyPage(0); }
};

void BM_WorkingStateSnapshot(benchmark::State& state)
{
    BusyEditor editor;
    for (auto _ : state)
        benchmark::DoNotOptimize(editor.form->workingState());
}
BENCHMARK(BM_WorkingStateSnapshot)->Unit(benchmark::kMicrosecond);

// A line while the worker still holds the page, against a line alone.
void BM_LineAfterSnapshot(benchmark::State& state)
{
    BusyEditor editor;
    for (auto _ : state) {
        state.PauseTiming();
        editor::WorkingState held;
        if (state.range(0))
            held = editor.form->workingState();
        state.ResumeTiming();
        editor.line(3000, 3000, 9000, 6000);
    }
}
BENCHMARK(BM_LineAfterSnapshot)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_WorkingStateEncodeAndWrite(benchmark::State& state)
{
    BusyEditor editor;
    QTemporaryDir dir;
    editor::WorkingStateStore store(dir.path());
    for (auto _ : state)
        store.write(editor::encode(editor.form->workingState()));
}
BENCHMARK(BM_WorkingStateEncodeAndWrite)->Unit(benchmark::kMillisecond);

} // namespace
