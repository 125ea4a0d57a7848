#pragma once

// Every result of the design of the current slab. Units: moments kg.m/m, reactions kg/m,
// steel areas cm²/m, depths and deflections cm, shear stresses kN/m² per metre.
//
// The one deliberate edge from analysis/ back to design/: the analysis writes its moments,
// reactions and section limits into this record, so that one record carries every figure
// of the slab to the screens, the report, the drawing and lajes-cli.

#include <array>
#include <cstddef>
#include <string>

namespace lajes {

// The four reinforcement directions: bottom steel for Mx (xp) and My (yp), top steel over
// fixed edges for Xx (xn) and Xy (yn).
enum class BarDirection { xp = 0, yp = 1, xn = 2, yn = 3 };

// The direction's key in lajes-cli's JSON and in slab files: "xp", "yp", "xn", "yn".
constexpr const char* directionKey(BarDirection direction) {
    switch (direction) {
    case BarDirection::xp:
        return "xp";
    case BarDirection::yp:
        return "yp";
    case BarDirection::xn:
        return "xn";
    case BarDirection::yn:
        return "yn";
    }
    return "";
}

inline constexpr std::array<BarDirection, 4> allBarDirections{BarDirection::xp, BarDirection::yp,
                                                              BarDirection::xn, BarDirection::yn};

struct BarChoice {
    double diameter = 0.0;      // mm, a row of the bar table; 0 when no diameter is usable
    double spacing = 0.0;       // cm (solid slabs)
    int count = 0;              // bars across the slab, or bars per rib (ribbed bottom steel)
    double effectiveArea = 0.0; // cm²/m of the chosen bars
    std::string text;           // description, e.g. "31Ø6.3c10" or "8x2Ø10.0"
};

struct SlabResults {
    // Strip coefficients of the Marcus analysis, kept for the deflection check.
    double epsX = 0.0, epsY = 0.0; // deflection factors 5, 2 or 1
    double mx = 0.0, my = 0.0;     // span-moment factors 1/8, 1/14.22, 1/24
    double muX = 0.0, muY = 0.0;   // M = mu * p * Lx²

    // Characteristic moments and reactions.
    double Mx = 0.0, My = 0.0;
    double Xx = 0.0, Xy = 0.0; // <= 0
    double Rxa = 0.0, Rxe = 0.0, Rya = 0.0, Rye = 0.0;

    // Section limits.
    double MkMax = 0.0;
    double Mr = 0.0;
    double rhoMin = 0.0; // per cent
    double AsMin = 0.0;

    // Flexural design.
    double Asxp = 0.0, Asyp = 0.0, Asxn = 0.0, Asyn = 0.0;
    double X = 0.0; // neutral-axis depth, cm
    double mu = 0.0, xi = 0.0, zeta = 0.0, xiPrev = 0.0;

    // Bars, indexed by BarDirection.
    std::array<BarChoice, 4> bars{};
    int ribsX = 0, ribsY = 0;             // ribbed slab: ribs across the slab in x and y
    int barsPerRibX = 1, barsPerRibY = 1; // ribbed slab: bottom bars per rib

    // Serviceability and shear.
    double immediateDeflection = 0.0;
    double finalDeflection = 0.0;
    double admissibleDeflection = 0.0;
    double V = 0.0;    // governing reaction, kg/m
    double tauD = 0.0; // design shear stress
    double tauU = 0.0; // admissible shear stress

    BarChoice& bar(BarDirection direction) { return bars[static_cast<std::size_t>(direction)]; }
    const BarChoice& bar(BarDirection direction) const {
        return bars[static_cast<std::size_t>(direction)];
    }
};

} // namespace lajes
