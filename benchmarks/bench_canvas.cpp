// The canvas under the child's hand on a 1920 x 1080 canvas: the rubber line
// following the pointer (handler and repaint), and a flood fill of the whole
// canvas through the fill tool.

#include "../tests/findcontrol.h"
#include "colour.h"
#include "fakeplatform.h"
#include "playerwindow.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

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
        canvas()->Move(0, 0, CanvasWidthPx * Twips, CanvasHeightPx * Twips);
        canvas()->setBackColor(toolkit::vbWhite);
    }

    toolkit::PictureBox* canvas() const
    {
        return findControl<toolkit::PictureBox>(*form, "canvas");
    }

    // Opens an activity of `dots`, given in pixels, 100 twips round each.
    void open(const std::vector<QPoint>& dots)
    {
        const QString path = folder.filePath("actividad.txt");
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return;
        file.write(" 10790 \r\n 8185 \r\nNO\r\n 100 \r\n 12 \r\n");
        for (size_t i = 0; i < dots.size(); ++i)
            file.write(QStringLiteral("%1,%2,%3,0,255,0,\r\n")
                           .arg(i + 1)
                           .arg(dots[i].x() * Twips)
                           .arg(dots[i].y() * Twips)
                           .toLatin1());
        file.close();
        form->openActivityFile(path);
    }

    // As many labelled dots as an activity holds, the first `reached` of
    // them clicked in turn.
    void joinManyDots(int reached)
    {
        std::vector<QPoint> dots;
        for (int i = 0; i < player::PlayerWindow::MaxDots; ++i)
            dots.emplace_back(100 + (i * 373) % 1700, 100 + (i * 211) % 900);
        dots.front() = QPoint(10, 10); // the band runs from the top-left corner
        open(dots);
        for (int i = 0; i < reached; ++i)
            form->pressOnCanvas(1, 0, float(dots[size_t(i)].x() * Twips),
                                float(dots[size_t(i)].y() * Twips));
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
    p.joinManyDots(1); // the first dot reached: the band follows the pointer
    auto* canvas = p.canvas();
    canvas->AutoRedraw = true; // a busy drawing under it
    for (int i = 0; i < 400; ++i)
        canvas->Line(i * 70.0, 0, CanvasWidthPx * Twips - i * 70.0, CanvasHeightPx * Twips);
    canvas->AutoRedraw = false;
    p.form->show();
    QApplication::processEvents();
    auto& f = *p.form;
    PaintCounter counter;
    canvas->installEventFilter(&counter);
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
    p.open({{10, 10}}); // a figure of one dot, joined at the first click
    p.form->pressOnCanvas(1, 0, 10 * Twips, 10 * Twips);
    auto& f = *p.form;
    f.chooseTool(Tool::Fill);
    const int colours[2] = {toolkit::RGB(255, 0, 0), toolkit::RGB(0, 0, 255)};
    int n = 0;
    for (auto _ : state) {
        // Alternate colours so every fill repaints all 1920 x 1080 pixels.
        p.canvas()->FillColor = colours[n++ % 2];
        f.pressOnCanvas(1, 0, 960 * Twips, 540 * Twips);
    }
    const QImage filled = p.canvas()->Image();
    if (filled.pixel(0, 0) != filled.pixel(CanvasWidthPx - 1, CanvasHeightPx - 1))
        state.SkipWithError("the fill did not cover the canvas");
}
BENCHMARK(BM_FillWholeCanvas)->Unit(benchmark::kMillisecond);

} // namespace
