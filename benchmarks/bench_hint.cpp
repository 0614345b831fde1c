// The hint's pulse on a 1920 x 1080 canvas that holds a busy drawing: one
// frame is the tick that moves the ring on and the repaint it asks for.

#include "colour.h"
#include "fakeplatform.h"
#include "hintring.h"
#include "playerwindow.h"

#include <QApplication>
#include <QFile>
#include <QPaintEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int CanvasWidthPx = 1920;
constexpr int CanvasHeightPx = 1080;
constexpr int Twips = 15;

// Adds up the pixels each paint of a widget covers.
class PaintArea : public QObject
{
public:
    int paints = 0;
    qint64 pixels = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            const QRect r = static_cast<QPaintEvent*>(event)->rect();
            ++paints;
            pixels += qint64(r.width()) * r.height();
        }
        return false;
    }
};

// Resident memory in kilobytes, from the kernel's own count.
long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

void BM_HintPulseFrame(benchmark::State& state)
{
    QTemporaryDir folder;
    toolkit::FakePlatform platform;
    platform.applicationFolder = folder.path();
    platform.screenWidthPx = CanvasWidthPx;
    platform.screenHeightPx = CanvasHeightPx;
    player::PlayerWindow form(platform);
    form.startUp();
    form.resize(CanvasWidthPx + 200, CanvasHeightPx + 100);
    form.canvas->Move(0, 0, CanvasWidthPx * Twips, CanvasHeightPx * Twips);
    for (int i = 0; i < 400; ++i) { // a busy drawing under the ring
        form.canvas->AutoRedraw = true;
        form.canvas->Line(i * 70.0, 0, CanvasWidthPx * Twips - i * 70.0, CanvasHeightPx * Twips,
                          toolkit::RGB(i % 256, 90, 200));
    }
    form.canvas->AutoRedraw = false;
    form.hitRadius = 250;
    form.labelFontSize = 14;
    form.dotCount = 3;
    for (int i = 0; i < 3; ++i) {
        form.dotLabel[i] = QString::number(i + 1);
        form.dotX[i] = (900 + 100 * i) * Twips;
        form.dotY[i] = 500 * Twips;
    }
    form.show();
    form.showHint();
    QApplication::processEvents();

    PaintArea area;
    form.canvas->installEventFilter(&area);
    const long before = residentKb();
    for (auto _ : state) {
        platform.advance(player::HintRing::FrameMilliseconds);
        QApplication::processEvents(); // paints what the frame dirtied
    }
    const double frames = double(state.iterations());
    state.counters["canvas_pixels_per_frame"] = benchmark::Counter(double(area.pixels) / frames);
    state.counters["rss_growth_kb"] = benchmark::Counter(double(residentKb() - before));
    if (!form.hintShown)
        state.SkipWithError("the hint did not show");
}
BENCHMARK(BM_HintPulseFrame)->Unit(benchmark::kMicrosecond);

} // namespace
