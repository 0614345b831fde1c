// The editor under the adult's hand on a 1920 x 1080 screen: the polygon
// preview with every mirror on (handler and repaint), committing a line with
// its undo snapshot, an undo, a pencil move and a page switch, on pages that
// already hold a busy drawing.

#include "editorbench.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QTemporaryDir>
#include <QThreadPool>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

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
    f.chooseTool(Tool::Polygon);
    auto* sides = e.find<toolkit::ComboBox>("sidesList");
    sides->setListIndex(sides->findText("20"));
    for (int i = 1; i <= 3; ++i)
        f.chooseSymmetry(Symmetry(i));
    const double cx = f.settings().centreX(), cy = f.settings().centreY();
    e.press(cx / 2, cy / 2);
    PaintCounter counter;
    e.canvas()->installEventFilter(&counter);
    int step = 0;
    for (auto _ : state) {
        const float r = float(3000 + (step++ % 100) * 30);
        f.moveOnCanvas(1, 0, float(cx / 2) + r, float(cy / 2) + r / 2);
        e.canvas()->repaint();
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
        f.moveOnCanvas(1, 0, 20000, float(y + 3000));
        QThreadPool::globalInstance()->waitForDone(); // as between an adult's lines
        state.ResumeTiming();
        f.releaseOnCanvas(1, 0, 20000, float(y + 3000));
    }
}
BENCHMARK(BM_LineCommitWithSnapshot)->Unit(benchmark::kMillisecond);

// Lines taken back two after each other, each undo timed. Between the
// adult's clicks the background work of compressing and fetching is done.
void BM_Undo(benchmark::State& state)
{
    Editor e;
    e.busyPage(0);
    for (auto _ : state) {
        state.PauseTiming();
        if (e.form->undoRings().depth(0) < 3) {
            e.line(600, 600, 20000, 9000);
            e.line(600, 9000, 20000, 600);
        }
        QThreadPool::globalInstance()->waitForDone();
        state.ResumeTiming();
        e.form->chooseTool(Tool::Undo);
    }
}
BENCHMARK(BM_Undo)->Unit(benchmark::kMillisecond);

void BM_PencilMove(benchmark::State& state)
{
    Editor e;
    e.busyPage(0);
    auto& f = *e.form;
    f.chooseTool(Tool::Pencil);
    e.press(3000, 3000);
    int step = 0;
    for (auto _ : state) {
        const int i = step++ % 2000;
        f.moveOnCanvas(1, 0, float(3000 + i * 10), float(3000 + (i % 200) * 40));
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
        state.PauseTiming();
        page = 1 - page;
        // The page left is compressed by now; the pointer then comes over
        // the other page's button, and the click follows.
        QThreadPool::globalInstance()->waitForDone();
        if (state.range(0))
            e.find<toolkit::CommandButton>(page ? "pageButtons1" : "pageButtons0")->onMouseEnter();
        QThreadPool::globalInstance()->waitForDone();
        state.ResumeTiming();
        e.form->choosePage(page);
    }
}
// 0: the click comes without the pointer crossing the button first.
BENCHMARK(BM_PageSwitch)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The finest grid redrawn over a busy page: some 160 000 dots.
void BM_FinestGridButton(benchmark::State& state)
{
    Editor e;
    e.busyPage(0);
    int step = 50;
    for (auto _ : state) {
        e.form->chooseGrid(step);
        step = 150 - step; // 50 and 100 twips in turn
    }
}
BENCHMARK(BM_FinestGridButton)->Unit(benchmark::kMillisecond);

// Placing a dot and taking it back, as an adult corrects a misplaced dot.
void BM_DotAndUndo(benchmark::State& state)
{
    Editor e;
    e.busyPage(0);
    auto& f = *e.form;
    f.chooseTool(Tool::Dots);
    for (int i = 0; i < 20; ++i)
        e.line(600 + i * 600, 3000, 600 + i * 600, 3000);
    for (auto _ : state) {
        state.PauseTiming();
        e.line(9000, 6000, 9000, 6000);
        state.ResumeTiming();
        f.chooseTool(Tool::Undo);
    }
}
BENCHMARK(BM_DotAndUndo)->Unit(benchmark::kMillisecond);

// A fill of most of the canvas, on canvas and page.
void BM_FloodFill(benchmark::State& state)
{
    Editor e;
    auto& f = *e.form;
    f.chooseTool(Tool::Fill);
    int colour = 0;
    for (auto _ : state) {
        e.pickSwatch(++colour); // each fill another colour, so each fills
        e.line(3000, 3000, 3000, 3000);
    }
}
BENCHMARK(BM_FloodFill)->Unit(benchmark::kMillisecond);

// An activity of 151 dot lines in figures of ten across an 800 x 600
// screen, as the player reads at most.
QString fullActivity(const QTemporaryDir& folder)
{
    QByteArray text = " 10790 \r\n 8185 \r\nSI\r\n 250 \r\n 18 \r\n";
    for (int i = 0; i < 151; ++i)
        text += i % 11 == 10
                    ? QByteArray(",") + QByteArray::number(600 + (i - 10) % 16 * 650) + "," +
                          QByteArray::number(600 + (i - 10) / 16 * 750) + ",0,0,0,\r\n"
                    : QByteArray::number(i + 1) + "," + QByteArray::number(600 + i % 16 * 650) +
                          "," + QByteArray::number(600 + i / 16 * 750) + ",0,0,0,\r\n";
    const QString path = folder.filePath("lleno.txt");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text);
    return path;
}

// Opening a full activity over a busy page, shown on screen.
void BM_OpenActivity(benchmark::State& state)
{
    Editor e;
    e.busyPage(0);
    const QString path = fullActivity(e.folder);
    for (auto _ : state) {
        state.PauseTiming();
        QThreadPool::globalInstance()->waitForDone();
        state.ResumeTiming();
        e.form->openActivity(path);
        e.canvas()->repaint();
    }
}
BENCHMARK(BM_OpenActivity)->Unit(benchmark::kMillisecond);

// A dot of a full activity dragged about a busy page: each pointer move
// with its repaint.
void BM_MoveDot(benchmark::State& state)
{
    Editor e;
    e.busyPage(0);
    auto& f = *e.form;
    f.openActivity(fullActivity(e.folder));
    f.switchMoving();
    const QPointF grabbed = f.dotList()[40].at;
    e.press(grabbed.x(), grabbed.y());
    PaintCounter counter;
    e.canvas()->installEventFilter(&counter);
    int step = 0;
    for (auto _ : state) {
        const int i = step++ % 200;
        f.moveOnCanvas(1, 0, float(grabbed.x() + i * 15), float(grabbed.y() + (i % 20) * 45));
        e.canvas()->repaint();
    }
    state.counters["paints_per_move"] =
        benchmark::Counter(double(counter.paints) / std::max(1, step));
}
BENCHMARK(BM_MoveDot)->Unit(benchmark::kMillisecond);

} // namespace
