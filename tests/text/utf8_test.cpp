#include "text/utf8.h"

#include <gtest/gtest.h>

#include "../row_name.h"

namespace lajes {
namespace {

struct Utf8Row {
    const char* name;
    std::string input;
    std::size_t maxCharacters;
    std::string expected;
};

class ValidUtf8Test : public testing::TestWithParam<Utf8Row> {};

TEST_P(ValidUtf8Test, ReplacesWhatIsNotUtf8AndCountsCharacters) {
    EXPECT_EQ(validUtf8(GetParam().input, GetParam().maxCharacters), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ValidUtf8Test,
    testing::Values(
        Utf8Row{"AsciiAndAccentsPass", "Lx é 4", 80, "Lx é 4"},
        Utf8Row{"LoneHighByte",
                "a\xff"
                "b",
                80,
                "a\xEF\xBF\xBD"
                "b"},
        Utf8Row{"CutOffSequence", "4\xC3", 80, "4\xEF\xBF\xBD"},
        Utf8Row{"OverlongSlash", "\xC0\xAF", 80, "\xEF\xBF\xBD\xEF\xBF\xBD"},
        Utf8Row{"Surrogate", "\xED\xA0\x80", 80, "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        Utf8Row{"ControlCharacter", std::string("a\0b", 3), 80,
                "a\xEF\xBF\xBD"
                "b"},
        // ESC, BEL, VT, ^Z, DEL and the C1 CSI would reach a terminal raw.
        Utf8Row{"TerminalControls",
                "a\x1b[2J\x07\x0b\x1a\x7f\xC2\x9b"
                "b",
                80,
                "a\xEF\xBF\xBD[2J\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"
                "\xEF\xBF\xBD"
                "b"},
        // The bound counts characters, not bytes: "é" is two bytes.
        Utf8Row{"BoundInCharacters", "éééé", 3, "ééé"}),
    testing_rows::RowName{});

} // namespace
} // namespace lajes
