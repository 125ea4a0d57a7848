#include "ui/floor_editing.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace lajes {

namespace {

// The first slab of an empty floor: 10 cm, a light floor finish and a dwelling's live load
// (NBR 6120: 1.5 kN/m²) (cm, kg/m²).
constexpr double firstSlabH = 10.0;
constexpr double firstSlabG = 100.0;
constexpr double firstSlabQ = 150.0;

double toCentimetre(double value) {
    return std::round(value * 100.0) / 100.0;
}

bool rectanglesOverlap(const FloorSlab& a, const FloorSlab& b) {
    const double overlapX = std::min(a.x + a.Lx, b.x + b.Lx) - std::max(a.x, b.x);
    const double overlapY = std::min(a.y + a.Ly, b.y + b.Ly) - std::max(a.y, b.y);
    return overlapX > floorTolerance && overlapY > floorTolerance;
}

} // namespace

double snapToGrid(double value) {
    return toCentimetre(std::round(value / floorGrid) * floorGrid);
}

FloorLines floorLines(const Floor& floor, const std::vector<std::size_t>& skip) {
    FloorLines lines;
    for (std::size_t i = 0; i < floor.slabs.size(); ++i) {
        if (std::find(skip.begin(), skip.end(), i) != skip.end())
            continue;
        const FloorSlab& slab = floor.slabs[i];
        lines.xs.push_back(slab.x);
        lines.xs.push_back(slab.x + slab.Lx);
        lines.ys.push_back(slab.y);
        lines.ys.push_back(slab.y + slab.Ly);
    }
    return lines;
}

SnappedCoordinate snapCoordinate(double value, const std::vector<double>& lines, double tolerance) {
    std::optional<double> best;
    for (double line : lines)
        if (std::abs(line - value) <= tolerance &&
            (!best || std::abs(line - value) < std::abs(*best - value)))
            best = line;
    if (best)
        return {toCentimetre(*best), true};
    return {snapToGrid(value), false};
}

SnappedPoint snapPoint(PlanPoint point, const FloorLines& lines, double tolerance) {
    const SnappedCoordinate x = snapCoordinate(point.x, lines.xs, tolerance);
    const SnappedCoordinate y = snapCoordinate(point.y, lines.ys, tolerance);
    return {{x.value, y.value}, x.onLine || y.onLine};
}

SnappedCoordinate snapSpan(double start, double length, const std::vector<double>& lines,
                           double tolerance) {
    const SnappedCoordinate byStart = snapCoordinate(start, lines, tolerance);
    const SnappedCoordinate byEnd = snapCoordinate(start + length, lines, tolerance);
    if (byStart.onLine && (!byEnd.onLine || std::abs(byStart.value - start) <=
                                                std::abs(byEnd.value - start - length)))
        return byStart;
    if (byEnd.onLine)
        return {toCentimetre(byEnd.value - length), true};
    return byStart;
}

std::string nextSlabName(const Floor& floor) {
    long largest = 0;
    for (const FloorSlab& slab : floor.slabs) {
        if (slab.name.size() < 2 || slab.name[0] != 'L')
            continue;
        const std::string digits = slab.name.substr(1);
        if (!std::all_of(digits.begin(), digits.end(),
                         [](char c) { return c >= '0' && c <= '9'; }) ||
            digits.size() > 9)
            continue;
        largest = std::max(largest, std::strtol(digits.c_str(), nullptr, 10));
    }
    return "L" + std::to_string(largest + 1);
}

std::optional<FloorSlab> newFloorSlab(const Floor& floor, PlanPoint a, PlanPoint b) {
    const double x0 = std::min(a.x, b.x), x1 = std::max(a.x, b.x);
    const double y0 = std::min(a.y, b.y), y1 = std::max(a.y, b.y);
    if (x1 - x0 < floorGrid - 1e-9 || y1 - y0 < floorGrid - 1e-9)
        return std::nullopt;
    FloorSlab slab;
    slab.name = nextSlabName(floor);
    slab.x = toCentimetre(x0);
    slab.y = toCentimetre(y0);
    slab.Lx = toCentimetre(x1 - x0);
    slab.Ly = toCentimetre(y1 - y0);
    if (floor.slabs.empty()) {
        slab.h = firstSlabH;
        slab.g = firstSlabG;
        slab.q = firstSlabQ;
    } else {
        const FloorSlab& last = floor.slabs.back();
        slab.h = last.h;
        slab.g = last.g;
        slab.q = last.q;
    }
    return slab;
}

std::optional<FloorSlab> duplicateBeside(const Floor& floor, std::size_t index) {
    const FloorSlab& original = floor.slabs.at(index);
    const PlanPoint places[] = {{original.x + original.Lx, original.y},
                                {original.x, original.y + original.Ly},
                                {original.x - original.Lx, original.y},
                                {original.x, original.y - original.Ly}};
    for (const PlanPoint place : places) {
        FloorSlab copy = original;
        copy.name = nextSlabName(floor);
        copy.x = toCentimetre(place.x);
        copy.y = toCentimetre(place.y);
        if (std::none_of(floor.slabs.begin(), floor.slabs.end(),
                         [&](const FloorSlab& other) { return rectanglesOverlap(copy, other); }))
            return copy;
    }
    return std::nullopt;
}

EdgeMode nextEdgeMode(EdgeMode mode) {
    switch (mode) {
    case EdgeMode::Auto:
        return EdgeMode::Fixed;
    case EdgeMode::Fixed:
        return EdgeMode::Simple;
    case EdgeMode::Simple:
        break;
    }
    return EdgeMode::Auto;
}

std::optional<std::size_t> overlappedSlab(const Floor& floor, std::size_t index) {
    for (std::size_t i = 0; i < floor.slabs.size(); ++i)
        if (i != index && rectanglesOverlap(floor.slabs[i], floor.slabs[index]))
            return i;
    return std::nullopt;
}

std::optional<Side> sideNear(const FloorSlab& slab, PlanPoint point, double tolerance) {
    if (point.x < slab.x - tolerance || point.x > slab.x + slab.Lx + tolerance ||
        point.y < slab.y - tolerance || point.y > slab.y + slab.Ly + tolerance)
        return std::nullopt;
    const double distances[] = {std::abs(point.x - slab.x), std::abs(slab.x + slab.Lx - point.x),
                                std::abs(point.y - slab.y), std::abs(slab.y + slab.Ly - point.y)};
    std::size_t nearest = 0;
    for (std::size_t i = 1; i < 4; ++i)
        if (distances[i] < distances[nearest])
            nearest = i;
    if (distances[nearest] > tolerance)
        return std::nullopt;
    return allSides[nearest];
}

} // namespace lajes
