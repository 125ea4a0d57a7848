#pragma once

// The steel table of a whole floor: the bars of every designed slab and of every designed
// stretch of top steel, numbered N1, N2, … in the order of the plan (slabs by name, each with
// its bars along x and then along y; then the stretches beam by beam, each beam from its
// smaller coordinate). Bars of one diameter, shape and length share a position. The same
// record feeds the drawing's labels and table and the memorial.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "config/settings.h"
#include "design/steel_schedule.h"
#include "floor/floor.h"

namespace lajes {

// What a group of bars is in the plan.
enum class FloorBarOwner {
    SlabX,    // bottom bars of a slab running along the plan's x
    SlabY,    // bottom bars along the plan's y
    SlabTopX, // straight top bars of a ribbed slab along x (one 5.0 mm bar per rib and one more)
    SlabTopY,
    Stretch // top bars across a beam over a stretch
};

// A straight bar, or a top bar of straight length 3a with a leg v bent down at each end.
enum class FloorBarShape { Straight, Hooked };

// One group of bars as the drawing labels it: where it lies, its position and its count.
struct FloorBarGroup {
    FloorBarOwner owner = FloorBarOwner::SlabX;
    std::size_t index = 0;    // into Floor::slabs, or into FloorResults::edges for a stretch
    std::size_t position = 0; // into FloorSchedule::table.positions
    long long quantity = 0;
    double diameter = 0.0;   // mm
    double spacing = 0.0;    // cm; the module a + bw of a ribbed slab
    double unitLength = 0.0; // whole cm
    double straight = 0.0;   // m, 3a of a hooked bar (0 for a straight bar)
    double leg = 0.0;        // m, v of a hooked bar
};

struct FloorSchedule {
    std::vector<FloorBarGroup> groups; // plan order
    // Positions, summary per diameter, totals and rates of the floor: area the sum of the
    // slabs' Lx × Ly, concrete volume the sum of the slabs' volumes. The `direction` of a
    // position is not used.
    SteelSchedule table;
    std::vector<FloorBarShape> shapes; // per position
};

// The steel table of `results` (a designed `floor`). Only slabs and stretches whose outcome is
// Ready carry bars. Pure: reads only its arguments.
FloorSchedule floorSchedule(const Floor& floor, const FloorResults& results,
                            const Settings& settings);

// The label the drawing writes beside a group: position, count, diameter, spacing and unit
// length in cm, "N3 - 36 Ø8.0 c/11 - 413"; without " c/…" when the group has no spacing.
std::string floorBarLabel(const FloorSchedule& schedule, const FloorBarGroup& group,
                          char decimalSeparator);

// Names in the order people read them: "L2" before "L10" (runs of digits compared as numbers).
bool naturalLess(const std::string& a, const std::string& b);

// The stretches of `results` in the order of the plan: beam by beam (V1, V2, …), along each
// beam from its smaller coordinate; a stretch on no beam comes last.
std::vector<std::size_t> stretchesInBeamOrder(const FloorResults& results);

// The beam (index into FloorResults::beams) that a stretch lies on, or nothing.
std::optional<std::size_t> beamOfStretch(const FloorResults& results, std::size_t stretch);

} // namespace lajes
