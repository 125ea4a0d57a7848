#pragma once

// Immediate and long-term deflection of the governing strip, with the cracked-section
// curvature of the chosen bars, and the admissible deflection l / 300.

#include "analysis/slab_design_data.h"
#include "design/slab_results.h"

namespace lajes {

// The intermediate values of one deflection computation, for the report of a check.
// Concrete moduli and stresses in kg/cm², curvatures in 1/cm, moments in kg.m/m.
struct DeflectionDetails {
    bool governedByY = false; // the y strip governs (cases 2, 4, 5 with Lx > Ly)
    bool cracked = false;     // M >= Mr
    double Ec = 0.0;
    double EcInf = 0.0;
    double Ms = 0.0; // quasi-permanent service moment
    double k = 0.0, sigmaC = 0.0, sigmaS = 0.0, kappaI = 0.0;
    double kInf = 0.0, sigmaCInf = 0.0, sigmaSInf = 0.0, kappaInf = 0.0;
};

// Writes immediateDeflection, finalDeflection and admissibleDeflection (cm) of `results`
// from the slab, the analysis, the effective areas of xp and yp and the creep coefficient.
DeflectionDetails computeDeflections(const SlabDesignData& slab, double d, double phiInfinity,
                                     SlabResults& results);

// The final deflection exceeds the admissible one (the screen marks its box; the sheet does
// not change).
inline bool deflectionExceeded(const SlabResults& results) {
    return results.finalDeflection > results.admissibleDeflection;
}

} // namespace lajes
