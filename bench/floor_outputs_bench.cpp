// What leaves the office for a 20 × 20 floor (goal: each in 200 ms or less): the drawing
// written to a file through the DXF writer, and the memorial filled, drawn to PDF and written.
// The floor is designed once, outside the timing; the steel table is part of both.

#include <QGuiApplication>

#include <benchmark/benchmark.h>
#include <filesystem>

#include "floor/floor_drawing.h"
#include "grid_floor.h"
#include "report/floor_memorial.h"

namespace lajes {
namespace {

struct DesignedGrid {
    Floor floor;
    FloorResults results;
};

const DesignedGrid& grid20() {
    static const DesignedGrid grid = [] {
        DesignedGrid g{bench::gridFloor(20, 20), {}};
        g.results = designFloor(g.floor, g.floor.settings, {','});
        return g;
    }();
    return grid;
}

std::filesystem::path scratch(const char* name) {
    return std::filesystem::temp_directory_path() / name;
}

void floorDrawing(benchmark::State& state) {
    const DesignedGrid& g = grid20();
    const auto path = scratch("lajes-bench-floor.dxf");
    for (auto _ : state)
        if (const auto error = exportFloorDrawing(path, g.floor, g.results, g.floor.settings, ','))
            state.SkipWithError(error->c_str());
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}

void floorMemorial(benchmark::State& state) {
    const DesignedGrid& g = grid20();
    const auto path = scratch("lajes-bench-floor.pdf");
    std::size_t pages = 0;
    for (auto _ : state) {
        const report::FloorMemorial memorial =
            report::fillFloorMemorial(g.floor, g.results, g.floor.settings, ',', false);
        pages = memorial.pages.size();
        if (const auto error = report::writeFloorMemorialPdf(memorial, path))
            state.SkipWithError(error->c_str());
    }
    state.counters["pages"] = static_cast<double>(pages);
    std::filesystem::remove(path);
}

// Its parts: the pages as data, and their drawing to PDF bytes.
void floorMemorialFill(benchmark::State& state) {
    const DesignedGrid& g = grid20();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            report::fillFloorMemorial(g.floor, g.results, g.floor.settings, ',', false));
}

void floorMemorialPdf(benchmark::State& state) {
    const DesignedGrid& g = grid20();
    const report::FloorMemorial memorial =
        report::fillFloorMemorial(g.floor, g.results, g.floor.settings, ',', false);
    for (auto _ : state)
        benchmark::DoNotOptimize(report::floorMemorialPdf(memorial));
}

BENCHMARK(floorDrawing)->Unit(benchmark::kMillisecond);
BENCHMARK(floorMemorial)->Unit(benchmark::kMillisecond);
BENCHMARK(floorMemorialFill)->Unit(benchmark::kMillisecond);
BENCHMARK(floorMemorialPdf)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace lajes

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv); // fonts and the PDF writer
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
