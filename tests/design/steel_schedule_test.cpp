#include "design/steel_schedule.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "../row_name.h"
#include "design/bar_changes.h"
#include "design/design_slabs.h"
#include "design/results_driver.h"

namespace lajes {
namespace {

using testing_slabs::DesignedSlab;

struct ExpectedPosition {
    const char* name;
    BarDirection direction;
    double diameter;
    int quantity;
    double unitLength; // cm
    double totalLength;
    double mass;
};

struct ExpectedDiameter {
    double diameter;
    double totalLength;
    double mass;
};

struct ScheduleCase {
    const char* name;
    std::function<void(DesignedSlab&)> design; // calculate, compute, pick
    std::vector<ExpectedPosition> positions;
    std::vector<ExpectedDiameter> diameters;
    double totalMass, totalMassWithLosses, area, concreteVolume, steelPerArea, steelPerVolume;
};

void compute(DesignedSlab& s) {
    const ComputeOutcome outcome = computeResults(s.slab, s.results, s.settings, s.screen, '.');
    ASSERT_FALSE(outcome.closeScreen);
}

void pick(DesignedSlab& s, BarDirection direction, const char* diameter) {
    ASSERT_TRUE(
        pickDiameter(direction, diameter, s.slab, s.results, s.settings, s.screen, '.').applied);
}

// Solid slabs of 4 m by 5 m with the default settings (wall 0.15 m, cover 1 cm): Lbx 413 cm,
// Lby 513 cm; a top bar over an edge is 3a + 2(h - 2) cm.
void solid4By5(DesignedSlab& s, int supportCase, double h, double g, double q,
               double adjacentSpan) {
    s.slab.SupportCase = supportCase;
    s.calculate(SlabEntries{4.0, 5.0, h, g, q}, adjacentSpan);
    compute(s);
}

class SteelScheduleTest : public testing::TestWithParam<ScheduleCase> {};

TEST_P(SteelScheduleTest, CountsTheChosenBars) {
    const ScheduleCase& c = GetParam();
    DesignedSlab s;
    c.design(s);
    const std::optional<SteelSchedule> schedule = steelSchedule(s.slab, s.results, s.settings);
    ASSERT_TRUE(schedule);

    ASSERT_EQ(schedule->positions.size(), c.positions.size());
    for (std::size_t i = 0; i < c.positions.size(); ++i) {
        const SchedulePosition& got = schedule->positions[i];
        const ExpectedPosition& want = c.positions[i];
        SCOPED_TRACE(want.name);
        EXPECT_EQ(got.name, want.name);
        EXPECT_EQ(got.direction, want.direction);
        EXPECT_EQ(got.diameter, want.diameter);
        EXPECT_EQ(got.quantity, want.quantity);
        EXPECT_EQ(got.unitLength, want.unitLength);
        EXPECT_NEAR(got.totalLength, want.totalLength, 1e-9);
        EXPECT_NEAR(got.mass, want.mass, 1e-9);
    }
    ASSERT_EQ(schedule->diameters.size(), c.diameters.size());
    for (std::size_t i = 0; i < c.diameters.size(); ++i) {
        EXPECT_EQ(schedule->diameters[i].diameter, c.diameters[i].diameter);
        EXPECT_NEAR(schedule->diameters[i].totalLength, c.diameters[i].totalLength, 1e-9);
        EXPECT_NEAR(schedule->diameters[i].mass, c.diameters[i].mass, 1e-9);
    }
    EXPECT_NEAR(schedule->totalMass, c.totalMass, 1e-9);
    EXPECT_NEAR(schedule->totalMassWithLosses, c.totalMassWithLosses, 1e-9);
    EXPECT_NEAR(schedule->area, c.area, 1e-12);
    EXPECT_NEAR(schedule->concreteVolume, c.concreteVolume, 1e-12);
    EXPECT_NEAR(schedule->steelPerArea, c.steelPerArea, 1e-6);
    EXPECT_NEAR(schedule->steelPerVolume, c.steelPerVolume, 1e-6);
}

constexpr auto xp = BarDirection::xp;
constexpr auto yp = BarDirection::yp;
constexpr auto xn = BarDirection::xn;
constexpr auto yn = BarDirection::yn;

INSTANTIATE_TEST_SUITE_P(
    Slabs, SteelScheduleTest,
    testing::Values(
        // Case 1, 4 m x 4 m, h 10: 33Ø5.0c12 both ways, no top steel.
        ScheduleCase{"EndToEndSlab",
                     [](DesignedSlab& s) {
                         testing_slabs::endToEndSlab(s);
                         compute(s);
                     },
                     {{"N1", xp, 5.0, 33, 413, 136.29, 20.98866},
                      {"N2", yp, 5.0, 33, 413, 136.29, 20.98866}},
                     {{5.0, 272.58, 41.97732}},
                     41.97732,
                     46.175052,
                     16.0,
                     1.6,
                     41.97732 / 16,
                     41.97732 / 1.6},
        // Case 6, h 12, g 100, q 300, adjacent span 4.5 m (a = 60 cm, v = 10 cm, Ln = 200):
        // 36Ø6.3c14 over each of the two x edges, 20Ø6.3c20 over each y edge.
        ScheduleCase{"Case6BothEdgesOfEachDirection",
                     [](DesignedSlab& s) { solid4By5(s, 6, 12.0, 100.0, 300.0, 4.5); },
                     {{"N1", xp, 5.0, 45, 413, 185.85, 28.6209},
                      {"N2", yp, 5.0, 36, 513, 184.68, 28.44072},
                      {"N3", xn, 6.3, 72, 200, 144.0, 35.28},
                      {"N4", yn, 6.3, 40, 200, 80.0, 19.6}},
                     {{5.0, 370.53, 57.06162}, {6.3, 224.0, 54.88}},
                     111.94162,
                     123.135782,
                     20.0,
                     2.4,
                     111.94162 / 20,
                     111.94162 / 2.4},
        // Case 3, h 10, g 100, q 200, adjacent span 4 m (a = 50, v = 8, Ln = 166): one fixed
        // edge in each direction, 55Ø6.3c9 and 27Ø6.3c15.
        ScheduleCase{"Case3OneEdgeOfEachDirection",
                     [](DesignedSlab& s) { solid4By5(s, 3, 10.0, 100.0, 200.0, 4.0); },
                     {{"N1", xp, 5.0, 36, 413, 148.68, 22.89672},
                      {"N2", yp, 5.0, 29, 513, 148.77, 22.91058},
                      {"N3", xn, 6.3, 55, 166, 91.3, 22.3685},
                      {"N4", yn, 6.3, 27, 166, 44.82, 10.9809}},
                     {{5.0, 297.45, 45.8073}, {6.3, 136.12, 33.3494}},
                     79.1567,
                     87.07237,
                     20.0,
                     2.0,
                     79.1567 / 20,
                     79.1567 / 2.0},
        // Ribbed 4 m x 4 m, h 25, a 40, bw 10, hb 20, with 10.0 mm picked both ways: 6 ribs of
        // 3 bars; top 7Ø5.0c50 straight across (Lbx, Lby). Concrete 25 - 40² x 20 / 50² =
        // 12.2 cm thick on average.
        ScheduleCase{"RibbedSlab",
                     [](DesignedSlab& s) {
                         testing_slabs::ribbedSlab(s);
                         compute(s);
                         pick(s, xp, "10.0");
                         pick(s, yp, "10.0");
                     },
                     {{"N1", xp, 10.0, 18, 413, 74.34, 45.86778},
                      {"N2", yp, 10.0, 18, 413, 74.34, 45.86778},
                      {"N3", xn, 5.0, 7, 413, 28.91, 4.45214},
                      {"N4", yn, 5.0, 7, 413, 28.91, 4.45214}},
                     {{5.0, 57.82, 8.90428}, {10.0, 148.68, 91.73556}},
                     100.63984,
                     110.703824,
                     16.0,
                     1.952,
                     100.63984 / 16,
                     100.63984 / 1.952}),
    testing_rows::RowName());

// The texts of the window, the printout and the CSV, with the rounded figures.
TEST(SteelScheduleTextTest, EndToEndSlabAsACsvFileForABrazilianSpreadsheet) {
    DesignedSlab s;
    testing_slabs::endToEndSlab(s);
    compute(s);
    const auto schedule = steelSchedule(s.slab, s.results, s.settings);
    ASSERT_TRUE(schedule);
    EXPECT_EQ(scheduleCsv(*schedule, ','),
              "\xEF\xBB\xBF"
              "Posição;Ø (mm);Quant.;Compr. unit. (cm);Compr. total (m);Massa (kg)\r\n"
              "N1;5,0;33;413;136,29;20,99\r\n"
              "N2;5,0;33;413;136,29;20,99\r\n"
              "\r\n"
              "Resumo por bitola\r\n"
              "Ø (mm);Compr. total (m);Massa (kg)\r\n"
              "5,0;272,58;41,98\r\n"
              "\r\n"
              "Massa total;41,98;kg\r\n"
              "Total + 10% (perdas);46,18;kg\r\n"
              "Área da laje;16,00;m²\r\n"
              "Volume de concreto;1,60;m³\r\n"
              "Taxa de aço por área;2,62;kg/m²\r\n"
              "Taxa de aço por volume;26,24;kg/m³\r\n");
    // The clipboard: tabs, "\n", the point where the locale has it.
    const std::string copied = scheduleDelimitedText(*schedule, '.', '\t', "\n");
    EXPECT_EQ(copied.substr(0, copied.find("\n\n")),
              "Posição\tØ (mm)\tQuant.\tCompr. unit. (cm)\tCompr. total (m)\tMassa (kg)\n"
              "N1\t5.0\t33\t413\t136.29\t20.99\n"
              "N2\t5.0\t33\t413\t136.29\t20.99");
}

// Directions that are not listed, and designs that did not complete.
TEST(SteelScheduleRulesTest, LeavesOutEmptyDescriptionsAndZeroQuantities) {
    // Ribbed 0.6 m x 4 m: no whole rib fits across 0.6 m, so yp (ribs in y x bars) is 0 and
    // left out; its top bar, one more than the ribs, stays. N numbers run on without a gap.
    DesignedSlab s;
    testing_slabs::ribbedSlab(s);
    s.results = SlabResults{};
    s.slab.Lx = 0.6;
    s.results.ribsX = 6;
    s.results.ribsY = 0;
    s.results.barsPerRibX = 2;
    s.results.barsPerRibY = 2;
    for (BarDirection d : allBarDirections)
        s.results.bar(d) = BarChoice{d == xn || d == yn ? 5.0 : 10.0, 0.0, 1, 0.0, "text"};
    auto schedule = steelSchedule(s.slab, s.results, s.settings);
    ASSERT_TRUE(schedule);
    ASSERT_EQ(schedule->positions.size(), 3u);
    EXPECT_EQ(schedule->positions[1].name, "N2");
    EXPECT_EQ(schedule->positions[1].direction, xn);
    EXPECT_EQ(schedule->positions[2].direction, yn);
    EXPECT_EQ(schedule->positions[2].quantity, 1);
    EXPECT_EQ(schedule->position(yp), nullptr);

    // An empty description: no position, whatever its count.
    s.results.bar(xn).text.clear();
    schedule = steelSchedule(s.slab, s.results, s.settings);
    ASSERT_TRUE(schedule);
    EXPECT_EQ(schedule->position(xn), nullptr);
    EXPECT_EQ(schedule->positions.size(), 2u);
}

TEST(SteelScheduleRulesTest, NoScheduleAfterTheNoBarFailure) {
    // Case 6, h 8: a first design lists all four directions; then 1300 kg.m/m over the x
    // edges (about 8.5 cm²/m on d = 6.5) leaves the xn list empty and the computation stops
    // there. xp and yp are complete, xn is "0Øc0": a table of xp and yp alone would be wrong.
    DesignedSlab s;
    s.slab.SupportCase = 6;
    s.settings.cover = 1.0;
    s.calculate(SlabEntries{4.0, 4.0, 8.0, 100.0, 200.0});
    compute(s);
    ASSERT_TRUE(steelSchedule(s.slab, s.results, s.settings));
    s.results.Xx = -1300;
    const ComputeOutcome outcome = computeResults(s.slab, s.results, s.settings, s.screen, '.');
    ASSERT_TRUE(outcome.closeScreen);
    ASSERT_EQ(s.results.bar(xn).text, "0Øc0");
    EXPECT_FALSE(steelSchedule(s.slab, s.results, s.settings));
}

TEST(SteelScheduleRulesTest, LinearMassesOfNbr7480) {
    const std::vector<std::pair<double, double>> masses{
        {5.0, 0.154},  {6.3, 0.245},  {8.0, 0.395},  {10.0, 0.617}, {12.5, 0.963},
        {16.0, 1.578}, {20.0, 2.466}, {25.0, 3.853}, {32.0, 6.313}, {40.0, 9.865}};
    for (const auto& [diameter, mass] : masses)
        EXPECT_EQ(nominalLinearMass(diameter), mass) << diameter;
    EXPECT_EQ(nominalLinearMass(7.0), 0.0);
}

} // namespace
} // namespace lajes
