#pragma once

// Lengths of the bars as the detailing drawing labels them and the steel table counts them.
// A bottom bar runs across the clear span and into both walls, ending one cover short of the
// wall's outer face; a top bar over a fixed edge is a straight length 3a with a bent-down leg
// of v at each end.

#include "analysis/slab_design_data.h"
#include "config/settings.h"

namespace lajes {

struct BarLengths {
    double e = 0.0;   // m, how far a bottom bar runs past the inner face of a wall
    double Lbx = 0.0; // m, bottom bar in x (also the straight top bar of a slab without a
                      // fixed x edge)
    double Lby = 0.0; // m, the same in y
    double v = 0.0;   // m, leg of a top bar: h less a cover top and bottom
    double a = 0.0;   // m, unit length of the top bars over an edge (adjacent span / 8)
    double Ln = 0.0;  // m, a whole top bar over an edge: 3a + 2v
};

// Reads Lx, Ly, h and AdjacentSpan of `slab`, wallWidth and cover of `settings`.
BarLengths barLengths(const SlabDesignData& slab, const Settings& settings);

// a in metres: AdjacentSpan / 8 rounded up to a whole number of 5 cm steps, except that an
// excess of at most 0.01 step (0.05 cm) is dropped (4.00 m gives 0.50, 4.10 m gives 0.55).
double topBarUnit(double adjacentSpan);

// A whole top bar over one edge, m: 3a + 2v, with a = topBarUnit(adjacent span) and v the leg
// (h less a cover top and bottom), both in m. A stretch of a floor has its own adjacent span.
double topBarLength(double a, double v);

// A length in metres as the whole centimetres of its label: to nearest, halves away from zero
// (4.13 m is 413). The drawing writes this number and the steel table counts with it.
double wholeCentimetres(double metres);

} // namespace lajes
