// The hint's pulse on a 1920 x 1080 canvas that holds a busy drawing: one
// frame is the tick that moves the ring on and the repaint it asks for.

#include "../tests/findcontrol.h"
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
    auto* canvas = findControl<toolkit::PictureBox>(form, "canvas");
    canvas->Move(0, 0, CanvasWidthPx * Twips, CanvasHeightPx * Twips);
    QFile activity(folder.filePath("actividad.txt"));
    if (!activity.open(QIODevice::WriteOnly))
        return state.SkipWithError("no activity");
    activity.write(" 10790 \r\n 8185 \r\nNO\r\n 250 \r\n 14 \r\n");
    for (int i = 0; i < 3; ++i)
        activity.write(QStringLiteral("%1,%2,%3,0,0,0,\r\n")
                           .arg(i + 1)
                           .arg((900 + 100 * i) * Twips)
                           .arg(500 * Twips)
                           .toLatin1());
    activity.close();
    form.lab.hintSeconds = 1; // the ring shows a second after the activity
    form.openActivityFile(activity.fileName());
    for (int i = 0; i < 400; ++i) { // a busy drawing under the ring
        canvas->AutoRedraw = true;
        canvas->Line(i * 70.0, 0, CanvasWidthPx * Twips - i * 70.0, CanvasHeightPx * Twips,
                     toolkit::RGB(i % 256, 90, 200));
    }
    canvas->AutoRedraw = false;
    form.show();
    platform.advance(1000);
    QApplication::processEvents();
    auto* ring = findControl<player::HintRing>(form, "hintRing");

    PaintArea area;
    canvas->installEventFilter(&area);
    const long before = residentKb();
    for (auto _ : state) {
        platform.advance(player::HintRing::FrameMilliseconds);
        QApplication::processEvents(); // paints what the frame dirtied
    }
    const double frames = double(state.iterations());
    state.counters["canvas_pixels_per_frame"] = benchmark::Counter(double(area.pixels) / frames);
    state.counters["rss_growth_kb"] = benchmark::Counter(double(residentKb() - before));
    if (!ring->isVisibleTo(&form))
        state.SkipWithError("the hint did not show");
}
BENCHMARK(BM_HintPulseFrame)->Unit(benchmark::kMicrosecond);

} // namespace
