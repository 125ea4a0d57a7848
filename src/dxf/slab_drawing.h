#pragma once

// The detailing drawing of the designed slab: title, name and thickness, the clear and outer
// outline of the walls, the bottom bars in x and y and the top bars over the fixed x edge at
// X = 0 and the fixed y edge at Y = Ly, each bar group with its label. A schematic plan: one
// representative bar per direction (solid slab) or the bars of one rib (ribbed slab).

#include <array>
#include <string_view>

#include "analysis/slab_design_data.h"
#include "config/settings.h"
#include "design/slab_results.h"
#include "dxf/dxf_file.h"

namespace lajes {

// Writes every entity of the drawing, in its fixed order, through `file`. Reads Lx, Ly, h,
// SupportCase, Ribbed and AdjacentSpan of `slab`; the bar descriptions (`text`) and the
// bars-per-rib integers of `results`; scaleFactor, drawingScale, wallWidth and cover of
// `settings`. `slabName` is the name the user typed (UTF-8); `decimalSeparator` is the
// locale's, used in the thickness and leg texts. Nothing is checked: the inputs are drawn as
// they are.
// Where drawSlab writes the label of a bar direction, in drawing units: the left end of the
// text's base line and whether it is rotated. `drawn` is false for a top direction whose
// description is empty (no label at all).
struct BarLabelPlace {
    bool drawn = false;
    double x = 0.0, y = 0.0;
    bool rotated = false;
};

// Indexed by BarDirection.
std::array<BarLabelPlace, 4> barLabelPlaces(const SlabDesignData& slab, const SlabResults& results,
                                            const Settings& settings);

void drawSlab(DxfEntityWriter& file, const SlabDesignData& slab, const SlabResults& results,
              const Settings& settings, std::string_view slabName, char decimalSeparator);

// The same drawing moved so that its own (0, 0) lands on `origin` (drawing units): one slab of
// a floor placed where it lies in the plan. The drawing above is this one at no offset.
struct DrawingOrigin {
    double x = 0.0;
    double y = 0.0;
};
void drawSlab(DxfEntityWriter& file, const SlabDesignData& slab, const SlabResults& results,
              const Settings& settings, std::string_view slabName, char decimalSeparator,
              DrawingOrigin origin);

} // namespace lajes
