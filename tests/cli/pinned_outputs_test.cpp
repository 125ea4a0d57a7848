// The single slab's outputs as they stood before the slab engine was shared with the floor:
// the batch results with the steel table and the NBR 6118:2014 verification of slabs of every
// case, and the drawings of a case-4 and a case-6 slab, compared byte for byte.

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "../row_name.h"
#include "cli/commands.h"

namespace lajes::cli {
namespace {

namespace fs = std::filesystem;

const fs::path pinnedFolder = fs::path(LAJES_SOURCE_DIR) / "tests" / "cli" / "pinned";

std::string readBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

struct PinnedOutput {
    const char* name;
    std::vector<std::string> args; // after "lajes-cli"; {out} is the scratch output file
    const char* expected;          // in tests/cli/pinned
    bool fromFile;                 // the expected bytes are those of the written file
};

class PinnedOutputTest : public testing::TestWithParam<PinnedOutput> {};

TEST_P(PinnedOutputTest, MatchesTheCommittedBytes) {
    const PinnedOutput& pinned = GetParam();
    const fs::path scratch =
        fs::temp_directory_path() /
        ("lajes-pinned-" + std::to_string(::getpid()) + "-" + pinned.name + ".out");
    // A Quenvor.cfg of the developer's must not be read: run in an empty folder.
    const fs::path folder = scratch.string() + ".d";
    fs::create_directories(folder);
    const fs::path previous = fs::current_path();
    fs::current_path(folder);

    std::vector<std::string> args{"lajes-cli"};
    for (const std::string& arg : pinned.args) {
        if (arg == "{out}")
            args.push_back(scratch.string());
        else if (arg.rfind("pinned/", 0) == 0)
            args.push_back((pinnedFolder / arg.substr(7)).string());
        else
            args.push_back(arg);
    }
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCommandLine(static_cast<int>(argv.size()), argv.data(), in, out, err);
    fs::current_path(previous);
    fs::remove_all(folder);

    EXPECT_EQ(status, 0) << err.str();
    const std::string got = pinned.fromFile ? readBytes(scratch) : out.str();
    fs::remove(scratch);
    EXPECT_EQ(got, readBytes(pinnedFolder / pinned.expected));
}

INSTANTIATE_TEST_SUITE_P(
    SingleSlab, PinnedOutputTest,
    testing::Values(
        PinnedOutput{"Batch",
                     {"batch", "--schedule", "--nbr2014", "--input", "pinned/slabs.jsonl"},
                     "slabs_expected.jsonl",
                     false},
        PinnedOutput{"Case4",
                     {"dxf", "--schedule", "--input", "pinned/case4.json", "--output", "{out}"},
                     "case4.dxf",
                     true},
        PinnedOutput{"Case6",
                     {"dxf", "--schedule", "--input", "pinned/case6.json", "--output", "{out}"},
                     "case6.dxf",
                     true}),
    testing_rows::RowName{});

} // namespace
} // namespace lajes::cli
