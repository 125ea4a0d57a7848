#pragma once

// The steel table (tabela de aço) of a designed slab: one position per bar direction with its
// diameter, quantity, unit and total length and mass, the summary by diameter, the total mass
// with the allowance for losses, and the rates of steel per m² of slab and per m³ of concrete.
// The same table serves the window, its printout and CSV, the drawing and lajes-cli.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/slab_design_data.h"
#include "config/settings.h"
#include "design/slab_results.h"

namespace lajes {

// Nominal linear mass of a bar of the bar table after NBR 7480, kg/m; 0 for a diameter (mm)
// outside the table.
double nominalLinearMass(double diameter);

// Allowance for cutting and lapping losses on the ordered steel.
inline constexpr double lossAllowance = 1.1;

struct SchedulePosition {
    std::string name; // "N1", "N2", ...
    BarDirection direction = BarDirection::xp;
    double diameter = 0.0;    // mm
    long long quantity = 0;   // bars (no input has an upper bound, so no int)
    double unitLength = 0.0;  // C, whole cm: the number of the drawing's bar label
    double totalLength = 0.0; // m, quantity × C / 100
    double mass = 0.0;        // kg
};

struct ScheduleDiameter {
    double diameter = 0.0;    // mm
    double totalLength = 0.0; // m
    double mass = 0.0;        // kg
};

struct SteelSchedule {
    std::vector<SchedulePosition> positions; // in the order xp, yp, xn, yn
    std::vector<ScheduleDiameter> diameters; // ascending
    double totalMass = 0.0;                  // kg, without losses
    double totalMassWithLosses = 0.0;        // kg, totalMass × 1.1
    double area = 0.0;                       // m², Lx × Ly between the wall axes
    double concreteVolume = 0.0;             // m³
    double steelPerArea = 0.0;               // kg/m²
    double steelPerVolume = 0.0;             // kg/m³

    // The position of a direction, or nullptr when the table has none for it.
    const SchedulePosition* position(BarDirection direction) const;
};

// The table of the bars chosen in `results` for `slab`. Call it for a completed design only
// (after a rejected calculation the records hold an earlier slab's bars). Returns nothing when
// a listed direction has no usable diameter, as after the no-bar failure.
//
// Positions: one per direction whose bar description is not empty, numbered in the order xp,
// yp, xn, yn; a quantity of 0 or less leaves the direction out. Solid slab: the count of the
// direction's bars, times the number of fixed edges of that direction for the top bars, with
// the lengths Lbx, Lby (bottom) and Ln (top). Ribbed slab: ribs × bars per rib at Lbx and Lby,
// and one 5.0 mm top bar per rib and one more at Lbx and Lby.
std::optional<SteelSchedule> steelSchedule(const SlabDesignData& slab, const SlabResults& results,
                                           const Settings& settings);

// The two halves of steelSchedule. The positions alone (nothing on a no-bar failure), by the
// rules above:
std::optional<std::vector<SchedulePosition>>
schedulePositions(const SlabDesignData& slab, const SlabResults& results, const Settings& settings);
// The summary of `schedule.positions`: the diameters, ascending, and the total mass with and
// without losses (area, volume and rates are the slab's and are left as they are).
void summariseSchedule(SteelSchedule& schedule);

// ---- The table as texts ---------------------------------------------------------------------
// Lengths, masses and rates with two decimals, diameters with one, all with
// `decimalSeparator`; quantities and unit lengths as whole numbers.

struct ScheduleTotal {
    std::string caption; // "Massa total", "Total + 10% (perdas)", ...
    std::string value;
    std::string unit; // "kg", "m²", "m³", "kg/m²", "kg/m³"
};

struct ScheduleTexts {
    // "Posição", "Ø (mm)", "Quant.", "Compr. unit. (cm)", "Compr. total (m)", "Massa (kg)".
    std::vector<std::string> positionHeader;
    std::vector<std::vector<std::string>> positionRows;
    // "Ø (mm)", "Compr. total (m)", "Massa (kg)".
    std::vector<std::string> diameterHeader;
    std::vector<std::vector<std::string>> diameterRows;
    // Total mass, with losses, slab area, concrete volume, the two rates.
    std::vector<ScheduleTotal> totals;
};

ScheduleTexts scheduleTexts(const SteelSchedule& schedule, char decimalSeparator);

inline constexpr std::string_view scheduleTitle = "Tabela de Aço";
inline constexpr std::string_view diameterSummaryTitle = "Resumo por bitola";

// The tables as lines of fields joined by `fieldSeparator`, each line ended by `lineEnd`:
// the positions with their header, an empty line, the summary's title, header and rows, an
// empty line, the totals as caption, value and unit. Tab and "\n" for the clipboard (a spreadsheet
// pastes it into cells); ";" and "\r\n" for a CSV file where the decimal separator is ",".
std::string scheduleDelimitedText(const SteelSchedule& schedule, char decimalSeparator,
                                  char fieldSeparator, std::string_view lineEnd);

// The bytes of the CSV file: UTF-8 with a byte-order mark (so that a spreadsheet reads
// "Posição" and "Ø" right), ";" between fields, CR LF line ends.
std::string scheduleCsv(const SteelSchedule& schedule, char decimalSeparator);

} // namespace lajes
