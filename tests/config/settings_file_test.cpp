#include "config/settings_file.h"
#include "io/file_writer.h"

#include "../row_name.h"
#include <cerrno>
#include <clocale>
#include <csignal>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/resource.h>
#include <sys/stat.h>
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
    if (!std::setlocale(LC_ALL, "pt_BR.UTF-8"))
        GTEST_SKIP() << "the pt_BR.UTF-8 locale is not installed: the comma case cannot run";
    std::setlocale(LC_ALL, saved.c_str());
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
    const char* error; // nullptr: no message; "{file}" stands for the file's path
    bool complete = true;
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
    if (c.error) {
        std::string expected = c.error;
        if (const auto at = expected.find("{file}"); at != std::string::npos)
            expected.replace(at, 6, file_.string());
        EXPECT_EQ(load.error, std::optional<std::string>(expected));
    } else {
        EXPECT_FALSE(load.error.has_value()) << *load.error;
    }
    EXPECT_EQ(load.complete, c.complete);
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
                 "Invalid numeric input\n{file}, linha 7: wide", false},
        FileCase{"CommaNumberIsNotANumber", "4\r\n1\r\n2\r\n2\r\n1:50\r\n0,2\r\n1\r\n2\r\n",
                 Settings{}, "Invalid numeric input\n{file}, linha 6: 0,2", false},
        FileCase{"TokensSkipBlanksAndTheRestOfTheLine",
                 "4\n1\n2\n2\n1:50\n   \t0.18 metres\n\n1e0\n+2.5E-0000 x\n", with([](Settings& s) {
                     s.wallWidth = 0.18;
                     s.cover = 1.0;
                     s.phiInfinity = 2.5;
                 }),
                 nullptr},
        // The settings rule of the dialog: a refused value keeps its default, is reported
        // with its line, and the reading goes on.
        FileCase{"NegativeWallWidthKeepsItsDefault",
                 "4\r\n1\r\n2\r\n2\r\n1:50\r\n-1e300\r\n1.5\r\n2\r\n",
                 with([](Settings& s) { s.cover = 1.5; }),
                 "Invalid numeric input\n{file}, linha 6: -1e300", false},
        FileCase{"NegativeCoverKeepsItsDefault",
                 "4\r\n1\r\n2\r\n2\r\n1:50\r\n0.2\r\n-5\r\n3\r\nEOF\r\n", with([](Settings& s) {
                     s.wallWidth = 0.2;
                     s.phiInfinity = 3.0;
                 }),
                 "Invalid numeric input\n{file}, linha 7: -5", false},
        FileCase{"NegativePhiInfinityKeepsItsDefault",
                 "4\r\n1\r\n2\r\n2\r\n1:50\r\n0.15\r\n1\r\n-2\r\nEOF\r\n", Settings{},
                 "Invalid numeric input\n{file}, linha 8: -2", false},
        FileCase{"ZeroCoverKeepsItsDefault", "4\n1\n2\n2\n1:50\n0.15\n0\n2\n", Settings{},
                 "Invalid numeric input\n{file}, linha 7: 0", false},
        FileCase{"InfinityIsRefused", "4\r\n1\r\n2\r\n2\r\n1:50\r\n0.15\r\n1\r\ninf\r\n",
                 Settings{}, "Invalid numeric input\n{file}, linha 8: inf", false}),
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
    EXPECT_EQ(*error, writeFailureMessage(blocker / configFileName, ENOTDIR));
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
    EXPECT_EQ(*error, writeFailureMessage(file_, EFBIG));
    EXPECT_EQ(readRaw(), old);
    EXPECT_EQ(filesInFolder(), 1u);
}

// What is at the file's name instead of a regular file: each is the I/O error and the
// defaults, at once (a pipe would otherwise block the start-up, /dev/zero fill the memory).
struct NotAFileRow {
    const char* name;
    std::function<void(const fs::path& file)> make;
    std::string reason;
};

void PrintTo(const NotAFileRow& row, std::ostream* os) {
    *os << row.name;
}

class NotAFileTest : public SettingsFileTest, public testing::WithParamInterface<NotAFileRow> {};

TEST_P(NotAFileTest, ReportsTheErrorAtOnceAndKeepsTheDefaults) {
    GetParam().make(file_);
    const SettingsLoad load = loadSettings(file_);
    EXPECT_EQ(load.error, std::optional<std::string>(readFailureMessage(file_, GetParam().reason)));
    EXPECT_FALSE(load.complete);
    expectDefaults(load.settings);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NotAFileTest,
    testing::Values(
        NotAFileRow{"Folder", [](const fs::path& f) { fs::create_directory(f); },
                    errorReason(EISDIR)},
        NotAFileRow{"NamedPipe", [](const fs::path& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0600), 0); },
                    std::string(notRegularFileReason)},
        NotAFileRow{"LinkToDevZero", [](const fs::path& f) { fs::create_symlink("/dev/zero", f); },
                    std::string(notRegularFileReason)},
        NotAFileRow{"LargerThanTheBound",
                    [](const fs::path& f) {
                        std::ofstream(f, std::ios::binary) << std::string(maxConfigBytes + 1, ' ');
                    },
                    errorReason(EFBIG)},
        NotAFileRow{"DanglingLink", [](const fs::path& f) { fs::create_symlink("missing.cfg", f); },
                    errorReason(ENOENT)}),
    testing_rows::RowName{});

// Writing at exit: only a change made in this run, or a missing file, writes it; otherwise
// the bytes another instance or the user saved meanwhile stay.
struct WriteAtExitRow {
    const char* name;
    bool complete;     // the start-up reading got every value
    bool changed;      // a setting was changed in this run
    const char* there; // what is at the file's name at exit: "file", "nothing", "dangling link"
    bool written;
};

void PrintTo(const WriteAtExitRow& row, std::ostream* os) {
    *os << row.name;
}

class WriteAtExitTest : public SettingsFileTest,
                        public testing::WithParamInterface<WriteAtExitRow> {};

TEST_P(WriteAtExitTest, OnlyAChangeOrAMissingFileWrites) {
    const WriteAtExitRow& row = GetParam();
    SettingsLoad loaded;
    loaded.complete = row.complete;
    Settings current;
    if (row.changed)
        current.cover = 2.5;
    if (std::string(row.there) == "file")
        writeRaw("7\r\n7\r\n7\r\n7\r\n1:10\r\n0.3\r\n3\r\n1\r\nEOF\r\n");
    else if (std::string(row.there) == "dangling link")
        fs::create_symlink("missing.cfg", file_);
    EXPECT_EQ(settingsToWriteAtExit(loaded, current, file_), row.written);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WriteAtExitTest,
    testing::Values(
        WriteAtExitRow{"UnchangedKeepsAFileSavedMeanwhile", true, false, "file", false},
        WriteAtExitRow{"ChangedWrites", true, true, "file", true},
        WriteAtExitRow{"UnchangedAfterAPartialReadingKeepsTheFile", false, false, "file", false},
        WriteAtExitRow{"ChangedAfterAPartialReadingWrites", false, true, "file", true},
        WriteAtExitRow{"UnchangedWritesAMissingFile", true, false, "nothing", true},
        WriteAtExitRow{"UnchangedWritesThroughADanglingLink", true, false, "dangling link", true}),
    testing_rows::RowName{});

} // namespace
} // namespace lajes
