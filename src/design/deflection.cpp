#include "design/deflection.h"

#include <cmath>
#include <optional>

#include "analysis/support_case.h"

namespace lajes {

namespace {

constexpr double Es = 2100000.0;                   // kg/cm²
constexpr double inverseEs = 4.761904761904762e-7; // 1 / Es
constexpr double quasiPermanentShare = 0.7;        // of the live load

struct CrackedSection {
    double k, sigmaC, sigmaS, kappa;
};

// Stage II section of the strip b = 100 cm under the service moment Ms (kg.m/m), with the
// moment reduced by 0.7 Mr for the tension stiffening of the concrete between cracks.
CrackedSection crackedSection(double Ec, double As, double d, double Ms, double Mr) {
    const double n = Es / Ec;
    const double rho = As / (100.0 * d);
    const double rn = rho * n;
    CrackedSection section{};
    section.k = std::sqrt((rn + 2.0) * rn) - rn;
    const double x = section.k * d;
    const double z = (1.0 - section.k / 3.0) * d;
    section.sigmaC = 2.0 * Ms * 100.0 / (100.0 * x * z);
    section.sigmaS = (1.0 - 0.7 * Mr / Ms) * Ms * 100.0 / (z * As);
    section.kappa = (section.sigmaC / Ec + section.sigmaS * inverseEs) / d;
    return section;
}

} // namespace

DeflectionDetails computeDeflections(const SlabDesignData& slab, double d, double phiInfinity,
                                     SlabResults& results) {
    results.immediateDeflection = 0.0;
    results.finalDeflection = 0.0;
    results.admissibleDeflection = 0.0;

    DeflectionDetails details;
    // 10 fck is fck in kg/cm².
    details.Ec = 44300.0 * std::exp(std::log(10.0 * slab.fck + 80.0) / 3.0);

    details.governedByY = deflectionGovernedByY(slab.SupportCase, slab.Lx, slab.Ly);
    const bool y = details.governedByY;
    const double L = y ? slab.Ly : slab.Lx;
    const double As = y ? results.bar(BarDirection::yp).effectiveArea
                        : results.bar(BarDirection::xp).effectiveArea;
    const double mu = y ? results.muY : results.muX;
    const double M = y ? results.My : results.Mx;

    const double quasiPermanentLoad = permanentLoad(slab) + quasiPermanentShare * slab.q; // kg/m²
    // Both span moments are expressed with Lx² by the analysis.
    details.Ms = mu * quasiPermanentLoad * slab.Lx * slab.Lx;
    results.admissibleDeflection = L * 100.0 * 0.0033333333333333335;

    const CrackedSection immediate = crackedSection(details.Ec, As, d, details.Ms, results.Mr);
    details.k = immediate.k;
    details.sigmaC = immediate.sigmaC;
    details.sigmaS = immediate.sigmaS;
    details.kappaI = immediate.kappa;

    details.EcInf = details.Ec / (1.0 + phiInfinity * permanentLoad(slab) / quasiPermanentLoad);
    const CrackedSection longTerm = crackedSection(details.EcInf, As, d, details.Ms, results.Mr);
    details.kInf = longTerm.k;
    details.sigmaCInf = longTerm.sigmaC;
    details.sigmaSInf = longTerm.sigmaS;
    details.kappaInf = longTerm.kappa;

    details.cracked = !(M < results.Mr);
    if (details.cracked) {
        const std::optional<SupportCaseEntry> row = supportCaseEntry(slab.SupportCase);
        const double beta = row ? deflectionFactor(endsOf(*row, y ? Axis::y : Axis::x)) : 0.0;
        const double Lcm = 100.0 * L;
        results.immediateDeflection = beta * details.kappaI * Lcm * Lcm;
        results.finalDeflection = beta * details.kappaInf * Lcm * Lcm;
    } else {
        // Plate deflection of the x strip, always, whichever direction governs: load in
        // kg/cm² (x 0.0001), span in cm.
        const double Lx2 = 100.0 * slab.Lx * 100.0 * slab.Lx;
        const double Lx4 = Lx2 * Lx2;
        const double h3 = slab.h * slab.h * slab.h;
        const double numerator = results.epsX * results.muX * quasiPermanentLoad * 0.0001 * Lx4;
        results.immediateDeflection = numerator / (32.0 * results.mx * details.Ec * h3);
        results.finalDeflection = numerator / (32.0 * results.mx * details.EcInf * h3);
    }
    return details;
}

} // namespace lajes
