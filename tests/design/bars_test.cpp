#include "design/bars.h"

#include "../row_name.h"
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace lajes {
namespace {

using Items = std::vector<std::string>;

TEST(IntegerConversions, TruncationAndNearestEvenAreDifferent) {
    EXPECT_EQ(truncateToInt(6.99), 6);
    EXPECT_EQ(truncateToInt(-6.99), -6);
    EXPECT_EQ(nearestEven(8.5), 8);
    EXPECT_EQ(nearestEven(9.5), 10);
    EXPECT_EQ(nearestEven(32.5), 32);
    EXPECT_EQ(nearestEven(32.0833), 32);
    EXPECT_EQ(nearestEven(6.51), 7);
}

TEST(BarTable, LooksUpAreasAndReadsListTexts) {
    EXPECT_DOUBLE_EQ(barArea(6.3), 0.315);
    EXPECT_DOUBLE_EQ(barArea(diameterOfText("6.3")), 0.315);
    EXPECT_DOUBLE_EQ(barArea(diameterOfText("6,3")), 0.315);
    EXPECT_DOUBLE_EQ(barArea(40.0), 12.5);
    EXPECT_EQ(barArea(7.0), 0.0);
    EXPECT_EQ(diameterOfText(""), 0.0);
}

struct SpacingCase {
    const char* name;
    double diameter;
    double As;
    double h;
    double spacing;
    bool usable;
};

class SpacingForDiameterTest : public testing::TestWithParam<SpacingCase> {};

TEST_P(SpacingForDiameterTest, TruncatesToWholeCentimetresAndCapsAtSMax) {
    const SpacingCase& c = GetParam();
    const BarLayout layout = spacingForDiameter(c.diameter, 4.0, c.As, spacingLimitsFor(c.h), 0.15);
    EXPECT_EQ(layout.spacing, c.spacing);
    EXPECT_EQ(layout.usable, c.usable);
}

INSTANTIATE_TEST_SUITE_P(
    HEightAsThree, SpacingForDiameterTest,
    testing::Values(SpacingCase{"FiveIsBelowSMinAndNotRaised", 5.0, 3.0, 8.0, 6.0, false},
                    SpacingCase{"SixThreeGivesTen", 6.3, 3.0, 8.0, 10.0, true},
                    SpacingCase{"EightGivesSixteen", 8.0, 3.0, 8.0, 16.0, true},
                    SpacingCase{"TenCappedAtSixteen", 10.0, 3.0, 8.0, 16.0, true},
                    SpacingCase{"FractionalSMax", 10.0, 3.0, 8.75, 17.5, true},
                    SpacingCase{"NoDiameter", 0.0, 3.0, 8.0, 0.0, false}),
    testing_rows::RowName{});

TEST(SpacingForDiameter, CountsBarsAcrossTheClearSpan) {
    // 5.0 mm at 12 cm over 4 m less a 0.15 m wall: nearest(32.08) + 1.
    const BarLayout layout = spacingForDiameter(5.0, 4.0, 1.62, spacingLimitsFor(10.0), 0.15);
    EXPECT_EQ(layout.spacing, 12.0);
    EXPECT_EQ(layout.count, 33);
    EXPECT_NEAR(layout.effectiveArea, 1.6667, 5e-5);
}

TEST(AreaForSpacing, CapsAtSMaxAndRefusesBelowSMin) {
    const SpacingLimits limits = spacingLimitsFor(10.0);
    const BarLayout twelve = areaForSpacing(5.0, 4.0, 12.0, limits, 0.15);
    EXPECT_EQ(twelve.count, 33);
    const BarLayout wide = areaForSpacing(8.0, 4.0, 25.0, limits, 0.15);
    EXPECT_EQ(wide.spacing, 20.0);
    EXPECT_DOUBLE_EQ(wide.effectiveArea, 2.5);
    EXPECT_FALSE(areaForSpacing(8.0, 4.0, 7.0, limits, 0.15).usable);
    // Halves go to the even neighbour: (3.45 - 0.15) x 100 / 20 = 16.5 -> 16.
    EXPECT_EQ(areaForSpacing(8.0, 3.45, 20.0, limits, 0.15).count, 17);
}

TEST(DiameterChoices, ThicknessEightWithThreeSquareCentimetres) {
    ChoiceList list;
    list.items = {"stale"};
    const BarChoice choice = fillDiameterChoices(list, SteelKind::Bottom, 4.0, 3.0, 8.0,
                                                 spacingLimitsFor(8.0), 0.15, '.');
    EXPECT_EQ(list.items, (Items{"6.3", "8.0"}));
    EXPECT_EQ(list.currentText, "6.3");
    EXPECT_EQ(choice.diameter, 6.3);
    EXPECT_EQ(choice.spacing, 10.0);
    EXPECT_EQ(choice.count, 39); // nearest(38.5) + 1: the half goes to the even 38
    EXPECT_DOUBLE_EQ(choice.effectiveArea, 3.15);
    EXPECT_EQ(choice.text, "39Ø6.3c10");
}

TEST(DiameterChoices, TopSteelNeverUsesFiveMillimetres) {
    ChoiceList bottom;
    ChoiceList top;
    fillDiameterChoices(bottom, SteelKind::Bottom, 4.0, 1.62, 10.0, spacingLimitsFor(10.0), 0.15,
                        '.');
    fillDiameterChoices(top, SteelKind::Top, 4.0, 1.62, 10.0, spacingLimitsFor(10.0), 0.15, '.');
    EXPECT_EQ(bottom.items, (Items{"5.0", "6.3", "8.0", "10.0"}));
    EXPECT_EQ(top.items, (Items{"6.3", "8.0", "10.0"}));
}

TEST(DiameterChoices, EmptyListProposesNothing) {
    ChoiceList list;
    const BarChoice choice = fillDiameterChoices(list, SteelKind::Bottom, 4.0, 9.24, 8.0,
                                                 spacingLimitsFor(8.0), 0.15, '.');
    EXPECT_TRUE(list.items.empty());
    EXPECT_EQ(list.currentText, "");
    EXPECT_EQ(choice.diameter, 0.0);
    EXPECT_EQ(choice.spacing, 0.0);
    EXPECT_EQ(choice.text, "0Øc0");
}

TEST(DiameterChoices, FractionalSMaxReachesTheDescription) {
    // h = 8.75, s max 17.5: 6.3 mm at 1.0 cm²/m gives int(31.5) = 31, capped.
    ChoiceList list;
    const BarChoice choice = fillDiameterChoices(list, SteelKind::Top, 4.0, 1.0, 8.75,
                                                 spacingLimitsFor(8.75), 0.15, ',');
    EXPECT_EQ(list.items, (Items{"6.3", "8.0"})); // 10.0 mm is larger than h
    EXPECT_EQ(choice.spacing, 17.5);
    EXPECT_EQ(choice.text, "23Ø6.3c17,5"); // nearest(385 / 17.5 = 22) + 1
}

struct SpacingListCase {
    const char* name;
    double spacing;
    double sMax;
    Items items;
    const char* shown; // the entry of the spacing in use
};

class SpacingChoicesTest : public testing::TestWithParam<SpacingListCase> {};

TEST_P(SpacingChoicesTest, ListsTheWholeNumbersFromEightUpToS) {
    const SpacingListCase& c = GetParam();
    ChoiceList list;
    fillSpacingChoices(list, c.spacing, SpacingLimits{8.0, c.sMax});
    EXPECT_EQ(list.items, c.items);
    EXPECT_EQ(list.currentText, c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpacingChoicesTest,
    testing::Values(SpacingListCase{"Twelve", 12, 20, {"8", "9", "10", "11", "12"}, "12"},
                    SpacingListCase{"Eight", 8, 20, {"8"}, "8"},
                    SpacingListCase{"BelowSMin", 6, 20, {}, ""},
                    SpacingListCase{"SixteenAndAHalf",
                                    16.5,
                                    16.5,
                                    {"8", "9", "10", "11", "12", "13", "14", "15", "16"},
                                    ""},
                    // nearest(9.5) + 1 would be 11 entries, up to "18", above s.
                    SpacingListCase{"SeventeenAndAHalfStopsAtSeventeen",
                                    17.5,
                                    17.5,
                                    {"8", "9", "10", "11", "12", "13", "14", "15", "16", "17"},
                                    ""}),
    testing_rows::RowName{});

struct RibCase {
    const char* name;
    double diameter;
    double AsRib;
    int n;
};

class BarsPerRibTest : public testing::TestWithParam<RibCase> {};

TEST_P(BarsPerRibTest, RoundsUpToWholeBarsAndAtLeastTwo) {
    const RibCase& c = GetParam();
    const RibBars bars = barsPerRib(c.diameter, c.AsRib);
    EXPECT_EQ(bars.n, c.n);
    EXPECT_DOUBLE_EQ(bars.area, c.n * barArea(c.diameter));
}

INSTANTIATE_TEST_SUITE_P(Cases, BarsPerRibTest,
                         testing::Values(RibCase{"ExactMultipleKeepsN", 10.0, 3 * 0.8, 3},
                                         RibCase{"ExactMultipleSixThree", 6.3, 3 * 0.315, 3},
                                         RibCase{"FractionRoundsUp", 10.0, 1.7, 3},
                                         RibCase{"AtMostOneBarGivesTwo", 10.0, 0.8, 2},
                                         RibCase{"SmallAreaGivesTwo", 10.0, 0.1, 2},
                                         RibCase{"NoAreaGivesNone", 10.0, 0.0, 0}),
                         testing_rows::RowName{});

TEST(Ribs, CountsModulesAcrossTheClearSpan) {
    // ((4 - 0.15) x 100 - 40) / 50 = 6.9 -> 6.
    EXPECT_EQ(ribsAcross(4.0, 0.15, 40.0, 10.0), 6);
}

TEST(RibDiameterChoices, KeepsHalfACentimetreBetweenBarsAndTheBlockHeight) {
    ChoiceList list;
    // AsRib 1.6: 5.0 mm needs 8 bars (0.57 cm apart in a 10 cm rib), 6.3 mm 6, 8.0 mm 4,
    // 10.0 mm 2, 12.5 mm 2, 16.0 mm 2 (one bar would do; two is the least), 20.0 mm is
    // above hb = 16.
    const BarChoice choice = fillRibDiameterChoices(list, 6, 1.6, 40.0, 10.0, 16.0);
    EXPECT_EQ(list.items, (Items{"5.0", "6.3", "8.0", "10.0", "12.5", "16.0"}));
    EXPECT_EQ(choice.count, 8);
    EXPECT_EQ(choice.text, "6x8Ø5.0");
    EXPECT_DOUBLE_EQ(choice.effectiveArea, 100.0 / 50.0 * 1.6);
}

TEST(RibDiameterChoices, NarrowRibHasNoDiameter) {
    ChoiceList list;
    const BarChoice choice = fillRibDiameterChoices(list, 6, 0.3, 40.0, 3.0, 20.0);
    EXPECT_TRUE(list.items.empty());
    EXPECT_EQ(choice.text, "6x0Ø");
}

TEST(BarTexts, ShortestNumbersAndTheSeparator) {
    EXPECT_EQ(solidBarText(31, "6.3", 10.0, ','), "31Ø6.3c10");
    EXPECT_EQ(solidBarText(23, "8.0", 17.5, ','), "23Ø8.0c17,5");
    EXPECT_EQ(solidBarText(23, "8.0", 17.5, '.'), "23Ø8.0c17.5");
    EXPECT_EQ(ribBarText(8, 2, "10.0"), "8x2Ø10.0");
    EXPECT_EQ(ribTopBarText(6, 40.0, 10.0, '.'), "7Ø5.0c50");
    EXPECT_EQ(ribTopBarText(6, 40.0, 12.5, ','), "7Ø5.0c52,5");
    // Ø is U+00D8, two bytes in UTF-8.
    EXPECT_EQ(std::string("Ø"), "\xC3\x98");
}

} // namespace
} // namespace lajes

namespace lajes {
namespace {

// No input has an upper bound: absurd spans or rib widths must not overflow the counts.
TEST(IntegerConversions, SaturateInsteadOfOverflowing) {
    constexpr int largest = countLimit;
    EXPECT_EQ(truncateToInt(5.97333e18), largest);
    EXPECT_EQ(truncateToInt(-5.97333e18), -countLimit);
    EXPECT_EQ(truncateToInt(123456.9), 123456);
    EXPECT_EQ(nearestEven(1e300), largest);
    EXPECT_EQ(nearestEven(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(truncateToInt(std::numeric_limits<double>::infinity()), largest);
    EXPECT_EQ(barsPerRib(5.0, 1e300).n, largest);
}

} // namespace
} // namespace lajes
