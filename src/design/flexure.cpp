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

// Newton's method with restarts, as the section design has always iterated it. When the
// iterate falls outside the restart window more than `patience` steps after the start or the
// last restart, the search starts again from restartCentre ∓ restartSpread / divisor (−
// below `restartSideMu`), the divisor growing by 2 each time, so that the restarts close in
// on the centre from the side of the root.
struct NewtonSearch {
    double firstGuess;
    double guessIfNegative; // replaces a negative starting point
    int patience;           // steps after a (re)start before a restart may happen
    double restartWindowLow;
    bool restartWindowLowOpen; // the low end itself lies outside the window
    double restartWindowHigh;
    double restartCentre;
    double restartSpread;
    double restartSideMu;
    double acceptLow; // the root is accepted only in [acceptLow, acceptHigh]
    double acceptHigh;
    double tolerance; // on the step |x' - x|
};

bool insideRestartWindow(const NewtonSearch& search, double x) {
    const bool aboveLow =
        search.restartWindowLowOpen ? x > search.restartWindowLow : x >= search.restartWindowLow;
    return aboveLow && x <= search.restartWindowHigh;
}

template <typename F, typename Slope>
double solveNewton(const NewtonSearch& search, double mu, F f, Slope slope) {
    int divisor = 2;
    int stepsSinceRestart = 0;
    int steps = 0;
    double guess = search.firstGuess;
    double x = 0.0;
    double next = 0.0;
    do {
        if (++steps > maxNewtonSteps)
            throw std::logic_error("section design: Newton iteration did not converge");
        x = guess;
        if (x < 0.0)
            x = search.guessIfNegative;
        next = x - f(x, mu) / slope(x, mu);
        guess = next;
        ++stepsSinceRestart;
        if (!insideRestartWindow(search, next) && stepsSinceRestart > search.patience) {
            stepsSinceRestart = 0;
            divisor += 2;
            guess = mu < search.restartSideMu
                        ? search.restartCentre - search.restartSpread / divisor
                        : search.restartCentre + search.restartSpread / divisor;
        }
    } while (std::fabs(next - x) >= search.tolerance || next < search.acceptLow ||
             next > search.acceptHigh);
    return next;
}

// Domain 2 (mu up to 0.0886): x' kept in [0, 0.2], accepted in [0, 0.18].
constexpr NewtonSearch quinticSearch{
    .firstGuess = 0.1667 / 2,
    .guessIfNegative = 0.1667,
    .patience = 100,
    .restartWindowLow = 0.0,
    .restartWindowLowOpen = false,
    .restartWindowHigh = 0.2,
    .restartCentre = 0.08335,
    .restartSpread = 0.1667,
    .restartSideMu = 0.0443,
    .acceptLow = 0.0,
    .acceptHigh = 0.18,
    .tolerance = 0.00001,
};

// 0.0886 < mu <= 0.15: x' kept in (0.15, 0.28], accepted in [0.16, 0.26].
constexpr NewtonSearch cubicSearch{
    .firstGuess = 0.0926 / 2 + 0.213,
    .guessIfNegative = 0.1667,
    .patience = 1,
    .restartWindowLow = 0.15,
    .restartWindowLowOpen = true,
    .restartWindowHigh = 0.28,
    .restartCentre = 0.213,
    .restartSpread = 0.0926,
    .restartSideMu = 0.1239,
    .acceptLow = 0.16,
    .acceptHigh = 0.26,
    .tolerance = 0.00001,
};

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
        const double xi = solveNewton(quinticSearch, mu, quintic, quinticSlope);
        return {xi, leverArmRatio(xi)};
    }
    const double xi = solveNewton(cubicSearch, mu, cubic, cubicSlope);
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

double steelAreaForMoment(double M, double d, const SlabDesignData& slab, SlabResults& results) {
    designSectionRatios(M, d, slab.fck, results);
    return requiredArea(M, d, slab.fyk, results.zeta);
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

    if (isTwoWaySlab(lambda)) {
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
    results.Asxn = steelAreaForMoment(std::fabs(results.Xx), d, slab, results);
    results.Asyn = steelAreaForMoment(std::fabs(results.Xy), d, slab, results);
}

} // namespace lajes
