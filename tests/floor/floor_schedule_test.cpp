#include "floor/floor_schedule.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "../row_name.h"
#include "floor/worked_floor.h"

namespace lajes {
namespace {

using testing_floor::workedFloor;

struct ExpectedPosition {
    const char* name;
    double diameter;
    long long quantity;
    double unitLength; // cm
    double totalLength;
    double mass;
};

// The worked floor as the floor's design gives it (slabs listed L2, L1, L3), its table by hand
// with the default settings (wall 0.15 m, cover 1 cm): a bottom bar is the span + 0.13 m, a top
// bar over a stretch with a 4 m adjacent span and h 10 is 3 × 50 + 2 × 8 = 166 cm.
// Bars of the design: L1 36Ø5.0c11 both ways, L2 36Ø5.0c11 along x (5 m) and 49Ø5.0c10 along
// y (4 m), L3 15Ø5.0c20 along x and 99Ø5.0c9 along y; stretches L1|L2 36Ø6.3c11 (on V5),
// L1|L3 39Ø6.3c10 and L2|L3 62Ø6.3c8 (on V2). So N1 is 5.0 mm at 413 cm in L1 (both ways)
// and L2 (y); N5 the 6.3 mm top bars of all three stretches; V2's stretches come before V5's
// though the design lists L1|L2 first.
TEST(FloorScheduleTest, WorkedFloorByHand) {
    const Floor floor = workedFloor();
    const FloorResults results = designFloor(floor, floor.settings);
    ASSERT_EQ(results.outcome, FloorOutcome::Ready);
    const FloorSchedule schedule = floorSchedule(floor, results, floor.settings);
    const std::vector<ExpectedPosition> expected{
        {"N1", 5.0, 121, 413, 499.73, 76.95842}, {"N2", 5.0, 36, 513, 184.68, 28.44072},
        {"N3", 5.0, 15, 913, 136.95, 21.0903},   {"N4", 5.0, 99, 313, 309.87, 47.71998},
        {"N5", 6.3, 137, 166, 227.42, 55.7179},
    };
    const SteelSchedule& table = schedule.table;
    ASSERT_EQ(table.positions.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        const SchedulePosition& p = table.positions[i];
        EXPECT_EQ(p.name, expected[i].name);
        EXPECT_DOUBLE_EQ(p.diameter, expected[i].diameter);
        EXPECT_EQ(p.quantity, expected[i].quantity);
        EXPECT_DOUBLE_EQ(p.unitLength, expected[i].unitLength);
        EXPECT_NEAR(p.totalLength, expected[i].totalLength, 1e-9);
        EXPECT_NEAR(p.mass, expected[i].mass, 1e-9);
    }
    EXPECT_EQ(schedule.shapes[4], FloorBarShape::Hooked);
    EXPECT_EQ(schedule.shapes[0], FloorBarShape::Straight);

    ASSERT_EQ(table.diameters.size(), 2u);
    EXPECT_DOUBLE_EQ(table.diameters[0].diameter, 5.0);
    EXPECT_NEAR(table.diameters[0].totalLength, 1131.23, 1e-9);
    EXPECT_NEAR(table.diameters[0].mass, 174.20942, 1e-9);
    EXPECT_DOUBLE_EQ(table.diameters[1].diameter, 6.3);
    EXPECT_NEAR(table.diameters[1].totalLength, 227.42, 1e-9);
    EXPECT_NEAR(table.diameters[1].mass, 55.7179, 1e-9);
    EXPECT_NEAR(table.totalMass, 229.92732, 1e-9);
    EXPECT_NEAR(table.totalMassWithLosses, 252.920052, 1e-9);
    EXPECT_NEAR(table.area, 63.0, 1e-12);           // 16 + 20 + 27 m²
    EXPECT_NEAR(table.concreteVolume, 6.84, 1e-12); // 1.6 + 2.0 + 3.24 m³
    EXPECT_NEAR(table.steelPerArea, 3.64964, 1e-9);
    EXPECT_NEAR(table.steelPerVolume, 33.6151053, 1e-6);

    // Groups in plan order: L1 x, L1 y, L2 x, L2 y, L3 x, L3 y, then V2 from x = 0 (L1|L3),
    // V2 from x = 4 (L2|L3), V5 (L1|L2).
    const std::vector<std::size_t> positions{0, 0, 1, 0, 2, 3, 4, 4, 4};
    ASSERT_EQ(schedule.groups.size(), positions.size());
    for (std::size_t i = 0; i < positions.size(); ++i)
        EXPECT_EQ(schedule.groups[i].position, positions[i]) << "group " << i;
    EXPECT_EQ(floorBarLabel(schedule, schedule.groups[6], ','), "N5 - 39 Ø6,3 c/10 - 166");
    EXPECT_EQ(floorBarLabel(schedule, schedule.groups[7], '.'), "N5 - 62 Ø6.3 c/8 - 166");
    EXPECT_EQ(floorBarLabel(schedule, schedule.groups[8], '.'), "N5 - 36 Ø6.3 c/11 - 166");
    EXPECT_EQ(floorBarLabel(schedule, schedule.groups[0], '.'), "N1 - 36 Ø5.0 c/11 - 413");
}

// A slab or stretch that was not designed carries no bars; the floor's area and concrete
// still count it.
TEST(FloorScheduleTest, LeavesOutWhatWasNotDesigned) {
    const Floor floor = workedFloor();
    FloorResults results = designFloor(floor, floor.settings);
    ASSERT_EQ(results.slabs[2].name, "L3");
    results.slabs[2].outcome = FloorOutcome::Rejected;
    for (FloorStretch& stretch : results.edges)
        if (stretch.from.x == 4.0 && stretch.to.x == 4.0) // L1|L2
            stretch.outcome = FloorOutcome::NoBar;
    const FloorSchedule schedule = floorSchedule(floor, results, floor.settings);
    // N1 L1 both ways and L2 along y, N2 L2 along x, N3 the two stretches on V2 (39 + 62).
    ASSERT_EQ(schedule.table.positions.size(), 3u);
    EXPECT_EQ(schedule.table.positions[0].quantity, 121);
    EXPECT_EQ(schedule.table.positions[2].quantity, 101);
    EXPECT_DOUBLE_EQ(schedule.table.positions[2].unitLength, 166);
    EXPECT_NEAR(schedule.table.area, 63.0, 1e-12);
    EXPECT_NEAR(schedule.table.concreteVolume, 6.84, 1e-12);
}

// A ribbed slab (5 × 6 m, 10 ribs of 5 Ø8.0 along x, 8 ribs of 5 along y, one Ø5.0 top bar
// per rib and one more) beside a solid one that it does not fix: its bars counted rib by rib;
// its top bars along y (613 cm) share a position with the solid slab's bottom bars of 5.0 mm
// and 613 cm.
TEST(FloorScheduleTest, RibbedSlabCountsItsRibs) {
    Floor floor;
    floor.fck = 25;
    FloorSlab ribbed = testing_floor::slab("L1", 0, 0, 5, 6, 25);
    ribbed.g = 100;
    ribbed.q = 300;
    ribbed.Ribbed = true;
    ribbed.a = 40;
    ribbed.bw = 10;
    ribbed.hb = 20;
    ribbed.bf = 5;
    ribbed.BlockDensity = 450;
    floor.slabs = {ribbed, testing_floor::slab("L2", 5, 0, 4, 6, 10)};
    const FloorResults results = designFloor(floor, floor.settings);
    ASSERT_EQ(results.outcome, FloorOutcome::Ready);
    ASSERT_EQ(results.slabs[0].barX.text, "10x5Ø8.0");
    const FloorSchedule schedule = floorSchedule(floor, results, floor.settings);
    const std::vector<ExpectedPosition> expected{
        {"N1", 8.0, 50, 513, 256.5, 101.3175}, {"N2", 8.0, 40, 613, 245.2, 96.854},
        {"N3", 5.0, 11, 513, 56.43, 8.69022},  {"N4", 5.0, 45, 613, 275.85, 42.4809},
        {"N5", 6.3, 66, 413, 272.58, 66.7821},
    };
    ASSERT_EQ(schedule.table.positions.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        const SchedulePosition& p = schedule.table.positions[i];
        EXPECT_DOUBLE_EQ(p.diameter, expected[i].diameter);
        EXPECT_EQ(p.quantity, expected[i].quantity);
        EXPECT_DOUBLE_EQ(p.unitLength, expected[i].unitLength);
        EXPECT_NEAR(p.mass, expected[i].mass, 1e-9);
    }
    EXPECT_EQ(floorBarLabel(schedule, schedule.groups[0], '.'), "N1 - 50 Ø8.0 - 513");
    EXPECT_EQ(floorBarLabel(schedule, schedule.groups[2], '.'), "N3 - 11 Ø5.0 c/50 - 513");
}

struct NameOrderRow {
    const char* name;
    const char* a;
    const char* b;
    bool less;
};

class NaturalLessTest : public testing::TestWithParam<NameOrderRow> {};

TEST_P(NaturalLessTest, OrdersNames) {
    EXPECT_EQ(naturalLess(GetParam().a, GetParam().b), GetParam().less);
}

INSTANTIATE_TEST_SUITE_P(Names, NaturalLessTest,
                         testing::Values(NameOrderRow{"TwoBeforeTen", "L2", "L10", true},
                                         NameOrderRow{"TenAfterNine", "L10", "L9", false},
                                         NameOrderRow{"LetterFirst", "L1", "M1", true},
                                         NameOrderRow{"PrefixFirst", "L1", "L1a", true},
                                         NameOrderRow{"LeadingZero", "L02", "L3", true},
                                         NameOrderRow{"Same", "L1", "L1", false}),
                         testing_rows::RowName{});

} // namespace
} // namespace lajes
