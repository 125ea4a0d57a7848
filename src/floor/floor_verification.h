#pragma once

// The NBR 6118:2014 checks of a floor's top steel, stretch by stretch.

#include "config/settings.h"
#include "floor/floor.h"
#include "verification/nbr6118_2014.h"

namespace lajes {

// The checks of a Ready stretch's top steel: the verification of a section of the stretch's d
// and h (the first slab's otherwise) carrying only those bars as its x top steel, kept to the
// checks of that steel.
Nbr6118Verification verifyStretch(const FloorResults& results, const FloorStretch& stretch,
                                  const Settings& settings);

} // namespace lajes
