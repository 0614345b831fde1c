// The canvas under the child's hand on a 1920 x 1080 canvas: the rubber line
// following the pointer (handler and repaint), and a flood fill of the whole
// canvas through the fill tool.

#include "colour.h"
#include "fakeplatform.h"
#include "playerwindow.h"

#include <QApplication>
#include <QEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

using Tool = player::PlayerWindow::Tool;

constexpr int CanvasWidthPx = 1920;
constexpr int CanvasHeightPx = 1080;
constexpr int Twips = 15;

// A player on a 1920 x 1080 screen whose canvas is stretched to 1920 x 1080
// and already holds a busy drawing.
struct Player
{
    QTemporaryDir folder;
    toolkit::FakePlatform platform;
    std::unique_ptr<player::PlayerWindow> form;

    Player()
    {
        platform.applicationFolder = folder.path();
        platform.screenWidthPx = CanvasWidthPx;
        platform.screenHeightPx = CanvasHeightPx;
        form = std::make_unique<player::PlayerWindow>(platform);
        form->startUp();
        form->resize(CanvasWidthPx + 200, CanvasHeightPx + 100);
        form->canvas->Move(0, 0, CanvasWidthPx * Twips, CanvasHeightPx * Twips);
        form->canvas->setBackColor(toolkit::vbWhite);
    }

    // Many labelled dots joined by segments, as a long activity leaves it.
    void joinManyDots()
    {
        auto& f = *form;
        f.hitRadius = 100;
        f.dotCount = player::PlayerWindow::MaxDots;
        for (int i = 0; i < f.dotCount; ++i) {
            f.dotLabel[i] = QString::number(i + 1);
            f.dotX[i] = (100 + (i * 373) % 1700) * Twips;
            f.dotY[i] = (100 + (i * 211) % 900) * Twips;
        }
        for (int i = 0; i < f.dotCount - 1; ++i)
            f.pressOnCanvas(1, 0, float(f.dotX[i]), float(f.dotY[i]));
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

void BM_RubberLineMove(benchmark::State& state)
{
    Player p;
    p.joinManyDots();
    p.form->show();
    QApplication::processEvents();
    auto& f = *p.form;
    f.nextDot = 1; // the band runs from a dot in the top-left corner
    f.dotX[0] = 10 * Twips;
    f.dotY[0] = 10 * Twips;
    PaintCounter counter;
    f.canvas->installEventFilter(&counter);
    int step = 0;
    for (auto _ : state) {
        // Sweep the pointer across the far corner so the band is always long.
        const float x = float((CanvasWidthPx - 20 - step % 200) * Twips);
        const float y = float((CanvasHeightPx - 20 - step % 150) * Twips);
        f.moveOnCanvas(0, 0, x, y);
        QApplication::processEvents(); // paints the regions the move dirtied
        ++step;
    }
    state.counters["paints_per_move"] =
        benchmark::Counter(double(counter.paints) / std::max(1, step));
}
BENCHMARK(BM_RubberLineMove)->Unit(benchmark::kMillisecond);

void BM_FillWholeCanvas(benchmark::State& state)
{
    Player p;
    auto& f = *p.form;
    f.dotsJoined = true;
    f.currentTool = Tool::Fill;
    const int colours[2] = {toolkit::RGB(255, 0, 0), toolkit::RGB(0, 0, 255)};
    int n = 0;
    for (auto _ : state) {
        // Alternate colours so every fill repaints all 1920 x 1080 pixels.
        f.canvas->FillColor = colours[n++ % 2];
        f.pressOnCanvas(1, 0, 960 * Twips, 540 * Twips);
    }
    const QImage filled = f.canvas->Image();
    if (filled.pixel(0, 0) != filled.pixel(CanvasWidthPx - 1, CanvasHeightPx - 1))
        state.SkipWithError("the fill did not cover the canvas");
}
BENCHMARK(BM_FillWholeCanvas)->Unit(benchmark::kMillisecond);

} // namespace
