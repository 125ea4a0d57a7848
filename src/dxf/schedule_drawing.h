#pragma once

// The steel table in the detailing drawing: a position mark ("N1" …) beside each bar label,
// and the table itself to the right of the slab, drawn with lines and texts on layer "Texto".

#include "analysis/slab_design_data.h"
#include "config/settings.h"
#include "design/slab_results.h"
#include "design/steel_schedule.h"
#include "dxf/dxf_file.h"

namespace lajes {

// Drawing units (paper mm) of the table: the gap to the slab's outer outline, the height of a
// row and the widths of the six columns (Posição, Ø (mm), Quant., Compr. unit. (cm),
// Compr. total (m), Massa (kg)).
inline constexpr double scheduleGap = 10.0;
inline constexpr double scheduleRowHeight = 5.0;
inline constexpr double scheduleColumnWidths[6] = {18.0, 16.0, 16.0, 36.0, 34.0, 24.0};

// Written after drawSlab, with the same inputs. The marks stand 4 units above a label
// (4 units left of a rotated one, and rotated too). The table starts at the top of the outer
// outline, scheduleGap to its right: the title "TABELA DE AÇO", the header row, a row per
// position, "RESUMO" with a row per diameter, "TOTAL" and "TOTAL + 10%". Numbers as the
// window shows them, with `decimalSeparator`.
void drawSteelSchedule(DxfEntityWriter& file, const SlabDesignData& slab,
                       const SlabResults& results, const Settings& settings,
                       const SteelSchedule& schedule, char decimalSeparator);

// The table alone, its top left corner at (left, top) in drawing units: the title, the header
// row, a row per position, "RESUMO" with a row per diameter, "TOTAL" and "TOTAL + 10%", and with
// `withRates` the rates of steel per m² and per m³ ("TAXA (kg/m²)", "TAXA (kg/m³)").
void drawScheduleTable(DxfEntityWriter& file, double left, double top,
                       const SteelSchedule& schedule, char decimalSeparator,
                       bool withRates = false);

} // namespace lajes
