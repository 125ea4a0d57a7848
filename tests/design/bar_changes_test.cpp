#include "design/bar_changes.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "../row_name.h"
#include "design/design_slabs.h"
#include "design/results_driver.h"

namespace lajes {
namespace {

using testing_slabs::DesignedSlab;
using Items = std::vector<std::string>;

// The cracked 5 m x 5 m slab: Asx+ = 3.36, proposal 6.3 mm at 9 cm, deflections 3.38 / 4.28.
class SolidBarChange : public testing::Test {
protected:
    void SetUp() override {
        testing_slabs::crackedSlab(s);
        computeResults(s.slab, s.results, s.settings, s.screen, ',');
        ASSERT_EQ(s.screen.AsxpbEdit, "55Ø6.3c9");
        ASSERT_EQ(s.screen.FiEdit, "3,38");
    }
    DesignedSlab s;
};

TEST_F(SolidBarChange, LargerDiameterThenTheSmallestSpacing) {
    BarChangeOutcome outcome =
        pickDiameter(BarDirection::xp, "10.0", s.slab, s.results, s.settings, s.screen, ',');
    EXPECT_TRUE(outcome.applied);
    // int(80 / 3.36) = 23, capped at 2 h = 20; nearest((5 - 0.15) x 100 / 20) + 1 = 25.
    EXPECT_EQ(s.screen.AsxpbEdit, "25Ø10.0c20");
    EXPECT_EQ(s.screen.AsxpEdit, "4,00");
    EXPECT_EQ(s.screen.AsxpComboBox.currentText, "10.0");
    EXPECT_EQ(s.screen.EspAsxpComboBox.items.size(), 13u); // 8 to 20
    EXPECT_EQ(s.screen.EspAsxpComboBox.items.back(), "20");
    EXPECT_EQ(s.screen.EspAsxpComboBox.currentText, "20"); // the spacing in use
    EXPECT_EQ(s.results.bar(BarDirection::xp).spacing, 20.0);
    EXPECT_EQ(s.screen.AsxpCEdit, "3,36"); // the required area does not change
    const std::string immediate = s.screen.FiEdit;
    const std::string final = s.screen.FfEdit;
    EXPECT_NE(immediate, "3,38");
    EXPECT_NE(final, "4,28");

    outcome = pickSpacing(BarDirection::xp, "8", s.slab, s.results, s.settings, s.screen, ',');
    EXPECT_TRUE(outcome.applied);
    // nearest(485 / 8 = 60.6) + 1 = 62 bars of 10.0 mm: 10 cm²/m.
    EXPECT_EQ(s.screen.AsxpbEdit, "62Ø10.0c8");
    EXPECT_EQ(s.screen.AsxpEdit, "10,00");
    EXPECT_EQ(s.screen.AsxpComboBox.currentText, "10.0");
    EXPECT_EQ(s.results.bar(BarDirection::xp).diameter, 10.0);
    EXPECT_EQ(s.results.bar(BarDirection::xp).count, 62);
    EXPECT_LT(s.results.immediateDeflection, 3.0);
    EXPECT_NE(s.screen.FiEdit, immediate);
}

TEST_F(SolidBarChange, ChangingOneColumnLeavesTheOthers) {
    pickDiameter(BarDirection::xp, "8.0", s.slab, s.results, s.settings, s.screen, ',');
    EXPECT_EQ(s.screen.AsypbEdit, "55Ø6.3c9");
    EXPECT_EQ(s.screen.EspAsypComboBox.items, (Items{"8", "9"}));
}

struct TypedCase {
    const char* name;
    bool diameterList;
    BarDirection direction;
    const char* text;
};

class TypedIntoAListTest : public testing::TestWithParam<TypedCase> {};

TEST_P(TypedIntoAListTest, ChangesNothing) {
    const TypedCase& c = GetParam();
    DesignedSlab s;
    testing_slabs::crackedSlab(s);
    computeResults(s.slab, s.results, s.settings, s.screen, '.');
    const ResultsScreen before = s.screen;
    const BarChoice bar = s.results.bar(c.direction);
    const BarChangeOutcome outcome =
        c.diameterList
            ? pickDiameter(c.direction, c.text, s.slab, s.results, s.settings, s.screen, '.')
            : pickSpacing(c.direction, c.text, s.slab, s.results, s.settings, s.screen, '.');
    EXPECT_FALSE(outcome.applied);
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_EQ(s.screen.descriptionBox(c.direction), before.descriptionBox(c.direction));
    EXPECT_EQ(s.screen.diameterList(c.direction).currentText,
              before.diameterList(c.direction).currentText);
    EXPECT_EQ(s.screen.spacingList(c.direction).currentText,
              before.spacingList(c.direction).currentText);
    EXPECT_EQ(s.screen.FiEdit, before.FiEdit);
    EXPECT_EQ(s.results.bar(c.direction).text, bar.text);
    EXPECT_EQ(s.results.bar(c.direction).effectiveArea, bar.effectiveArea);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TypedIntoAListTest,
    testing::Values(TypedCase{"NineIntoADiameterList", true, BarDirection::xp, "9"},
                    TypedCase{"NineIntoASpacingListEndingAtNine", false, BarDirection::yp, "10"},
                    TypedCase{"ADiameterOutsideTheList", true, BarDirection::xp, "12.5"},
                    TypedCase{"ALockedTopColumn", true, BarDirection::xn, "6.3"},
                    TypedCase{"ALockedTopSpacing", false, BarDirection::xn, "8"}),
    testing_rows::RowName{});

// Lx = 4, Ly = 6: the y directions count their bars across Lx.
TEST(SpacingPicked, ColumnTwoCountsAcrossLx) {
    DesignedSlab s;
    testing_slabs::endToEndSlab(s, 4.0, 6.0);
    computeResults(s.slab, s.results, s.settings, s.screen, '.');
    ASSERT_EQ(s.screen.AsypbEdit, "29Ø5.0c14");
    const BarChangeOutcome outcome =
        pickSpacing(BarDirection::yp, "12", s.slab, s.results, s.settings, s.screen, '.');
    EXPECT_TRUE(outcome.applied);
    // nearest((4 - 0.15) x 100 / 12) + 1 = 33.
    EXPECT_EQ(s.results.bar(BarDirection::yp).count, 33);
    EXPECT_EQ(s.screen.AsypbEdit, "33Ø5.0c12");
    EXPECT_EQ(s.screen.AsypEdit, "1.67");
    EXPECT_EQ(s.screen.EspAsypComboBox.currentText, "12");
}

class RibbedBarChange : public testing::Test {
protected:
    void SetUp() override {
        testing_slabs::ribbedSlab(s);
        computeResults(s.slab, s.results, s.settings, s.screen, '.');
        ASSERT_EQ(s.screen.AsxpbEdit, "6x6Ø6.3");
    }
    DesignedSlab s;
};

TEST_F(RibbedBarChange, DiameterGivesRibsTimesBarsPerRib) {
    // AsRib = 1.88 cm²: 10.0 mm needs 2.35 -> 3 bars.
    BarChangeOutcome outcome =
        pickDiameter(BarDirection::xp, "10.0", s.slab, s.results, s.settings, s.screen, '.');
    EXPECT_TRUE(outcome.applied);
    EXPECT_EQ(s.screen.AsxpbEdit, "6x3Ø10.0");
    EXPECT_EQ(s.results.barsPerRibX, 3);
    EXPECT_EQ(s.screen.AsxpEdit, "4.80"); // 100 / 50 x 3 x 0.8
    // 16.0 mm: one bar would carry it; a rib gets at least two.
    pickDiameter(BarDirection::xp, "16.0", s.slab, s.results, s.settings, s.screen, '.');
    EXPECT_EQ(s.screen.AsxpbEdit, "6x2Ø16.0");
    EXPECT_EQ(s.results.barsPerRibX, 2);
    EXPECT_EQ(s.results.bar(BarDirection::xp).count, 2);
    EXPECT_EQ(s.screen.AsxpEdit, "8.00");
    EXPECT_EQ(s.screen.AsypbEdit, "6x6Ø6.3");
}

TEST_F(RibbedBarChange, SpacingListsAndTopColumnsCannotBeUsed) {
    EXPECT_FALSE(
        pickSpacing(BarDirection::xp, "8", s.slab, s.results, s.settings, s.screen, '.').applied);
    EXPECT_FALSE(pickDiameter(BarDirection::xn, "5.0", s.slab, s.results, s.settings, s.screen, '.')
                     .applied);
    EXPECT_EQ(s.screen.AsxnbEdit, "7Ø5.0c50");
}

TEST(BarChangeShear, TheWarningComesBackWhileTheSlabStaysOverstressed) {
    DesignedSlab s;
    testing_slabs::ribbedSlab(s, 1.0);
    s.calculate(SlabEntries{4.0, 4.0, 25.0, 100.0, 2000.0});
    computeResults(s.slab, s.results, s.settings, s.screen, '.');
    const BarChangeOutcome outcome =
        pickDiameter(BarDirection::xp, "8.0", s.slab, s.results, s.settings, s.screen, '.');
    EXPECT_TRUE(outcome.shearWarning);
    ASSERT_EQ(outcome.messages.size(), 1u);
    EXPECT_EQ(outcome.messages[0].text,
              "Tensão de Cisalhamento da Laje\né maior que a resistente!");
}

} // namespace
} // namespace lajes
