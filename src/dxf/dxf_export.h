#pragma once

// One export of the slab drawing to a file: create, the fixed part, the drawing, finish.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "analysis/slab_design_data.h"
#include "config/settings.h"
#include "design/slab_results.h"
#include "design/steel_schedule.h"
#include "io/file_writer.h"

namespace lajes {

// Writes the drawing of the designed slab to `path`, replacing an existing file only when the
// new one is complete. Returns the error text to show the user ("File access denied", "Disk
// full", "I/O error <errno>"); on failure an existing file at `path` is unchanged and no
// temporary file is left. Reads its inputs and changes none of them. With a `schedule` the
// drawing also carries the position marks and the steel table; without one it is exactly the
// detailing drawing. The windows accept only a regular file as `path` (see FileWriter).
std::optional<std::string> exportDrawing(const std::filesystem::path& path,
                                         std::string_view slabName, const SlabDesignData& slab,
                                         const SlabResults& results, const Settings& settings,
                                         char decimalSeparator,
                                         const SteelSchedule* schedule = nullptr,
                                         WriteTarget accepted = WriteTarget::anything);

} // namespace lajes
