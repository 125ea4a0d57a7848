#pragma once

// Thickness suggestions before the user types h: d by the slenderness rule of NBR 6118
// (d >= l / (psi2 * psi3)) and h by the Portuguese REBA (h >= alpha * l / (30 * eta)),
// l being the smaller span.

#include <optional>
#include <string>

#include "analysis/slab_design_data.h"

namespace lajes {

struct PreDimensioning {
    double alpha = 0.0; // REBA support factor
    double eta = 0.0;   // REBA steel factor
    double psi2 = 0.0;  // NBR 6118 support / span-ratio factor
    double psi3 = 0.0;  // NBR 6118 steel factor
    double hREBA = 0.0; // suggested total thickness, cm
    double dNBR = 0.0;  // suggested useful height, cm
};

// The derived spans, spans already validated: slab.Lambda = Ly / Lx and slab.SmallerSpan.
void deriveSpans(SlabDesignData& slab);

// The step itself, spans already validated: sets slab.Lambda and slab.SmallerSpan and
// returns the factors and suggestions. A grade or a support case outside the tables leaves
// its factors, and the suggestions that need them, at 0.
PreDimensioning preDimension(SlabDesignData& slab);

// The three span checks of the pre-dimensioning action, in their order (Lx, Ly, Lx <= Ly
// for cases 1, 3, 6). Returns the message of the first failure, or nothing when the spans
// pass. `focusLx` tells whether the focus goes to Lx (true) or Ly (false).
struct SpanCheckFailure {
    std::string message;
    bool focusLx = true;
};
std::optional<SpanCheckFailure> checkSpans(std::optional<double> Lx, std::optional<double> Ly,
                                           int supportCase);

} // namespace lajes
