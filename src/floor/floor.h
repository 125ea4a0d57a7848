#pragma once

// A floor ("pavimento"): slabs on a grid of beams, designed together. Which edges are fixed
// follows from the neighbours; the support moments of two slabs over a shared beam are made to
// agree, the span moments corrected, the top steel designed once per stretch of beam and the
// reactions added up along each beam. Every slab goes through the single slab's own calculate
// action and results computation.
//
// Units as for one slab: coordinates and spans in m, thicknesses in cm, loads in kg/m², moments
// in kg.m/m, reactions and beam loads in kg/m, steel areas in cm²/m.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "analysis/slab_design_data.h"
#include "config/settings.h"
#include "design/bar_picks.h"
#include "design/slab_results.h"

namespace lajes {

// The four sides of a slab in the plan: x to the right, y up.
enum class Side { left = 0, right = 1, bottom = 2, top = 3 };

inline constexpr std::array<Side, 4> allSides{Side::left, Side::right, Side::bottom, Side::top};

// The side's key in the floor file and in lajes-cli's JSON: "left", "right", "bottom", "top".
constexpr const char* sideKey(Side side) {
    switch (side) {
    case Side::left:
        return "left";
    case Side::right:
        return "right";
    case Side::bottom:
        return "bottom";
    case Side::top:
        break;
    }
    return "top";
}

// How an edge is held: decided by the neighbours ("auto"), or forced.
enum class EdgeMode { Auto, Fixed, Simple };

// How the support moments of two fixed slabs over one stretch are made to agree: "media" (the
// larger of 80 % of the larger and the mean) or "maior" (the larger, NBR 6118 14.7.6.2).
enum class Compatibility { Media, Maior };

struct FloorSlab {
    std::string name; // unique in the floor
    double x = 0.0;   // m, the corner with the smallest coordinates
    double y = 0.0;
    double Lx = 0.0; // m, theoretical spans, axis to axis of the beams, along the plan's x and y
    double Ly = 0.0;
    double h = 0.0; // cm
    double g = 0.0; // kg/m², permanent load as typed, without self-weight
    double q = 0.0; // kg/m²
    bool Ribbed = false;
    double a = 0.0, bw = 0.0, hb = 0.0, bf = 0.0; // cm
    double BlockDensity = 0.0;                    // kgf/m³
    std::array<EdgeMode, 4> edges{};              // indexed by Side
    std::vector<BarPick> choices;                 // picks of xp and yp, in the plan's frame

    EdgeMode& edge(Side side) { return edges[static_cast<std::size_t>(side)]; }
    EdgeMode edge(Side side) const { return edges[static_cast<std::size_t>(side)]; }
};

// A bar pick on a stretch's top steel, found again by the stretch's slabs and ends.
struct StretchPick {
    std::vector<std::string> slabs; // names, in the stretch's order (by name)
    double fromX = 0.0, fromY = 0.0, toX = 0.0, toY = 0.0; // m
    std::optional<std::string> diameter;                   // a diameter list text, "8.0"
    std::optional<int> spacing;                            // cm, a spacing list entry

    friend bool operator==(const StretchPick&, const StretchPick&) = default;
};

struct Floor {
    std::string name;
    double fck = 25.0; // one concrete and one steel for the whole floor
    std::string SteelGrade = "CA-50A";
    Compatibility compatibility = Compatibility::Media;
    Settings settings; // as the file holds them
    std::vector<FloorSlab> slabs;
    // Picks of the stretches' top bars: a diameter, then a spacing (in that order when both).
    std::vector<StretchPick> stretchChoices;
};

// Rules 1 and 3: two coordinates closer than this are the same line (m).
inline constexpr double floorTolerance = 0.005;
inline constexpr std::size_t maxFloorSlabs = 2000;

struct PlanPoint {
    double x = 0.0;
    double y = 0.0;
};

enum class FloorOutcome { Ready, Rejected, NoBar };

struct FloorSlabResult {
    std::string name;
    int SupportCase = 1;
    bool rotated = false;            // analysed with Lx and Ly swapped (analysis x = plan y)
    std::array<bool, 4> fixed{};     // per Side: "engastado"
    double lambda = 0.0;             // Ly / Lx of the analysis
    double p = 0.0;                  // kg/m², with the self-weight
    double d = 0.0;                  // cm
    double ownMx = 0.0, ownMy = 0.0; // the slab's own span moments, plan's frame
    std::array<double, 4> ownX{};    // per Side: its own support moment (<= 0), 0 when simple
    double Mx = 0.0, My = 0.0;       // corrected span moments, plan's frame
    FloorOutcome outcome = FloorOutcome::Rejected;
    std::string message;                 // Rejected and NoBar
    double AsxP = 0.0, AsyP = 0.0;       // plan's frame
    BarChoice barX, barY;                // bars along the plan's x and y
    std::vector<BarPick> skippedChoices; // picks (plan's frame) that the lists did not offer
    // The diameter and spacing lists along the plan's x and y, as the results screen offers
    // them for the bars in use.
    ChoiceList diametersX, spacingsX, diametersY, spacingsY;
    std::array<double, 4> reactions{}; // per Side, kg/m
    double immediateDeflection = 0.0, finalDeflection = 0.0, admissibleDeflection = 0.0;
    double tauD = 0.0, tauU = 0.0;
    // The single slab's records in the analysis frame as the design left them (the drawing,
    // the verification).
    SlabDesignData slab;
    SlabResults results;
};

// One stretch of beam with top steel: shared by two slabs, or a fixed edge (or part of one)
// with no neighbour.
struct FloorStretch {
    std::vector<std::size_t> slabs; // indices into Floor::slabs, sorted by name
    std::vector<Side> sides;        // the side of each of those slabs that the stretch lies on
    std::vector<double> ownX;       // each slab's own support moment there (<= 0; 0 when simple)
    PlanPoint from, to;
    double Xc = 0.0;           // the moment designed for (<= 0)
    double d = 0.0;            // cm, the smaller of the slabs'
    double h = 0.0;            // cm, the smaller of the slabs'
    double AdjacentSpan = 0.0; // m, the larger of the smaller spans of the slabs
    FloorOutcome outcome = FloorOutcome::Rejected;
    std::string message;
    double As = 0.0;
    BarChoice bar;
    ChoiceList diameters, spacings; // offered for the bars in use
    bool pickSkipped = false;       // the floor's pick for it is not offered: the proposal stands
};

struct BeamSegment {
    PlanPoint from, to;
    std::vector<std::size_t> slabs; // slabs on both sides, indices into Floor::slabs, by name
    double load = 0.0;              // kg/m, sum of their reactions
};

struct Beam {
    std::string name; // V1, V2, ...
    PlanPoint from, to;
    std::vector<BeamSegment> segments; // from the smaller coordinate
};

struct FloorResults {
    // Set when the floor cannot be designed at all (overlapping slabs, a repeated name...):
    // then nothing else is filled.
    std::optional<std::string> inputError;
    FloorOutcome outcome = FloorOutcome::Rejected; // Ready when every slab and stretch is
    std::vector<FloorSlabResult> slabs;            // in the order of Floor::slabs
    std::vector<FloorStretch> edges;
    std::vector<Beam> beams;
};

struct FloorOptions {
    char decimalSeparator = '.'; // of the bar descriptions
};

// The record checks of the floor (names, spans, thicknesses, coordinates, edge modes of ribbed
// slabs, overlaps): the message of the first failure, naming the slab and the key.
std::optional<std::string> checkFloor(const Floor& floor);

// The whole floor, on every edit. Pure: reads only its arguments.
FloorResults designFloor(const Floor& floor, const Settings& settings,
                         const FloorOptions& options = {});

} // namespace lajes
