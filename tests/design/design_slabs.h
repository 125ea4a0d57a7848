#pragma once

// Slabs of the worked examples, taken through the calculate action as the data-entry screen
// would, ready for the results computation.

#include <gtest/gtest.h>

#include "analysis/calculate.h"
#include "config/settings.h"
#include "design/results_screen.h"
#include "design/slab_results.h"

namespace lajes::testing_slabs {

struct DesignedSlab {
    SlabDesignData slab;
    SlabResults results;
    PreDimensioning preDimensioning;
    Settings settings;
    ResultsScreen screen;

    // Runs the calculate action; the test fails if the slab is not accepted. The
    // additional-data dialog answers `adjacentSpan` (m).
    void calculate(const SlabEntries& entries, double adjacentSpan = 4.0) {
        const CalculationResult outcome =
            calculateSlab(entries, slab, results, preDimensioning, settings,
                          [adjacentSpan] { return std::optional<double>(adjacentSpan); });
        ASSERT_EQ(outcome.outcome, CalculationOutcome::Ready) << outcome.message;
    }
};

// Support case 1, solid, 4 m x 4 m, h = 10 cm, cover 1 cm (d = 8.5), g = 250 typed (500
// with the self-weight), q = 200, fck 20, CA-50A, wall 0.15 m, phi_inf 2.
inline void endToEndSlab(DesignedSlab& s, double Lx = 4.0, double Ly = 4.0) {
    s.settings.cover = 1.0;
    s.settings.wallWidth = 0.15;
    s.settings.phiInfinity = 2.0;
    s.calculate(SlabEntries{Lx, Ly, 10.0, 250.0, 200.0});
}

// The same slab, 5 m x 5 m with g = 600 (350 typed) and q = 300: cracked under service.
inline void crackedSlab(DesignedSlab& s) {
    s.settings.cover = 1.0;
    s.calculate(SlabEntries{5.0, 5.0, 10.0, 350.0, 300.0});
}

// Ribbed, 4 m x 4 m, h = 25, a = 40, bw = 10, hb = 20, bf = 5, blocks of 450 kgf/m³.
inline void ribbedSlab(DesignedSlab& s, double bf = 5.0, double bw = 10.0) {
    s.settings.cover = 1.0;
    s.slab.Ribbed = true;
    s.slab.a = 40.0;
    s.slab.bw = bw;
    s.slab.hb = 20.0;
    s.slab.bf = bf;
    s.slab.BlockDensity = 450.0;
    s.calculate(SlabEntries{4.0, 4.0, 25.0, 100.0, 300.0});
}

} // namespace lajes::testing_slabs
