#include "compactimage.h"

#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

// A child's drawing at 1920 x 1080: flat colours, a few outlines.
QImage fullScreenDrawing()
{
    QImage image(1920, 1080, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(200, 150, 900, 600, QColor(255, 200, 0));
    painter.fillRect(800, 500, 700, 400, QColor(0, 128, 255));
    for (int i = 0; i < 40; ++i)
        painter.drawLine(40 * i, 0, 1919 - 30 * i, 1079);
    return image;
}

void BM_StoreSnapshot(benchmark::State& state)
{
    const QImage drawing = fullScreenDrawing();
    toolkit::CompactImage kept;
    for (auto _ : state) {
        kept.store(drawing);
        benchmark::DoNotOptimize(kept);
    }
    state.counters["bytes"] = static_cast<double>(kept.byteSize());
}
BENCHMARK(BM_StoreSnapshot)->Unit(benchmark::kMillisecond);

void BM_ShowSnapshot(benchmark::State& state)
{
    const toolkit::CompactImage kept(fullScreenDrawing());
    for (auto _ : state)
        benchmark::DoNotOptimize(kept.image());
}
BENCHMARK(BM_ShowSnapshot)->Unit(benchmark::kMillisecond);

} // namespace
