#include "design/shear.h"

#include <cmath>
#include <utility>

namespace lajes {

GoverningReaction governingReaction(const SlabResults& results) {
    GoverningReaction governing{results.Rxa, results.bar(BarDirection::xp).effectiveArea};
    const double AsX = governing.As;
    const double AsY = results.bar(BarDirection::yp).effectiveArea;
    for (const auto& [R, As] :
         {std::pair{results.Rya, AsY}, std::pair{results.Rxe, AsX}, std::pair{results.Rye, AsY}})
        if (R > governing.V)
            governing = {R, As};
    return governing;
}

ShearDetails checkShear(const SlabDesignData& slab, double d, SlabResults& results) {
    const GoverningReaction governing = governingReaction(results);
    const double V = governing.V;
    const double As = governing.As;
    results.V = V;

    ShearDetails details;
    if (slab.Ribbed) {
        // Web area of one rib module spread over the module width, plus the flange.
        const double bw = 0.01 * slab.bw;
        details.shearDepth = bw * (0.01 * slab.hb) / (bw + 0.01 * slab.a) + 0.01 * slab.bf;
    } else {
        details.shearDepth = d * 0.01;
    }
    // 0.01 turns kg into kN.
    results.tauD = 1.4 * (0.01 * V) / details.shearDepth;

    details.rho1 = As / (100.0 * d);
    const double rootRho = std::exp(std::log(details.rho1) / 4.0);
    const double h = slab.h;
    if (h <= 15.0)
        details.psi4 = 0.6 * rootRho;
    else if (h >= 60.0)
        details.psi4 = 0.45 * rootRho;
    else
        details.psi4 =
            ((0.45 - 0.6) * rootRho * (h - 15.0) + 0.6 * rootRho * 45.0) * 0.022222222222222223;
    // psi4 sqrt(fck x 10^6) = 1000 psi4 sqrt(fck), fck in MPa: kN/m².
    results.tauU = details.psi4 * std::sqrt(slab.fck * 1000000.0);
    details.warningDue = shearExceeded(results);
    return details;
}

} // namespace lajes
