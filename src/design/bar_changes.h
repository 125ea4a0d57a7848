#pragma once

// The user's bar choices on the results screen: a diameter or a spacing picked in one
// column. Each updates the direction's BarChoice and the screen model and re-runs the
// deflection and the shear check.

#include <string_view>
#include <vector>

#include "analysis/slab_design_data.h"
#include "config/settings.h"
#include "design/results_screen.h"
#include "design/slab_results.h"

namespace lajes {

struct BarChangeOutcome {
    // False when the text is not an entry of an enabled list (typing into a list): nothing
    // was changed.
    bool applied = false;
    // The design shear stress exceeds the admissible one: show shearWarningMessage.
    bool shearWarning = false;
    std::vector<ScreenMessage> messages;
};

// A diameter list text ("8.0") picked in the diameter list of `direction`.
BarChangeOutcome pickDiameter(BarDirection direction, std::string_view diameterText,
                              const SlabDesignData& slab, SlabResults& results,
                              const Settings& settings, ResultsScreen& screen,
                              char decimalSeparator);

// A spacing list text ("12") picked in the spacing list of `direction` (solid slabs).
BarChangeOutcome pickSpacing(BarDirection direction, std::string_view spacingText,
                             const SlabDesignData& slab, SlabResults& results,
                             const Settings& settings, ResultsScreen& screen,
                             char decimalSeparator);

} // namespace lajes
