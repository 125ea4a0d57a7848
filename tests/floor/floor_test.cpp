#include "floor/floor.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "../row_name.h"
#include "text/number_text.h"

namespace lajes {
namespace {

constexpr double cents = 0.005; // the worked figures are given to two decimals

FloorSlab slabAt(std::string name, double x, double y, double Lx, double Ly, double h) {
    FloorSlab slab;
    slab.name = std::move(name);
    slab.x = x;
    slab.y = y;
    slab.Lx = Lx;
    slab.Ly = Ly;
    slab.h = h;
    slab.g = 250.0;
    slab.q = 200.0;
    return slab;
}

// L1 at (0, 0) 4 × 4 m and L2 at (4, 0) 5 × 4 m, both 10 cm; L3 at (0, 4) 9 × 3 m, 12 cm;
// g 250, q 200, C25, CA-50A, the default settings.
Floor workedFloor(Compatibility compatibility = Compatibility::Media) {
    Floor floor;
    floor.name = "Pavimento tipo";
    floor.compatibility = compatibility;
    floor.slabs = {slabAt("L1", 0, 0, 4, 4, 10), slabAt("L2", 4, 0, 5, 4, 10),
                   slabAt("L3", 0, 4, 9, 3, 12)};
    return floor;
}

const FloorStretch& stretchOf(const FloorResults& results, std::vector<std::size_t> slabs) {
    const auto it = std::find_if(results.edges.begin(), results.edges.end(),
                                 [&](const FloorStretch& s) { return s.slabs == slabs; });
    if (it == results.edges.end())
        throw std::runtime_error("no such stretch");
    return *it;
}

double side(const std::array<double, 4>& values, Side s) {
    return values[static_cast<std::size_t>(s)];
}

TEST(WorkedFloor, SlabsStretchesAndBeamsGiveTheWorkedFigures) {
    const FloorResults r = designFloor(workedFloor(), Settings{});
    ASSERT_FALSE(r.inputError) << *r.inputError;
    ASSERT_EQ(r.slabs.size(), 3u);
    const FloorSlabResult& L1 = r.slabs[0];
    const FloorSlabResult& L2 = r.slabs[1];
    const FloorSlabResult& L3 = r.slabs[2];

    EXPECT_EQ(L1.SupportCase, 3);
    EXPECT_FALSE(L1.rotated);
    EXPECT_EQ(L1.fixed, (std::array<bool, 4>{false, true, false, true}));
    EXPECT_NEAR(L1.ownMx, 301.50, cents);
    EXPECT_NEAR(L1.ownMy, 301.50, cents);
    EXPECT_NEAR(side(L1.ownX, Side::right), -700.00, cents);
    EXPECT_NEAR(side(L1.ownX, Side::top), -700.00, cents);
    EXPECT_NEAR(L1.Mx, 317.59, cents);

    EXPECT_EQ(L2.SupportCase, 3);
    EXPECT_TRUE(L2.rotated);
    EXPECT_EQ(L2.fixed, (std::array<bool, 4>{true, false, false, true}));
    EXPECT_NEAR(L2.ownMx, 281.48, cents);
    EXPECT_NEAR(L2.ownMy, 439.82, cents);
    EXPECT_NEAR(side(L2.ownX, Side::left), -635.64, cents);
    EXPECT_NEAR(side(L2.ownX, Side::top), -993.19, cents);
    EXPECT_NEAR(L2.My, 478.22, cents);

    EXPECT_EQ(L3.SupportCase, 2);
    EXPECT_TRUE(L3.rotated);
    EXPECT_EQ(L3.fixed, (std::array<bool, 4>{false, false, true, false}));
    EXPECT_NEAR(side(L3.ownX, Side::bottom), -839.60, cents);

    ASSERT_EQ(r.edges.size(), 3u);
    EXPECT_NEAR(stretchOf(r, {0, 1}).Xc, -667.82, cents);
    EXPECT_NEAR(stretchOf(r, {0, 1}).As, 2.67, cents);
    EXPECT_NEAR(stretchOf(r, {0, 2}).Xc, -769.80, cents);
    EXPECT_NEAR(stretchOf(r, {1, 2}).Xc, -916.40, cents);
    EXPECT_NEAR(stretchOf(r, {1, 2}).As, 3.73, cents);

    const auto V2 = std::find_if(r.beams.begin(), r.beams.end(),
                                 [](const Beam& beam) { return beam.name == "V2"; });
    ASSERT_NE(V2, r.beams.end());
    EXPECT_DOUBLE_EQ(V2->from.y, 4.0);
    ASSERT_EQ(V2->segments.size(), 2u);
    EXPECT_NEAR(V2->segments[0].load, 2140.10, cents);
    EXPECT_DOUBLE_EQ(V2->segments[0].to.x, 4.0);
    EXPECT_NEAR(V2->segments[1].load, 2317.62, cents);
    EXPECT_DOUBLE_EQ(V2->segments[1].to.x, 9.0);
    EXPECT_EQ(r.outcome, FloorOutcome::Ready);
}

TEST(WorkedFloor, TheLargerMomentLeavesL1SpanMomentAsItWas) {
    const FloorResults r = designFloor(workedFloor(Compatibility::Maior), Settings{});
    ASSERT_FALSE(r.inputError);
    EXPECT_NEAR(stretchOf(r, {0, 1}).Xc, -700.00, cents);
    EXPECT_NEAR(r.slabs[0].Mx, 301.50, cents);
}

// Picks per slab direction and per stretch. L2 is analysed rotated: a pick of the plan's yp is
// the analysis's xp, and an unoffered one is handed back in the plan's frame. Over V5 (L1|L2,
// 4 m) As = 2,67 cm²/m takes Ø6.3 c11 as proposed; Ø8.0 gives s = 100·0,503/2,67 = 18,8 → 18
// cm; at h = 10 cm no bar above 10 mm is offered, and no spacing above the one in use.
struct PickRow {
    const char* name;
    enum Target { SlabX, SlabY, Stretch } target;
    std::optional<std::string> diameter;
    std::optional<int> spacing;
    double expectedDiameter, expectedSpacing; // 0: not checked
    bool skipped;
};

class FloorPicks : public testing::TestWithParam<PickRow> {};

TEST_P(FloorPicks, ArePlayedOrFallBackToTheProposal) {
    const PickRow& row = GetParam();
    Floor floor = workedFloor();
    const std::vector<std::size_t> V5{0, 1};
    if (row.target == PickRow::Stretch)
        floor.stretchChoices = {{{"L1", "L2"}, 4, 0, 4, 4, row.diameter, row.spacing}};
    else
        floor.slabs[1].choices = {
            {row.target == PickRow::SlabX ? BarDirection::xp : BarDirection::yp, row.diameter,
             row.spacing}};
    const FloorResults r = designFloor(floor, Settings{});
    ASSERT_TRUE(r.slabs[1].rotated);
    ASSERT_EQ(r.outcome, FloorOutcome::Ready);
    const FloorSlabResult& L2 = r.slabs[1];
    const FloorStretch& stretch = stretchOf(r, V5);
    const BarChoice& bar = row.target == PickRow::SlabX   ? L2.barX
                           : row.target == PickRow::SlabY ? L2.barY
                                                          : stretch.bar;
    const ChoiceList& diameters = row.target == PickRow::SlabX   ? L2.diametersX
                                  : row.target == PickRow::SlabY ? L2.diametersY
                                                                 : stretch.diameters;
    EXPECT_EQ(bar.diameter, row.expectedDiameter);
    if (row.expectedSpacing > 0) {
        EXPECT_EQ(bar.spacing, row.expectedSpacing);
    }
    EXPECT_EQ(diameters.currentText, formatFixed(row.expectedDiameter, 1, '.'));
    EXPECT_FALSE(diameters.items.empty());
    const bool skipped =
        row.target == PickRow::Stretch ? stretch.pickSkipped : !L2.skippedChoices.empty();
    EXPECT_EQ(skipped, row.skipped);
    if (row.target != PickRow::Stretch && row.skipped) {
        EXPECT_EQ(L2.skippedChoices[0].direction,
                  row.target == PickRow::SlabX ? BarDirection::xp : BarDirection::yp);
    }
}

INSTANTIATE_TEST_SUITE_P(
    WorkedFloor, FloorPicks,
    testing::Values(
        PickRow{"SlabYDiameter", PickRow::SlabY, "8.0", std::nullopt, 8.0, 0, false},
        PickRow{"SlabXUnoffered", PickRow::SlabX, "40.0", std::nullopt, 5.0, 0, true},
        PickRow{"StretchProposal", PickRow::Stretch, std::nullopt, std::nullopt, 6.3, 11, false},
        PickRow{"StretchDiameter", PickRow::Stretch, "8.0", std::nullopt, 8.0, 18, false},
        PickRow{"StretchSpacing", PickRow::Stretch, std::nullopt, 9, 6.3, 9, false},
        PickRow{"StretchDiameterAndSpacing", PickRow::Stretch, "8.0", 12, 8.0, 12, false},
        PickRow{"StretchDiameterNoLongerFits", PickRow::Stretch, "12.5", std::nullopt, 6.3, 11,
                true},
        PickRow{"StretchSpacingNoLongerFits", PickRow::Stretch, std::nullopt, 15, 6.3, 11, true}),
    testing_rows::RowName{});

// Rule 8: two 7 cm slabs under 800 kg/m²: each span moment stays below Mk máx (about 1232 at
// d = 5.5 cm) while the moment over the shared beam, about 1393, does not.
TEST(FloorOutcome, AStretchAboveMkMaxIsRefusedNamingBothSlabs) {
    Floor floor;
    floor.slabs = {slabAt("L1", 0, 0, 4, 4, 7), slabAt("L2", 4, 0, 4, 4, 7)};
    for (FloorSlab& slab : floor.slabs) {
        slab.g = 0.0;
        slab.q = 800.0;
    }
    const FloorResults r = designFloor(floor, Settings{});
    ASSERT_EQ(r.edges.size(), 1u);
    EXPECT_EQ(r.slabs[0].outcome, FloorOutcome::Ready);
    EXPECT_EQ(r.slabs[1].outcome, FloorOutcome::Ready);
    EXPECT_EQ(r.edges[0].outcome, FloorOutcome::Rejected);
    EXPECT_EQ(r.edges[0].message, "Momento X entre L1 e L2 é maior que Mkmáx !");
    EXPECT_EQ(r.outcome, FloorOutcome::Rejected);
}

// Rule 3: each (nx, ny) pattern once, forced by overrides on a lone 4 × 5 m slab.
struct PatternRow {
    const char* name;
    std::array<EdgeMode, 4> edges; // left, right, bottom, top
    int supportCase;
    bool rotated;
    double lambda;
};

class SupportPatternTest : public testing::TestWithParam<PatternRow> {};

TEST_P(SupportPatternTest, GivesItsCaseAndOrientation) {
    const PatternRow& row = GetParam();
    Floor floor;
    floor.slabs = {slabAt("L1", 0, 0, 4, 5, 10)};
    floor.slabs[0].edges = row.edges;
    const FloorResults r = designFloor(floor, Settings{});
    ASSERT_FALSE(r.inputError);
    EXPECT_EQ(r.slabs[0].SupportCase, row.supportCase);
    EXPECT_EQ(r.slabs[0].rotated, row.rotated);
    EXPECT_DOUBLE_EQ(r.slabs[0].lambda, row.lambda);
}

constexpr EdgeMode A = EdgeMode::Auto;
constexpr EdgeMode E = EdgeMode::Fixed;

INSTANTIATE_TEST_SUITE_P(NineFixityPatterns, SupportPatternTest,
                         testing::Values(PatternRow{"None", {A, A, A, A}, 1, false, 1.25},
                                         PatternRow{"Left", {E, A, A, A}, 2, false, 1.25},
                                         PatternRow{"Top", {A, A, A, E}, 2, true, 0.8},
                                         PatternRow{"LeftAndTop", {E, A, A, E}, 3, false, 1.25},
                                         PatternRow{"LeftAndRight", {E, E, A, A}, 4, false, 1.25},
                                         PatternRow{"BottomAndTop", {A, A, E, E}, 4, true, 0.8},
                                         PatternRow{"ThreeWithBothX", {E, E, A, E}, 5, false, 1.25},
                                         PatternRow{"ThreeWithBothY", {E, A, E, E}, 5, true, 0.8},
                                         PatternRow{"All", {E, E, E, E}, 6, false, 1.25}),
                         testing_rows::RowName{});

// Rules 1, 2, 5 and 8 on a slab S at (0, 0), 4 × 4 m, and one neighbour N to its right.
struct FixityRow {
    const char* name;
    double sH;               // cm
    EdgeMode sRight;         // S's right edge as given
    double nY, nLx, nLy, nH; // N at (4, nY)
    bool nRibbed;
    bool sRightFixed, nLeftFixed; // as decided
    std::size_t stretches;        // with top steel
    bool XcIsNOwn;                // only N is fixed over the shared stretch
};

class FixityTest : public testing::TestWithParam<FixityRow> {};

TEST_P(FixityTest, DecidesBothSidesOfTheSharedEdge) {
    const FixityRow& row = GetParam();
    Floor floor;
    floor.slabs = {slabAt("S", 0, 0, 4, 4, row.sH),
                   slabAt("N", 4, row.nY, row.nLx, row.nLy, row.nH)};
    floor.slabs[0].edge(Side::right) = row.sRight;
    if (row.nRibbed) {
        FloorSlab& N = floor.slabs[1];
        N.Ribbed = true;
        N.a = 40;
        N.bw = 10;
        N.hb = 16;
        N.bf = 4;
        N.BlockDensity = 1000;
    }
    const FloorResults r = designFloor(floor, Settings{});
    ASSERT_FALSE(r.inputError) << *r.inputError;
    EXPECT_EQ(r.slabs[0].fixed[static_cast<std::size_t>(Side::right)], row.sRightFixed);
    EXPECT_EQ(r.slabs[1].fixed[static_cast<std::size_t>(Side::left)], row.nLeftFixed);
    EXPECT_EQ(r.edges.size(), row.stretches);
    if (row.XcIsNOwn) {
        const FloorStretch& shared = stretchOf(r, {1, 0});
        EXPECT_DOUBLE_EQ(shared.Xc, side(r.slabs[1].ownX, Side::left));
        EXPECT_DOUBLE_EQ(shared.ownX[1], 0.0); // S is simply supported there
    }
}

constexpr EdgeMode P = EdgeMode::Simple;

INSTANTIATE_TEST_SUITE_P(
    Rules, FixityTest,
    testing::Values(
        // Half of S's edge is covered: below 2/3, so S is simply supported; N's whole edge is.
        FixityRow{"PartialContactBelowTwoThirds", 10, A, 0, 4, 2, 10, false, false, true, 1, true},
        // Three quarters: fixed, and the uncovered metre is a stretch of S alone.
        FixityRow{"PartialContactAboveTwoThirds", 10, A, 0, 4, 3, 10, false, true, true, 2, false},
        // hN >= hS - 2 cm: a neighbour 2 cm thinner still fixes S.
        FixityRow{"ThinnerByTwoCentimetresFixes", 12, A, 0, 4, 4, 10, false, true, true, 1, false},
        // 3 cm thinner does not, while the thicker S fixes N.
        FixityRow{"ThinnerByThreeCentimetresDoesNot", 13, A, 0, 4, 4, 10, false, false, true, 1,
                  true},
        FixityRow{"OverrideApoiado", 10, P, 0, 4, 4, 10, false, false, true, 1, true},
        FixityRow{"RibbedNeighbourFixesNothing", 10, A, 0, 4, 4, 20, true, false, false, 0, false}),
    testing_rows::RowName{});

} // namespace
} // namespace lajes
