#pragma once

// Slabs of the worked examples taken through the calculate action and the results
// computation, as the results screen holds them when "&Imprimir" is pressed.

#include <gtest/gtest.h>

#include <optional>

#include "analysis/calculate.h"
#include "config/settings.h"
#include "design/results_driver.h"
#include "design/results_screen.h"
#include "design/slab_results.h"

namespace lajes::report::testing {

struct PrintedSlab {
    SlabDesignData slab;
    SlabResults results;
    PreDimensioning preDimensioning;
    Settings settings;
    ResultsScreen screen;
    char decimalSeparator = ',';

    // The calculate action and then the results computation; the test fails when the slab
    // is not accepted or no bar fits.
    void design(const SlabEntries& entries, double adjacentSpan = 3.5) {
        const CalculationResult outcome =
            calculateSlab(entries, slab, results, preDimensioning, settings,
                          [adjacentSpan] { return std::optional<double>(adjacentSpan); });
        ASSERT_EQ(outcome.outcome, CalculationOutcome::Ready) << outcome.message;
        const ComputeOutcome computed =
            computeResults(slab, results, settings, screen, decimalSeparator);
        ASSERT_FALSE(computed.closeScreen);
    }
};

// Support case 1, solid, Lx = Ly = 4 m, h = 10 cm, g = 250 typed (500 with the self-weight),
// q = 200, fck 20, CA-50A, cover 1 cm, wall 0.15 m, phi_inf 2.
inline void endToEndSlab(PrintedSlab& s, int supportCase = 1) {
    s.settings.cover = 1.0;
    s.settings.wallWidth = 0.15;
    s.settings.phiInfinity = 2.0;
    s.slab.SupportCase = supportCase;
    s.design(SlabEntries{4.0, 4.0, 10.0, 250.0, 200.0});
}

// The same materials, 5 m x 5 m, g = 350 typed (600 with the self-weight), q = 300: the
// service moment exceeds Mr, so the deflections depend on the chosen bars.
inline void crackedSlab(PrintedSlab& s) {
    s.settings.cover = 1.0;
    s.settings.wallWidth = 0.15;
    s.design(SlabEntries{5.0, 5.0, 10.0, 350.0, 300.0});
}

// Ribbed, 4 m x 4 m, h = 25, a = 40, bw = 10, hb = 20, bf = 5, blocks of 450 kgf/m³.
inline void ribbedSlab(PrintedSlab& s) {
    s.settings.cover = 1.0;
    s.slab.Ribbed = true;
    s.slab.a = 40.0;
    s.slab.bw = 10.0;
    s.slab.hb = 20.0;
    s.slab.bf = 5.0;
    s.slab.BlockDensity = 450.0;
    s.design(SlabEntries{4.0, 4.0, 25.0, 100.0, 300.0});
}

} // namespace lajes::report::testing
