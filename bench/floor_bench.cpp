// The whole floor, as the floor window runs it on every edit: a grid of solid slabs of mixed
// spans and thicknesses, every edge decided by the neighbours.

#include <benchmark/benchmark.h>

#include "floor/floor.h"

namespace lajes {
namespace {

// columns × rows slabs; spans 3.5 to 5.5 m and thicknesses 10 to 12 cm vary along the grid so
// that the support cases, rotations and thickness rule all occur.
Floor gridFloor(int columns, int rows) {
    Floor floor;
    double y = 0.0;
    for (int row = 0; row < rows; ++row) {
        const double Ly = 3.5 + 0.5 * (row % 5);
        double x = 0.0;
        for (int column = 0; column < columns; ++column) {
            FloorSlab slab;
            slab.name = "L" + std::to_string(row * columns + column + 1);
            slab.x = x;
            slab.y = y;
            slab.Lx = 4.0 + 0.5 * (column % 4);
            slab.Ly = Ly;
            slab.h = 10.0 + (row + column) % 3;
            slab.g = 150.0;
            slab.q = 200.0;
            floor.slabs.push_back(slab);
            x += slab.Lx;
        }
        y += Ly;
    }
    return floor;
}

void designGrid(benchmark::State& state) {
    const Floor floor =
        gridFloor(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
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
