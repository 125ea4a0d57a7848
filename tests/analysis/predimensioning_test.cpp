#include "analysis/predimensioning.h"

#include <gtest/gtest.h>

#include "../row_name.h"
#include "text/number_text.h"

namespace lajes {
namespace {

struct PreDimRow {
    const char* name;
    int supportCase;
    double Lx, Ly;
    const char* steelGrade;
    double alpha, eta, psi2, psi3;
    const char* hREBA;
    const char* dNBR;
};

class PreDimensionTest : public testing::TestWithParam<PreDimRow> {};

TEST_P(PreDimensionTest, SuggestsTheWorkedThicknesses) {
    const PreDimRow& c = GetParam();
    SlabDesignData slab;
    slab.SupportCase = c.supportCase;
    slab.Lx = c.Lx;
    slab.Ly = c.Ly;
    slab.SteelGrade = c.steelGrade;
    const PreDimensioning pre = preDimension(slab);
    EXPECT_DOUBLE_EQ(slab.Lambda, c.Ly / c.Lx);
    EXPECT_EQ(slab.SmallerSpan, c.Lx < c.Ly ? c.Lx : c.Ly);
    EXPECT_DOUBLE_EQ(pre.alpha, c.alpha);
    EXPECT_DOUBLE_EQ(pre.eta, c.eta);
    EXPECT_NEAR(pre.psi2, c.psi2, 1e-12);
    EXPECT_DOUBLE_EQ(pre.psi3, c.psi3);
    EXPECT_EQ(formatFixed(pre.hREBA, 2, '.'), c.hREBA);
    EXPECT_EQ(formatFixed(pre.dNBR, 2, '.'), c.dNBR);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PreDimensionTest,
    testing::Values(
        PreDimRow{"Case1TwoWay", 1, 4, 5, "CA-50A", 0.7, 0.8, 1.4, 25, "11.67", "11.43"},
        PreDimRow{"Case1OneWay", 1, 2, 5, "CA-25", 1.0, 1.0, 1.0, 35, "6.67", "5.71"},
        PreDimRow{"Case4LxLonger", 4, 6, 4, "CA-60A", 0.7, 0.6, 1.55, 20, "15.56", "12.90"},
        // λ exactly 2 and exactly 0.5 are still two-way: ψ2 is the r = 2 column, not one-way.
        PreDimRow{"LambdaTwoIsTwoWay", 1, 2, 4, "CA-50A", 0.7, 0.8, 1.1, 25, "5.83", "7.27"},
        PreDimRow{"LambdaHalfIsTwoWay", 4, 4, 2, "CA-50A", 0.7, 0.8, 1.2, 25, "5.83", "6.67"},
        // Second value of a two-valued cell: Lx shorter than Ly, one-way.
        PreDimRow{"Case5OneWayLxShorter", 5, 2, 5, "CA-40B", 0.6, 1.0, 1.7, 30, "4.00", "3.92"},
        // Equal spans: SmallerSpan is Ly, the first value of the cell applies.
        PreDimRow{"Case2EqualSpans", 2, 4, 4, "CA-50B", 0.7, 0.8, 1.7, 25, "11.67", "9.41"}),
    testing_rows::RowName{});

struct SpanRow {
    const char* name;
    std::optional<double> Lx, Ly;
    int supportCase;
    const char* message; // nullptr: the spans pass
    bool focusLx;
};

class CheckSpansTest : public testing::TestWithParam<SpanRow> {};

TEST_P(CheckSpansTest, RefusesTheFirstBadSpan) {
    const SpanRow& c = GetParam();
    const std::optional<SpanCheckFailure> failure = checkSpans(c.Lx, c.Ly, c.supportCase);
    if (c.message == nullptr) {
        EXPECT_FALSE(failure.has_value());
        return;
    }
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->message, c.message);
    EXPECT_EQ(failure->focusLx, c.focusLx);
}

const char* const lxZero = "Valor do Lx\ndeve ser maior que zero!";
const char* const lyZero = "Valor do Ly\ndeve ser maior que zero!";
const char* const lxLonger = "Valor de Lx deve ser menor que Ly!";

INSTANTIATE_TEST_SUITE_P(
    Cases, CheckSpansTest,
    testing::Values(SpanRow{"LxEmpty", std::nullopt, 5.0, 1, lxZero, true},
                    SpanRow{"LxZeroBeforeLyEmpty", 0.0, std::nullopt, 1, lxZero, true},
                    SpanRow{"LyEmpty", 4.0, std::nullopt, 2, lyZero, false},
                    SpanRow{"LyZero", 4.0, 0.0, 1, lyZero, false},
                    SpanRow{"Case6LxLonger", 5.0, 4.0, 6, lxLonger, true},
                    SpanRow{"Case1LxLonger", 5.0, 4.0, 1, lxLonger, true},
                    SpanRow{"Case3LxLonger", 5.0, 4.0, 3, lxLonger, true},
                    SpanRow{"Case4LxLongerAccepted", 6.0, 4.0, 4, nullptr, false},
                    SpanRow{"Case1EqualSpansAccepted", 4.0, 4.0, 1, nullptr, false}),
    testing_rows::RowName{});

} // namespace
} // namespace lajes
