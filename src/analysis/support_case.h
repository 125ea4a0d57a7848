#pragma once

// The six support cases of a rectangular slab, and every rule that follows from how each
// direction's strip is held at its two ends.
//
// The x strip spans Lx between the x edges (length Ly), drawn as the left and right sides of
// the case pictures; the y strip spans Ly between the y edges (length Lx), the top and bottom
// sides. A fixed edge is continuous over a support and carries a support moment; it is drawn
// hatched. Case 1 has no fixed edge; 2 left; 3 left and top (meeting at a corner); 4 left and
// right; 5 left, right and top; 6 all four.

#include <array>
#include <optional>

namespace lajes {

// How the two ends of one strip are held.
enum class StripEnds { Simple, OneFixed, BothFixed };

enum class Axis { x, y };

struct SupportCaseEntry {
    int id;      // 1..6
    StripEnds x; // ends of the x strip: the x edges (left, right)
    StripEnds y; // ends of the y strip: the y edges (top, bottom)
    // NBR 6118 ψ2 of a two-way slab: at r = 1, and at r = 2 when Lx >= Ly and when Lx < Ly
    // (r = larger span / smaller span). These depend on both directions at once and are read
    // from the code's table rather than derived.
    double psi2TwoWayAtR1;
    double psi2TwoWayAtR2LxNotShorter;
    double psi2TwoWayAtR2LxShorter;
};

inline constexpr std::array<SupportCaseEntry, 6> supportCases = {{
    {1, StripEnds::Simple, StripEnds::Simple, 1.5, 1.1, 1.1},
    {2, StripEnds::OneFixed, StripEnds::Simple, 1.7, 1.1, 1.4},
    {3, StripEnds::OneFixed, StripEnds::OneFixed, 1.8, 1.4, 1.4},
    {4, StripEnds::BothFixed, StripEnds::Simple, 1.9, 1.2, 1.7},
    {5, StripEnds::BothFixed, StripEnds::OneFixed, 2.0, 1.4, 1.7},
    {6, StripEnds::BothFixed, StripEnds::BothFixed, 2.2, 1.7, 1.7},
}};

// The row of a case number; nothing for a number outside 1..6.
constexpr std::optional<SupportCaseEntry> supportCaseEntry(int caseId) {
    if (caseId < 1 || caseId > static_cast<int>(supportCases.size())) {
        return std::nullopt;
    }
    return supportCases[static_cast<std::size_t>(caseId - 1)];
}

constexpr int fixedEnds(StripEnds ends) {
    switch (ends) {
    case StripEnds::Simple:
        return 0;
    case StripEnds::OneFixed:
        return 1;
    case StripEnds::BothFixed:
        return 2;
    }
    return 0;
}

constexpr StripEnds endsOf(const SupportCaseEntry& row, Axis axis) {
    return axis == Axis::x ? row.x : row.y;
}

// Number of fixed edges (0, 1 or 2) across which the top steel of a direction is laid: the x
// edges for Axis::x, the y edges for Axis::y. 0 for a number outside 1..6.
constexpr int fixedEdges(int caseId, Axis axis) {
    const std::optional<SupportCaseEntry> row = supportCaseEntry(caseId);
    return row ? fixedEnds(endsOf(*row, axis)) : 0;
}

// Which directions have top (negative) steel: x in cases 2 to 6, y in cases 3, 5, 6.
constexpr bool hasFixedXEdge(int caseId) {
    return fixedEdges(caseId, Axis::x) > 0;
}
constexpr bool hasFixedYEdge(int caseId) {
    return fixedEdges(caseId, Axis::y) > 0;
}

// The adjacent span enters the design wherever some edge is continuous (cases 2 to 6).
constexpr bool needsAdjacentSpan(int caseId) {
    return hasFixedXEdge(caseId) || hasFixedYEdge(caseId);
}

// Where the two directions are held alike (cases 1, 3, 6) the slab is entered with the
// shorter span as Lx; where they differ, Lx is the direction with the fixed edges and may be
// the longer span.
constexpr bool shorterSpanMustBeLx(int caseId) {
    const std::optional<SupportCaseEntry> row = supportCaseEntry(caseId);
    return row && row->x == row->y;
}

// The deflection is checked on the y strip when the directions are held differently
// (cases 2, 4, 5) and Ly is the shorter span; otherwise on the x strip.
constexpr bool deflectionGovernedByY(int caseId, double Lx, double Ly) {
    const std::optional<SupportCaseEntry> row = supportCaseEntry(caseId);
    return row && row->x != row->y && Lx > Ly;
}

struct FixedEdges {
    bool left = false, right = false, top = false, bottom = false;
};

// The hatched sides of the case picture: a strip with one fixed end is fixed on the left (x)
// or at the top (y). Any number outside 1..6: none.
constexpr FixedEdges fixedEdgesOf(int caseId) {
    const int x = fixedEdges(caseId, Axis::x);
    const int y = fixedEdges(caseId, Axis::y);
    return {x >= 1, x == 2, y >= 1, y == 2};
}

// Marcus's strip factors under a uniform load.
struct StripFactors {
    double eps;     // deflection factor: w = p·l⁴ / (eps·const)
    double m;       // span-moment factor of the strip
    double support; // support-moment factor of the strip
};

// 1/14.22 is the span moment of a propped cantilever as Marcus's tables print it; 9/128
// (0.0703125) is not the same number.
constexpr StripFactors marcusFactors(StripEnds ends) {
    switch (ends) {
    case StripEnds::Simple:
        return {5.0, 1.0 / 8.0, 0.0};
    case StripEnds::OneFixed:
        return {2.0, 1.0 / 14.22, 1.0 / 8.0};
    case StripEnds::BothFixed:
        return {1.0, 1.0 / 24.0, 1.0 / 12.0};
    }
    return {0.0, 0.0, 0.0};
}

// β of the cracked-strip deflection f = β·κ·l²: 5/48 simply supported, 2/27 one end fixed,
// 1/16 both ends fixed (the first two written as the products the results have always been
// computed with).
constexpr double deflectionFactor(StripEnds ends) {
    switch (ends) {
    case StripEnds::Simple:
        return 5.0 * 0.020833333333333332;
    case StripEnds::OneFixed:
        return 2.0 * 0.037037037037037035;
    case StripEnds::BothFixed:
        return 1.0 / 16.0;
    }
    return 0.0;
}

// Pre-dimensioning factors that follow from how the strip across the smaller span is held:
// REBA α of a one-way and a two-way slab, NBR 6118 ψ2 of a one-way slab.
struct SmallerSpanFactors {
    double alphaOneWay;
    double alphaTwoWay;
    double psi2OneWay;
};

constexpr SmallerSpanFactors smallerSpanFactors(StripEnds ends) {
    switch (ends) {
    case StripEnds::Simple:
        return {1.0, 0.7, 1.0};
    case StripEnds::OneFixed:
        return {0.8, 0.6, 1.2};
    case StripEnds::BothFixed:
        return {0.6, 0.5, 1.7};
    }
    return {0.0, 0.0, 0.0};
}

} // namespace lajes
