#include "analysis/moments.h"
#include "analysis/support_case.h"

#include <cmath>
#include <gtest/gtest.h>

#include "../row_name.h"
#include "analysis/steel_grades.h"
#include "text/number_text.h"

namespace lajes {
namespace {

std::string twoDecimals(double value) {
    return formatFixed(value, 2, '.');
}

SlabDesignData loadedSlab(int supportCase, double Lx, double Ly, double p) {
    SlabDesignData slab;
    slab.SupportCase = supportCase;
    slab.Lx = Lx;
    slab.Ly = Ly;
    slab.Lambda = Ly / Lx;
    slab.p = p;
    return slab;
}

struct CaseRow {
    const char* name;
    int supportCase;
    double Lx, Ly, p;
    const char *Mx, *My, *Xx, *Xy, *Rxa, *Rxe, *Rya, *Rye;
};

class SupportCaseTest : public testing::TestWithParam<CaseRow> {};

TEST_P(SupportCaseTest, GivesTheWorkedMomentsAndReactions) {
    const CaseRow& c = GetParam();
    const SlabDesignData slab = loadedSlab(c.supportCase, c.Lx, c.Ly, c.p);
    SlabResults results;
    analyseMoments(slab, results);
    computeReactions(slab, slab.Lambda, results);
    EXPECT_EQ(twoDecimals(results.Mx), c.Mx);
    EXPECT_EQ(twoDecimals(results.My), c.My);
    EXPECT_EQ(twoDecimals(results.Xx), c.Xx);
    EXPECT_EQ(twoDecimals(results.Xy), c.Xy);
    EXPECT_EQ(twoDecimals(results.Rxa), c.Rxa);
    EXPECT_EQ(twoDecimals(results.Rxe), c.Rxe);
    EXPECT_EQ(twoDecimals(results.Rya), c.Rya);
    EXPECT_EQ(twoDecimals(results.Rye), c.Rye);
}

// Lx 4 m, Ly 5 m, p 550 kg/m² in the six cases. Case 6 Xy is −332.95498, so "-332.95".
INSTANTIATE_TEST_SUITE_P(
    Cases, SupportCaseTest,
    testing::Values(CaseRow{"Case1", 1, 4, 5, 550, "485.11", "310.47", "0.00", "0.00", "660.00",
                            "0.00", "550.00", "0.00"},
                    CaseRow{"Case2", 2, 4, 5, 550, "394.64", "197.61", "-945.15", "0.00", "569.36",
                            "986.48", "402.60", "0.00"},
                    CaseRow{"Case3", 3, 4, 5, 550, "345.57", "221.17", "-780.36", "-499.43",
                            "483.12", "836.88", "402.60", "697.40"},
                    CaseRow{"Case4", 4, 4, 5, 550, "283.22", "117.31", "-677.81", "0.00", "0.00",
                            "846.56", "316.80", "0.00"},
                    CaseRow{"Case5", 5, 4, 5, 550, "259.43", "143.90", "-608.68", "-292.16", "0.00",
                            "753.28", "316.80", "550.00"},
                    CaseRow{"Case6", 6, 4, 5, 550, "227.31", "145.48", "-520.24", "-332.95", "0.00",
                            "660.00", "0.00", "550.00"},
                    CaseRow{"Case1Square", 1, 4, 4, 1000, "583.33", "583.33", "0.00", "0.00",
                            "1000.00", "0.00", "1000.00", "0.00"},
                    CaseRow{"Case4LxLonger", 4, 6, 4, 550, "282.63", "450.30", "-819.88", "0.00",
                            "0.00", "937.20", "475.20", "0.00"}),
    testing_rows::RowName{});

TEST(AnalyseMoments, SquareSimplySupportedSlabSharesTheLoadEqually) {
    const SlabDesignData slab = loadedSlab(1, 4, 4, 1000);
    SlabResults results;
    analyseMoments(slab, results);
    EXPECT_NEAR(results.muX, 0.0364583, 5e-8);
    EXPECT_NEAR(results.muY, 0.0364583, 5e-8);
}

TEST(AnalyseMoments, StartsEveryAnalysisFromZeroCoefficients) {
    SlabResults results;
    analyseMoments(loadedSlab(6, 4, 5, 550), results);
    analyseMoments(loadedSlab(1, 4, 5, 550), results);
    EXPECT_EQ(results.Xx, 0.0);
    EXPECT_EQ(results.Xy, 0.0);
    EXPECT_EQ(twoDecimals(results.Mx), "485.11");
}

// Each threshold with its tie: the value on the boundary and its nearest neighbours decide
// which row applies, which a rounded decimal in place of the root would get wrong.
struct ThresholdRow {
    const char* name;
    int supportCase;
    double lambda;
    bool firstRow;
};

class ReactionThresholdTest : public testing::TestWithParam<ThresholdRow> {};

TEST_P(ReactionThresholdTest, PicksTheRowOfTheTable) {
    const ThresholdRow& c = GetParam();
    SlabDesignData slab = loadedSlab(c.supportCase, 10, 10 * c.lambda, 1000);
    SlabResults results;
    computeReactions(slab, c.lambda, results);
    const double P = 10000.0, l = c.lambda;
    switch (c.supportCase) {
    case 2:
        EXPECT_DOUBLE_EQ(results.Rxa, c.firstRow ? 0.25 * l * P : (0.366 - 0.134 / l) * P);
        EXPECT_DOUBLE_EQ(results.Rxe, c.firstRow ? 0.433 * l * P : (0.634 - 0.232 / l) * P);
        break;
    case 4:
        EXPECT_DOUBLE_EQ(results.Rxe, c.firstRow ? 0.433 * l * P : (0.5 - 0.144 / l) * P);
        break;
    case 5:
        EXPECT_DOUBLE_EQ(results.Rxe, c.firstRow ? 0.317 * l * P : (0.5 - 0.197 / l) * P);
        break;
    }
}

const double case2Limit = std::sqrt(3.0) - 1.0;
const double case4Limit = std::sqrt(3.0) / 3.0;
const double case5Limit = (std::sqrt(12.0) + 6.0) / 12.0;

INSTANTIATE_TEST_SUITE_P(
    Cases, ReactionThresholdTest,
    testing::Values(ThresholdRow{"Case2Below", 2, std::nextafter(case2Limit, 0.0), true},
                    ThresholdRow{"Case2TieGoesToSecondRow", 2, case2Limit, false},
                    ThresholdRow{"Case4TieGoesToFirstRow", 4, case4Limit, true},
                    ThresholdRow{"Case4Above", 4, std::nextafter(case4Limit, 1.0), false},
                    ThresholdRow{"Case5TieGoesToFirstRow", 5, case5Limit, true},
                    ThresholdRow{"Case5Above", 5, std::nextafter(case5Limit, 1.0), false}),
    testing_rows::RowName{});

TEST(XiLimit, MatchesTheTableToTenDigits) {
    const std::pair<const char*, double> table[] = {
        {"CA-25", 0.7717416115},  {"CA-40A", 0.6787793616}, {"CA-40B", 0.4890785477},
        {"CA-50A", 0.6283218733}, {"CA-50B", 0.4623273622}, {"CA-60A", 0.5848469123},
        {"CA-60B", 0.4383508363}};
    for (const auto& [grade, xi] : table) {
        EXPECT_NEAR(xiLimit(grade), xi, 5e-11) << grade;
    }
    EXPECT_EQ(xiLimit("CA-70"), 0.0);
}

struct LimitsRow {
    const char* name;
    double fck;
    const char* steelGrade;
    double d, h;
    const char* MkMax; // nullptr where no worked value exists
    const char* Mr;
    double rhoMin; // %
    double AsMin;  // cm²/m
};

class SectionLimitsTest : public testing::TestWithParam<LimitsRow> {};

TEST_P(SectionLimitsTest, GivesTheWorkedLimits) {
    const LimitsRow& c = GetParam();
    SlabDesignData slab;
    slab.fck = c.fck;
    slab.SteelGrade = c.steelGrade;
    slab.fyk = fykFor(c.steelGrade).value_or(50.0); // an unknown grade keeps the last fyk
    slab.h = c.h;
    SlabResults results;
    const double returned = computeSectionLimits(slab, c.d, results);
    EXPECT_EQ(returned, results.MkMax);
    if (c.MkMax != nullptr) {
        EXPECT_EQ(twoDecimals(results.MkMax), c.MkMax);
    }
    if (c.Mr != nullptr) {
        EXPECT_EQ(twoDecimals(results.Mr), c.Mr);
    }
    EXPECT_NEAR(results.rhoMin, c.rhoMin, 1e-12);
    EXPECT_NEAR(results.AsMin, c.AsMin, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SectionLimitsTest,
    testing::Values(
        LimitsRow{"Fck20CA50A", 20, "CA-50A", 8, 10, "2085.49", "432.24", 0.16, 1.28},
        LimitsRow{"Fck20CA25", 20, "CA-25", 8, 10, nullptr, nullptr, 0.32, 2.56},
        LimitsRow{"Fck12CA60ARaisedTo015", 12, "CA-60A", 8, 10, nullptr, nullptr, 0.15, 1.20},
        LimitsRow{"Fck12CA25RaisedTo025", 12, "CA-25", 8, 10, nullptr, nullptr, 0.25, 2.00},
        LimitsRow{"EmptiedConcreteBox", 0, "CA-50A", 8, 10, "0.00", "0.00", 0.15, 1.20},
        LimitsRow{"UnknownGradeHasNoLimitMoment", 20, "CA-70", 8, 10, "0.00", nullptr, 0.16, 1.28}),
    testing_rows::RowName{});

TEST(FixedEdges, FollowTheSupportCases) {
    const bool x[] = {false, true, true, true, true, true};
    const bool y[] = {false, false, true, false, true, true};
    for (int supportCase = 1; supportCase <= 6; ++supportCase) {
        EXPECT_EQ(hasFixedXEdge(supportCase), x[supportCase - 1]) << supportCase;
        EXPECT_EQ(hasFixedYEdge(supportCase), y[supportCase - 1]) << supportCase;
    }
}

// Per case: fixed x edges, fixed y edges, Lx must be the shorter span, adjacent span asked.
TEST(FixedEdges, CountPerDirectionAndTheRulesThatFollow) {
    struct Row {
        int x, y;
        bool shorterLx, adjacent;
    };
    constexpr Row rows[] = {{0, 0, true, false}, {1, 0, false, true}, {1, 1, true, true},
                            {2, 0, false, true}, {2, 1, false, true}, {2, 2, true, true}};
    for (int supportCase = 1; supportCase <= 6; ++supportCase) {
        const Row& row = rows[supportCase - 1];
        EXPECT_EQ(fixedEdges(supportCase, Axis::x), row.x) << supportCase;
        EXPECT_EQ(fixedEdges(supportCase, Axis::y), row.y) << supportCase;
        EXPECT_EQ(shorterSpanMustBeLx(supportCase), row.shorterLx) << supportCase;
        EXPECT_EQ(needsAdjacentSpan(supportCase), row.adjacent) << supportCase;
    }
    for (int outside : {0, 7}) {
        EXPECT_EQ(fixedEdges(outside, Axis::x) + fixedEdges(outside, Axis::y), 0) << outside;
        EXPECT_FALSE(shorterSpanMustBeLx(outside)) << outside;
    }
}

} // namespace
} // namespace lajes

namespace lajes {
namespace {

// The pictures and the analysis must agree on which edges are fixed.
TEST(FixedEdges, PicturesAgreeWithTheTopSteelDirections) {
    for (int supportCase = 1; supportCase <= 6; ++supportCase) {
        const FixedEdges edges = fixedEdgesOf(supportCase);
        EXPECT_EQ(edges.left || edges.right, hasFixedXEdge(supportCase)) << supportCase;
        EXPECT_EQ(edges.top || edges.bottom, hasFixedYEdge(supportCase)) << supportCase;
    }
    EXPECT_TRUE(fixedEdgesOf(3).left && fixedEdgesOf(3).top); // two fixed edges meet
    EXPECT_FALSE(fixedEdgesOf(5).bottom);
}

} // namespace
} // namespace lajes
