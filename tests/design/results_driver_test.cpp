#include "design/results_driver.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "../row_name.h"
#include "design/bars.h"
#include "design/design_slabs.h"
#include "design/shear.h"

namespace lajes {
namespace {

using testing_slabs::DesignedSlab;
using Items = std::vector<std::string>;

std::string withSeparator(std::string text, char separator) {
    for (char& c : text)
        if (c == '.')
            c = separator;
    return text;
}

struct SeparatorCase {
    const char* name;
    char separator;
};

class EndToEndTest : public testing::TestWithParam<SeparatorCase> {};

// Support case 1, 4 m x 4 m, h = 10, g = 500 with the self-weight, q = 200, fck 20, CA-50A.
TEST_P(EndToEndTest, ShowsTheWorkedExample) {
    const char sep = GetParam().separator;
    DesignedSlab s;
    testing_slabs::endToEndSlab(s);
    const ComputeOutcome outcome = computeResults(s.slab, s.results, s.settings, s.screen, sep);
    const ResultsScreen& screen = s.screen;

    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_FALSE(outcome.closeScreen);
    EXPECT_FALSE(outcome.directionWithoutBar);
    EXPECT_EQ(screen.focusedControl, ResultsFocus::AsxpComboBox);

    const std::vector<std::pair<const std::string*, const char*>> numbers{
        {&screen.MxEdit, "408.33"},    {&screen.MyEdit, "408.33"},  {&screen.RxaEdit, "700.00"},
        {&screen.RyaEdit, "700.00"},   {&screen.AsxpCEdit, "1.62"}, {&screen.AsypCEdit, "1.62"},
        {&screen.AsxpEdit, "1.67"},    {&screen.AsypEdit, "1.67"},  {&screen.MrEdit, "432.24"},
        {&screen.RominEdit, "0.16"},   {&screen.AsminEdit, "1.36"}, {&screen.XLnEdit, "1.06"},
        {&screen.TwdEdit, "115.29"},   {&screen.TwuEdit, "564.64"}, {&screen.FiEdit, "0.26"},
        {&screen.FfEdit, "0.66"},      {&screen.FadmEdit, "1.33"},  {&screen.Fadm1Edit, "1.33"},
        {&screen.MkmaxEdit, "2354.32"}};
    for (const auto& [box, expected] : numbers)
        EXPECT_EQ(*box, withSeparator(expected, sep));

    // The bar descriptions and list texts are never localised.
    EXPECT_EQ(screen.AsxpbEdit, "33Ø5.0c12");
    EXPECT_EQ(screen.AsypbEdit, "33Ø5.0c12");
    for (const ChoiceList* list : {&screen.AsxpComboBox, &screen.AsypComboBox}) {
        EXPECT_EQ(list->items, (Items{"5.0", "6.3", "8.0", "10.0"}));
        EXPECT_EQ(list->currentText, "5.0");
        EXPECT_TRUE(list->enabled);
    }
    for (const ChoiceList* list : {&screen.EspAsxpComboBox, &screen.EspAsypComboBox}) {
        EXPECT_EQ(list->items, (Items{"8", "9", "10", "11", "12"}));
        EXPECT_EQ(list->currentText, "12"); // c12 in use
        EXPECT_TRUE(list->enabled);
    }
    const BarChoice& xp = s.results.bar(BarDirection::xp);
    EXPECT_EQ(xp.diameter, 5.0);
    EXPECT_EQ(xp.spacing, 12.0); // in use, although the spacing box shows "8"
    EXPECT_EQ(xp.count, 33);
    EXPECT_NEAR(xp.effectiveArea, 1.6667, 5e-5);

    // No fixed edge: the top columns are blank, empty and locked.
    for (const std::string* box : {&screen.XxEdit, &screen.XyEdit, &screen.RxeEdit, &screen.RyeEdit,
                                   &screen.AsxnCEdit, &screen.AsynCEdit, &screen.AsxnEdit,
                                   &screen.AsynEdit, &screen.AsxnbEdit, &screen.AsynbEdit})
        EXPECT_EQ(*box, "");
    for (const ChoiceList* list : {&screen.AsxnComboBox, &screen.AsynComboBox,
                                   &screen.EspAsxnComboBox, &screen.EspAsynComboBox}) {
        EXPECT_TRUE(list->items.empty());
        EXPECT_FALSE(list->enabled);
    }
}

INSTANTIATE_TEST_SUITE_P(Separators, EndToEndTest,
                         testing::Values(SeparatorCase{"Point", '.'}, SeparatorCase{"Comma", ','}),
                         testing_rows::RowName{});

TEST(ResultsComputation, SetsFykFromTheSteelGrade) {
    DesignedSlab s;
    testing_slabs::endToEndSlab(s);
    s.slab.SteelGrade = "CA-60B";
    computeResults(s.slab, s.results, s.settings, s.screen, '.');
    EXPECT_EQ(s.slab.fyk, 60.0);
    EXPECT_EQ(s.screen.AsxpCEdit, "1.36"); // less steel needed; As min governs
}

TEST(ResultsComputation, FixedEdgesFillTheTopColumns) {
    DesignedSlab s;
    s.slab.SupportCase = 6;
    testing_slabs::endToEndSlab(s);
    computeResults(s.slab, s.results, s.settings, s.screen, '.');
    EXPECT_FALSE(s.screen.XxEdit.empty());
    EXPECT_FALSE(s.screen.AsxnCEdit.empty());
    EXPECT_TRUE(s.screen.AsxnComboBox.enabled);
    EXPECT_FALSE(s.screen.AsxnComboBox.items.empty());
    EXPECT_EQ(s.screen.AsxnComboBox.items.front(), "6.3"); // top steel skips 5.0
    EXPECT_EQ(s.screen.AsxnbEdit, s.results.bar(BarDirection::xn).text);
    EXPECT_EQ(s.screen.AsynEdit.empty(), false);
}

// The first direction whose diameter list is empty speaks, once; the rest of the computation
// is skipped and the screen closes.
struct NoBarCase {
    const char* name;
    int supportCase;
    double Mx, My, Xx, Xy;
    BarDirection failing;
};

class NoBarTest : public testing::TestWithParam<NoBarCase> {};

TEST_P(NoBarTest, TheFirstEmptyListShowsTheMessageAndTheRestIsSkipped) {
    const NoBarCase& c = GetParam();
    DesignedSlab s;
    s.slab.SupportCase = c.supportCase;
    s.settings.cover = 1.0;
    s.calculate(SlabEntries{4.0, 4.0, 8.0, 100.0, 200.0}); // d = 6.5
    // 1300 kg.m/m on d = 6.5 needs about 8.5 cm²/m: even 8.0 mm bars come closer than 8 cm.
    s.results.Mx = c.Mx;
    s.results.My = c.My;
    s.results.Xx = c.Xx;
    s.results.Xy = c.Xy;
    const ComputeOutcome outcome = computeResults(s.slab, s.results, s.settings, s.screen, '.');

    ASSERT_EQ(outcome.messages.size(), 1u);
    EXPECT_EQ(outcome.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(outcome.messages[0].text, "Não há nenhuma Bitola de Aço menor do que (1/10)H,\n"
                                        "que esteja entre os espaçamentos permitidos\n"
                                        "e que cubra a área de aço calculada");
    EXPECT_TRUE(outcome.closeScreen);
    EXPECT_TRUE(s.screen.closeTimerRunning);
    EXPECT_EQ(outcome.directionWithoutBar, c.failing);
    ASSERT_FALSE(outcome.proposedDirections.empty());
    EXPECT_EQ(outcome.proposedDirections.back(), c.failing);

    bool reached = false;
    for (BarDirection direction : allBarDirections) {
        const std::string& description = s.screen.descriptionBox(direction);
        if (direction == c.failing) {
            EXPECT_EQ(description, "0Øc0");
            EXPECT_TRUE(s.screen.diameterList(direction).items.empty());
            EXPECT_TRUE(s.screen.spacingList(direction).items.empty());
            reached = true;
        } else if (!reached) {
            EXPECT_FALSE(description.empty());
        } else {
            EXPECT_EQ(description, "");
        }
    }
    for (const std::string* box :
         {&s.screen.AsxpEdit, &s.screen.AsypEdit, &s.screen.TwdEdit, &s.screen.TwuEdit,
          &s.screen.FiEdit, &s.screen.FfEdit, &s.screen.FadmEdit, &s.screen.Fadm1Edit})
        EXPECT_EQ(*box, "");
    EXPECT_EQ(s.results.immediateDeflection, 0.0);
    EXPECT_EQ(s.results.tauD, 0.0);
}

INSTANTIATE_TEST_SUITE_P(Directions, NoBarTest,
                         testing::Values(NoBarCase{"BottomX", 1, 1300, 100, 0, 0, BarDirection::xp},
                                         NoBarCase{"BottomY", 1, 100, 1300, 0, 0, BarDirection::yp},
                                         NoBarCase{"TopX", 4, 100, 100, -1300, 0, BarDirection::xn},
                                         NoBarCase{"TopY", 6, 100, 100, -100, -1300,
                                                   BarDirection::yn}),
                         testing_rows::RowName{});

TEST(ResultsComputation, RibbedSlabUsesBarsPerRibAndFixedTopBars) {
    DesignedSlab s;
    testing_slabs::ribbedSlab(s);
    const ComputeOutcome outcome = computeResults(s.slab, s.results, s.settings, s.screen, ',');
    EXPECT_TRUE(outcome.messages.empty()); // X = 1.04 cm inside the 5 cm flange
    // 6 ribs: ((4 - 0.15) x 100 - 40) / 50 = 6.9. AsRib = 3.76 x 0.5 = 1.88 cm²: 5.0 mm
    // needs 10 bars, 0.33 cm apart; 6.3 mm needs 6.
    EXPECT_EQ(s.results.ribsX, 6);
    EXPECT_EQ(s.screen.AsxpbEdit, "6x6Ø6.3");
    EXPECT_EQ(s.screen.AsypbEdit, "6x6Ø6.3");
    EXPECT_EQ(s.results.barsPerRibX, 6);
    EXPECT_EQ(s.screen.AsxpEdit, "3,78"); // 100 / 50 x 6 x 0.315
    EXPECT_EQ(s.screen.AsxpComboBox.items, (Items{"6.3", "8.0", "10.0", "12.5", "16.0", "20.0"}));
    // Top steel: one 5.0 mm bar per rib, written although there is no support moment.
    EXPECT_EQ(s.screen.AsxnbEdit, "7Ø5.0c50");
    EXPECT_EQ(s.screen.AsynbEdit, "7Ø5.0c50");
    EXPECT_EQ(s.screen.AsxnEdit, "");
    EXPECT_TRUE(s.screen.AsxnComboBox.items.empty());
    for (BarDirection direction : allBarDirections)
        EXPECT_FALSE(s.screen.spacingList(direction).enabled);
}

TEST(ResultsComputation, NeutralAxisBelowTheFlangeThenShearInThatOrder) {
    DesignedSlab s;
    testing_slabs::ribbedSlab(s, 1.0);
    s.calculate(SlabEntries{4.0, 4.0, 25.0, 100.0, 2000.0});
    const ComputeOutcome outcome = computeResults(s.slab, s.results, s.settings, s.screen, '.');
    ASSERT_EQ(outcome.messages.size(), 2u);
    EXPECT_EQ(outcome.messages[0].text, "Linha Neutra está fora da mesa");
    EXPECT_EQ(outcome.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(outcome.messages[1].text,
              "Tensão de Cisalhamento da Laje\né maior que a resistente!");
    EXPECT_EQ(outcome.messages[1].kind, MessageKind::Information);
    EXPECT_FALSE(outcome.closeScreen);
    EXPECT_EQ(s.screen.TwdEdit, "689.53"); // shown although it exceeds TwuEdit
}

TEST(ResultsComputation, NeutralAxisAtTheFlangeFaceIsNoMessage) {
    DesignedSlab s;
    testing_slabs::ribbedSlab(s);
    computeResults(s.slab, s.results, s.settings, s.screen, '.');
    s.slab.bf = s.results.X;
    EXPECT_TRUE(computeResults(s.slab, s.results, s.settings, s.screen, '.').messages.empty());
    s.slab.bf = s.results.X * 0.999;
    EXPECT_EQ(computeResults(s.slab, s.results, s.settings, s.screen, '.').messages.size(), 1u);
}

TEST(ResultsComputation, RibTooNarrowForTwoBarsIsTheNoBarFailure) {
    DesignedSlab s;
    testing_slabs::ribbedSlab(s, 5.0, 3.0);
    const ComputeOutcome outcome = computeResults(s.slab, s.results, s.settings, s.screen, '.');
    ASSERT_EQ(outcome.messages.size(), 1u);
    EXPECT_EQ(outcome.messages[0].text, noBarMessage);
    EXPECT_TRUE(outcome.closeScreen);
    EXPECT_EQ(s.screen.AsxpbEdit, "8x0Ø");
    EXPECT_EQ(s.screen.AsypbEdit, "");
    EXPECT_EQ(outcome.directionWithoutBar, BarDirection::xp);
    EXPECT_EQ(s.screen.FiEdit, "");
}

TEST(ResultsComputation, ARecomputationReplacesAnEarlierSlabsBars) {
    DesignedSlab s;
    s.slab.SupportCase = 6;
    testing_slabs::endToEndSlab(s);
    computeResults(s.slab, s.results, s.settings, s.screen, '.');
    ASSERT_GT(s.results.bar(BarDirection::xn).count, 0);
    s.slab.SupportCase = 1;
    testing_slabs::endToEndSlab(s);
    computeResults(s.slab, s.results, s.settings, s.screen, '.');
    EXPECT_EQ(s.results.bar(BarDirection::xn).count, 0);
    EXPECT_EQ(s.results.bar(BarDirection::xn).text, "");
    EXPECT_EQ(s.screen.AsxnbEdit, "");
    EXPECT_FALSE(s.screen.closeTimerRunning);
}

} // namespace
} // namespace lajes
