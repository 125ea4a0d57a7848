#pragma once

// The drawing of a designed floor: three plans of the floor side by side, each with its
// title, and the floor's steel table to their right.
// - "FORMAS": the beams on their axes (the slabs' outlines), the beams' names, each slab's
//   name with its thickness;
// - "ARMADURA POSITIVA": in each slab one representative bottom bar per direction, placed as
//   the single slab's drawing places it, with its label "N3 - 36 Ø8.0 c/11 - 413";
// - "ARMADURA NEGATIVA": over each stretch one representative top bar across the beam, its
//   straight length 3a centred on the axis and a leg v at each end, with its label; the
//   straight top bars of a ribbed slab as the single slab's drawing draws them.
// Coordinates as in the single slab's drawing: paper mm, Settings.scaleFactor per metre, 10
// units from the origin; the first plan starts at the floor's smallest x and y.

#include <filesystem>
#include <optional>
#include <string>

#include "config/settings.h"
#include "dxf/dxf_file.h"
#include "floor/floor.h"
#include "floor/floor_schedule.h"

namespace lajes {

// Paper mm between two plans, and between the last plan and the table.
inline constexpr double floorPlanGap = 60.0;

inline constexpr const char* floorPlanTitles[3] = {"FORMAS", "ARMADURA POSITIVA",
                                                   "ARMADURA NEGATIVA"};

// Writes every entity of the floor's drawing through `file`. `decimalSeparator` is the
// locale's, used in the labels, the thicknesses and the table.
void drawFloor(DxfEntityWriter& file, const Floor& floor, const FloorResults& results,
               const FloorSchedule& schedule, const Settings& settings, char decimalSeparator);

// The floor's drawing written to `path` through the program's DXF writer (its header, tables,
// layers and colours from `settings`), replacing an existing file only when the new one is
// complete. Returns the error text to show the user, or nothing.
std::optional<std::string> exportFloorDrawing(const std::filesystem::path& path, const Floor& floor,
                                              const FloorResults& results, const Settings& settings,
                                              char decimalSeparator);

} // namespace lajes
