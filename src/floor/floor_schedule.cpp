#include "floor/floor_schedule.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numeric>

#include "design/bar_lengths.h"
#include "text/number_text.h"

namespace lajes {

namespace {

// The slab in the plan's frame with what the bar-length and concrete-volume rules read.
SlabDesignData planSlab(const FloorSlab& slab) {
    SlabDesignData data;
    data.Lx = slab.Lx;
    data.Ly = slab.Ly;
    data.h = slab.h;
    data.Ribbed = slab.Ribbed;
    data.a = slab.a;
    data.bw = slab.bw;
    data.hb = slab.hb;
    data.bf = slab.bf;
    return data;
}

// Bars of one diameter, shape and length are one position; a hooked bar also keeps its legs.
struct PositionKey {
    FloorBarShape shape;
    double diameter;
    double unitLength; // cm
    double straight;   // cm
    double leg;        // cm
    bool operator==(const PositionKey&) const = default;
};

bool horizontal(PlanPoint from, PlanPoint to) {
    return std::abs(from.y - to.y) <= floorTolerance;
}

// Where along a beam a stretch lies, or nothing when it lies on no part of it.
std::optional<double> placeOnBeam(const Beam& beam, const FloorStretch& stretch) {
    const bool beamAlongX = horizontal(beam.from, beam.to);
    if (beamAlongX != horizontal(stretch.from, stretch.to))
        return std::nullopt;
    const double line = beamAlongX ? beam.from.y : beam.from.x;
    const double stretchLine = beamAlongX ? stretch.from.y : stretch.from.x;
    if (std::abs(line - stretchLine) > floorTolerance)
        return std::nullopt;
    const auto along = [beamAlongX](PlanPoint p) { return beamAlongX ? p.x : p.y; };
    const double lo = std::min(along(beam.from), along(beam.to));
    const double hi = std::max(along(beam.from), along(beam.to));
    const double s0 = std::min(along(stretch.from), along(stretch.to));
    const double s1 = std::max(along(stretch.from), along(stretch.to));
    if (s0 < lo - floorTolerance || s1 > hi + floorTolerance)
        return std::nullopt;
    return s0;
}

} // namespace

bool naturalLess(const std::string& a, const std::string& b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[j]);
        if (std::isdigit(ca) && std::isdigit(cb)) {
            std::size_t ei = i, ej = j;
            while (ei < a.size() && std::isdigit(static_cast<unsigned char>(a[ei])))
                ++ei;
            while (ej < b.size() && std::isdigit(static_cast<unsigned char>(b[ej])))
                ++ej;
            // Compare the runs as numbers without converting them: leading zeros dropped,
            // then the longer run is larger, then digit by digit.
            std::size_t si = i, sj = j;
            while (si + 1 < ei && a[si] == '0')
                ++si;
            while (sj + 1 < ej && b[sj] == '0')
                ++sj;
            if (ei - si != ej - sj)
                return ei - si < ej - sj;
            const int c = a.compare(si, ei - si, b, sj, ej - sj);
            if (c != 0)
                return c < 0;
            i = ei;
            j = ej;
            continue;
        }
        if (ca != cb)
            return ca < cb;
        ++i;
        ++j;
    }
    if (a.size() - i != b.size() - j)
        return a.size() - i < b.size() - j;
    return a < b;
}

std::optional<std::size_t> beamOfStretch(const FloorResults& results, std::size_t stretch) {
    for (std::size_t b = 0; b < results.beams.size(); ++b)
        if (placeOnBeam(results.beams[b], results.edges[stretch]))
            return b;
    return std::nullopt;
}

std::vector<std::size_t> stretchesInBeamOrder(const FloorResults& results) {
    struct Placed {
        std::size_t beam;
        double along;
        std::size_t stretch;
    };
    std::vector<Placed> placed;
    for (std::size_t e = 0; e < results.edges.size(); ++e) {
        Placed p{results.beams.size(), 0.0, e};
        for (std::size_t b = 0; b < results.beams.size(); ++b)
            if (const auto along = placeOnBeam(results.beams[b], results.edges[e])) {
                p.beam = b;
                p.along = *along;
                break;
            }
        placed.push_back(p);
    }
    std::stable_sort(placed.begin(), placed.end(), [](const Placed& l, const Placed& r) {
        if (l.beam != r.beam)
            return l.beam < r.beam;
        return l.along < r.along;
    });
    std::vector<std::size_t> order;
    order.reserve(placed.size());
    for (const Placed& p : placed)
        order.push_back(p.stretch);
    return order;
}

FloorSchedule floorSchedule(const Floor& floor, const FloorResults& results,
                            const Settings& settings) {
    FloorSchedule schedule;
    std::vector<PositionKey> keys;

    const auto add = [&](FloorBarGroup group, FloorBarShape shape) {
        const double linearMass = nominalLinearMass(group.diameter);
        if (linearMass == 0.0 || group.quantity <= 0)
            return;
        const PositionKey key{shape, group.diameter, group.unitLength,
                              wholeCentimetres(group.straight), wholeCentimetres(group.leg)};
        auto found = std::find(keys.begin(), keys.end(), key);
        if (found == keys.end()) {
            keys.push_back(key);
            SchedulePosition position;
            position.name = "N" + std::to_string(keys.size());
            position.diameter = group.diameter;
            position.unitLength = group.unitLength;
            schedule.table.positions.push_back(position);
            schedule.shapes.push_back(shape);
            found = keys.end() - 1;
        }
        group.position = static_cast<std::size_t>(found - keys.begin());
        SchedulePosition& position = schedule.table.positions[group.position];
        position.quantity += group.quantity;
        position.totalLength = static_cast<double>(position.quantity) * position.unitLength / 100;
        position.mass = position.totalLength * linearMass;
        schedule.groups.push_back(group);
    };

    std::vector<std::size_t> slabOrder(std::min(floor.slabs.size(), results.slabs.size()));
    std::iota(slabOrder.begin(), slabOrder.end(), std::size_t{0});
    std::stable_sort(slabOrder.begin(), slabOrder.end(), [&](std::size_t l, std::size_t r) {
        return naturalLess(floor.slabs[l].name, floor.slabs[r].name);
    });

    for (std::size_t i : slabOrder) {
        const FloorSlab& slab = floor.slabs[i];
        const FloorSlabResult& result = results.slabs[i];
        const SlabDesignData data = planSlab(slab);
        const BarLengths lengths = barLengths(data, settings);
        schedule.table.area += slab.Lx * slab.Ly;
        // The single slab's concrete rule (voids of a ribbed slab included): its table of no
        // bars is only the area and the volume.
        if (const auto volume = steelSchedule(data, SlabResults{}, settings))
            schedule.table.concreteVolume += volume->concreteVolume;
        if (result.outcome != FloorOutcome::Ready)
            continue;
        // The analysis frame's x is the plan's y in a rotated slab.
        const SlabResults& r = result.results;
        const int ribsX = result.rotated ? r.ribsY : r.ribsX;
        const int ribsY = result.rotated ? r.ribsX : r.ribsY;
        const int perRibX = result.rotated ? r.barsPerRibY : r.barsPerRibX;
        const int perRibY = result.rotated ? r.barsPerRibX : r.barsPerRibY;
        const double module = slab.a + slab.bw;
        for (const bool alongX : {true, false}) {
            const BarChoice& bar = alongX ? result.barX : result.barY;
            FloorBarGroup group;
            group.owner = alongX ? FloorBarOwner::SlabX : FloorBarOwner::SlabY;
            group.index = i;
            group.diameter = bar.diameter;
            group.unitLength = wholeCentimetres(alongX ? lengths.Lbx : lengths.Lby);
            if (slab.Ribbed) {
                // Bars in bundles, one bundle per rib: no one spacing between bars.
                group.quantity =
                    static_cast<long long>(alongX ? ribsX : ribsY) * (alongX ? perRibX : perRibY);
            } else {
                group.quantity = bar.count;
                group.spacing = bar.spacing;
            }
            add(group, FloorBarShape::Straight);
        }
        if (slab.Ribbed) {
            // The ribbed slab's own top steel, straight across it, where its design wrote one.
            const BarDirection topX = result.rotated ? BarDirection::yn : BarDirection::xn;
            const BarDirection topY = result.rotated ? BarDirection::xn : BarDirection::yn;
            for (const bool alongX : {true, false}) {
                if (r.bar(alongX ? topX : topY).text.empty())
                    continue;
                FloorBarGroup group;
                group.owner = alongX ? FloorBarOwner::SlabTopX : FloorBarOwner::SlabTopY;
                group.index = i;
                group.diameter = 5.0;
                group.quantity = (alongX ? ribsX : ribsY) + 1;
                group.spacing = module;
                group.unitLength = wholeCentimetres(alongX ? lengths.Lbx : lengths.Lby);
                add(group, FloorBarShape::Straight);
            }
        }
    }

    for (std::size_t e : stretchesInBeamOrder(results)) {
        const FloorStretch& stretch = results.edges[e];
        if (stretch.outcome != FloorOutcome::Ready)
            continue;
        // The single slab's top bar: unit a from the adjacent span, legs from the thinner slab.
        SlabDesignData data;
        data.h = stretch.h;
        data.AdjacentSpan = stretch.AdjacentSpan;
        const BarLengths lengths = barLengths(data, settings);
        FloorBarGroup group;
        group.owner = FloorBarOwner::Stretch;
        group.index = e;
        group.diameter = stretch.bar.diameter;
        group.quantity = stretch.bar.count;
        group.spacing = stretch.bar.spacing;
        group.unitLength = wholeCentimetres(lengths.Ln);
        group.straight = 3 * lengths.a;
        group.leg = lengths.v;
        add(group, FloorBarShape::Hooked);
    }

    SteelSchedule& table = schedule.table;
    summariseSchedule(table);
    table.steelPerArea = table.area > 0.0 ? table.totalMass / table.area : 0.0;
    table.steelPerVolume =
        table.concreteVolume > 0.0 ? table.totalMass / table.concreteVolume : 0.0;
    return schedule;
}

std::string floorBarLabel(const FloorSchedule& schedule, const FloorBarGroup& group,
                          char decimalSeparator) {
    std::string label = schedule.table.positions[group.position].name + " - " +
                        std::to_string(group.quantity) + " Ø" +
                        formatFixed(group.diameter, 1, decimalSeparator);
    if (group.spacing > 0.0)
        label += " c/" + formatShortest(group.spacing, decimalSeparator);
    return label + " - " + formatFixed(group.unitLength, 0, decimalSeparator);
}

} // namespace lajes
