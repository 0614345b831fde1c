// Keeping the editor's working state on a 1920 x 1080 screen with a busy
// current page and nine compacted pages: what the UI thread pays (the
// snapshot, and the first stroke after it, which copies the page the worker
// still holds) and what the worker pays (compressing and writing).

#include "editor/autosave.h"
#include "editor/form1.h"
#include "editor/workingstate.h"
#include "fakeplatform.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct Editor
{
    QTemporaryDir folder;
    toolkit::FakePlatform platform;
    std::unique_ptr<editor::Form1> form;

    Editor()
    {
        platform.applicationFolder = folder.path();
        platform.screenWidthPx = 1920;
        platform.screenHeightPx = 1080;
        form = std::make_unique<editor::Form1>(platform);
        form->Form_Load();
        form->Command1_Click(2);
        for (int i = 0; i < 60; ++i)
            line((i * 997) % 25000, 0, (i * 1543) % 25000, 13000);
    }
    void line(double x1, double y1, double x2, double y2) const
    {
        form->Picture1_MouseMove(0, 0, float(x1), float(y1));
        form->Picture1_MouseDown(1, 0, float(x1), float(y1));
        form->Picture1_MouseMove(1, 0, float(x2), float(y2));
        form->Picture1_MouseUp(1, 0, float(x2), float(y2));
    }
};

void BM_WorkingStateSnapshot(benchmark::State& state)
{
    Editor editor;
    for (auto _ : state)
        benchmark::DoNotOptimize(editor.form->workingState());
}
BENCHMARK(BM_WorkingStateSnapshot)->Unit(benchmark::kMicrosecond);

// A line while the worker still holds the page, against a line alone.
void BM_LineAfterSnapshot(benchmark::State& state)
{
    Editor editor;
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
    Editor editor;
    QTemporaryDir dir;
    editor::WorkingStateStore store(dir.path());
    for (auto _ : state)
        store.write(editor::encode(editor.form->workingState()));
}
BENCHMARK(BM_WorkingStateEncodeAndWrite)->Unit(benchmark::kMillisecond);

} // namespace
