#include "design/shear.h"

#include "../row_name.h"
#include <cmath>
#include <gtest/gtest.h>

namespace lajes {
namespace {

struct ShearSlab {
    SlabDesignData slab;
    SlabResults results;

    ShearSlab() {
        slab.h = 10.0;
        slab.d = 8.5;
        slab.fck = 20.0;
        results.Rxa = results.Rya = 700.0;
        results.bar(BarDirection::xp).effectiveArea = 100.0 / 12.0 * 0.2;
        results.bar(BarDirection::yp).effectiveArea = 3.0;
    }
};

TEST(Shear, WorkedExampleSupportCaseOne) {
    ShearSlab s;
    const ShearDetails details = checkShear(s.slab, 8.5, s.results);
    EXPECT_EQ(s.results.V, 700.0);
    EXPECT_NEAR(s.results.tauD, 115.29, 5e-3);
    EXPECT_NEAR(details.rho1, 0.0019608, 5e-8); // the steel of xp: Rxa wins the tie
    EXPECT_NEAR(details.psi4, 0.12626, 5e-6);
    EXPECT_NEAR(s.results.tauU, 564.64, 5e-3);
    EXPECT_FALSE(details.warningDue);
}

struct GoverningCase {
    const char* name;
    double Rxa, Rxe, Rya, Rye;
    double V;
    bool steelOfY;
};

class GoverningReactionTest : public testing::TestWithParam<GoverningCase> {};

TEST_P(GoverningReactionTest, TakesTheStrictlyLargestReactionWithItsSteel) {
    const GoverningCase& c = GetParam();
    ShearSlab s;
    s.results.Rxa = c.Rxa;
    s.results.Rxe = c.Rxe;
    s.results.Rya = c.Rya;
    s.results.Rye = c.Rye;
    const ShearDetails details = checkShear(s.slab, 8.5, s.results);
    EXPECT_EQ(s.results.V, c.V);
    const double As = c.steelOfY ? 3.0 : 100.0 / 12.0 * 0.2;
    EXPECT_DOUBLE_EQ(details.rho1, As / 850.0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GoverningReactionTest,
    testing::Values(GoverningCase{"TieKeepsRxa", 700, 0, 700, 0, 700, false},
                    GoverningCase{"RyaWins", 600, 0, 700, 0, 700, true},
                    GoverningCase{"RxeWinsWithXSteel", 0, 900, 700, 0, 900, false},
                    GoverningCase{"RyeWins", 0, 900, 0, 950, 950, true},
                    GoverningCase{"FixedXEdgesOnly", 0, 800, 300, 0, 800, false}),
    testing_rows::RowName{});

TEST(Shear, NoReactionsNoStressNoWarning) {
    ShearSlab s;
    s.results.Rxa = s.results.Rya = 0.0;
    const ShearDetails details = checkShear(s.slab, 8.5, s.results);
    EXPECT_EQ(s.results.tauD, 0.0);
    EXPECT_FALSE(details.warningDue);
}

struct ThicknessCase {
    const char* name;
    double h;
    double factor; // psi4 / rho1^(1/4)
};

class Psi4Test : public testing::TestWithParam<ThicknessCase> {};

TEST_P(Psi4Test, InterpolatesBetweenFifteenAndSixtyCentimetres) {
    const ThicknessCase& c = GetParam();
    ShearSlab s;
    s.slab.h = c.h;
    const ShearDetails details = checkShear(s.slab, 8.5, s.results);
    EXPECT_NEAR(details.psi4 / std::pow(details.rho1, 0.25), c.factor, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Cases, Psi4Test,
                         testing::Values(ThicknessCase{"Fifteen", 15.0, 0.6},
                                         ThicknessCase{"Sixty", 60.0, 0.45},
                                         ThicknessCase{"ThirtySevenAndAHalf", 37.5, 0.525},
                                         ThicknessCase{"Seventy", 70.0, 0.45}),
                         testing_rows::RowName{});

TEST(Shear, RibbedDepthUsesTheRibModuleAndTheFlange) {
    ShearSlab s;
    s.slab.Ribbed = true;
    s.slab.bw = 10.0;
    s.slab.a = 40.0;
    s.slab.hb = 20.0;
    s.slab.bf = 5.0;
    const ShearDetails details = checkShear(s.slab, 8.5, s.results);
    // 0.1 x 0.2 / 0.5 + 0.05 = 0.09 m.
    EXPECT_NEAR(details.shearDepth, 0.09, 1e-12);
    EXPECT_NEAR(s.results.tauD, 1.4 * 7.0 / 0.09, 1e-9);
    EXPECT_DOUBLE_EQ(details.rho1, 100.0 / 12.0 * 0.2 / 850.0); // still with d
}

TEST(Shear, WarnsWhenTheDesignStressExceedsTheAdmissibleOne) {
    ShearSlab s;
    s.results.Rxa = 4000.0; // tau_d = 658.82 against 564.64
    EXPECT_TRUE(checkShear(s.slab, 8.5, s.results).warningDue);
    s.results.Rxa = 3400.0; // 560.00
    EXPECT_FALSE(checkShear(s.slab, 8.5, s.results).warningDue);
}

} // namespace
} // namespace lajes
