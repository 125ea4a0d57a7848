#pragma once

// Shear without stirrups after NBR 6118: the largest reaction against tau_u = psi4 sqrt(fck),
// psi4 depending on the tension steel ratio and the slab thickness.

#include <string_view>

#include "analysis/slab_design_data.h"
#include "design/slab_results.h"

namespace lajes {

struct ShearDetails {
    double shearDepth = 0.0; // t, m
    double rho1 = 0.0;       // tension steel ratio As / (100 d)
    double psi4 = 0.0;
    bool warningDue = false; // tau_d > tau_u
};

// The largest support reaction (kg/m) and the effective area (cm²/m) of the bottom steel that
// runs towards that edge; a tie keeps the earlier of Rxa, Rya, Rxe, Rye.
struct GoverningReaction {
    double V = 0.0;
    double As = 0.0;
};
GoverningReaction governingReaction(const SlabResults& results);

// Writes V, tauD and tauU of `results` (kN/m² per metre). The caller shows
// shearWarningMessage when warningDue is set.
ShearDetails checkShear(const SlabDesignData& slab, double d, SlabResults& results);

// τd above τu: the shear message is due and the screen marks the two stress boxes.
inline bool shearExceeded(const SlabResults& results) {
    return results.tauD > results.tauU;
}

inline constexpr std::string_view shearWarningMessage =
    "Tensão de Cisalhamento da Laje\né maior que a resistente!";

} // namespace lajes
