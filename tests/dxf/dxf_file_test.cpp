#include "dxf/dxf_file.h"
#include "io/file_writer.h"

#include <cerrno>
#include <functional>
#include <gtest/gtest.h>

#include "../row_name.h"
#include "dxf_test_support.h"

namespace lajes {
namespace {

using testing_dxf::MemoryOutput;
using testing_dxf::MemoryOutputLog;
using testing_dxf::splitCrLf;

std::vector<std::string> headerLines(const Settings& settings) {
    MemoryOutputLog log;
    DxfFile file(std::make_unique<MemoryOutput>(log));
    file.writeHeaderAndTables(settings);
    EXPECT_FALSE(file.error().has_value());
    return splitCrLf(log.bytes);
}

TEST(DxfFileTest, FixedPartIsTheFirst168LinesOfTheExpectedFile) {
    const std::vector<std::string> expected =
        splitCrLf(testing_dxf::readBytes(testing_dxf::goldenFolder() / "case3_solid.dxf"));
    ASSERT_GT(expected.size(), 168u);
    const std::vector<std::string> lines = headerLines(Settings{});
    ASSERT_EQ(lines.size(), 169u); // 168 lines, each with its CR LF, and nothing after them
    EXPECT_EQ(lines.back(), "");
    for (std::size_t i = 0; i < 168; ++i)
        EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
}

struct HeaderRow {
    const char* name;
    std::function<void(Settings&)> change;
    std::size_t line; // 1-based
    const char* expected;
};

void PrintTo(const HeaderRow& row, std::ostream* os) {
    *os << row.name;
}

class HeaderSettingsTest : public testing::TestWithParam<HeaderRow> {};

TEST_P(HeaderSettingsTest, WritesTheSettingIntoItsLine) {
    Settings settings;
    GetParam().change(settings);
    const std::vector<std::string> lines = headerLines(settings);
    ASSERT_EQ(lines.size(), 169u);
    EXPECT_EQ(lines[GetParam().line - 1], GetParam().expected);
}

// $LTSCALE is the value of pair 7 (line 14); the colours of Texto, Laje, Ferr-pos and
// Ferr-Neg are the values of pairs 46, 51, 56 and 61.
INSTANTIATE_TEST_SUITE_P(
    Rows, HeaderSettingsTest,
    testing::Values(
        HeaderRow{"LtScaleOneTo50", [](Settings&) {}, 14, " 2.00000000000000E+0000"},
        HeaderRow{"LtScaleOneTo75",
                  [](Settings& s) {
                      s.drawingScale = "1:75";
                      s.scaleFactor = 1000.0 / 75;
                  },
                  14, " 1.33333333333333E+0000"},
        HeaderRow{"LtScaleOneTo10", [](Settings& s) { s.scaleFactor = 100; }, 14,
                  " 1.00000000000000E+0001"},
        HeaderRow{"LtScaleOneTo100", [](Settings& s) { s.scaleFactor = 10; }, 14,
                  " 1.00000000000000E+0000"},
        HeaderRow{"TextColourTwoDigits", [](Settings& s) { s.textLayerColour = "12"; }, 92, " 12"},
        HeaderRow{"SlabColourEmptyIsOneBlank", [](Settings& s) { s.slabLayerColour = ""; }, 102,
                  " "},
        HeaderRow{"PosBarColour", [](Settings& s) { s.posBarLayerColour = "3"; }, 112, " 3"},
        HeaderRow{"NegBarColourThreeDigits", [](Settings& s) { s.negBarLayerColour = "250"; }, 122,
                  " 250"},
        HeaderRow{"LayerZeroKeepsThreeCharacterColour",
                  [](Settings& s) { s.textLayerColour = "5"; }, 82, "  7"}),
    testing_rows::RowName{});

struct EntityRow {
    const char* name;
    std::function<void(DxfFile&)> write;
    std::vector<std::string> lines;
};

void PrintTo(const EntityRow& row, std::ostream* os) {
    *os << row.name;
}

class EntityRecordTest : public testing::TestWithParam<EntityRow> {};

TEST_P(EntityRecordTest, WritesTheExactLines) {
    MemoryOutputLog log;
    DxfFile file(std::make_unique<MemoryOutput>(log));
    GetParam().write(file);
    std::vector<std::string> expected = GetParam().lines;
    expected.emplace_back(); // after the last CR LF
    EXPECT_EQ(splitCrLf(log.bytes), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EntityRecordTest,
    testing::Values(
        EntityRow{"NameTextAtTenAndOneHundredForty",
                  [](DxfFile& f) { f.writeText(10, 140, DxfTextHeight::Name, false, "L1"); },
                  {" 0", "TEXT", "  8", "Texto", " 10", " 1.00000000000000E+0001", " 20",
                   " 1.40000000000000E+0002", " 40", "5.0", "1", "L1"}},
        EntityRow{"RotatedLabelCarriesNinety",
                  [](DxfFile& f) { f.writeText(68, 85, DxfTextHeight::Label, true, "150"); },
                  {" 0", "TEXT", "  8", "Texto", " 10", " 6.80000000000000E+0001", " 20",
                   " 8.50000000000000E+0001", " 40", "2.5", " 50", "90", "1", "150"}},
        EntityRow{"EmptyTextGivesAnEmptyLine",
                  [](DxfFile& f) { f.writeText(0.1, -2.5, DxfTextHeight::Name, false, ""); },
                  {" 0", "TEXT", "  8", "Texto", " 10", " 1.00000000000000E-0001", " 20",
                   "-2.50000000000000E+0000", " 40", "5.0", "1", ""}},
        EntityRow{"TextIsWrittenInWindows1252",
                  [](DxfFile& f) {
                      f.writeText(1, 1, DxfTextHeight::Label, false, "31\u00D86.3c10 - 413");
                  },
                  {" 0", "TEXT", "  8", "Texto", " 10", " 1.00000000000000E+0000", " 20",
                   " 1.00000000000000E+0000", " 40", "2.5", "1",
                   "31\xD8"
                   "6.3c10 - 413"}},
        EntityRow{"NegativeTopBarOnFerrNeg",
                  [](DxfFile& f) { f.writeLine(DxfLayer::FerrNeg, -10, 95, -10, 93.4); },
                  {" 0", "LINE", "  8", "Ferr-Neg", " 10", "-1.00000000000000E+0001", " 20",
                   " 9.50000000000000E+0001", " 11", "-1.00000000000000E+0001", " 21",
                   " 9.34000000000000E+0001"}},
        EntityRow{"ZeroAndNegativeZeroAreBlankSigned",
                  [](DxfFile& f) { f.writeLine(DxfLayer::FerrPos, 0.0, -0.0, 8.7, 25); },
                  {" 0", "LINE", "  8", "Ferr-Pos", " 10", " 0.00000000000000E+0000", " 20",
                   " 0.00000000000000E+0000", " 11", " 8.70000000000000E+0000", " 21",
                   " 2.50000000000000E+0001"}},
        EntityRow{"ScaleOneTo75GivesFifteenSignificantDigits",
                  [](DxfFile& f) {
                      const double s = 1000.0 / 75;
                      f.writeLine(DxfLayer::Laje, -0.075 * s + 10, 5.075 * s + 10, -2 * 0.5 * s,
                                  1.0 / 3);
                  },
                  {" 0", "LINE", "  8", "Laje", " 10", " 9.00000000000000E+0000", " 20",
                   " 7.76666666666667E+0001", " 11", "-1.33333333333333E+0001", " 21",
                   " 3.33333333333333E-0001"}}),
    testing_rows::RowName{});

struct CodePageRow {
    const char* name;
    std::string utf8;
    std::string windows1252;
};

void PrintTo(const CodePageRow& row, std::ostream* os) {
    *os << row.name;
}

class Windows1252Test : public testing::TestWithParam<CodePageRow> {};

TEST_P(Windows1252Test, ConvertsOneCharacterToOneByte) {
    EXPECT_EQ(toWindows1252(GetParam().utf8), GetParam().windows1252);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Windows1252Test,
    testing::Values(CodePageRow{"Ascii", "Esc.: 1:50", "Esc.: 1:50"},
                    CodePageRow{"DiameterSign", "8x2\u00D810.0",
                                "8x2\xD8"
                                "10.0"},
                    CodePageRow{"PortugueseLetters", "S\u00E3o Jo\u00E3o \u00C7",
                                "S\xE3o Jo\xE3o \xC7"},
                    CodePageRow{"HighPunctuation", "\u20AC \u2013 \u2014 \u201C\u201D \u0152",
                                "\x80 \x96 \x97 \x93\x94 \x8C"},
                    CodePageRow{"NoWindows1252Byte", "\u65E5\u672C", "??"},
                    CodePageRow{"FourByteCharacterIsOneQuestionMark", "a\U0001F600b", "a?b"},
                    CodePageRow{"C1ControlHasNoByte", "\u0081", "?"},
                    CodePageRow{"TruncatedSequence", "x\xC3", "x?"},
                    CodePageRow{"LoneContinuationByte", "\x80z", "?z"},
                    CodePageRow{"OverlongSlash", "\xC0\xAF", "??"},
                    CodePageRow{"EncodedSurrogate", "\xED\xA0\x80", "???"},
                    CodePageRow{"LineBreaksWouldSplitThePairs", "L1\r\nL2", "L1??L2"},
                    CodePageRow{"ControlCharactersHaveNoByte",
                                std::string("L\0\x1a\x1b\x0b\x07\x7f"
                                            "1",
                                            8),
                                "L??????1"}),
    testing_rows::RowName{});

TEST(DxfFileTest, FinishWritesTheClosingLinesWithCrLfAfterEofAndCommitsOnce) {
    MemoryOutputLog log;
    DxfFile file(std::make_unique<MemoryOutput>(log));
    file.writeHeaderAndTables(Settings{});
    file.writeLine(DxfLayer::Laje, 1, 2, 3, 4);
    EXPECT_FALSE(file.finish().has_value());
    EXPECT_EQ(log.commits, 1);
    EXPECT_TRUE(log.destroyed);
    const std::string closing = " 0\r\nENDSEC\r\n 0\r\nEOF\r\n";
    ASSERT_GE(log.bytes.size(), closing.size());
    EXPECT_EQ(log.bytes.substr(log.bytes.size() - closing.size()), closing);
    for (std::size_t i = 0; i < log.bytes.size(); ++i) {
        if (log.bytes[i] == '\n') {
            ASSERT_TRUE(i > 0 && log.bytes[i - 1] == '\r') << "bare LF at byte " << i;
        }
    }
    EXPECT_EQ(splitCrLf(log.bytes).size(), 168u + 12u + 4u + 1u);
}

struct FailureRow {
    const char* name;
    std::size_t failAfter; // bytes accepted before the output reports a full disk
};

void PrintTo(const FailureRow& row, std::ostream* os) {
    *os << row.name;
}

class WriteFailureTest : public testing::TestWithParam<FailureRow> {};

TEST_P(WriteFailureTest, StopsAtTheFailedLineDropsTheOutputAndNeverCommits) {
    MemoryOutputLog log;
    DxfFile file(std::make_unique<MemoryOutput>(log, GetParam().failAfter));
    file.writeHeaderAndTables(Settings{});
    for (int i = 0; i < 20; ++i)
        file.writeText(i, i, DxfTextHeight::Label, false, "31\u00D86.3c10 - 413");
    EXPECT_EQ(file.error(), std::optional<std::string>("Disk full"));
    EXPECT_TRUE(log.destroyed); // a file output removes its temporary file when dropped
    EXPECT_EQ(log.bytes.size(), GetParam().failAfter);
    EXPECT_EQ(file.finish(), std::optional<std::string>("Disk full"));
    EXPECT_EQ(log.commits, 0);
    EXPECT_EQ(log.bytes.size(), GetParam().failAfter); // nothing written after the failure
}

INSTANTIATE_TEST_SUITE_P(Rows, WriteFailureTest,
                         testing::Values(FailureRow{"AtTheFirstByte", 0},
                                         FailureRow{"InsideTheHeader", 100},
                                         FailureRow{"InsideTheEntities", 2500}),
                         testing_rows::RowName{});

TEST(DxfFileTest, WritingWithoutAFileIsAnErrorNotACrash) {
    DxfFile file;
    file.writeHeaderAndTables(Settings{});
    ASSERT_TRUE(file.finish().has_value());
    EXPECT_EQ(*file.error(), errorReason(EBADF));
}

} // namespace
} // namespace lajes
