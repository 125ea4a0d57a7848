#pragma once

// What the floor window does to the floor record when the user draws: the snapping of a
// point or of a moved slab to the 5 cm grid and to the lines of the slabs already there, the
// new slab's name and loads, the place of a duplicate, the next condition of a clicked edge.
// Plain functions on the core's records, without Qt.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "floor/floor.h"

namespace lajes {

// The drawing grid (m).
inline constexpr double floorGrid = 0.05;

// `value` rounded to the nearest multiple of floorGrid, to the cm.
double snapToGrid(double value);

// A coordinate after snapping: on a line of another slab (`onLine`), or on the grid.
struct SnappedCoordinate {
    double value = 0.0;
    bool onLine = false;
};

// The lines (x of vertical edges, y of horizontal ones) of every slab but those in `skip`.
struct FloorLines {
    std::vector<double> xs;
    std::vector<double> ys;
};
FloorLines floorLines(const Floor& floor, const std::vector<std::size_t>& skip = {});

// `value` moved to the nearest of `lines` when one is within `tolerance` (m); otherwise to the
// grid.
SnappedCoordinate snapCoordinate(double value, const std::vector<double>& lines, double tolerance);

// A point of a rectangle being drawn: each coordinate snapped on its own.
struct SnappedPoint {
    PlanPoint point;
    bool onLine = false; // either coordinate met a slab's line
};
SnappedPoint snapPoint(PlanPoint point, const FloorLines& lines, double tolerance);

// Where a slab spanning [start, start + length] goes when its start is dragged to `start`:
// the start or the end onto the nearest line within `tolerance`, else the start onto the grid.
SnappedCoordinate snapSpan(double start, double length, const std::vector<double>& lines,
                           double tolerance);

// "L<n>", n one more than the largest number of a slab named "L<number>" (L1 on an empty
// floor).
std::string nextSlabName(const Floor& floor);

// A new slab over the rectangle between two corners, with the last slab's h, g and q (the
// 10 cm, 100 and 150 kg/m² on an empty floor); its edges "auto". Nothing when the rectangle
// is narrower than the grid in either direction.
std::optional<FloorSlab> newFloorSlab(const Floor& floor, PlanPoint a, PlanPoint b);

// A copy of slab `index` with a new name, beside it on the right, or else above, left or
// below: the first place where it overlaps no slab. Nothing when none of the four is free.
std::optional<FloorSlab> duplicateBeside(const Floor& floor, std::size_t index);

// The condition a click on an edge gives: Automático → Engastado → Apoiado → Automático.
EdgeMode nextEdgeMode(EdgeMode mode);

// The first other slab that slab `index` overlaps (by more than the floor's tolerance in both
// directions), if any.
std::optional<std::size_t> overlappedSlab(const Floor& floor, std::size_t index);

// The slab side nearest to `point` inside slab `index` when within `tolerance` (m).
std::optional<Side> sideNear(const FloorSlab& slab, PlanPoint point, double tolerance);

} // namespace lajes
