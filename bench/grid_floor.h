#pragma once

// A grid of solid slabs of mixed spans and thicknesses, every edge decided by the neighbours:
// spans 3.5 to 5.5 m and thicknesses 10 to 12 cm vary along the grid so that the support
// cases, rotations and thickness rule all occur.

#include <string>

#include "floor/floor.h"

namespace lajes::bench {

inline Floor gridFloor(int columns, int rows) {
    Floor floor;
    floor.name = "Grade " + std::to_string(columns) + " x " + std::to_string(rows);
    double y = 0.0;
    for (int row = 0; row < rows; ++row) {
        const double Ly = 3.5 + 0.5 * (row % 5);
        double x = 0.0;
        for (int column = 0; column < columns; ++column) {
            FloorSlab slab;
            slab.name = "L" + std::to_string(row * columns + column + 1);
            slab.x = x;
            slab.y = y;
            slab.Lx = 4.0 + 0.5 * (column % 4);
            slab.Ly = Ly;
            slab.h = 10.0 + (row + column) % 3;
            slab.g = 150.0;
            slab.q = 200.0;
            floor.slabs.push_back(slab);
            x += slab.Lx;
        }
        y += Ly;
    }
    return floor;
}

} // namespace lajes::bench
