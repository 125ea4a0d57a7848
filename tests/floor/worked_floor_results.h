#pragma once

// The worked floor with its results written out as the floor's design gives them, for the
// units that only read a designed floor (steel table, beam loads, drawing, memorial):
// L1 at (0, 0) 4 × 4 m and L2 at (4, 0) 5 × 4 m, h 10; L3 at (0, 4) 9 × 3 m, h 12; g 250,
// q 200, C25, CA-50A, default settings. Moments and loads are those of the worked floor; the
// bar picks are a set chosen for the tests (two bottom directions and two stretches share a
// bar, so that positions are shared).

#include <string>

#include "floor/floor.h"

namespace lajes::testing_floor {

inline BarChoice bar(double diameter, double spacing, int count, std::string text) {
    BarChoice choice;
    choice.diameter = diameter;
    choice.spacing = spacing;
    choice.count = count;
    choice.text = std::move(text);
    return choice;
}

inline FloorSlab slab(const char* name, double x, double y, double Lx, double Ly, double h) {
    FloorSlab s;
    s.name = name;
    s.x = x;
    s.y = y;
    s.Lx = Lx;
    s.Ly = Ly;
    s.h = h;
    s.g = 250;
    s.q = 200;
    return s;
}

inline Floor workedFloor() {
    Floor floor;
    floor.name = "Pavimento tipo";
    floor.fck = 25;
    // Listed out of name order: the table numbers slabs by name.
    floor.slabs = {slab("L2", 4, 0, 5, 4, 10), slab("L1", 0, 0, 4, 4, 10),
                   slab("L3", 0, 4, 9, 3, 12)};
    return floor;
}

inline FloorSlabResult slabResult(const char* name, int supportCase, bool rotated, double Mx,
                                  double My, BarChoice x, BarChoice y) {
    FloorSlabResult r;
    r.name = name;
    r.SupportCase = supportCase;
    r.rotated = rotated;
    r.Mx = Mx;
    r.My = My;
    r.outcome = FloorOutcome::Ready;
    r.barX = std::move(x);
    r.barY = std::move(y);
    return r;
}

inline FloorStretch stretch(std::size_t a, std::size_t b, PlanPoint from, PlanPoint to, double Xc,
                            double As, BarChoice choice) {
    FloorStretch s;
    s.slabs = {a, b};
    s.from = from;
    s.to = to;
    s.Xc = Xc;
    s.d = 8.5;
    s.h = 10;
    s.AdjacentSpan = 4.0; // the larger of the smaller spans: 4 m in every stretch here
    s.outcome = FloorOutcome::Ready;
    s.As = As;
    s.bar = std::move(choice);
    return s;
}

inline Beam beam(const char* name, PlanPoint from, PlanPoint to) {
    Beam b;
    b.name = name;
    b.from = from;
    b.to = to;
    return b;
}

inline BeamSegment segment(PlanPoint from, PlanPoint to, std::vector<std::size_t> slabs,
                           double load) {
    BeamSegment s;
    s.from = from;
    s.to = to;
    s.slabs = std::move(slabs);
    s.load = load;
    return s;
}

// Indices into workedFloor().slabs: L2 0, L1 1, L3 2.
inline FloorResults workedFloorResults() {
    FloorResults results;
    results.outcome = FloorOutcome::Ready;
    results.slabs = {
        slabResult("L2", 3, true, 281.48, 478.22, bar(6.3, 14, 28, "28Ø6.3c14"),
                   bar(8.0, 13, 38, "38Ø8c13")),
        slabResult("L1", 3, false, 317.59, 317.59, bar(6.3, 12, 33, "33Ø6.3c12"),
                   bar(6.3, 12, 33, "33Ø6.3c12")),
        slabResult("L3", 2, true, 0, 0, bar(6.3, 15, 19, "19Ø6.3c15"),
                   bar(6.3, 12, 75, "75Ø6.3c12")),
    };
    // Out of beam order: the table takes them beam by beam.
    results.edges = {
        stretch(1, 0, {4, 0}, {4, 4}, -667.82, 2.67, bar(6.3, 11, 36, "36Ø6.3c11")),
        stretch(0, 2, {4, 4}, {9, 4}, -916.40, 3.73, bar(8.0, 13, 38, "38Ø8c13")),
        stretch(1, 2, {0, 4}, {4, 4}, -769.80, 3.12, bar(8.0, 16, 25, "25Ø8c16")),
    };
    Beam v2 = beam("V2", {0, 4}, {9, 4});
    v2.segments = {segment({0, 4}, {4, 4}, {1, 2}, 2140.10),
                   segment({4, 4}, {9, 4}, {0, 2}, 2317.62)};
    Beam v5 = beam("V5", {4, 0}, {4, 4});
    v5.segments = {segment({4, 0}, {4, 4}, {0, 1}, 1100.00)};
    results.beams = {beam("V1", {0, 7}, {9, 7}), v2, beam("V3", {0, 0}, {9, 0}),
                     beam("V4", {0, 0}, {0, 7}), v5, beam("V6", {9, 0}, {9, 7})};
    return results;
}

} // namespace lajes::testing_floor
