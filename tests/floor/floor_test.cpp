#include "floor/floor.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "../row_name.h"

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

} // namespace
} // namespace lajes
