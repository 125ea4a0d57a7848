// The work behind one activation of the results screen: the calculate action of the
// data-entry screen followed by the whole results computation.

#include <benchmark/benchmark.h>

#include "analysis/calculate.h"
#include "design/results_driver.h"
#include "verification/nbr6118_2014.h"

namespace lajes {
namespace {

struct Slab {
    SlabDesignData slab;
    SlabResults results;
    PreDimensioning preDimensioning;
    Settings settings;
    ResultsScreen screen;
    SlabEntries entries;
};

Slab solidSlab() {
    Slab s;
    s.settings.cover = 1.0;
    s.entries = SlabEntries{4.0, 4.0, 10.0, 250.0, 200.0};
    return s;
}

Slab ribbedSlab() {
    Slab s;
    s.settings.cover = 1.0;
    s.slab.Ribbed = true;
    s.slab.a = 40.0;
    s.slab.bw = 10.0;
    s.slab.hb = 20.0;
    s.slab.bf = 5.0;
    s.slab.BlockDensity = 450.0;
    s.entries = SlabEntries{4.0, 4.0, 25.0, 100.0, 300.0};
    return s;
}

void calculateAndCompute(benchmark::State& state, Slab s) {
    const AdjacentSpanRequest adjacentSpan = [] { return std::optional<double>(4.0); };
    for (auto _ : state) {
        const CalculationResult calculation = calculateSlab(
            s.entries, s.slab, s.results, s.preDimensioning, s.settings, adjacentSpan);
        if (calculation.outcome != CalculationOutcome::Ready) {
            state.SkipWithError("slab not accepted");
            break;
        }
        ComputeOutcome outcome = computeResults(s.slab, s.results, s.settings, s.screen, ',');
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(s.screen);
    }
}

// The same, followed by the verification against NBR 6118:2014 with the proposed bars.
void calculateComputeAndVerify(benchmark::State& state, Slab s) {
    const AdjacentSpanRequest adjacentSpan = [] { return std::optional<double>(4.0); };
    const Nbr6118Parameters parameters;
    for (auto _ : state) {
        const CalculationResult calculation = calculateSlab(
            s.entries, s.slab, s.results, s.preDimensioning, s.settings, adjacentSpan);
        if (calculation.outcome != CalculationOutcome::Ready) {
            state.SkipWithError("slab not accepted");
            break;
        }
        ComputeOutcome outcome = computeResults(s.slab, s.results, s.settings, s.screen, ',');
        Nbr6118Verification verification = verifyNbr6118(s.slab, s.results, s.settings, parameters);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(verification);
    }
}

Slab caseSixSlab() {
    Slab s;
    s.settings.cover = 1.0;
    s.slab.SupportCase = 6;
    s.entries = SlabEntries{4.0, 5.0, 12.0, 200.0, 300.0};
    return s;
}

BENCHMARK_CAPTURE(calculateAndCompute, solid, solidSlab());
BENCHMARK_CAPTURE(calculateComputeAndVerify, solid, solidSlab());
BENCHMARK_CAPTURE(calculateComputeAndVerify, caseSixFourDirections, caseSixSlab());
BENCHMARK_CAPTURE(calculateComputeAndVerify, ribbed, ribbedSlab());
BENCHMARK_CAPTURE(calculateAndCompute, ribbed, ribbedSlab());

} // namespace
} // namespace lajes
