#include "analysis/data_entry.h"

#include "../row_name.h"
#include <gtest/gtest.h>

namespace lajes {
namespace {

using Box = std::optional<double>;

// The ribbed-slab dialog's OK: the first empty or zero box of a, bw, hb, bf; the block
// density is optional and an empty box counts as 0.
struct RibbedRow {
    const char* name;
    RibbedGeometryEntries entries;
    std::optional<RibbedField> incomplete;
    double blockDensity;
};

class RibbedAcceptanceTest : public testing::TestWithParam<RibbedRow> {};

TEST_P(RibbedAcceptanceTest, StopsAtTheFirstMissingDimension) {
    const RibbedRow& row = GetParam();
    EXPECT_EQ(firstIncompleteRibbedField(row.entries), row.incomplete);
    EXPECT_EQ(acceptedBlockDensity(row.entries), row.blockDensity);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RibbedAcceptanceTest,
    testing::Values(
        RibbedRow{"FlangeLeftEmpty", {40.0, 10.0, 20.0, {}, 450.0}, RibbedField::bf, 450.0},
        RibbedRow{"AllGivenBlockDensityEmpty", {40.0, 10.0, 20.0, 5.0, {}}, {}, 0.0},
        RibbedRow{"ZeroRibWidthBeforeEmptyFlange", {40.0, 0.0, 20.0, {}, {}}, RibbedField::bw, 0.0},
        RibbedRow{"NothingTyped", {}, RibbedField::a, 0.0}),
    testing_rows::RowName{});

TEST(DataEntry, AdjacentSpanRibbedCaseAndStartValues) {
    EXPECT_FALSE(adjacentSpanAccepted(Box{}));
    EXPECT_FALSE(adjacentSpanAccepted(Box{0.0}));
    EXPECT_TRUE(adjacentSpanAccepted(Box{3.5}));
    for (int supportCase = 1; supportCase <= 6; ++supportCase)
        EXPECT_EQ(ribbedAllowed(supportCase), supportCase == 1) << supportCase;
    EXPECT_EQ(ribbedFieldName(RibbedField::hb), "hb");

    SlabDesignData slab;
    slab.SupportCase = 4;
    slab.Ribbed = true;
    slab.fck = 30.0;
    slab.SteelGrade = "CA-25";
    slab.fyk = 25.0;
    slab.Lx = 4.0;
    slab.q = 200.0;
    slab.a = 40.0;
    slab.AdjacentSpan = 3.0;
    resetScreenEntries(slab);
    EXPECT_EQ(slab.SupportCase, 1);
    EXPECT_FALSE(slab.Ribbed);
    EXPECT_EQ(slab.fck, 20.0);
    EXPECT_EQ(slab.SteelGrade, "CA-50A");
    EXPECT_EQ(slab.fyk, 25.0); // the grade's fyk is set again by the next calculation
    EXPECT_EQ(slab.Lx, 0.0);
    EXPECT_EQ(slab.q, 0.0);
    EXPECT_EQ(slab.a, 40.0); // the dialogs keep what was typed in them
    EXPECT_EQ(slab.AdjacentSpan, 3.0);
    applyStartValues(slab);
    EXPECT_EQ(slab.fyk, 50.0);
}

} // namespace
} // namespace lajes
