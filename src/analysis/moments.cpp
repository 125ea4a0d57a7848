#include "analysis/moments.h"

#include <cmath>
#include <optional>

#include "analysis/steel_grades.h"
#include "analysis/support_case.h"

namespace lajes {

void analyseMoments(const SlabDesignData& slab, SlabResults& results) {
    results.epsX = results.epsY = 0.0;
    results.mx = results.my = 0.0;
    double a = 0.0;
    double b = 0.0;
    results.muX = results.muY = 0.0;
    results.Mx = results.My = results.Xx = results.Xy = 0.0;

    const std::optional<SupportCaseEntry> row = supportCaseEntry(slab.SupportCase);
    if (!row) {
        return; // no strips to share the load between
    }
    const StripFactors x = marcusFactors(row->x);
    const StripFactors y = marcusFactors(row->y);
    results.epsX = x.eps;
    results.epsY = y.eps;
    results.mx = x.m;
    results.my = y.m;
    a = x.support;
    b = y.support;

    // Load shares of the two crossing strips from equal mid-span deflection.
    const double lambda = slab.Lambda;
    const double lambda2 = lambda * lambda;
    const double lambda4 = lambda2 * lambda2;
    const double kx = results.epsY * lambda4 / (results.epsY * lambda4 + results.epsX);
    const double ky = results.epsX / (results.epsY * lambda4 + results.epsX);

    // Span moments reduced by Marcus's torsion factor.
    results.muX = results.mx * kx * (1.0 - (20.0 / 3.0) * results.mx * kx / lambda2);
    results.muY = lambda2 * results.my * ky * (1.0 - (20.0 / 3.0) * lambda2 * results.my * ky);

    const double pLx2 = slab.p * slab.Lx * slab.Lx; // kg.m/m
    results.Mx = results.muX * pLx2;
    results.My = results.muY * pLx2;
    results.Xx = -a * kx * pLx2;
    results.Xy = -b * ky * lambda2 * pLx2; // -b·ky·p·Ly²
}

double xiLimit(std::string_view steelGrade) {
    for (const SteelGradeRow& row : steelGrades) {
        if (row.name != steelGrade) {
            continue;
        }
        // Yield strain of the design strength fyd = fyk / 1.15 (kgf/mm² × 10 = MPa) with
        // Es = 210000 MPa; cold-worked (class B) steel adds the 0.2 % proof strain.
        double epsYd = (10.0 * row.fyk / 1.15) / 210000.0;
        if (row.steelClass == 'B') {
            epsYd += 0.002;
        }
        constexpr double epsCu = 0.0035; // ultimate concrete strain
        return epsCu / (epsCu + epsYd);
    }
    return 0.0;
}

double computeSectionLimits(const SlabDesignData& slab, double d, SlabResults& results) {
    // Limit moment of the singly reinforced strip b = 100 cm with the neutral axis at ξlim·d:
    // parabola-rectangle block of 0.85·fcd whose resultant, 0.8095·0.85·fcd·b·x, acts 0.416·x
    // below the top. Mk máx is characteristic, so γf = 1.4 and γc = 1.4 divide it;
    // fck × 10 is kgf/cm², d² in cm² with b = 100 cm gives kg.m/m.
    const double xiLim = xiLimit(slab.SteelGrade);
    const double K = 0.85 * xiLim * 0.8095294117647058 * (1.0 - 0.416 * xiLim);
    results.MkMax = d * d * K * slab.fck * 10.0 / (1.4 * 1.4);

    // Cracking moment of the gross section of thickness h (kg.m/m); 1/3.6 is written out as
    // the decimal the results have always been computed with.
    const double tenFck = 10.0 * slab.fck;
    results.Mr = slab.h * slab.h * 0.7 * 0.65 * std::cbrt(tenFck * tenFck) * 0.2777777777777778;

    // Minimum ratio, per cent of b·d: 0.04·fck/fyk, at least 0.15 % for the deformed bars
    // (CA-40/50/60) and 0.25 % for the plain CA-25.
    double rho = 0.04 * slab.fck / (10.0 * slab.fyk) * 100.0;
    if (slab.fyk == 40.0 || slab.fyk == 50.0 || slab.fyk == 60.0) {
        if (rho < 0.15) {
            rho = 0.15;
        }
    } else if (slab.fyk == 25.0 && rho < 0.25) {
        rho = 0.25;
    }
    results.rhoMin = rho;
    results.AsMin = rho * d; // rho % of 100 cm × d, cm²/m
    return results.MkMax;
}

void computeReactions(const SlabDesignData& slab, double lambda, SlabResults& results) {
    results.Rxa = results.Rxe = results.Rya = results.Rye = 0.0;
    const double P = slab.p * slab.Lx; // kg/m
    const double l = lambda;
    const double l2 = lambda * lambda;

    // Span ratios at which the corner lines of the load areas start to meet inside the slab and
    // the areas change shape; kept exact rather than as rounded decimals, so a ratio on the
    // boundary falls on the side the table gives it.
    const double sqrt3 = std::sqrt(3.0);
    const double case2Limit = sqrt3 - 1.0;
    const double case4Limit = sqrt3 / 3.0;
    const double case5Limit = (std::sqrt(12.0) + 6.0) / 12.0;

    switch (slab.SupportCase) {
    case 1:
        results.Rxa = (0.5 - 0.25 / l) * P;
        results.Rya = 0.25 * P;
        break;
    case 2:
        if (l < case2Limit) {
            results.Rxa = 0.25 * l * P;
            results.Rxe = 0.433 * l * P;
            results.Rya = (0.5 * l - 0.342 * l2) * P;
        } else {
            results.Rxa = (0.366 - 0.134 / l) * P;
            results.Rxe = (0.634 - 0.232 / l) * P;
            results.Rya = 0.183 * P;
        }
        break;
    case 3:
        results.Rxa = (0.366 - 0.183 / l) * P;
        results.Rxe = (0.634 - 0.317 / l) * P;
        results.Rya = 0.183 * P;
        results.Rye = 0.317 * P;
        break;
    case 4:
        if (l <= case4Limit) {
            results.Rxe = 0.433 * l * P;
            results.Rya = (0.5 * l - 0.433 * l2) * P;
        } else {
            results.Rxe = (0.5 - 0.144 / l) * P;
            results.Rya = 0.144 * P;
        }
        break;
    case 5:
        if (l <= case5Limit) {
            results.Rxe = 0.317 * l * P;
            results.Rya = (0.366 * l - 0.232 * l2) * P;
            results.Rye = (0.634 * l - 0.402 * l2) * P;
        } else {
            results.Rxe = (0.5 - 0.197 / l) * P;
            results.Rya = 0.144 * P;
            results.Rye = 0.25 * P;
        }
        break;
    case 6:
        results.Rxe = (0.5 - 0.25 / l) * P;
        results.Rye = 0.25 * P;
        break;
    default:
        break;
    }
}

} // namespace lajes
