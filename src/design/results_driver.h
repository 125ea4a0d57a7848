#pragma once

// The results computation that runs when the results screen becomes active: reactions,
// flexural steel, bars, deflection and shear, in that order, written into SlabResults and
// into the screen model.

#include <array>
#include <optional>
#include <vector>

#include "analysis/slab_design_data.h"
#include "config/settings.h"
#include "design/bars.h"
#include "design/results_screen.h"
#include "design/slab_results.h"

namespace lajes {

// The lists the design offers for each direction's bars, as data: the diameters and spacings
// offered, the one proposed and whether the list can be used; and the spacing limits the bar
// changes read.
struct BarOffers {
    std::array<ChoiceList, 4> diameters; // by BarDirection
    std::array<ChoiceList, 4> spacings;
    SpacingLimits spacingLimits;

    ChoiceList& diameterList(BarDirection direction);
    ChoiceList& spacingList(BarDirection direction);
    const ChoiceList& diameterList(BarDirection direction) const;
    const ChoiceList& spacingList(BarDirection direction) const;
};

struct ComputeOutcome {
    // To show in this order after the computation: the no-bar warning, the neutral-axis
    // information of a ribbed slab, the shear information.
    std::vector<ScreenMessage> messages;
    // No usable bar diameter: the screen starts CloseResultTimer (100 ms) and closes; the
    // steps after the failing direction were skipped and their boxes left as they were.
    bool closeScreen = false;
    // The directions whose bars were proposed, in the order of the computation; after a no-bar
    // failure the last of them is `directionWithoutBar`. The fixed top bars of a ribbed slab
    // are written, not proposed, and are not listed.
    std::vector<BarDirection> proposedDirections;
    std::optional<BarDirection> directionWithoutBar;
    // The directions whose bars the design decided: proposed, the fixed top bars of a ribbed
    // slab, or no top steel. After a no-bar failure the later ones are not, and their
    // descriptions are left as they were.
    std::vector<BarDirection> decidedDirections;
    BarOffers offers;
};

// The whole computation. Writes slab.fyk from the steel grade, every design field of
// `results`, and `screen`. Texts use "%0.2f" with `decimalSeparator`.
ComputeOutcome computeResults(SlabDesignData& slab, SlabResults& results, const Settings& settings,
                              ResultsScreen& screen, char decimalSeparator);

// Its two steps. The design, deciding from the numbers: slab.fyk, the areas, reactions, flexural
// steel, the bar choices of `results` and the lists offered for them, deflection and shear, and
// the messages. It writes no screen.
ComputeOutcome designResults(SlabDesignData& slab, SlabResults& results, const Settings& settings,
                             char decimalSeparator);
// The screen's boxes and lists from the numbers of `results` and the offers of `outcome`; after a
// no-bar failure the boxes of the steps the design skipped are left as they were.
void showResults(const SlabResults& results, const ComputeOutcome& outcome, ResultsScreen& screen,
                 char decimalSeparator);
// The part of it the bar picks work on: the diameter and spacing lists, the descriptions of the
// decided directions, the spacing limits and the close timer.
void showBarChoices(const SlabResults& results, const ComputeOutcome& outcome,
                    ResultsScreen& screen);

// The span across which a direction's bars are laid out, m: Ly for x, Lx for y.
double distributionLength(const SlabDesignData& slab, BarDirection direction);

// The required area of a direction: Asx+, Asy+, Asx-, Asy- (cm²/m).
double requiredAreaOf(const SlabResults& results, BarDirection direction);

} // namespace lajes
