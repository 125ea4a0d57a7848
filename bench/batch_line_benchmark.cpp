// One line of `lajes-cli batch`: the request read, the slab designed, the result object
// written, without and with the steel table (--schedule). The two benchmarks run the same
// mixed slabs, so their ratio is the table's share of the batch.

#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "cli/schedule_json.h"
#include "cli/slab_result.h"
#include "slabfile/slab_request.h"

namespace lajes::cli {
namespace {

// Solid slabs of cases 1, 3 and 6 and a ribbed slab: two, four and four positions.
constexpr std::array<const char*, 4> slabs{
    R"({"SupportCase":1,"Lx":4,"Ly":4,"h":10,"g":250,"q":200})",
    R"({"SupportCase":3,"Lx":4,"Ly":5,"h":10,"g":100,"q":200,"AdjacentSpan":4})",
    R"({"SupportCase":6,"Lx":4,"Ly":5,"h":12,"g":100,"q":300,"AdjacentSpan":4.5})",
    R"({"SupportCase":1,"Ribbed":true,"Lx":5,"Ly":6,"h":25,"g":100,"q":300,"a":40,"bw":10,)"
    R"("hb":20,"bf":5,"BlockDensity":450})",
};

void batchLine(benchmark::State& state, bool withSchedule) {
    const Settings settings;
    std::size_t next = 0;
    for (auto _ : state) {
        auto request = parseSlabRequestText(slabs[next++ % slabs.size()], settings);
        DesignRun run = runDesign(std::get<SlabRequest>(request), ',');
        if (withSchedule)
            addSchedule(run, std::get<SlabRequest>(request).settings);
        std::string line = run.result.dump();
        benchmark::DoNotOptimize(line);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}

BENCHMARK_CAPTURE(batchLine, plain, false);
BENCHMARK_CAPTURE(batchLine, schedule, true);

} // namespace
} // namespace lajes::cli
