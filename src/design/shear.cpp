#include "design/shear.h"

#include <cmath>

namespace lajes {

ShearDetails checkShear(const SlabDesignData& slab, double d, SlabResults& results) {
    // The largest reaction governs, with the bottom steel that runs towards that edge; a tie
    // keeps the earlier candidate.
    double V = results.Rxa;
    double As = results.bar(BarDirection::xp).effectiveArea;
    const double AsY = results.bar(BarDirection::yp).effectiveArea;
    const double AsX = As;
    if (results.Rya > V) {
        V = results.Rya;
        As = AsY;
    }
    if (results.Rxe > V) {
        V = results.Rxe;
        As = AsX;
    }
    if (results.Rye > V) {
        V = results.Rye;
        As = AsY;
    }
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
    details.warningDue = results.tauD > results.tauU;
    return details;
}

} // namespace lajes
