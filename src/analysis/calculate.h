#pragma once

// The calculate action: checks the slab as entered, derives d, the loads, the
// pre-dimensioning values and the analysis, compares the moments with Mk máx and asks for
// the adjacent span. It decides everything; the screen only shows what it returns.

#include <functional>
#include <optional>
#include <string>

#include "analysis/predimensioning.h"
#include "analysis/slab_design_data.h"
#include "config/settings.h"
#include "design/slab_results.h"

namespace lajes {

// What the user typed in the five boxes the action reads; std::nullopt is an empty box.
// The other inputs (case, ribbed geometry, materials) are read from SlabDesignData.
struct SlabEntries {
    std::optional<double> Lx;
    std::optional<double> Ly;
    std::optional<double> h;
    std::optional<double> g; // permanent load as typed, without self-weight
    std::optional<double> q;
};

// The input that receives the focus after a rejection.
enum class FocusTarget { None, Lx, Ly, h, g };

enum class CalculationOutcome { Rejected, Cancelled, Ready };

struct CalculationResult {
    CalculationOutcome outcome = CalculationOutcome::Rejected;
    std::string message; // Rejected only; a two-line message has "\n" between its lines
    FocusTarget focus = FocusTarget::None;
    // The run reached the pre-dimensioning step, so the suggestions it wrote are fresh; a run
    // that stopped earlier leaves the previous suggestions standing.
    bool preDimensioned = false;
};

// Called for every support case but 1: a non-zero adjacent span (m), or std::nullopt when
// the user cancelled the dialog.
using AdjacentSpanRequest = std::function<std::optional<double>()>;

// The steps of the action, each usable alone (the floor runs them on each of its slabs).
// 1 to 7a: the checks of what was typed; writes Lx, Ly, h, d, g (with the self-weight) and q of
// `slab`. Nothing when they pass.
std::optional<CalculationResult> checkSlabInputs(const SlabEntries& entries, SlabDesignData& slab,
                                                 const Settings& settings);
// 8: fyk, the derived spans and the pre-dimensioning, p, the moments and the section limits;
// returns Mk máx.
double analyseSlab(SlabDesignData& slab, SlabResults& results, PreDimensioning& preDimensioning);
// 9: Mx, My, |Xx|, |Xy| against Mk máx. Nothing when they pass.
std::optional<CalculationResult> checkMoments(const SlabResults& results, double MkMax);

CalculationResult calculateSlab(const SlabEntries& entries, SlabDesignData& slab,
                                SlabResults& results, PreDimensioning& preDimensioning,
                                const Settings& settings,
                                const AdjacentSpanRequest& requestAdjacentSpan);

} // namespace lajes
