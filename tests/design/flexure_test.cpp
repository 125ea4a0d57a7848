#include "design/flexure.h"

#include "../row_name.h"
#include <cmath>
#include <gtest/gtest.h>

namespace lajes {
namespace {

struct RatioCase {
    const char* name;
    double mu;
    double xi;
    double zeta;
};

class SectionRatiosTest : public testing::TestWithParam<RatioCase> {};

TEST_P(SectionRatiosTest, MatchesTheReferencePairToFiveDigits) {
    const RatioCase& c = GetParam();
    const SectionRatios ratios = sectionRatiosForMu(c.mu);
    EXPECT_NEAR(ratios.xi, c.xi, 5e-6);
    EXPECT_NEAR(ratios.zeta, c.zeta, 5e-6);
}

INSTANTIATE_TEST_SUITE_P(ReferenceValues, SectionRatiosTest,
                         testing::Values(RatioCase{"QuinticMuPoint01", 0.01, 0.04993, 0.98296},
                                         RatioCase{"QuinticMuPoint05", 0.05, 0.11809, 0.95781},
                                         RatioCase{"CubicMuPoint1", 0.1, 0.18098, 0.93088},
                                         RatioCase{"CubicMuPoint15", 0.15, 0.24794, 0.89215},
                                         RatioCase{"ClosedFormMuPoint2", 0.2, 0.33825, 0.85929},
                                         RatioCase{"ZeroMoment", 0.0, 0.0, 1.0}),
                         testing_rows::RowName{});

// Both Newton procedures must stop from their fixed starting guesses for every mu a moment
// below Mk máx can give, and the ratios must not jump except where the closed form takes
// over at 0.15 (about 1 %).
TEST(SectionRatiosSweep, BothIterationsStopAndTheRatiosAreContinuous) {
    constexpr int steps = 200000;
    constexpr double muMax = 0.4135;
    SectionRatios previous = sectionRatiosForMu(0.0);
    double previousMu = 0.0;
    int jumps = 0;
    for (int i = 1; i <= steps; ++i) {
        const double mu = muMax * i / steps;
        SectionRatios ratios;
        ASSERT_NO_THROW(ratios = sectionRatiosForMu(mu)) << "mu " << mu;
        ASSERT_TRUE(std::isfinite(ratios.xi) && std::isfinite(ratios.zeta)) << "mu " << mu;
        ASSERT_GT(ratios.xi, 0.0) << "mu " << mu;
        ASSERT_LT(ratios.xi, 1.21) << "mu " << mu; // 0.6881 / (2 x 0.2862496) at the top
        ASSERT_GT(ratios.zeta, 0.5) << "mu " << mu;
        ASSERT_LE(ratios.zeta, 1.0) << "mu " << mu;
        const double dXi = std::fabs(ratios.xi - previous.xi);
        const double dZeta = std::fabs(ratios.zeta - previous.zeta);
        const bool crossesClosedForm = previousMu <= 0.15 && mu > 0.15;
        if (crossesClosedForm) {
            ++jumps;
            EXPECT_LT(dXi, 0.01) << "mu " << mu;
            EXPECT_LT(dZeta, 0.01) << "mu " << mu;
        } else {
            // A deeper compression zone for a larger moment, up to the Newton tolerance.
            ASSERT_GE(ratios.xi, previous.xi - 2e-5) << "mu " << mu;
            // The steepest regular step is at the top of the range, where dxi/dmu grows
            // without bound (about 8e-4 per step there).
            ASSERT_LT(dXi, 2e-3) << "mu " << mu;
            ASSERT_LT(dZeta, 2e-3) << "mu " << mu;
        }
        previous = ratios;
        previousMu = mu;
    }
    EXPECT_EQ(jumps, 1);
}

TEST(SectionRatios, SwitchAtPointFifteenIsAboutOnePerCent) {
    EXPECT_NEAR(sectionRatiosForMu(0.15).zeta, 0.8922, 5e-5);
    EXPECT_NEAR(sectionRatiosForMu(0.151).zeta, 0.8984, 5e-5);
}

TEST(SectionDesign, KeepsThePreviousRatioAndSetsMu) {
    SlabResults results;
    results.xi = 0.3;
    // Mx of the end-to-end slab: 7/192 x 700 x 4², d = 8.5 cm, fck = 20 MPa.
    designSectionRatios(7.0 / 192.0 * 700.0 * 16.0, 8.5, 20.0, results);
    EXPECT_DOUBLE_EQ(results.xiPrev, 0.3);
    EXPECT_NEAR(results.mu, 0.05539, 5e-6);
    EXPECT_NEAR(results.xi, 0.12521, 5e-6);
    EXPECT_NEAR(results.zeta, 0.95499, 5e-6);
    EXPECT_NEAR(requiredArea(7.0 / 192.0 * 700.0 * 16.0, 8.5, 50.0, results.zeta), 1.62, 5e-3);
}

// A slab of d = 8.5 cm, fck 20, CA-50A, As min 1.36 cm²/m.
SlabDesignData strip(double Lx, double Ly) {
    SlabDesignData slab;
    slab.Lx = Lx;
    slab.Ly = Ly;
    slab.Lambda = Ly / Lx;
    slab.d = 8.5;
    slab.h = 10.0;
    slab.fck = 20.0;
    slab.fyk = 50.0;
    return slab;
}

struct FlexureCase {
    const char* name;
    double Lx, Ly;
    double Mx, My, Xx, Xy;
    double Asxp, Asyp, Asxn, Asyn; // cm²/m; 0.0 where the check is "exactly zero"
    double X;                      // cm
};

class FlexuralSteelTest : public testing::TestWithParam<FlexureCase> {};

TEST_P(FlexuralSteelTest, GivesTheAreasAndTheNeutralAxis) {
    const FlexureCase& c = GetParam();
    const SlabDesignData slab = strip(c.Lx, c.Ly);
    SlabResults results;
    results.AsMin = 1.36;
    results.Mx = c.Mx;
    results.My = c.My;
    results.Xx = c.Xx;
    results.Xy = c.Xy;
    results.xi = 0.9; // whatever the previous slab left
    designFlexuralSteel(slab, results);
    EXPECT_NEAR(results.Asxp, c.Asxp, 5e-3);
    EXPECT_NEAR(results.Asyp, c.Asyp, 5e-3);
    EXPECT_NEAR(results.Asxn, c.Asxn, 5e-3);
    EXPECT_NEAR(results.Asyn, c.Asyn, 5e-3);
    EXPECT_NEAR(results.X, c.X, 5e-3);
}

// Areas from 1.4 M 100 / (zeta d fyd) with zeta of the reference pairs: at d = 8.5 and
// fck 20 a moment of 1.4 M 100 = mu 100 d² fcd.
INSTANTIATE_TEST_SUITE_P(
    Cases, FlexuralSteelTest,
    testing::Values(
        // The end-to-end slab: Asx+ = Asy+ = 1.62, X = 0.12521 x 8.5.
        FlexureCase{"TwoWaySquare", 4, 4, 408.333, 408.333, 0, 0, 1.62, 1.62, 0.0, 0.0, 1.06},
        // Below As min both bottom areas are floored; the top areas are not.
        FlexureCase{"TwoWayFloorsBottomOnly", 4, 5, 100, 80, -60, -50, 1.36, 1.36, 0.231, 0.192,
                    0.497},
        // lambda exactly 2 and 0.5 is still two-way: My is designed.
        FlexureCase{"LambdaTwoIsTwoWay", 2, 4, 100, 408.333, 0, 0, 1.36, 1.62, 0, 0, 1.06},
        FlexureCase{"LambdaHalfIsTwoWay", 4, 2, 408.333, 100, 0, 0, 1.62, 1.36, 0, 0, 1.06},
        // One-way along x: Asy+ is distribution steel, 0.2 Asx+ but at least 0.9.
        FlexureCase{"OneWayAlongXSmallMoment", 2, 5, 100, 900, 0, 0, 1.36, 0.9, 0, 0, 0.497},
        FlexureCase{"OneWayAlongY", 5, 2, 900, 408.333, 0, 0, 0.9, 1.62, 0, 0, 1.06}));

TEST(FlexuralSteel, ZeroSupportMomentsGiveNoTopSteel) {
    const SlabDesignData slab = strip(4, 4);
    SlabResults results;
    results.Mx = results.My = 408.333;
    designFlexuralSteel(slab, results);
    EXPECT_EQ(results.Asxn, 0.0);
    EXPECT_EQ(results.Asyn, 0.0);
    // The working values left are those of the last design, Asy- with no moment.
    EXPECT_EQ(results.mu, 0.0);
    EXPECT_EQ(results.xi, 0.0);
    EXPECT_EQ(results.zeta, 1.0);
}

} // namespace
} // namespace lajes
