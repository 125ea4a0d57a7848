#pragma once

// The steel table of a designed slab in the JSON result of lajes-cli (`--schedule`).

#include <nlohmann/json.hpp>

#include "cli/slab_result.h"
#include "config/settings.h"
#include "design/steel_schedule.h"

namespace lajes::cli {

// {"positions": [{"position", "direction", "diameter", "quantity", "length", "totalLength",
// "mass"}, …], "diameters": [{"diameter", "totalLength", "mass"}, …], "totalMass",
// "totalMassWithLosses", "area", "concreteVolume", "steelPerArea", "steelPerVolume"}, the
// numbers at full precision (length in whole cm, lengths in m, masses in kg).
nlohmann::json scheduleJson(const SteelSchedule& schedule);

// The table of a Ready run with the settings it was designed with; nothing for a refused
// design or the no-bar failure.
std::optional<SteelSchedule> scheduleOf(const DesignRun& run, const Settings& settings);

// Adds "schedule" to the run's result object when the run has a table.
void addSchedule(DesignRun& run, const Settings& settings);

} // namespace lajes::cli
