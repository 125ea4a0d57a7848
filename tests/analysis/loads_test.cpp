#include "analysis/loads.h"

#include "../row_name.h"
#include <gtest/gtest.h>

namespace lajes {
namespace {

struct SelfWeightCase {
    const char* name;
    bool ribbed;
    double h, a, bw, hb, bf, blockDensity;
    double expected; // kg/m²
};

class SelfWeightTest : public testing::TestWithParam<SelfWeightCase> {};

TEST_P(SelfWeightTest, WeighsTheSlabPerSquareMetre) {
    const SelfWeightCase& c = GetParam();
    SlabDesignData slab;
    slab.Ribbed = c.ribbed;
    slab.h = c.h;
    slab.a = c.a;
    slab.bw = c.bw;
    slab.hb = c.hb;
    slab.bf = c.bf;
    slab.BlockDensity = c.blockDensity;
    EXPECT_NEAR(selfWeight(slab), c.expected, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SelfWeightTest,
    testing::Values(SelfWeightCase{"Solid10cm", false, 10, 0, 0, 0, 0, 0, 250.0},
                    // A solid slab ignores whatever ribbed geometry the dialog still holds.
                    SelfWeightCase{"SolidIgnoresRibGeometry", false, 10, 40, 10, 20, 5, 450, 250.0},
                    SelfWeightCase{"RibbedSicalBlocks", true, 25, 40, 10, 20, 5, 450, 362.6},
                    SelfWeightCase{"RibbedVoids", true, 25, 40, 10, 20, 5, 0, 305.0},
                    // bf never enters: the same module with another flange weighs the same.
                    SelfWeightCase{"RibbedFlangeDoesNotCount", true, 25, 40, 10, 20, 12, 450,
                                   362.6}),
    testing_rows::RowName{});

} // namespace
} // namespace lajes
