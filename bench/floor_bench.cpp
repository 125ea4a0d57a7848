// The whole floor, as the floor window runs it on every edit: a grid of solid slabs of mixed
// spans and thicknesses, every edge decided by the neighbours.

#include <benchmark/benchmark.h>

#include "floor/floor.h"
#include "grid_floor.h"

namespace lajes {
namespace {

void designGrid(benchmark::State& state) {
    const Floor floor =
        bench::gridFloor(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        FloorResults results = designFloor(floor, floor.settings);
        if (results.inputError)
            state.SkipWithError("the grid was refused");
        benchmark::DoNotOptimize(results);
    }
    state.counters["slabs"] = static_cast<double>(floor.slabs.size());
}

// 20 × 20 (goal 5 ms) and 40 × 50 = 2,000 slabs (goal 50 ms).
BENCHMARK(designGrid)->Args({20, 20})->Args({40, 50})->Unit(benchmark::kMillisecond);

} // namespace
} // namespace lajes
