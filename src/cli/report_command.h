#pragma once

// The `report` subcommand's drawing: the one-page calculation sheet of a designed slab as a
// PDF, without a display.

#include <optional>
#include <string>

#include "cli/slab_result.h"
#include "config/settings.h"
#include "floor/floor.h"

namespace lajes::cli {

// Writes the report of `run` (its records and its results screen) to `output`, atomically.
// Starts Qt on the offscreen platform, whatever the environment says, when no application
// runs.
// Returns the error text, or nothing when the file was written.
std::optional<std::string> writeReportFile(const DesignRun& run, const Settings& settings,
                                           char decimalSeparator, const std::string& output);

// Writes the memorial of a designed floor to `output`, atomically; the same Qt start as the
// report's. Returns the error text, or nothing when the file was written.
std::optional<std::string> writeFloorMemorialFile(const Floor& floor, const FloorResults& results,
                                                  const Settings& settings, char decimalSeparator,
                                                  bool nbr2014, const std::string& output);

} // namespace lajes::cli
