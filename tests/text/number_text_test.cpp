#include "text/number_text.h"

#include "../row_name.h"
#include <clocale>
#include <gtest/gtest.h>

namespace lajes {
namespace {

struct FixedCase {
    const char* name;
    double value;
    int decimals;
    char separator;
    const char* expected;
};

class FormatFixedTest : public testing::TestWithParam<FixedCase> {};

TEST_P(FormatFixedTest, RoundsTheExactValueWithTiesAwayFromZero) {
    const FixedCase& c = GetParam();
    EXPECT_EQ(formatFixed(c.value, c.decimals, c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatFixedTest,
    testing::Values(FixedCase{"TieUp", 12.125, 2, '.', "12.13"},
                    FixedCase{"SmallTieUp", 0.125, 2, '.', "0.13"},
                    FixedCase{"StoredBelowHalf", 2.675, 2, '.', "2.67"},
                    FixedCase{"NegativeTieAwayFromZero", -12.125, 2, '.', "-12.13"},
                    FixedCase{"Comma", 1.62, 2, ',', "1,62"},
                    FixedCase{"Zero", 0.0, 2, ',', "0,00"},
                    FixedCase{"NegativeRoundingToZeroHasNoSign", -0.001, 2, '.', "0.00"},
                    FixedCase{"NegativeMoment", -945.1456, 2, ',', "-945,15"},
                    FixedCase{"IntegerTie", 2.5, 0, '.', "3"},
                    FixedCase{"ThreeDecimals", 0.2584, 3, '.', "0.258"},
                    FixedCase{"Large", 123456789.005, 2, '.', "123456789.00"}),
    testing_rows::RowName{});

TEST(FormatShortest, WritesNoTrailingZerosAndTheGivenSeparator) {
    EXPECT_EQ(formatShortest(31.0, '.'), "31");
    EXPECT_EQ(formatShortest(17.5, ','), "17,5");
    EXPECT_EQ(formatShortest(6.3, '.'), "6.3");
    EXPECT_EQ(formatShortest(0.0, ','), "0");
}

struct RealCase {
    const char* name;
    double value;
    const char* expected;
};

class FixedRealTest : public testing::TestWithParam<RealCase> {};

TEST_P(FixedRealTest, WritesTwentyThreeCharacters) {
    const RealCase& c = GetParam();
    const std::string text = formatFixedReal(c.value);
    EXPECT_EQ(text, c.expected);
    EXPECT_EQ(text.size(), 23u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FixedRealTest,
    testing::Values(RealCase{"WallWidth", 0.15, " 1.50000000000000E-0001"},
                    RealCase{"One", 1.0, " 1.00000000000000E+0000"},
                    RealCase{"Two", 2.0, " 2.00000000000000E+0000"},
                    RealCase{"Zero", 0.0, " 0.00000000000000E+0000"},
                    RealCase{"Negative", -2.5, "-2.50000000000000E+0000"},
                    RealCase{"ScaleOneTo75", 1000.0 / 75.0, " 1.33333333333333E+0001"},
                    RealCase{"RoundsToFifteenDigits", 0.15123, " 1.51230000000000E-0001"},
                    RealCase{"Thousands", 1234.5, " 1.23450000000000E+0003"}),
    testing_rows::RowName{});

TEST(ParseReal, ReadsPointNotationWhateverTheLocale) {
    // A comma locale must not change how file numbers are read.
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_ALL, "pt_BR.UTF-8"))
        GTEST_SKIP() << "the pt_BR.UTF-8 locale is not installed: the comma case cannot run";
    ASSERT_EQ(std::localeconv()->decimal_point, std::string(","));
    EXPECT_EQ(parseReal(" 1.50000000000000E-0001" + 1), 0.15);
    EXPECT_EQ(parseReal("0.2"), 0.2);
    EXPECT_EQ(parseReal("-2.5e0"), -2.5);
    EXPECT_EQ(parseReal("+3"), 3.0);
    EXPECT_EQ(parseReal("1E+0001"), 10.0);
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(ParseReal, RefusesWhatIsNotANumber) {
    for (const char* text : {"", "abc", "1,5", "inf", "nan", "1.5x", "-", "0x10", " 1"})
        EXPECT_FALSE(parseReal(text).has_value()) << text;
}

TEST(ParseUserReal, AcceptsEitherSeparator) {
    EXPECT_EQ(parseUserReal("2,5"), 2.5);
    EXPECT_EQ(parseUserReal("2.5"), 2.5);
    EXPECT_FALSE(parseUserReal("2,5,1").has_value());
}

TEST(FormatThenParse, RealFormRoundTripsToFifteenDigits) {
    for (double v : {0.15, 1.0 / 3.0, 123.456, 1e-7, 98765.4321}) {
        const auto back = parseReal(formatFixedReal(v).substr(1));
        ASSERT_TRUE(back.has_value());
        EXPECT_NEAR(*back, v, std::abs(v) * 1e-14);
    }
}

} // namespace
} // namespace lajes
