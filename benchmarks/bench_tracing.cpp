// "Puntos automáticos" on a full-HD page: tracing the figures of a drawing
// and placing 30 dots along them.

#include "tracing.h"

#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

// An animal-like figure with details inside: a body, a head, an eye, legs.
QImage drawing()
{
    QImage page(1920, 1080, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setPen(QPen(Qt::black, 4));
    painter.drawEllipse(QPointF(900, 560), 420, 260);
    painter.drawEllipse(QPointF(1380, 360), 150, 130);
    painter.drawEllipse(QPointF(1420, 330), 15, 15);
    for (int x : {650, 800, 1000, 1150})
        painter.drawRect(x, 780, 60, 200);
    return page;
}

void BM_AutoDotsOnAFullHdPage(benchmark::State& state)
{
    const QImage page = drawing();
    for (auto _ : state)
        benchmark::DoNotOptimize(editor::dotsAlong(editor::traceFigures(page), 30));
}
BENCHMARK(BM_AutoDotsOnAFullHdPage)->Unit(benchmark::kMillisecond);

} // namespace
