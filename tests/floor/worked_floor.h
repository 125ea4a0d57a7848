#pragma once

// The worked floor: L1 at (0, 0) 4 × 4 m and L2 at (4, 0) 5 × 4 m, h 10; L3 at (0, 4) 9 × 3 m,
// h 12; g 250, q 200, C25, CA-50A, default settings, "media". Listed L2, L1, L3, out of name
// order, so that what numbers the slabs by name is seen doing it.

#include "floor/floor.h"

namespace lajes::testing_floor {

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
    floor.slabs = {slab("L2", 4, 0, 5, 4, 10), slab("L1", 0, 0, 4, 4, 10),
                   slab("L3", 0, 4, 9, 3, 12)};
    return floor;
}

} // namespace lajes::testing_floor
