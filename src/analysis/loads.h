#pragma once

#include "analysis/slab_design_data.h"

namespace lajes {

// Self-weight in kg/m² of the solid slab (h) or of one ribbed module (a + bw)², with
// reinforced concrete at 2500 kg/m³.
double selfWeight(const SlabDesignData& slab);

} // namespace lajes
