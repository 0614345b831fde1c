// The polygon tool recomputes its vertices on every mouse move while the
// button is held; the 20-sided polygon is the largest it builds.

#include "shapegeometry.h"

#include <benchmark/benchmark.h>
#include <cmath>

namespace {

const double Pi = 4 * std::atan(1.0);

void polygonOfTwentySides(benchmark::State& state)
{
    const int mode = static_cast<int>(state.range(0));
    double pointerX = 4500;
    for (auto _ : state) {
        const editor::PolygonShape shape =
            editor::polygonVertices(mode, 20, 3000, 3000, pointerX, 1800, Pi);
        benchmark::DoNotOptimize(shape);
        pointerX = pointerX < 6000 ? pointerX + 15 : 4500;
    }
}
BENCHMARK(polygonOfTwentySides)->Arg(0)->Arg(1)->Arg(2);

} // namespace
