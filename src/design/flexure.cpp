#include "design/flexure.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace lajes {

namespace {

// No iteration of the section design takes more than a few hundred steps for any mu of its
// range; reaching this means the procedure has been broken, not that the slab is unusual.
constexpr int maxNewtonSteps = 10000;

// Quintic of the parabolic stress block in xi, up to mu 0.0886 (domain 2 of NBR 6118). The
// powers are written as products: std::pow with a whole exponent costs a library call.
double quintic(double x, double mu) {
    const double x2 = x * x;
    const double x3 = x2 * x;
    return 306.0 * x3 * x2 - 1338.75 * x2 * x2 - (96.0 * mu - 867.0) * x3 +
           (228.0 * mu - 153.0) * x2 - 168.0 * mu * x + 36.0 * mu;
}

double quinticSlope(double x, double mu) {
    const double x2 = x * x;
    return 1530.0 * x2 * x2 - 5355.0 * x2 * x - 3.0 * (96.0 * mu - 867.0) * x2 +
           2.0 * (228.0 * mu - 153.0) * x - 168.0 * mu;
}

// Cubic for 0.0886 < mu <= 0.15.
double cubic(double x, double mu) {
    return 122.4 * x * x * x - 497.25 * x * x + (480.0 * mu + 193.8) * x - (180.0 * mu + 10.2);
}

double cubicSlope(double x, double mu) {
    return 367.2 * x * x - 994.5 * x + 193.8 + 480.0 * mu;
}

// Lever arm of the parabolic block.
double leverArmRatio(double xi) {
    return (12.0 - 9.0 * xi * (4.0 - xi)) / (4.0 * (3.0 - 8.0 * xi));
}

void countStep(int& steps) {
    if (++steps > maxNewtonSteps)
        throw std::logic_error("section design: Newton iteration did not converge");
}

double solveQuintic(double mu) {
    int k = 2;
    int c = 0;
    int steps = 0;
    double guess = 0.1667 / k;
    double x = 0.0;
    double next = 0.0;
    do {
        countStep(steps);
        x = guess;
        if (x < 0.0)
            x = 0.1667;
        next = x - quintic(x, mu) / quinticSlope(x, mu);
        guess = next;
        ++c;
        if ((next < 0.0 || next > 0.2) && c > 100) {
            c = 0;
            k += 2;
            guess = mu < 0.0443 ? 0.08335 - 0.1667 / k : 0.08335 + 0.1667 / k;
        }
    } while (std::fabs(next - x) >= 0.00001 || next < 0.0 || next > 0.18);
    return next;
}

double solveCubic(double mu) {
    int k = 2;
    int c = 0;
    int steps = 0;
    double guess = 0.0926 / k + 0.213;
    double x = 0.0;
    double next = 0.0;
    do {
        countStep(steps);
        x = guess;
        if (x < 0.0)
            x = 0.1667;
        next = x - cubic(x, mu) / cubicSlope(x, mu);
        guess = next;
        ++c;
        if (!(next > 0.15 && next <= 0.28) && c > 1) {
            c = 0;
            k += 2;
            guess = mu < 0.1239 ? 0.213 - 0.0926 / k : 0.213 + 0.0926 / k;
        }
    } while (std::fabs(next - x) >= 0.00001 || next < 0.16 || next > 0.26);
    return next;
}

} // namespace

SectionRatios sectionRatiosForMu(double mu) {
    if (mu > 0.15) {
        // Rectangular block: mu = 0.6881 xi - 0.2862496 xi², 0.6881 = 0.85 * 0.80952941.
        const double xi =
            (0.6881 - std::sqrt(0.6881 * 0.6881 - 1.1449984 * mu)) * 1.7467273316713805;
        return {xi, mu / (0.6881 * xi)};
    }
    if (mu <= 0.0886) {
        if (mu <= 0.0) // a moment of zero needs no steel and no compression zone
            return {0.0, 1.0};
        const double xi = solveQuintic(mu);
        return {xi, leverArmRatio(xi)};
    }
    const double xi = solveCubic(mu);
    return {xi, leverArmRatio(xi)};
}

double reducedMoment(double M, double d, double fck) {
    const double fcd = fck * 10.0 * 0.7142857142857143; // kg/cm²
    const double Md = 1.4 * M * 100.0;                  // kg.cm/m
    return Md / (100.0 * d * d * fcd);
}

void designSectionRatios(double M, double d, double fck, SlabResults& results) {
    results.xiPrev = results.xi;
    results.mu = reducedMoment(M, d, fck);
    const SectionRatios ratios = sectionRatiosForMu(results.mu);
    results.xi = ratios.xi;
    results.zeta = ratios.zeta;
}

double requiredArea(double M, double d, double fyk, double zeta) {
    const double fyd = fyk * 100.0 * 0.8695652173913043; // kg/cm²
    return 1.4 * M * 100.0 / (zeta * d * fyd);
}

void designFlexuralSteel(const SlabDesignData& slab, SlabResults& results) {
    const double d = slab.d;
    const double lambda = slab.Lambda;
    // The first span design compares its xi with 0.
    results.xi = 0.0;

    const auto designSpan = [&](double M, double& As, bool keepLargerX) {
        designSectionRatios(M, d, slab.fck, results);
        As = requiredArea(M, d, slab.fyk, results.zeta);
        if (!keepLargerX || results.xi > results.xiPrev)
            results.X = results.xi * d;
        if (As < results.AsMin)
            As = results.AsMin;
    };

    if (lambda >= 0.5 && lambda <= 2.0) {
        designSpan(results.Mx, results.Asxp, true);
        designSpan(results.My, results.Asyp, true);
    } else if (slab.Lx < slab.Ly) {
        // One-way: the shorter span carries the load; the other gets distribution steel.
        designSpan(results.Mx, results.Asxp, false);
        results.Asyp = std::max(0.2 * results.Asxp, 0.9);
    } else {
        designSpan(results.My, results.Asyp, false);
        results.Asxp = std::max(0.2 * results.Asyp, 0.9);
    }

    // Top steel over fixed edges: no minimum, and it does not move X.
    designSectionRatios(std::fabs(results.Xx), d, slab.fck, results);
    results.Asxn = requiredArea(std::fabs(results.Xx), d, slab.fyk, results.zeta);
    designSectionRatios(std::fabs(results.Xy), d, slab.fck, results);
    results.Asyn = requiredArea(std::fabs(results.Xy), d, slab.fyk, results.zeta);
}

} // namespace lajes
