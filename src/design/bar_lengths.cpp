#include "design/bar_lengths.h"

#include <cmath>

namespace lajes {

double topBarUnit(double adjacentSpan) {
    const double q = adjacentSpan * 100 * 0.5 * 0.25 * 0.2; // 5 cm steps in AdjacentSpan / 8
    const double whole = std::trunc(q);
    const double aCm = (q - whole > 0.01) ? whole * 5 + 5 : whole * 5;
    return aCm * 0.01;
}

BarLengths barLengths(const SlabDesignData& slab, const Settings& settings) {
    BarLengths lengths;
    lengths.e = (settings.wallWidth * 100 - settings.cover) * 0.01;
    lengths.Lbx = slab.Lx - settings.wallWidth + 2 * lengths.e;
    lengths.Lby = slab.Ly - settings.wallWidth + 2 * lengths.e;
    lengths.v = (slab.h - 2 * settings.cover) * 0.01;
    lengths.a = topBarUnit(slab.AdjacentSpan);
    lengths.Ln = topBarLength(lengths.a, lengths.v);
    return lengths;
}

double topBarLength(double a, double v) {
    return 3 * a + 2 * v;
}

double wholeCentimetres(double metres) {
    // std::round rounds the exact binary value, halves away from zero: the rounding of the
    // label's fixed-decimal text.
    return std::round(metres * 100);
}

} // namespace lajes
