#include "analysis/calculate.h"

#include <gtest/gtest.h>

#include "../row_name.h"
#include "text/number_text.h"

namespace lajes {
namespace {

std::string twoDecimals(double value) {
    return formatFixed(value, 2, '.');
}

// One data-entry screen: case 1, Lx 4 m, Ly 5 m, h 10 cm, g 100 and q 200 kg/m², fck 20,
// "CA-50A", cover 1 cm, walls 0.15 m. The adjacent-span dialog answers `adjacentSpan`.
struct Screen {
    SlabEntries entries{4.0, 5.0, 10.0, 100.0, 200.0};
    SlabDesignData slab;
    SlabResults results;
    PreDimensioning preDimensioning;
    Settings settings;
    std::optional<double> adjacentSpan = 3.5;
    int requests = 0;

    CalculationResult calculate() {
        return calculateSlab(entries, slab, results, preDimensioning, settings, [this] {
            ++requests;
            return adjacentSpan;
        });
    }
};

struct RejectionRow {
    const char* name;
    void (*change)(Screen&);
    const char* message;
    FocusTarget focus;
};

class RejectionTest : public testing::TestWithParam<RejectionRow> {};

TEST_P(RejectionTest, NamesTheFirstFailedCheck) {
    const RejectionRow& c = GetParam();
    Screen screen;
    c.change(screen);
    const CalculationResult result = screen.calculate();
    EXPECT_EQ(result.outcome, CalculationOutcome::Rejected);
    EXPECT_EQ(result.message, c.message);
    EXPECT_EQ(result.focus, c.focus);
    EXPECT_EQ(screen.requests, 0);
}

const char* const lxZero = "Valor do Lx\ndeve ser maior que zero!";
const char* const lyZero = "Valor do Ly\ndeve ser maior que zero!";
const char* const hZero = "Valor da Espessura da Laje\ndeve ser maior que zero!";
const char* const thin = "Valor da Espessura da Laje\ndeve ser maior que o cobrimento + 0,5 cm!";
const char* const deepBlock = "Altura do bloco hb\nnão pode ser maior que a Espessura da Laje!";
const char* const noLoad = "Valor da Carga Permanente\nou Acidental deve ser maior que zero!";
const char* const lxLonger = "Valor de Lx deve ser menor que Ly!";
const char* const lxWall = "Valor do Lx\ndeve ser maior que a largura da parede!";
const char* const lyWall = "Valor do Ly\ndeve ser maior que a largura da parede!";

void ribbed(Screen& s, double h, double hb) {
    s.slab.Ribbed = true;
    s.slab.a = 40;
    s.slab.bw = 10;
    s.slab.hb = hb;
    s.slab.bf = 5;
    s.entries.h = h;
}

// Rows in the order of the checks; a "Before" row breaks a later check as well, to show which
// of the two is met first.
INSTANTIATE_TEST_SUITE_P(
    Cases, RejectionTest,
    testing::Values(
        RejectionRow{"LxEmpty", +[](Screen& s) { s.entries.Lx.reset(); }, lxZero, FocusTarget::Lx},
        RejectionRow{"LxZeroBeforeAllElse",
                     +[](Screen& s) {
                         s.entries = {0.0, std::nullopt, std::nullopt, {}, {}};
                     },
                     lxZero, FocusTarget::Lx},
        RejectionRow{"LyEmpty", +[](Screen& s) { s.entries.Ly.reset(); }, lyZero, FocusTarget::Ly},
        RejectionRow{"LyZeroBeforeThickness",
                     +[](Screen& s) { s.entries.Ly = 0.0, s.entries.h.reset(); }, lyZero,
                     FocusTarget::Ly},
        RejectionRow{"ThicknessEmpty", +[](Screen& s) { s.entries.h.reset(); }, hZero,
                     FocusTarget::h},
        RejectionRow{"ThicknessZeroBeforeLoads",
                     +[](Screen& s) { s.entries.h = 0.0, s.entries.g = s.entries.q = 0.0; }, hZero,
                     FocusTarget::h},
        RejectionRow{"ThicknessEqualToCoverAndHalfCm", +[](Screen& s) { s.entries.h = 1.5; }, thin,
                     FocusTarget::h},
        RejectionRow{"ThinSlabBeforeBlock", +[](Screen& s) { ribbed(s, 1.2, 30); }, thin,
                     FocusTarget::h},
        RejectionRow{"BlockDeeperThanSlab", +[](Screen& s) { ribbed(s, 25, 26); }, deepBlock,
                     FocusTarget::h},
        RejectionRow{"BlockBeforeLoads",
                     +[](Screen& s) { ribbed(s, 25, 30), s.entries.g = s.entries.q = {}; },
                     deepBlock, FocusTarget::h},
        RejectionRow{"LoadsEmpty", +[](Screen& s) { s.entries.g = s.entries.q = {}; }, noLoad,
                     FocusTarget::g},
        RejectionRow{"LoadsZero", +[](Screen& s) { s.entries.g = s.entries.q = 0.0; }, noLoad,
                     FocusTarget::g},
        RejectionRow{"Case1LxLonger", +[](Screen& s) { s.entries.Lx = 5.0, s.entries.Ly = 4.0; },
                     lxLonger, FocusTarget::Lx},
        RejectionRow{"LxLongerBeforeWall",
                     +[](Screen& s) { s.entries.Lx = 0.12, s.entries.Ly = 0.1; }, lxLonger,
                     FocusTarget::Lx},
        RejectionRow{"LxAsWideAsWall", +[](Screen& s) { s.entries.Lx = 0.15; }, lxWall,
                     FocusTarget::Lx},
        RejectionRow{"LxInsideWallBeforeLy",
                     +[](Screen& s) { s.entries.Lx = 0.1, s.entries.Ly = 0.12; }, lxWall,
                     FocusTarget::Lx},
        RejectionRow{"Case2LyAsWideAsWall",
                     +[](Screen& s) { s.slab.SupportCase = 2, s.entries.Ly = 0.15; }, lyWall,
                     FocusTarget::Ly},
        // Each number in its physical range; an infinite span or load never reaches a result.
        RejectionRow{"LxAbove100m", +[](Screen& s) { s.entries.Lx = 100.01, s.entries.Ly = 120.0; },
                     "Valor de Lx deve estar entre 0 e 100 m!", FocusTarget::Lx},
        RejectionRow{"LyOf1e308", +[](Screen& s) { s.entries.Ly = 1e308; },
                     "Valor de Ly deve estar entre 0 e 100 m!", FocusTarget::Ly},
        RejectionRow{"ThicknessAbove200cm", +[](Screen& s) { s.entries.h = 250.0; },
                     "Valor de h deve estar entre 0 e 200 cm!", FocusTarget::h},
        RejectionRow{"LiveLoadAbove100000", +[](Screen& s) { s.entries.q = 1e9; },
                     "Valor de q deve estar entre 0 e 100 000 kg/m²!", FocusTarget::g},
        RejectionRow{"FckAbove150MPa", +[](Screen& s) { s.slab.fck = 1e308; },
                     "Valor de fck deve estar entre 0 e 150 MPa!", FocusTarget::None},
        // bw = 600 cm on a 5 m slab: 2a + bw = 680 cm against 385 cm of clear Lx.
        RejectionRow{"NoRibAcrossLx",
                     +[](Screen& s) {
                         ribbed(s, 25, 20);
                         s.slab.bw = 600;
                     },
                     "Nenhuma nervura cabe no vão: 2 × a + bw da Laje Nervurada\nexcede o vão "
                     "livre de Lx!",
                     FocusTarget::Lx},
        RejectionRow{"EmptiedConcreteBox", +[](Screen& s) { s.slab.fck = 0.0; },
                     "Momento Mx é maior que Mkmáx !", FocusTarget::None},
        // Mk máx = 2354.32 at d = 8.5 cm; p = 100 + 250 + q.
        RejectionRow{"Case4MyBeforeXx",
                     +[](Screen& s) {
                         s.slab.SupportCase = 4, s.entries.Lx = 6.0, s.entries.Ly = 4.0;
                         s.entries.q = 3150.0;
                     },
                     "Momento My é maior que Mkmáx !", FocusTarget::None},
        RejectionRow{
            "Case6XxBeforeXy",
            +[](Screen& s) { s.slab.SupportCase = 6, s.entries.Ly = 4.0, s.entries.q = 3650.0; },
            "Momento Xx é maior que Mkmáx !", FocusTarget::None},
        RejectionRow{"Case5Xy",
                     +[](Screen& s) {
                         s.slab.SupportCase = 5, s.entries.Lx = 5.0, s.entries.Ly = 4.0;
                         s.entries.q = 1950.0;
                     },
                     "Momento Xy é maior que Mkmáx !", FocusTarget::None}),
    testing_rows::RowName{});

TEST(CalculateSlab, AnalysesASimplySupportedSlabWithoutAskingForTheAdjacentSpan) {
    Screen screen;
    screen.slab.SteelGrade = "CA-25";
    screen.slab.fyk = 50.0;
    EXPECT_EQ(screen.calculate().outcome, CalculationOutcome::Ready);
    EXPECT_EQ(screen.requests, 0);
    EXPECT_DOUBLE_EQ(screen.slab.d, 8.5);
    EXPECT_DOUBLE_EQ(permanentLoad(screen.slab), 350.0);
    EXPECT_DOUBLE_EQ(screen.slab.p, 550.0);
    EXPECT_EQ(screen.slab.fyk, 25.0);
    EXPECT_DOUBLE_EQ(screen.slab.Lambda, 1.25);
    EXPECT_EQ(screen.slab.SmallerSpan, 4.0);
    EXPECT_EQ(twoDecimals(screen.results.Mx), "485.11");
    EXPECT_EQ(twoDecimals(screen.results.My), "310.47");
    EXPECT_EQ(twoDecimals(screen.preDimensioning.hREBA), "9.33"); // CA-25: η 1.0
}

TEST(CalculateSlab, AsksForTheAdjacentSpanOnEveryRunOfCase2) {
    Screen screen;
    screen.slab.SupportCase = 2;
    screen.entries.Lx = 5.0; // Lx longer than Ly is allowed in case 2
    screen.entries.Ly = 4.0;
    EXPECT_EQ(screen.calculate().outcome, CalculationOutcome::Ready);
    EXPECT_EQ(screen.slab.AdjacentSpan, 3.5);
    screen.adjacentSpan = 4.2;
    EXPECT_EQ(screen.calculate().outcome, CalculationOutcome::Ready);
    EXPECT_EQ(screen.requests, 2);
    EXPECT_EQ(screen.slab.AdjacentSpan, 4.2);
}

TEST(CalculateSlab, IsCancelledWhenTheUserDismissesTheAdjacentSpan) {
    Screen screen;
    screen.slab.SupportCase = 3;
    screen.slab.AdjacentSpan = 2.0;
    screen.adjacentSpan = std::nullopt;
    const CalculationResult result = screen.calculate();
    EXPECT_EQ(result.outcome, CalculationOutcome::Cancelled);
    EXPECT_EQ(result.message, "");
    EXPECT_EQ(screen.slab.AdjacentSpan, 2.0);
}

TEST(CalculateSlab, WithoutAnAdjacentSpanDialogIsCancelled) {
    Screen screen;
    screen.slab.SupportCase = 2;
    const CalculationResult result = calculateSlab(screen.entries, screen.slab, screen.results,
                                                   screen.preDimensioning, screen.settings, {});
    EXPECT_EQ(result.outcome, CalculationOutcome::Cancelled);
}

TEST(CalculateSlab, AddsTheSelfWeightOnceHoweverOftenItRuns) {
    Screen screen;
    ASSERT_EQ(screen.calculate().outcome, CalculationOutcome::Ready);
    const double Mx = screen.results.Mx;
    screen.slab.g = 9999.0; // whatever the record holds, the typed load is the entry
    ASSERT_EQ(screen.calculate().outcome, CalculationOutcome::Ready);
    EXPECT_DOUBLE_EQ(permanentLoad(screen.slab), 350.0);
    EXPECT_DOUBLE_EQ(screen.slab.g, 100.0); // as typed: the self-weight is kept apart
    EXPECT_DOUBLE_EQ(screen.slab.p, 550.0);
    EXPECT_EQ(screen.results.Mx, Mx);
}

TEST(CalculateSlab, TakesAnEmptyPermanentLoadAsZero) {
    Screen screen;
    screen.entries.g.reset();
    screen.entries.q = 300.0;
    EXPECT_EQ(screen.calculate().outcome, CalculationOutcome::Ready);
    EXPECT_DOUBLE_EQ(permanentLoad(screen.slab), 250.0);
    EXPECT_DOUBLE_EQ(screen.slab.p, 550.0);
}

TEST(CalculateSlab, KeepsWhatItComputedBeforeARejection) {
    Screen screen;
    screen.settings.cover = 1.5;
    screen.entries.Lx = 5.0;
    screen.entries.Ly = 4.0;
    EXPECT_EQ(screen.calculate().message, lxLonger);
    EXPECT_DOUBLE_EQ(screen.slab.d, 8.0);
    EXPECT_DOUBLE_EQ(permanentLoad(screen.slab), 350.0);
}

TEST(CalculateSlab, UsesTheGradeChosenSinceTheLastRun) {
    Screen screen;
    ASSERT_EQ(screen.calculate().outcome, CalculationOutcome::Ready);
    EXPECT_NEAR(screen.results.rhoMin, 0.16, 1e-12);
    screen.slab.SteelGrade = "CA-25";
    ASSERT_EQ(screen.calculate().outcome, CalculationOutcome::Ready);
    EXPECT_NEAR(screen.results.rhoMin, 0.32, 1e-12);
}

TEST(CalculateSlab, AcceptsABlockAsDeepAsTheSlab) {
    Screen screen;
    ribbed(screen, 25, 25);
    EXPECT_EQ(screen.calculate().outcome, CalculationOutcome::Ready);
}

} // namespace
} // namespace lajes
