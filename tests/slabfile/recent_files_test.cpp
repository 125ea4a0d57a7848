#include "slabfile/recent_files.h"

#include "../row_name.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lajes {
namespace {

namespace fs = std::filesystem;

class Folder {
public:
    Folder() {
        path_ = fs::temp_directory_path() /
                ("lajes-recent-" + std::to_string(::getpid()) + "-" + std::to_string(++count_));
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~Folder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
    static inline int count_ = 0;
};

// Where the list lives for a given environment; `home`, `passwordHome` and `xdg` are relative
// to a scratch folder in which only "casa" exists ("" stands for unset).
struct PlaceRow {
    const char* name;
    const char* home;
    const char* passwordHome;
    const char* xdg;
    const char* expected; // relative to the scratch folder; "" for no list
};

class RecentFilesPlaceTest : public testing::TestWithParam<PlaceRow> {};

TEST_P(RecentFilesPlaceTest, NeverInAHomeThatIsNotThere) {
    const Folder scratch;
    fs::create_directory(scratch.path() / "casa");
    const auto at = [&](const char* relative) -> std::optional<std::string> {
        if (*relative == '\0')
            return std::nullopt;
        if (*relative == '/')
            return std::string(relative);
        return (scratch.path() / relative).string();
    };
    const ConfigHome where{at(GetParam().xdg), at(GetParam().home), at(GetParam().passwordHome)};
    const std::optional<fs::path> expected =
        *GetParam().expected ? std::optional(scratch.path() / GetParam().expected) : std::nullopt;
    EXPECT_EQ(recentFilesFile(where), expected);
}

INSTANTIATE_TEST_SUITE_P(Environments, RecentFilesPlaceTest,
                         testing::Values(PlaceRow{"HomeOfTheEnvironment", "casa", "outra", "",
                                                  "casa/.config/Lajes/Lajes.conf"},
                                         PlaceRow{"HomeUnsetTakesThePasswordDatabase", "", "casa",
                                                  "", "casa/.config/Lajes/Lajes.conf"},
                                         PlaceRow{"MissingHomeTakesThePasswordDatabase", "sumiu",
                                                  "casa", "", "casa/.config/Lajes/Lajes.conf"},
                                         PlaceRow{"NoHomeAnywhereNoList", "", "sumiu", "", ""},
                                         PlaceRow{"MissingHomeAndMissingPasswordHomeNoList",
                                                  "sumiu", "sumiu", "", ""},
                                         PlaceRow{"ConfigHomeOfTheEnvironment", "casa", "casa",
                                                  "cfg", "cfg/Lajes/Lajes.conf"}),
                         testing_rows::RowName{});

TEST(RecentFilesPlace, RelativeHomeIsNoHome) {
    EXPECT_EQ(recentFilesFile(ConfigHome{std::nullopt, "casa", std::nullopt}), std::nullopt);
}

// The texts Qt's settings wrote for these lists (Qt 6, INI format), which earlier versions
// left in Lajes.conf.
struct TextRow {
    const char* name;
    const char* text;
    std::vector<std::string> list;
};

class RecentFilesTextTest : public testing::TestWithParam<TextRow> {};

TEST_P(RecentFilesTextTest, ReadsAndWritesTheSettingsOfEarlierVersions) {
    EXPECT_EQ(parseRecentFiles(GetParam().text), GetParam().list);
    EXPECT_EQ(recentFilesText(GetParam().list), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    QtTexts, RecentFilesTextTest,
    testing::Values(
        TextRow{"FourFiles",
                "[General]\nrecentFiles=/home/x/Lajes \xC3\xA7\xC3\xA3o.laje, "
                "\"/a,b/c\\\"d.laje\", \" /lead\", /t\\\\x\\ty\n",
                {"/home/x/Lajes ção.laje", "/a,b/c\"d.laje", " /lead", "/t\\x\ty"}},
        TextRow{"OneFile", "[General]\nrecentFiles=/one.laje\n", {"/one.laje"}},
        TextRow{"NoFile", "[General]\nrecentFiles=@Invalid()\n", {}},
        TextRow{"AtSignAndSemicolon", "[General]\nrecentFiles=@@x, \"a;b=c\"\n", {"@x", "a;b=c"}},
        // A name from an old disk, not UTF-8, stays the bytes it is.
        TextRow{"LatinOneBytes",
                "[General]\nrecentFiles=/obra/laje\xE7\xE3o.laje, /b.laje\n",
                {"/obra/laje\xE7\xE3o.laje", "/b.laje"}},
        TextRow{"ControlCharacterBeforeAHexDigit",
                "[General]\nrecentFiles=/a\\x1b\\x62.laje\n",
                {"/a\x1b"
                 "b.laje"}}),
    testing_rows::RowName{});

// What is at the settings file's place: the list is read only from a regular file, without
// waiting and without reading more than a settings file holds.
struct ReadRow {
    const char* name;
    std::function<void(const fs::path& file)> prepare;
    std::vector<std::string> list;
    bool replaced; // by a change of the list
};

class RecentFilesReadTest : public testing::TestWithParam<ReadRow> {};

TEST_P(RecentFilesReadTest, ReadsOnlyARegularFileOfItsSize) {
    const Folder folder;
    const fs::path file = folder.path() / "Lajes.conf";
    GetParam().prepare(file);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(readRecentFiles(file), GetParam().list);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    // A change leaves what is not a settings file as it is.
    const auto updated = updateRecentFiles(file, [](std::vector<std::string> list) {
        list.insert(list.begin(), "/novo.laje");
        return list;
    });
    EXPECT_EQ(updated.has_value(), GetParam().replaced);
    if (GetParam().replaced) {
        EXPECT_EQ(readRecentFiles(file).front(), "/novo.laje");
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

INSTANTIATE_TEST_SUITE_P(
    Targets, RecentFilesReadTest,
    testing::Values(ReadRow{"RegularFile",
                            [](const fs::path& f) {
                                std::ofstream(f) << "[General]\nrecentFiles=/a.laje, /b.laje\n";
                            },
                            {"/a.laje", "/b.laje"},
                            true},
                    ReadRow{"Missing", [](const fs::path&) {}, {}, true},
                    ReadRow{"NamedPipe",
                            [](const fs::path& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0600), 0); },
                            {},
                            false},
                    ReadRow{"LinkToEndlessDevice",
                            [](const fs::path& f) { fs::create_symlink("/dev/zero", f); },
                            {},
                            false},
                    ReadRow{
                        "Folder", [](const fs::path& f) { fs::create_directory(f); }, {}, false},
                    ReadRow{"LargerThanASettingsFile",
                            [](const fs::path& f) {
                                std::ofstream(f) << "[General]\nrecentFiles=/a.laje\n"
                                                 << std::string(maxRecentFilesBytes, ';');
                            },
                            {},
                            false}),
    testing_rows::RowName{});

// Instances that open files at the same moment: each one's file is in the list afterwards.
TEST(RecentFilesUpdate, InstancesAtOnceLoseNoEntry) {
    const Folder folder;
    const fs::path file = folder.path() / "Lajes" / "Lajes.conf";
    constexpr int instances = 4;
    for (int round = 0; round < 12; ++round) {
        fs::remove(file);
        int start[2];
        ASSERT_EQ(::pipe(start), 0);
        std::vector<pid_t> children;
        for (int i = 0; i < instances; ++i) {
            const pid_t child = ::fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                ::close(start[1]);
                char go = 0;
                // All wait for the same moment: the parent closing the pipe.
                [[maybe_unused]] const auto got = ::read(start[0], &go, 1);
                const std::string mine = "/obra/L" + std::to_string(i) + ".laje";
                const auto list = updateRecentFiles(file, [&](std::vector<std::string> old) {
                    // The time a real instance takes between reading and writing.
                    ::usleep(2000);
                    old.insert(old.begin(), mine);
                    return old;
                });
                ::_exit(list ? 0 : 1);
            }
            children.push_back(child);
        }
        ::close(start[0]);
        ::close(start[1]);
        for (const pid_t child : children) {
            int status = 0;
            ASSERT_EQ(::waitpid(child, &status, 0), child);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        std::vector<std::string> list = readRecentFiles(file);
        std::sort(list.begin(), list.end());
        EXPECT_EQ(list, (std::vector<std::string>{"/obra/L0.laje", "/obra/L1.laje", "/obra/L2.laje",
                                                  "/obra/L3.laje"}))
            << "round " << round;
    }
}

} // namespace
} // namespace lajes
