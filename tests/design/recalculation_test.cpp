#include "design/recalculation.h"

#include "../row_name.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lajes {
namespace {

enum class Event {
    CalcularLajes, // main window
    InputChanged,  // a box, a dialog or a design setting
    CalcularLaje,  // data-entry screen, checks passed
    Retornar,
    Imprimir,
    ActivateCompute, // activation, expecting Compute
    ActivateKeep,    // activation, expecting Keep
    ActivateAskYes,  // activation, expecting the question, answered Yes
    ActivateAskNo,   // the same, answered No
};

struct SequenceCase {
    const char* name;
    std::vector<Event> events;
};

class RecalculationTest : public testing::TestWithParam<SequenceCase> {};

TEST_P(RecalculationTest, DecidesEachActivation) {
    RecalculationState state;
    int step = 0;
    for (Event event : GetParam().events) {
        SCOPED_TRACE("event " + std::to_string(step++));
        switch (event) {
        case Event::CalcularLajes:
        case Event::InputChanged:
            state.inputChanged();
            break;
        case Event::CalcularLaje:
            state.calculateSucceeded(DesignInputs{});
            break;
        case Event::Retornar:
            state.returned();
            break;
        case Event::Imprimir:
            state.printed();
            break;
        case Event::ActivateCompute:
            EXPECT_EQ(state.activated(), ActivationDecision::Compute);
            break;
        case Event::ActivateKeep:
            EXPECT_EQ(state.activated(), ActivationDecision::Keep);
            break;
        case Event::ActivateAskYes:
            ASSERT_EQ(state.activated(), ActivationDecision::Ask);
            EXPECT_TRUE(state.answer(true));
            EXPECT_TRUE(state.recalculateFlag());
            break;
        case Event::ActivateAskNo:
            ASSERT_EQ(state.activated(), ActivationDecision::Ask);
            EXPECT_FALSE(state.answer(false));
            EXPECT_FALSE(state.recalculateFlag());
            break;
        }
    }
}

using E = Event;

INSTANTIATE_TEST_SUITE_P(
    Sequences, RecalculationTest,
    testing::Values(
        SequenceCase{"FirstCalculationComputesWithoutAQuestion",
                     {E::CalcularLajes, E::CalcularLaje, E::ActivateCompute}},
        SequenceCase{"PrintingThenClosingThePreviewKeepsTheChoices",
                     {E::CalcularLajes, E::CalcularLaje, E::ActivateCompute, E::Imprimir,
                      E::ActivateKeep, E::ActivateKeep}},
        SequenceCase{"ReturningWithoutAChangeAsksAndNoKeeps",
                     {E::CalcularLajes, E::CalcularLaje, E::ActivateCompute, E::Retornar,
                      E::CalcularLaje, E::ActivateAskNo}},
        SequenceCase{"ReturningWithoutAChangeAsksAndYesComputes",
                     {E::CalcularLajes, E::CalcularLaje, E::ActivateCompute, E::Retornar,
                      E::CalcularLaje, E::ActivateAskYes}},
        SequenceCase{"ReturningAndChangingAnInputComputesWithoutAQuestion",
                     {E::CalcularLajes, E::CalcularLaje, E::ActivateCompute, E::Retornar,
                      E::InputChanged, E::CalcularLaje, E::ActivateCompute}},
        SequenceCase{"EveryReturnAsksAgain",
                     {E::CalcularLajes, E::CalcularLaje, E::ActivateCompute, E::Retornar,
                      E::CalcularLaje, E::ActivateAskNo, E::Retornar, E::CalcularLaje,
                      E::ActivateAskNo}},
        SequenceCase{"PrintingAfterAReturnStopsTheQuestion",
                     {E::CalcularLajes, E::CalcularLaje, E::ActivateCompute, E::Retornar,
                      E::CalcularLaje, E::ActivateAskYes, E::Imprimir, E::ActivateKeep}},
        SequenceCase{"AChangeAfterPrintingComputesAgain",
                     {E::CalcularLajes, E::CalcularLaje, E::ActivateCompute, E::Imprimir,
                      E::ActivateKeep, E::Retornar, E::InputChanged, E::CalcularLaje,
                      E::ActivateCompute}},
        SequenceCase{"ReturningAfterPrintingAsks",
                     {E::CalcularLajes, E::CalcularLaje, E::ActivateCompute, E::Imprimir,
                      E::Retornar, E::CalcularLaje, E::ActivateAskNo}},
        SequenceCase{"WithoutPrintingEveryActivationComputes",
                     {E::CalcularLajes, E::CalcularLaje, E::ActivateCompute, E::ActivateCompute}}),
    testing_rows::RowName{});

TEST(RecalculationState, StartUpState) {
    const RecalculationState state;
    EXPECT_TRUE(state.recalculateFlag()); // set by the creation of the data-entry screen
    EXPECT_EQ(state.returnCount(), 0);
    EXPECT_FALSE(state.printedFlag());
    EXPECT_STREQ(recalculateQuestion, "Deseja Recalcular a(s) Laje(s) ?");
}

// The worked slab of the stale-results report: case 1, 4 x 4 m, h 10, g 100, q 200.
struct InputChangeCase {
    const char* name;
    void (*change)(SlabEntries&, SlabDesignData&, Settings&);
    bool changed;
};

class InputsChangedTest : public testing::TestWithParam<InputChangeCase> {};

TEST_P(InputsChangedTest, ComparesWithTheLastCalculateAction) {
    SlabEntries entries{4.0, 4.0, 10.0, 100.0, 200.0};
    SlabDesignData slab;
    slab.SupportCase = 1;
    slab.fck = 20.0;
    slab.SteelGrade = "CA-50A";
    slab.AdjacentSpan = 3.0;
    Settings settings;
    RecalculationState state;
    EXPECT_FALSE(state.inputsChangedSinceCalculation(designInputsOf(entries, slab, settings)));
    state.calculateSucceeded(designInputsOf(entries, slab, settings));
    GetParam().change(entries, slab, settings);
    EXPECT_EQ(state.inputsChangedSinceCalculation(designInputsOf(entries, slab, settings)),
              GetParam().changed);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, InputsChangedTest,
    testing::Values(
        InputChangeCase{"Nothing", [](SlabEntries&, SlabDesignData&, Settings&) {}, false},
        InputChangeCase{"LiveLoad600",
                        [](SlabEntries& e, SlabDesignData&, Settings&) { e.q = 600.0; }, true},
        InputChangeCase{"PermanentLoadEmptied",
                        [](SlabEntries& e, SlabDesignData&, Settings&) { e.g.reset(); }, true},
        InputChangeCase{"SupportCase",
                        [](SlabEntries&, SlabDesignData& s, Settings&) { s.SupportCase = 2; },
                        true},
        InputChangeCase{"SteelGrade",
                        [](SlabEntries&, SlabDesignData& s, Settings&) { s.SteelGrade = "CA-60A"; },
                        true},
        InputChangeCase{"Cover", [](SlabEntries&, SlabDesignData&, Settings& c) { c.cover = 2.0; },
                        true},
        // Values that do not enter a solid case-1 slab.
        InputChangeCase{"AdjacentSpanOfCaseOne",
                        [](SlabEntries&, SlabDesignData& s, Settings&) { s.AdjacentSpan = 5.0; },
                        false},
        InputChangeCase{"RibGeometryOfASolidSlab",
                        [](SlabEntries&, SlabDesignData& s, Settings&) { s.bw = 12.0; }, false},
        // The moments are recomputed into the record; what counts is what was typed.
        InputChangeCase{"ComputedMoments",
                        [](SlabEntries&, SlabDesignData& s, Settings&) { s.g = 350.0; }, false}),
    testing_rows::RowName{});

} // namespace
} // namespace lajes
