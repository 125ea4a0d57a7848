#pragma once

// The user's bar picks as a list that can be kept and replayed: what a .laje file stores as
// "choices" and what lajes-cli applies after the computation.

#include <optional>
#include <string>
#include <vector>

#include "analysis/slab_design_data.h"
#include "config/settings.h"
#include "design/results_screen.h"
#include "design/slab_results.h"

namespace lajes {

// A pick on the results screen: a diameter list text ("8.0") or a spacing (whole cm).
struct BarPick {
    BarDirection direction = BarDirection::xp;
    std::optional<std::string> diameter;
    std::optional<int> spacing;

    friend bool operator==(const BarPick&, const BarPick&) = default;
};

// The picks made since the last computation, reduced to those that decide the bars: per
// direction the last diameter picked and a spacing picked after it. A diameter pick refills
// the spacing list and sets the spacing, so earlier picks of that direction no longer count;
// the directions do not depend on each other. Replayed in order after the same computation
// the list gives the same BarChoice in every direction.
class BarPickLog {
public:
    void record(const BarPick& pick);
    void clear() { picks_.clear(); }
    const std::vector<BarPick>& picks() const { return picks_; }

private:
    std::vector<BarPick> picks_;
};

struct BarPicksOutcome {
    std::vector<ScreenMessage> messages; // the picks' own messages (the shear warning), in order
    std::vector<BarPick> skipped;        // picks the lists did not offer; they changed nothing
};

// Applies `picks` in order through pickDiameter and pickSpacing, as the screen would.
BarPicksOutcome applyBarPicks(const std::vector<BarPick>& picks, const SlabDesignData& slab,
                              SlabResults& results, const Settings& settings, ResultsScreen& screen,
                              char decimalSeparator);

// The one information message for the picks of a file that the new lists do not offer, one
// line each, naming the column ("Asx+") and the value.
std::string skippedPicksMessage(const std::vector<BarPick>& skipped);

} // namespace lajes
