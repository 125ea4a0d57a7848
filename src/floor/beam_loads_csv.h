#pragma once

// The loads that the slabs of a floor put on its beams, as a CSV file a spreadsheet opens as
// columns: one row per piece of beam with the beam's name, where the piece starts and ends
// along the beam (m: x for a beam along x, y for one along y), the slabs on both sides, and
// the load in kg/m and in kN/m.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "floor/floor.h"

namespace lajes {

// kg/m to kN/m as the program converts everywhere (1 kgf taken as 10 N, as in the shear check).
inline constexpr double kgToKn = 0.01;

// One row of texts per piece of beam, in the order of the beams and of their pieces: name,
// de (m), até (m), slabs (by name, joined by ", "), kg/m, kN/m; numbers with two decimals and
// `decimalSeparator`. The CSV file and the memorial show these.
std::vector<std::vector<std::string>> beamLoadRows(const Floor& floor, const FloorResults& results,
                                                   char decimalSeparator);

inline constexpr const char* beamLoadHeader[6] = {"Viga",  "de (m)",       "até (m)",
                                                  "lajes", "carga (kg/m)", "carga (kN/m)"};

// The file's bytes: UTF-8 with a byte-order mark, ";" between fields, CR LF line ends, numbers
// with two decimals and `decimalSeparator`; the header row "Viga", "de (m)", "até (m)",
// "lajes", "carga (kg/m)", "carga (kN/m)". The slabs of a piece are joined by ", ".
std::string beamLoadsCsv(const Floor& floor, const FloorResults& results, char decimalSeparator);

// Writes beamLoadsCsv to `path` through the program's one writer. Returns the error text to
// show the user, or nothing; an existing file is unchanged on failure.
std::optional<std::string> exportBeamLoads(const std::filesystem::path& path, const Floor& floor,
                                           const FloorResults& results, char decimalSeparator);

} // namespace lajes
