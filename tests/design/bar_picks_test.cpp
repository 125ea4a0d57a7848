#include "design/bar_picks.h"

#include "../row_name.h"

#include <gtest/gtest.h>

#include "design/design_slabs.h"
#include "design/results_driver.h"

namespace lajes {
namespace {

using testing_slabs::DesignedSlab;

BarPick diameter(BarDirection direction, const char* text) {
    return BarPick{direction, std::string(text), std::nullopt};
}
BarPick spacing(BarDirection direction, int cm) {
    return BarPick{direction, std::nullopt, cm};
}

struct LogCase {
    const char* name;
    std::vector<BarPick> picked;
    std::vector<BarPick> kept;
};

class BarPickLogTest : public testing::TestWithParam<LogCase> {};

TEST_P(BarPickLogTest, KeepsThePicksThatDecideTheBars) {
    BarPickLog log;
    for (const BarPick& pick : GetParam().picked)
        log.record(pick);
    EXPECT_EQ(log.picks(), GetParam().kept);
}

constexpr auto xp = BarDirection::xp;
constexpr auto yp = BarDirection::yp;

INSTANTIATE_TEST_SUITE_P(
    Picks, BarPickLogTest,
    testing::Values(
        LogCase{"DiameterThenSpacing",
                {diameter(xp, "8.0"), spacing(xp, 12)},
                {diameter(xp, "8.0"), spacing(xp, 12)}},
        LogCase{"NewDiameterDropsEarlierPicksOfItsColumn",
                {diameter(xp, "8.0"), spacing(xp, 12), diameter(xp, "10.0")},
                {diameter(xp, "10.0")}},
        LogCase{"LaterSpacingReplacesEarlierSpacing",
                {diameter(xp, "8.0"), spacing(xp, 12), spacing(xp, 9)},
                {diameter(xp, "8.0"), spacing(xp, 9)}},
        LogCase{
            "SpacingOfTheProposedDiameter", {spacing(yp, 12), spacing(yp, 10)}, {spacing(yp, 10)}},
        LogCase{"ColumnsAreIndependent",
                {diameter(xp, "8.0"), diameter(yp, "6.3"), spacing(xp, 12), diameter(yp, "8.0")},
                {diameter(xp, "8.0"), spacing(xp, 12), diameter(yp, "8.0")}}),
    testing_rows::RowName{});

void expectSameBars(const DesignedSlab& a, const DesignedSlab& b) {
    for (BarDirection direction : allBarDirections) {
        const BarChoice& x = a.results.bar(direction);
        const BarChoice& y = b.results.bar(direction);
        EXPECT_EQ(x.diameter, y.diameter);
        EXPECT_EQ(x.spacing, y.spacing);
        EXPECT_EQ(x.count, y.count);
        EXPECT_EQ(x.effectiveArea, y.effectiveArea);
        EXPECT_EQ(x.text, y.text);
    }
    EXPECT_EQ(a.screen.FiEdit, b.screen.FiEdit);
    EXPECT_EQ(a.screen.FfEdit, b.screen.FfEdit);
    EXPECT_EQ(a.screen.TwdEdit, b.screen.TwdEdit);
}

// What a user picked, one pick at a time, is what the kept picks give on a fresh computation
// of the same slab (the end-to-end slab, whose lists offer 5.0 to 10.0 mm bottom bars).
TEST(ApplyBarPicksTest, ReplayingTheKeptPicksGivesTheBarsTheUserChose) {
    DesignedSlab user;
    testing_slabs::endToEndSlab(user);
    computeResults(user.slab, user.results, user.settings, user.screen, ',');
    const std::vector<BarPick> session{diameter(xp, "10.0"), spacing(xp, 9),
                                       diameter(yp, "6.3"),  spacing(xp, 8),
                                       diameter(xp, "8.0"),  spacing(xp, 10)};
    BarPickLog log;
    for (const BarPick& pick : session) {
        const BarPicksOutcome one =
            applyBarPicks({pick}, user.slab, user.results, user.settings, user.screen, ',');
        ASSERT_TRUE(one.skipped.empty()) << (pick.diameter ? *pick.diameter : "spacing");
        log.record(pick);
    }
    // nearest((4 - 0.15) x 100 / 10) + 1 = nearest(38.5) + 1 = 39 bars (halves to even).
    EXPECT_EQ(user.results.bar(xp).text, "39Ø8.0c10");

    DesignedSlab reopened;
    testing_slabs::endToEndSlab(reopened);
    computeResults(reopened.slab, reopened.results, reopened.settings, reopened.screen, ',');
    const BarPicksOutcome replay = applyBarPicks(log.picks(), reopened.slab, reopened.results,
                                                 reopened.settings, reopened.screen, ',');
    EXPECT_TRUE(replay.skipped.empty());
    expectSameBars(user, reopened);
}

TEST(ApplyBarPicksTest, PicksTheListsDoNotOfferAreSkippedWithOneMessage) {
    DesignedSlab s;
    testing_slabs::endToEndSlab(s);
    computeResults(s.slab, s.results, s.settings, s.screen, ',');
    DesignedSlab untouched = s;
    const std::vector<BarPick> file{diameter(xp, "12.5"), spacing(yp, 40),
                                    diameter(BarDirection::xn, "6.3")};
    const BarPicksOutcome outcome =
        applyBarPicks(file, s.slab, s.results, s.settings, s.screen, ',');
    EXPECT_EQ(outcome.skipped, file);
    expectSameBars(s, untouched);
    EXPECT_EQ(skippedPicksMessage(outcome.skipped),
              "A bitola 12.5 de Asx+ gravada no arquivo não está na lista e não foi aplicada.\n"
              "O espaçamento 40 de Asy+ gravado no arquivo não está na lista e não foi aplicado.\n"
              "A bitola 6.3 de Asx- gravada no arquivo não está na lista e não foi aplicada.");
}

} // namespace
} // namespace lajes
