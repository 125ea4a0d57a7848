#include "floor/floor_schedule.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "../row_name.h"
#include "floor/worked_floor_results.h"

namespace lajes {
namespace {

using testing_floor::workedFloor;
using testing_floor::workedFloorResults;

struct ExpectedPosition {
    const char* name;
    double diameter;
    long long quantity;
    double unitLength; // cm
    double totalLength;
    double mass;
};

// By hand, default settings (wall 0.15 m, cover 1 cm): a bottom bar is the span + 0.13 m
// (L1 413 both ways, L2 513 and 413, L3 913 and 313); a top bar over a stretch with a 4 m
// adjacent span and h 10 is 3 × 50 + 2 × 8 = 166 cm. L1's two directions are one position
// (6.3 mm, 413), as are the 8.0 mm bars of the stretches on V2 (L1|L3 and L2|L3); the stretch
// on V5 (L1|L2) comes after them though it is listed first.
TEST(FloorScheduleTest, WorkedFloorNumbersPlanOrderAndSharesPositions) {
    const FloorSchedule schedule = floorSchedule(workedFloor(), workedFloorResults(), Settings{});
    const std::vector<ExpectedPosition> expected{
        {"N1", 6.3, 66, 413, 272.58, 66.7821},  {"N2", 6.3, 28, 513, 143.64, 35.1918},
        {"N3", 8.0, 38, 413, 156.94, 61.9913},  {"N4", 6.3, 19, 913, 173.47, 42.50015},
        {"N5", 6.3, 75, 313, 234.75, 57.51375}, {"N6", 8.0, 63, 166, 104.58, 41.3091},
        {"N7", 6.3, 36, 166, 59.76, 14.6412},
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
    EXPECT_EQ(schedule.shapes[5], FloorBarShape::Hooked);
    EXPECT_EQ(schedule.shapes[0], FloorBarShape::Straight);

    ASSERT_EQ(table.diameters.size(), 2u);
    EXPECT_DOUBLE_EQ(table.diameters[0].diameter, 6.3);
    EXPECT_NEAR(table.diameters[0].totalLength, 884.20, 1e-9);
    EXPECT_NEAR(table.diameters[0].mass, 216.629, 1e-9);
    EXPECT_DOUBLE_EQ(table.diameters[1].diameter, 8.0);
    EXPECT_NEAR(table.diameters[1].totalLength, 261.52, 1e-9);
    EXPECT_NEAR(table.diameters[1].mass, 103.3004, 1e-9);
    EXPECT_NEAR(table.totalMass, 319.9294, 1e-9);
    EXPECT_NEAR(table.totalMassWithLosses, 351.92234, 1e-9);
    EXPECT_NEAR(table.area, 63.0, 1e-12);           // 16 + 20 + 27 m²
    EXPECT_NEAR(table.concreteVolume, 6.84, 1e-12); // 1.6 + 2.0 + 3.24 m³
    EXPECT_NEAR(table.steelPerArea, 5.0782444, 1e-6);
    EXPECT_NEAR(table.steelPerVolume, 46.773304, 1e-6);

    // Groups in plan order, each pointing at its position: L1 x, L1 y, L2 x, L2 y, L3 x, L3 y,
    // then V2 from x = 0 (stretch 2), V2 from x = 4 (stretch 1), V5 (stretch 0).
    const std::vector<std::size_t> positions{0, 0, 1, 2, 3, 4, 5, 5, 6};
    const std::vector<std::size_t> stretches{2, 1, 0};
    ASSERT_EQ(schedule.groups.size(), positions.size());
    for (std::size_t i = 0; i < positions.size(); ++i)
        EXPECT_EQ(schedule.groups[i].position, positions[i]) << "group " << i;
    for (std::size_t i = 0; i < stretches.size(); ++i) {
        EXPECT_EQ(schedule.groups[6 + i].owner, FloorBarOwner::Stretch);
        EXPECT_EQ(schedule.groups[6 + i].index, stretches[i]);
    }
    EXPECT_EQ(floorBarLabel(schedule, schedule.groups[7], ','), "N6 - 38 Ø8,0 c/13 - 166");
    EXPECT_EQ(floorBarLabel(schedule, schedule.groups[0], '.'), "N1 - 33 Ø6.3 c/12 - 413");
}

// A slab or stretch that was not designed carries no bars; the floor's area and concrete
// still count it.
TEST(FloorScheduleTest, LeavesOutWhatWasNotDesigned) {
    FloorResults results = workedFloorResults();
    results.slabs[2].outcome = FloorOutcome::Rejected; // L3
    results.edges[0].outcome = FloorOutcome::NoBar;    // L1|L2
    const FloorSchedule schedule = floorSchedule(workedFloor(), results, Settings{});
    ASSERT_EQ(schedule.table.positions.size(), 4u); // N1 L1, N2 and N3 L2, N4 the V2 stretches
    EXPECT_EQ(schedule.table.positions[3].quantity, 63);
    EXPECT_NEAR(schedule.table.area, 63.0, 1e-12);
    EXPECT_NEAR(schedule.table.concreteVolume, 6.84, 1e-12);
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
