#include "analysis/steel_grades.h"

#include <gtest/gtest.h>

namespace lajes {
namespace {

TEST(FykFor, KnowsTheSevenGradesAndNoOther) {
    const std::pair<const char*, double> table[] = {{"CA-25", 25},  {"CA-40A", 40}, {"CA-40B", 40},
                                                    {"CA-50A", 50}, {"CA-50B", 50}, {"CA-60A", 60},
                                                    {"CA-60B", 60}};
    for (const auto& [grade, fyk] : table) {
        EXPECT_EQ(fykFor(grade), fyk) << grade;
    }
    EXPECT_EQ(fykFor("CA-50"), std::nullopt);
    EXPECT_EQ(fykFor("ca-50a"), std::nullopt);
}

} // namespace
} // namespace lajes
