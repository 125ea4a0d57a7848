#include "analysis/data_entry.h"

#include "../row_name.h"
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "config/settings.h"

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
        RibbedRow{"NothingTyped", {}, RibbedField::a, 0.0},
        RibbedRow{"RibWidthAbove100cm", {40.0, 600.0, 20.0, 5.0, {}}, RibbedField::bw, 0.0},
        RibbedRow{
            "BlockDensityAbove5000", {40.0, 10.0, 20.0, 5.0, 1e9}, RibbedField::BlockDensity, 1e9}),
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

// The one range rule of every number a user gives, and of the settings: the largest value
// is taken, anything above it, negative or not finite is refused.
struct RangeRow {
    const char* name;
    std::function<bool()> accepted;
    bool expected;
};

void PrintTo(const RangeRow& row, std::ostream* os) {
    *os << row.name;
}

class RangeTest : public testing::TestWithParam<RangeRow> {};

TEST_P(RangeTest, TakesThePhysicalRangeOnly) {
    EXPECT_EQ(GetParam().accepted(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RangeTest,
    testing::Values(
        RangeRow{"SpanOf100m", [] { return inRange(SlabInput::Lx, 100.0); }, true},
        RangeRow{"SpanAbove100m", [] { return inRange(SlabInput::Ly, 100.01); }, false},
        RangeRow{"NegativeLoad", [] { return inRange(SlabInput::g, -1.0); }, false},
        RangeRow{"NotANumber", [] { return inRange(SlabInput::h, std::nan("")); }, false},
        RangeRow{"Fck150", [] { return inRange(SlabInput::fck, 150.0); }, true},
        RangeRow{"AdjacentSpan1e308", [] { return adjacentSpanAccepted(1e308); }, false},
        RangeRow{"AdjacentSpanOf4m", [] { return adjacentSpanAccepted(4.0); }, true},
        RangeRow{"PhiInfinity10",
                 [] { return isAcceptedSettingNumber(SettingNumber::phiInfinity, 10.0); }, true},
        RangeRow{"PhiInfinity1e308",
                 [] { return isAcceptedSettingNumber(SettingNumber::phiInfinity, 1e308); }, false},
        RangeRow{"CoverAbove20cm",
                 [] { return isAcceptedSettingNumber(SettingNumber::cover, 20.5); }, false},
        RangeRow{"WallOf2m", [] { return isAcceptedSettingNumber(SettingNumber::wallWidth, 2.0); },
                 true},
        RangeRow{"Colour255", [] { return isAcceptedColour("255"); }, true},
        RangeRow{"Colour256", [] { return isAcceptedColour("256"); }, false},
        RangeRow{"Colour0", [] { return isAcceptedColour("0"); }, false},
        RangeRow{"ColourOf20Digits", [] { return isAcceptedColour("00000000000000000001"); }, true},
        RangeRow{"ColourOf20DigitsAbove255",
                 [] { return isAcceptedColour("12345678901234567890"); }, false},
        RangeRow{"MessageNamesTheBoxAndTheBound",
                 [] {
                     return outOfRangeMessage(SlabInput::BlockDensity) ==
                            "Valor de BlockDensity deve estar entre 0 e 5 000 kgf/m³!";
                 },
                 true}),
    testing_rows::RowName{});

} // namespace
} // namespace lajes
