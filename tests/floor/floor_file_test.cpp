#include "floor/floor_file.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

#include "../row_name.h"

namespace lajes {
namespace {

namespace fs = std::filesystem;

std::string slabText(const std::string& name, const std::string& fields) {
    return "{\"name\": \"" + name + "\", " + fields + "}";
}

// A floor with the given slab objects.
std::string floorText(const std::vector<std::string>& slabs, const std::string& head = "") {
    std::string text = "{\"format\": \"lajes-pavimento\", \"version\": 1, " + head + "\"slabs\": [";
    for (std::size_t i = 0; i < slabs.size(); ++i)
        text += (i ? ", " : "") + slabs[i];
    return text + "]}";
}

const std::string L1 = slabText("L1", "\"x\": 0, \"y\": 0, \"Lx\": 4, \"Ly\": 4, \"h\": 10, "
                                      "\"g\": 250, \"q\": 200");

std::string L2(const std::string& extra = "", const std::string& x = "4") {
    return slabText("L2", "\"x\": " + x +
                              ", \"y\": 0, \"Lx\": 5, \"Ly\": 4, \"h\": 10, \"g\": 250" + extra);
}

std::string manySlabs(std::size_t count) {
    std::vector<std::string> slabs;
    for (std::size_t i = 0; i < count; ++i)
        slabs.push_back(slabText("L" + std::to_string(i + 1),
                                 "\"x\": " + std::to_string(4 * i) +
                                     ", \"y\": 0, \"Lx\": 4, \"Ly\": 4, \"h\": 10, \"q\": 200"));
    return floorText(slabs);
}

struct BadInputRow {
    const char* name;
    std::string text;
    std::vector<std::string> said; // each must be in the message
};

class BadFloorFileTest : public testing::TestWithParam<BadInputRow> {};

TEST_P(BadFloorFileTest, IsRefusedWithOneMessageNamingTheSlabAndTheKey) {
    const BadInputRow& row = GetParam();
    const fs::path file = fs::temp_directory_path() / ("lajes-floor-" + std::to_string(::getpid()) +
                                                       "-" + row.name + ".pavimento");
    std::ofstream(file, std::ios::binary) << row.text;
    const auto floor = readFloorFile(file, Settings{});
    fs::remove(file);
    ASSERT_TRUE(std::holds_alternative<std::string>(floor));
    for (const std::string& part : row.said)
        EXPECT_NE(std::get<std::string>(floor).find(part), std::string::npos)
            << std::get<std::string>(floor) << "\nlacks: " << part;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BadFloorFileTest,
    testing::Values(
        BadInputRow{
            "Overlapping", floorText({L1, L2("", "3.5")}), {"\"L1\"", "\"L2\"", "sobrepõem"}},
        BadInputRow{"RepeatedName", floorText({L1, L1}), {"\"L1\"", "\"name\" repetido"}},
        BadInputRow{
            "SpanNotPositive",
            floorText({slabText("L5", "\"x\": 0, \"y\": 0, \"Lx\": 0, \"Ly\": 4, \"h\": 10")}),
            {"\"L5\"", "\"Lx\" deve ser maior que zero"}},
        BadInputRow{
            "ThicknessNegative",
            floorText({slabText("L5", "\"x\": 0, \"y\": 0, \"Lx\": 4, \"Ly\": 4, \"h\": -1")}),
            {"\"L5\"", "\"h\" não pode ser negativo"}},
        BadInputRow{
            "CoordinateTooFar", floorText({L1, L2("", "20000")}), {"\"L2\"", "\"x\"", "10000"}},
        BadInputRow{"UnknownSide",
                    floorText({L1, L2(", \"edges\": {\"middle\": \"auto\"}")}),
                    {"\"L2\"", "\"middle\""}},
        BadInputRow{"UnknownEdgeMode",
                    floorText({L1, L2(", \"edges\": {\"left\": \"livre\"}")}),
                    {"\"L2\"", "\"left\"", "\"engastado\""}},
        BadInputRow{"RibbedFixedEdge",
                    floorText({L1, L2(", \"Ribbed\": true, \"a\": 40, \"bw\": 10, \"hb\": 16, "
                                      "\"bf\": 4, \"BlockDensity\": 1000, \"edges\": {\"top\": "
                                      "\"engastado\"}")}),
                    {"\"L2\"", "\"top\"", "nervurada"}},
        BadInputRow{"NoSlabs", floorText({}), {"\"slabs\""}},
        BadInputRow{"StretchPickWithoutBar",
                    floorText({L1, L2()}, "\"stretchChoices\": [{\"slabs\": [\"L1\", \"L2\"], "
                                          "\"from\": [4, 0], \"to\": [4, 4]}], "),
                    {"\"stretchChoices\" 1", "\"diameter\""}},
        BadInputRow{"MoreThan2000Slabs", manySlabs(2001), {"2000", "\"slabs\""}},
        BadInputRow{"WrongType",
                    floorText({L1, L2(", \"q\": \"200\"")}),
                    {"\"L2\"", "\"q\" deve ser um número"}},
        BadInputRow{"NewerVersion",
                    "{\"format\": \"lajes-pavimento\", \"version\": 2, \"slabs\": []}",
                    {"versão mais nova"}},
        BadInputRow{"TrailingContent", floorText({L1}) + " x", {"conteúdo após o objeto"}},
        BadInputRow{"OverTheSizeBound",
                    floorText({L1}) + std::string(9 * 1024 * 1024, ' '),
                    {"mais de 8 MiB"}}),
    testing_rows::RowName{});

TEST(FloorFile, WrittenTextReadsBackToTheSameFloor) {
    const auto read = parseFloorText(
        floorText({L1, L2(", \"edges\": {\"left\": \"apoiado\"}, \"choices\": [{\"direction\": "
                          "\"xp\", \"diameter\": \"8.0\"}]")},
                  "\"name\": \"Tipo\", \"compatibility\": \"maior\", \"fck\": 30, "
                  "\"stretchChoices\": [{\"slabs\": [\"L1\", \"L2\"], \"from\": [4, 0], \"to\": "
                  "[4, 4], \"diameter\": \"8.0\", \"spacing\": 12}], "),
        Settings{});
    ASSERT_TRUE(std::holds_alternative<Floor>(read)) << std::get<std::string>(read);
    const Floor& floor = std::get<Floor>(read);
    const auto again = parseFloorText(floorFileText(floor), Settings{});
    ASSERT_TRUE(std::holds_alternative<Floor>(again)) << std::get<std::string>(again);
    EXPECT_EQ(floorFileText(std::get<Floor>(again)), floorFileText(floor));
    EXPECT_EQ(floor.compatibility, Compatibility::Maior);
    EXPECT_EQ(floor.slabs[1].edge(Side::left), EdgeMode::Simple);
    ASSERT_EQ(floor.slabs[1].choices.size(), 1u);
    EXPECT_EQ(floor.stretchChoices,
              (std::vector<StretchPick>{{{"L1", "L2"}, 4, 0, 4, 4, "8.0", 12}}));
}

} // namespace
} // namespace lajes
