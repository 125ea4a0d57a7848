#include "floor/floor_verification.h"

#include <algorithm>

namespace lajes {

Nbr6118Verification verifyStretch(const FloorResults& results, const FloorStretch& stretch,
                                  const Settings& settings) {
    SlabDesignData section = results.slabs[stretch.slabs.front()].slab;
    section.h = stretch.h;
    section.d = stretch.d;
    SlabResults steel = results.slabs[stretch.slabs.front()].results;
    steel.Xx = stretch.Xc;
    steel.Asxn = stretch.As;
    steel.bar(BarDirection::xn) = stretch.bar;
    Nbr6118Verification verification = verifyNbr6118(section, steel, settings, Nbr6118Parameters{});
    std::erase_if(verification.checks,
                  [](const VerificationCheck& check) { return !check.id.ends_with(".xn"); });
    verification.ok = std::all_of(verification.checks.begin(), verification.checks.end(),
                                  [](const VerificationCheck& check) { return check.ok; });
    return verification;
}

} // namespace lajes
