#include "analysis/loads.h"

namespace lajes {

namespace {

constexpr double concreteUnitWeight = 2500.0; // kg/m³, reinforced concrete
constexpr double cmToM = 0.01;                // kg/m³ × cm -> kg/m²

} // namespace

double selfWeight(const SlabDesignData& slab) {
    if (!slab.Ribbed) {
        return slab.h * concreteUnitWeight * cmToM;
    }
    // One square module of side a + bw (the rib spacing in both directions): the solid module
    // less the concrete replaced by the block a × a × hb, which weighs BlockDensity instead.
    // bf does not enter; h is the total thickness whatever hb and bf are.
    const double side = slab.a + slab.bw;
    const double moduleArea = side * side; // cm²
    const double solidModule = moduleArea * concreteUnitWeight * slab.h;
    const double savedByBlock =
        slab.a * slab.a * slab.hb * (concreteUnitWeight - slab.BlockDensity);
    return (solidModule - savedByBlock) / moduleArea * cmToM;
}

} // namespace lajes
