#include "config/settings_file.h"
#include "io/file_writer.h"

#include "../row_name.h"
#include <cerrno>
#include <clocale>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/resource.h>
#include <unistd.h>

namespace lajes {
namespace {

namespace fs = std::filesystem;

class SettingsFileTest : public testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("lajes-settings-" + std::to_string(::getpid()) + "-" +
                   testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        file_ = folder_ / configFileName;
    }
    void TearDown() override { fs::remove_all(folder_); }

    void writeRaw(const std::string& bytes) const {
        std::ofstream out(file_, std::ios::binary);
        out << bytes;
    }
    std::string readRaw() const {
        std::ifstream in(file_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::size_t filesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
    }

    fs::path folder_;
    fs::path file_;
};

void expectDefaults(const Settings& s) {
    EXPECT_EQ(s.textLayerColour, "4");
    EXPECT_EQ(s.slabLayerColour, "1");
    EXPECT_EQ(s.posBarLayerColour, "2");
    EXPECT_EQ(s.negBarLayerColour, "2");
    EXPECT_EQ(s.drawingScale, "1:50");
    EXPECT_EQ(s.scaleFactor, 20.0);
    EXPECT_EQ(s.wallWidth, 0.15);
    EXPECT_EQ(s.cover, 1.0);
    EXPECT_EQ(s.phiInfinity, 2.0);
}

constexpr const char* defaultFile = "4\r\n1\r\n2\r\n2\r\n1:50\r\n"
                                    " 1.50000000000000E-0001\r\n"
                                    " 1.00000000000000E+0000\r\n"
                                    " 2.00000000000000E+0000\r\n"
                                    "EOF\r\n";

TEST_F(SettingsFileTest, MissingFileGivesTheDefaultsSilentlyAndCreatesNothing) {
    const SettingsLoad load = loadSettings(file_);
    EXPECT_FALSE(load.error.has_value());
    expectDefaults(load.settings);
    EXPECT_FALSE(fs::exists(file_));
}

TEST_F(SettingsFileTest, SavesTheNineLinesWithCrLf) {
    ASSERT_FALSE(saveSettings(Settings{}, file_).has_value());
    EXPECT_EQ(readRaw(), defaultFile);
    EXPECT_EQ(filesInFolder(), 1u); // no temporary file left behind
}

TEST_F(SettingsFileTest, ReadsBackIdenticallyAcrossDecimalSeparators) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    Settings edited;
    edited.textLayerColour = "12";
    edited.drawingScale = "1:75";
    edited.scaleFactor = 1000.0 / 75.0;
    edited.wallWidth = 0.15123; // typed as 15.123 cm
    edited.cover = 2.5;
    edited.phiInfinity = 1.75;
    for (const char* writer : {"pt_BR.UTF-8", "C"}) {
        for (const char* reader : {"C", "pt_BR.UTF-8"}) {
            std::setlocale(LC_ALL, writer);
            ASSERT_FALSE(saveSettings(edited, file_).has_value());
            std::setlocale(LC_ALL, reader);
            const SettingsLoad load = loadSettings(file_);
            EXPECT_FALSE(load.error.has_value());
            EXPECT_EQ(load.settings.textLayerColour, "12");
            EXPECT_EQ(load.settings.drawingScale, "1:75");
            EXPECT_EQ(load.settings.scaleFactor, 1000.0 / 75.0);
            EXPECT_EQ(load.settings.wallWidth, 0.15123) << writer << " -> " << reader;
            EXPECT_EQ(load.settings.cover, 2.5);
            EXPECT_EQ(load.settings.phiInfinity, 1.75);
        }
    }
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_NE(readRaw().find(" 1.51230000000000E-0001\r\n"), std::string::npos);
}

struct FileCase {
    const char* name;
    const char* bytes;
    Settings expected;
    const char* error; // nullptr: no message
};

Settings with(void (*edit)(Settings&)) {
    Settings s;
    edit(s);
    return s;
}

class SettingsReadTest : public SettingsFileTest, public testing::WithParamInterface<FileCase> {};

TEST_P(SettingsReadTest, ReadsTheFile) {
    const FileCase& c = GetParam();
    writeRaw(c.bytes);
    const SettingsLoad load = loadSettings(file_);
    if (c.error)
        EXPECT_EQ(load.error, std::optional<std::string>(c.error));
    else
        EXPECT_FALSE(load.error.has_value()) << *load.error;
    const Settings& s = load.settings;
    EXPECT_EQ(s.textLayerColour, c.expected.textLayerColour);
    EXPECT_EQ(s.slabLayerColour, c.expected.slabLayerColour);
    EXPECT_EQ(s.posBarLayerColour, c.expected.posBarLayerColour);
    EXPECT_EQ(s.negBarLayerColour, c.expected.negBarLayerColour);
    EXPECT_EQ(s.drawingScale, c.expected.drawingScale);
    EXPECT_EQ(s.scaleFactor, c.expected.scaleFactor);
    EXPECT_EQ(s.wallWidth, c.expected.wallWidth);
    EXPECT_EQ(s.cover, c.expected.cover);
    EXPECT_EQ(s.phiInfinity, c.expected.phiInfinity);
}

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsReadTest,
    testing::Values(
        FileCase{"DefaultFile", defaultFile, Settings{}, nullptr},
        FileCase{"PlainDecimalWallWidth", "4\r\n1\r\n2\r\n2\r\n1:50\r\n0.2\r\n1.5\r\n2\r\nEOF\r\n",
                 with([](Settings& s) {
                     s.wallWidth = 0.2;
                     s.cover = 1.5;
                 }),
                 nullptr},
        FileCase{"UnknownScaleBecomesOneTo50", "4\r\n1\r\n2\r\n2\r\n1:30\r\n0.15\r\n1\r\n2\r\n",
                 Settings{}, nullptr},
        FileCase{"ScaleOneTo100AndOtherColours",
                 "7\r\n3\r\n5\r\n6\r\n1:100\r\n0.2\r\n1\r\n2\r\nEOF\r\n", with([](Settings& s) {
                     s.textLayerColour = "7";
                     s.slabLayerColour = "3";
                     s.posBarLayerColour = "5";
                     s.negBarLayerColour = "6";
                     s.drawingScale = "1:100";
                     s.scaleFactor = 10.0;
                     s.wallWidth = 0.2;
                 }),
                 nullptr},
        FileCase{"ShortFileKeepsDefaultsForWhatIsMissing", "4\r\n3\r\n",
                 with([](Settings& s) { s.slabLayerColour = "3"; }), nullptr},
        FileCase{"ShortFileCutAfterTheWallWidth", "4\r\n1\r\n2\r\n2\r\n1:25\r\n0.25\r\n",
                 with([](Settings& s) {
                     s.drawingScale = "1:25";
                     s.scaleFactor = 40.0;
                     s.wallWidth = 0.25;
                 }),
                 nullptr},
        FileCase{"ColourThatIsNotDigitsKeepsItsDefault",
                 "abc\r\n\r\n2\r\n9x\r\n1:50\r\n0.15\r\n1\r\n2\r\n", Settings{}, nullptr},
        FileCase{"BadTokenStopsTheReading", "4\r\n1\r\n2\r\n2\r\n1:20\r\n0.3\r\nwide\r\n3\r\n",
                 with([](Settings& s) {
                     s.drawingScale = "1:20";
                     s.scaleFactor = 50.0;
                     s.wallWidth = 0.3;
                 }),
                 "Invalid numeric input"},
        FileCase{"CommaNumberIsNotANumber", "4\r\n1\r\n2\r\n2\r\n1:50\r\n0,2\r\n1\r\n2\r\n",
                 Settings{}, "Invalid numeric input"},
        FileCase{"TokensSkipBlanksAndTheRestOfTheLine",
                 "4\n1\n2\n2\n1:50\n   \t0.18 metres\n\n1e0\n+2.5E-0000 x\n", with([](Settings& s) {
                     s.wallWidth = 0.18;
                     s.cover = 1.0;
                     s.phiInfinity = 2.5;
                 }),
                 nullptr},
        FileCase{"NegativeNumber", "4\r\n1\r\n2\r\n2\r\n1:50\r\n-0.1\r\n1\r\n2\r\n",
                 with([](Settings& s) { s.wallWidth = -0.1; }), nullptr}),
    testing_rows::RowName{});

TEST(ScaleFactorFor, FollowsTheScaleTable) {
    const std::pair<const char*, double> rows[] = {{"1:10", 100.0},         {"1:20", 50.0},
                                                   {"1:25", 40.0},          {"1:50", 20.0},
                                                   {"1:75", 1000.0 / 75.0}, {"1:100", 10.0}};
    for (const auto& [scale, factor] : rows) {
        const ScaleChoice choice = scaleFactorFor(scale);
        EXPECT_EQ(choice.factor, factor) << scale;
        EXPECT_EQ(choice.scale, scale);
    }
    for (const char* other : {"", "1:30", "1:5O", "1: 50", "1:50 "}) {
        EXPECT_EQ(scaleFactorFor(other).factor, 20.0) << other;
        EXPECT_EQ(scaleFactorFor(other).scale, "1:50") << other;
    }
}

TEST_F(SettingsFileTest, UnwritableFolderReportsTheErrorAndChangesNothing) {
    // Runs as root in CI, where permission bits do not stop a write: a folder whose parent
    // is a regular file fails for everybody.
    const fs::path blocker = folder_ / "not-a-folder";
    std::ofstream(blocker) << "x";
    const auto error = saveSettings(Settings{}, blocker / configFileName);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, ioErrorText(ENOTDIR));
    EXPECT_EQ(filesInFolder(), 1u);
}

TEST_F(SettingsFileTest, WriteThatFailsHalfWayKeepsTheOldFile) {
    const std::string old = "7\r\n7\r\n7\r\n7\r\n1:10\r\n0.3\r\n3\r\n1\r\nEOF\r\n";
    writeRaw(old);
    // A file-size limit makes write() fail part-way for root too, like a full disk.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 40;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const auto error = saveSettings(Settings{}, file_);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, ioErrorText(EFBIG));
    EXPECT_EQ(readRaw(), old);
    EXPECT_EQ(filesInFolder(), 1u);
}

TEST_F(SettingsFileTest, UnreadableFileReportsAnErrorAndKeepsTheDefaults) {
    fs::create_directory(file_); // exists, but cannot be read as a file
    const SettingsLoad load = loadSettings(file_);
    ASSERT_TRUE(load.error.has_value());
    expectDefaults(load.settings);
}

} // namespace
} // namespace lajes
