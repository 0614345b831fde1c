// The editor under the adult's hand on a 1920 x 1080 screen: the polygon
// preview with every mirror on (handler and repaint), committing a line with
// its undo snapshot, an undo, a pencil move and a page switch, on pages that
// already hold a busy drawing.

#include "editor/form1.h"
#include "fakeplatform.h"

#include <QApplication>
#include <QEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

constexpr int ScreenWidthPx = 1920;
constexpr int ScreenHeightPx = 1080;

struct Editor
{
    QTemporaryDir folder;
    toolkit::FakePlatform platform;
    std::unique_ptr<editor::Form1> form;

    Editor()
    {
        platform.applicationFolder = folder.path();
        platform.screenWidthPx = ScreenWidthPx;
        platform.screenHeightPx = ScreenHeightPx;
        form = std::make_unique<editor::Form1>(platform);
        form->Show();
        QApplication::processEvents();
        form->Command1_Click(6); // free placement: every move is a new point
    }

    void press(double x, double y) const
    {
        form->Picture1_MouseMove(0, 0, float(x), float(y));
        form->Picture1_MouseDown(1, 0, float(x), float(y));
    }
    void line(double x1, double y1, double x2, double y2) const
    {
        press(x1, y1);
        form->Picture1_MouseMove(1, 0, float(x2), float(y2));
        form->Picture1_MouseUp(1, 0, float(x2), float(y2));
    }

    // Criss-crossing lines in many colours on `page`, as a worked page
    // holds them, which also fills its undo ring.
    void busyPage(int page)
    {
        form->Command4_Click(page);
        form->Command1_Click(2);
        form->Command7_Click(3);
        const double w = form->Picture1->ScaleWidth();
        const double h = form->Picture1->ScaleHeight();
        for (int i = 0; i < 60; ++i) {
            form->colourRed = (i * 37) % 256;
            form->colourGreen = (i * 91) % 256;
            form->colourBlue = (i * 53) % 256;
            line((i * 997) % int(w), 0, (i * 1543) % int(w), h - 15);
            line(0, (i * 613) % int(h), w - 15, (i * 421) % int(h));
        }
    }
};

// Counts the paint events a widget receives, to show the repaint is real.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

void BM_PolygonPreviewMirrored(benchmark::State& state)
{
    Editor e;
    e.busyPage(0);
    auto& f = *e.form;
    f.Command1_Click(12);
    f.Combo1->setListIndex(f.Combo1->findText("20"));
    for (int i = 1; i <= 3; ++i)
        f.Command3_Click(i);
    e.press(f.centreX / 2, f.centreY / 2);
    PaintCounter counter;
    f.Picture1->installEventFilter(&counter);
    int step = 0;
    for (auto _ : state) {
        const float r = float(3000 + (step++ % 100) * 30);
        f.Picture1_MouseMove(1, 0, float(f.centreX / 2) + r, float(f.centreY / 2) + r / 2);
        f.Picture1->repaint();
    }
    state.counters["paints_per_move"] =
        benchmark::Counter(double(counter.paints) / std::max(1, step));
}
BENCHMARK(BM_PolygonPreviewMirrored)->Unit(benchmark::kMillisecond);

void BM_LineCommitWithSnapshot(benchmark::State& state)
{
    Editor e;
    e.busyPage(0);
    auto& f = *e.form;
    int step = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const double y = 300 + (step++ % 500) * 30;
        e.press(600, y);
        f.Picture1_MouseMove(1, 0, 20000, float(y + 3000));
        state.ResumeTiming();
        f.Picture1_MouseUp(1, 0, 20000, float(y + 3000));
    }
}
BENCHMARK(BM_LineCommitWithSnapshot)->Unit(benchmark::kMillisecond);

// A line and its undo, the undo timed; the snapshot it restores has been
// compressed meanwhile, as when the adult pauses before undoing.
void BM_Undo(benchmark::State& state)
{
    Editor e;
    e.busyPage(0);
    for (auto _ : state) {
        state.PauseTiming();
        e.line(600, 600, 20000, 9000);
        e.form->Image[1](e.form->undoPos[0] == 0 ? 6 : e.form->undoPos[0] - 1).byteSize();
        state.ResumeTiming();
        e.form->Command1_Click(13);
    }
}
BENCHMARK(BM_Undo)->Unit(benchmark::kMillisecond);

void BM_PencilMove(benchmark::State& state)
{
    Editor e;
    e.busyPage(0);
    auto& f = *e.form;
    f.Command1_Click(4);
    e.press(3000, 3000);
    int step = 0;
    for (auto _ : state) {
        const int i = step++ % 2000;
        f.Picture1_MouseMove(1, 0, float(3000 + i * 10), float(3000 + (i % 200) * 40));
    }
}
BENCHMARK(BM_PencilMove)->Unit(benchmark::kMillisecond);

void BM_PageSwitch(benchmark::State& state)
{
    Editor e;
    e.busyPage(1);
    e.busyPage(0);
    int page = 0;
    for (auto _ : state) {
        page = 1 - page;
        e.form->Command4_Click(page);
    }
}
BENCHMARK(BM_PageSwitch)->Unit(benchmark::kMillisecond);

// The finest grid redrawn over a busy page: some 160 000 dots.
void BM_FinestGridButton(benchmark::State& state)
{
    Editor e;
    e.busyPage(0);
    int button = 0;
    for (auto _ : state) {
        e.form->Command2_Click(button);
        button = 1 - button; // 50 and 100 twips in turn
    }
}
BENCHMARK(BM_FinestGridButton)->Unit(benchmark::kMillisecond);

// Placing a dot and taking it back, as an adult corrects a misplaced dot.
void BM_DotAndUndo(benchmark::State& state)
{
    Editor e;
    e.busyPage(0);
    auto& f = *e.form;
    f.Command1_Click(19);
    for (int i = 0; i < 20; ++i)
        e.line(600 + i * 600, 3000, 600 + i * 600, 3000);
    for (auto _ : state) {
        state.PauseTiming();
        e.line(9000, 6000, 9000, 6000);
        state.ResumeTiming();
        f.Command1_Click(13);
    }
}
BENCHMARK(BM_DotAndUndo)->Unit(benchmark::kMillisecond);

// A fill of most of the canvas, on canvas and page.
void BM_FloodFill(benchmark::State& state)
{
    Editor e;
    auto& f = *e.form;
    f.Command1_Click(11);
    int colour = 0;
    for (auto _ : state) {
        f.colourRed = (colour += 40) % 256;
        f.Picture1->FillColor = f.Picture2(0).FillColor = toolkit::RGB(f.colourRed, 0, 0);
        e.line(3000, 3000, 3000, 3000);
    }
}
BENCHMARK(BM_FloodFill)->Unit(benchmark::kMillisecond);

} // namespace
