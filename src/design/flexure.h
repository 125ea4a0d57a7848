#pragma once

// Ultimate-limit-state design of a rectangular strip b = 100 cm wide after NBR 6118:
// gamma_f = 1.4 on the characteristic moment, gamma_c = 1.4, gamma_s = 1.15, the
// parabola-rectangle stress block with the 0.85 long-term factor.

#include "analysis/slab_design_data.h"
#include "design/slab_results.h"

namespace lajes {

// Neutral-axis ratio xi = x/d and lever-arm ratio zeta = z/d of one section.
struct SectionRatios {
    double xi = 0.0;
    double zeta = 1.0;
};

// The ratios for a reduced moment mu = Md / (b d² fcd) >= 0: Newton on the quintic of the
// parabolic block up to mu 0.0886, Newton on the cubic up to 0.15, the closed form of the
// rectangular block above. Throws std::logic_error if an iteration runs away (it never does
// for 0 <= mu <= 0.4135, the largest mu a moment below Mk máx can give).
SectionRatios sectionRatiosForMu(double mu);

// Reduced moment of a characteristic moment M (kg.m/m) on a strip of useful height d (cm)
// with fck in MPa.
double reducedMoment(double M, double d, double fck);

// A slab with 0.5 <= lambda <= 2 carries its load in both directions (the limits count as
// two-way); otherwise the shorter span carries it and the other direction gets distribution
// steel.
inline bool isTwoWaySlab(double lambda) {
    return lambda >= 0.5 && lambda <= 2.0;
}

// Sets results.mu, xi and zeta for the moment M (kg.m/m, >= 0), keeping the xi that was
// current before the call in results.xiPrev.
void designSectionRatios(double M, double d, double fck, SlabResults& results);

// Steel area (cm²/m) for the factored moment 1.4 M with the lever arm zeta d and
// fyd = fyk / 1.15 (fyk in kgf/mm²).
double requiredArea(double M, double d, double fyk, double zeta);

// Steel area (cm²/m) of one moment M (kg.m/m, >= 0) at the useful height d (cm), with the
// slab's fck and fyk, and no minimum: the ratios of M through designSectionRatios, then
// requiredArea.
double steelAreaForMoment(double M, double d, const SlabDesignData& slab, SlabResults& results);

// Asx+, Asy+ (floored at As min), Asx-, Asy- and X from Mx, My, Xx, Xy. Reads Lx, Ly,
// Lambda, d, fck and fyk of the slab.
void designFlexuralSteel(const SlabDesignData& slab, SlabResults& results);

} // namespace lajes
