// lajes-cli floor --dxf, --report and --beams: each file written for a Ready floor, none for a
// refused or an unreadable one, and a path that cannot be written refused as design's --output.

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "../row_name.h"
#include "cli/commands.h"

namespace lajes::cli {
namespace {

namespace fs = std::filesystem;

// One slab of 8 × 8 m, 7 cm thick under 1,500 kg/m²: Mx above Mk máx, the floor is Rejected.
constexpr const char* rejectedFloor =
    R"({"format": "lajes-pavimento", "version": 1, "name": "R", "fck": 20,
        "slabs": [{"name": "L1", "x": 0, "y": 0, "Lx": 8, "Ly": 8, "h": 7, "g": 250, "q": 1500}]})";
// Two slabs that overlap: an input error.
constexpr const char* overlappingFloor =
    R"({"format": "lajes-pavimento", "version": 1, "name": "O",
        "slabs": [{"name": "L1", "x": 0, "y": 0, "Lx": 4, "Ly": 4, "h": 10, "g": 250, "q": 200},
                  {"name": "L2", "x": 2, "y": 2, "Lx": 4, "Ly": 4, "h": 10, "g": 250, "q": 200}]})";

struct FloorFileRow {
    const char* name;
    const char* option;
    const char* file;
    const char* begins; // the first bytes of a written file
};

class FloorFilesTest : public testing::TestWithParam<FloorFileRow> {
protected:
    void SetUp() override {
        previous_ = fs::current_path();
        folder_ = fs::temp_directory_path() /
                  ("lajes-floor-files-" + std::to_string(::getpid()) + "-" + GetParam().name);
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        fs::current_path(folder_);
    }
    void TearDown() override {
        fs::current_path(previous_);
        fs::remove_all(folder_);
    }

    static int run(const std::string& input, const std::string& output, std::string& errors) {
        std::vector<std::string> args{"lajes-cli", "floor", "--input",         input,
                                      "--decimal", ",",     GetParam().option, output};
        std::vector<char*> argv;
        for (std::string& arg : args)
            argv.push_back(arg.data());
        std::istringstream in;
        std::ostringstream out, err;
        const int status = runCommandLine(static_cast<int>(argv.size()), argv.data(), in, out, err);
        errors = err.str();
        return status;
    }
    static void write(const fs::path& path, const char* text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string firstBytes(const fs::path& path, std::size_t count) {
        std::ifstream in(path, std::ios::binary);
        std::string bytes(count, '\0');
        in.read(bytes.data(), static_cast<std::streamsize>(count));
        return bytes.substr(0, static_cast<std::size_t>(in.gcount()));
    }

    fs::path previous_;
    fs::path folder_;
};

TEST_P(FloorFilesTest, WritesOnlyForAReadyFloorAndRefusesABadPath) {
    const FloorFileRow& row = GetParam();
    const std::string worked = (fs::path(LAJES_SOURCE_DIR) / "examples/pavimento-tipo.pavimento");
    std::string errors;

    ASSERT_EQ(run(worked, row.file, errors), 0) << errors;
    const std::string begins(row.begins);
    EXPECT_EQ(firstBytes(row.file, begins.size()), begins);

    write("rejected.pavimento", rejectedFloor);
    EXPECT_EQ(run("rejected.pavimento", "rejected.out", errors), 1);
    EXPECT_FALSE(fs::exists("rejected.out"));

    write("overlapping.pavimento", overlappingFloor);
    EXPECT_EQ(run("overlapping.pavimento", "overlapping.out", errors), 2);
    EXPECT_FALSE(fs::exists("overlapping.out"));

    // A plain file where the folder should be: refused naming the path, nothing left behind.
    write("blocker", "x");
    EXPECT_EQ(run(worked, "blocker/out", errors), 2);
    EXPECT_NE(errors.find("não foi possível gravar \"blocker/out\""), std::string::npos) << errors;
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator{}), 4);
}

const FloorFileRow floorFileRows[] = {
    {"Drawing", "--dxf", "floor.dxf", "  0\r\nSECTION\r\n"},
    {"BeamLoads", "--beams", "floor.csv", "\xEF\xBB\xBFViga;de (m);até (m);"},
#ifdef LAJES_WITH_REPORT
    {"Memorial", "--report", "floor.pdf", "%PDF-"},
#endif
};

INSTANTIATE_TEST_SUITE_P(Files, FloorFilesTest, testing::ValuesIn(floorFileRows),
                         testing_rows::RowName{});

} // namespace
} // namespace lajes::cli
