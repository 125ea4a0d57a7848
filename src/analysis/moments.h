#pragma once

// Marcus's method for the rectangular plate, the section limits and the reactions by the
// rule of load areas. Moments and reactions are characteristic (unfactored).

#include <string_view>

#include "analysis/slab_design_data.h"
#include "analysis/support_case.h" // hasFixedXEdge, hasFixedYEdge
#include "design/slab_results.h"

namespace lajes {

// Reads SupportCase, Lx, Lambda and p; writes epsX, epsY, mx, my, muX, muY, Mx, My, Xx, Xy.
void analyseMoments(const SlabDesignData& slab, SlabResults& results);

// Reads SteelGrade, fyk, fck and h; writes MkMax, Mr, rhoMin, AsMin; returns MkMax.
double computeSectionLimits(const SlabDesignData& slab, double d, SlabResults& results);

// Limit neutral-axis ratio x/d of a grade; 0 for a name outside the table.
double xiLimit(std::string_view steelGrade);

// Reads SupportCase, p, Lx; writes Rxa, Rxe, Rya, Rye (0 where the case has no such edge).
void computeReactions(const SlabDesignData& slab, double lambda, SlabResults& results);

} // namespace lajes
