#pragma once

// The result object of `lajes-cli floor`: the floor's outcome, its slabs, its stretches of top
// steel and its beams, at full precision.

#include <nlohmann/json.hpp>

#include "config/settings.h"
#include "floor/floor.h"

namespace lajes::cli {

// `nbr2014` adds each slab's NBR 6118:2014 verification and each stretch's checks of its top
// steel (default verification parameters).
nlohmann::ordered_json floorJson(const Floor& floor, const FloorResults& results,
                                 const Settings& settings, bool nbr2014);

} // namespace lajes::cli
