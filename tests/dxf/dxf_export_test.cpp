#include "dxf/dxf_export.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "../row_name.h"
#include "dxf/dxf_file.h"
#include "dxf/slab_drawing.h"
#include "dxf_test_support.h"
#include "io/file_writer.h"

namespace lajes {
namespace {

namespace fs = std::filesystem;
using testing_dxf::readBytes;
using testing_dxf::splitCrLf;
using testing_dxf::workedResults;
using testing_dxf::workedSlab;

const std::string oldContent = "an earlier drawing\r\nEOF\r\n";

class DxfExportTest : public testing::Test {
protected:
    void SetUp() override {
        std::string test = testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(test.begin(), test.end(), '/', '-'); // parameterised names have a "/"
        folder_ =
            fs::temp_directory_path() / ("lajes-dxf-" + std::to_string(::getpid()) + "-" + test);
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        for (const auto& entry : fs::directory_iterator(folder_, ignored))
            if (entry.is_directory())
                fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(folder_, ignored);
    }

    std::size_t filesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
    }
    void writeOld(const fs::path& path) const {
        std::ofstream out(path, std::ios::binary);
        out << oldContent;
    }
    static std::optional<std::string> exportWorkedExample(const fs::path& path) {
        return exportDrawing(path, "L1", workedSlab(), workedResults(), Settings{}, '.');
    }

    fs::path folder_;
};

// The golden file is written by tests/dxf/golden/make_case3_solid.py from the hand
// calculation of the worked example, independently of the program.
TEST_F(DxfExportTest, WorkedExampleMatchesTheExpectedFileByteForByte) {
    const fs::path target = folder_ / "L1.dxf";
    ASSERT_FALSE(exportWorkedExample(target).has_value());
    const std::string expected = readBytes(testing_dxf::goldenFolder() / "case3_solid.dxf");
    ASSERT_FALSE(expected.empty());
    const std::string actual = readBytes(target);
    if (actual != expected) {
        const auto a = splitCrLf(actual);
        const auto e = splitCrLf(expected);
        for (std::size_t i = 0; i < std::min(a.size(), e.size()); ++i)
            ASSERT_EQ(a[i], e[i]) << "first difference at line " << i + 1;
        FAIL() << "line counts differ: " << a.size() << " written, " << e.size() << " expected";
    }
    EXPECT_EQ(filesInFolder(), 1u);
}

TEST_F(DxfExportTest, ReplacesAnExistingFileAndKeepsItsPermissions) {
    const fs::path target = folder_ / "L1.dxf";
    writeOld(target);
    ::chmod(target.c_str(), 0640);
    ASSERT_FALSE(exportWorkedExample(target).has_value());
    EXPECT_EQ(readBytes(target), readBytes(testing_dxf::goldenFolder() / "case3_solid.dxf"));
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(filesInFolder(), 1u);
}

// Where the file cannot be created. chmod does not stop a privileged process (root in CI), so
// the other rows use places that refuse new files to everyone.
struct CreateFailureRow {
    const char* name;
    // Prepares the place in `folder`; returns the target, or nothing when the place is not
    // available here (the row is then skipped with the reason).
    std::function<std::optional<fs::path>(const fs::path& folder, std::string& skipReason)> prepare;
    std::vector<std::string> acceptedErrors;
};

void PrintTo(const CreateFailureRow& row, std::ostream* os) {
    *os << row.name;
}

bool canCreateFileIn(const fs::path& folder) {
    const fs::path probe = folder / "probe";
    std::ofstream out(probe);
    const bool created = static_cast<bool>(out);
    out.close();
    fs::remove(probe);
    return created;
}

class CreateFailureTest : public DxfExportTest,
                          public testing::WithParamInterface<CreateFailureRow> {};

TEST_P(CreateFailureTest, ReportsTheErrorAndLeavesEverythingAsItWas) {
    std::string skipReason;
    const std::optional<fs::path> target = GetParam().prepare(folder_, skipReason);
    if (!target)
        GTEST_SKIP() << skipReason;
    const bool existed = fs::exists(*target);
    const std::string before = existed ? readBytes(*target) : std::string();
    // Only a folder of this test holds still: the entries of /proc or /sys come and go with
    // the processes of the tests that run beside this one.
    const fs::path parent = target->parent_path();
    const bool ownFolder = parent.native().starts_with(folder_.native());
    const auto entriesBefore =
        ownFolder && fs::is_directory(parent)
            ? std::distance(fs::directory_iterator(parent), fs::directory_iterator())
            : 0;

    const std::optional<std::string> error = exportWorkedExample(*target);

    ASSERT_TRUE(error.has_value());
    EXPECT_NE(std::find(GetParam().acceptedErrors.begin(), GetParam().acceptedErrors.end(), *error),
              GetParam().acceptedErrors.end())
        << "error text: " << *error;
    EXPECT_EQ(fs::exists(*target), existed);
    if (existed) {
        EXPECT_EQ(readBytes(*target), before);
    }
    if (ownFolder && fs::is_directory(parent)) {
        EXPECT_EQ(std::distance(fs::directory_iterator(parent), fs::directory_iterator()),
                  entriesBefore);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CreateFailureTest,
    testing::Values(
        CreateFailureRow{
            "FolderWithoutWritePermission",
            [](const fs::path& folder, std::string& reason) -> std::optional<fs::path> {
                const fs::path locked = folder / "locked";
                fs::create_directory(locked);
                std::ofstream(locked / "L1.dxf", std::ios::binary) << oldContent;
                fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
                if (canCreateFileIn(locked)) {
                    reason = "this process may write into a read-only folder "
                             "(privileged); the other rows cover the case";
                    return std::nullopt;
                }
                return locked / "L1.dxf";
            },
            // The file itself is writable: the folder is named as the reason.
            {writeFailureMessage("L1.dxf", "a pasta \"locked\" não aceita arquivos novos")}},
        CreateFailureRow{"WriteProtectedFileInAWritableFolder",
                         [](const fs::path& folder, std::string&) -> std::optional<fs::path> {
                             const fs::path target = folder / "L1.dxf";
                             std::ofstream(target, std::ios::binary) << oldContent;
                             // Refused by its mode bits, also for root, who may write anything.
                             fs::permissions(target, fs::perms::owner_read);
                             return target;
                         },
                         {writeFailureMessage("L1.dxf", EACCES)}},
        CreateFailureRow{
            "KernelFolderRefusesNewFiles",
            [](const fs::path&, std::string& reason) -> std::optional<fs::path> {
                if (!fs::is_directory("/sys/kernel")) {
                    reason = "no /sys here";
                    return std::nullopt;
                }
                return fs::path("/sys/kernel/L1.dxf");
            },
            // EACCES, or EROFS where /sys is read-only
            {writeFailureMessage("L1.dxf", "a pasta \"kernel\" não aceita arquivos novos")}},
        CreateFailureRow{"ExistingFileInAFolderThatRefusesNewFiles",
                         [](const fs::path&, std::string& reason) -> std::optional<fs::path> {
                             if (!fs::is_regular_file("/proc/version")) {
                                 reason = "no /proc here";
                                 return std::nullopt;
                             }
                             return fs::path("/proc/version");
                         },
                         {writeFailureMessage("version", EACCES)}}, // mode 0444, also for root
        CreateFailureRow{"ParentIsARegularFile",
                         [](const fs::path& folder, std::string&) -> std::optional<fs::path> {
                             std::ofstream(folder / "plain", std::ios::binary) << oldContent;
                             return folder / "plain" / "L1.dxf";
                         },
                         {writeFailureMessage("L1.dxf", ENOTDIR)}}),
    testing_rows::RowName{});

// A real file output that reports a full disk after `limit` bytes, as the kernel does when
// the disk fills half-way through the drawing. Dropping it drops the real output, which
// removes its temporary file.
class FullDiskAfter final : public DxfOutput {
public:
    FullDiskAfter(std::unique_ptr<DxfOutput> file, std::size_t limit, const fs::path& folder,
                  std::size_t& entriesAtFailure)
        : file_(std::move(file)), limit_(limit), folder_(folder),
          entriesAtFailure_(entriesAtFailure) {}

    std::optional<std::string> append(std::string_view bytes) override {
        if (written_ + bytes.size() > limit_) {
            if (auto error = file_->append(bytes.substr(0, limit_ - written_)))
                return error;
            entriesAtFailure_ = static_cast<std::size_t>(
                std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
            return "Disk full";
        }
        written_ += bytes.size();
        return file_->append(bytes);
    }
    std::optional<std::string> commit() override { return file_->commit(); }

private:
    std::unique_ptr<DxfOutput> file_;
    std::size_t limit_;
    std::size_t written_ = 0;
    fs::path folder_;
    std::size_t& entriesAtFailure_;
};

struct HalfWayRow {
    const char* name;
    std::size_t limit; // bytes written before the disk is full; the whole file has 5586
};

void PrintTo(const HalfWayRow& row, std::ostream* os) {
    *os << row.name;
}

class HalfWayFailureTest : public DxfExportTest, public testing::WithParamInterface<HalfWayRow> {};

TEST_P(HalfWayFailureTest, KeepsTheOldFileAndRemovesTheTemporaryOne) {
    const fs::path target = folder_ / "L1.dxf";
    writeOld(target);
    auto opened = openReplacingFile(target);
    ASSERT_TRUE(std::holds_alternative<std::unique_ptr<DxfOutput>>(opened));
    std::size_t entriesAtFailure = 0;
    DxfFile file(
        std::make_unique<FullDiskAfter>(std::move(std::get<std::unique_ptr<DxfOutput>>(opened)),
                                        GetParam().limit, folder_, entriesAtFailure));
    file.writeHeaderAndTables(Settings{});
    drawSlab(file, workedSlab(), workedResults(), Settings{}, "L1", '.');

    EXPECT_EQ(file.finish(), std::optional<std::string>("Disk full"));
    EXPECT_EQ(entriesAtFailure, 2u); // the old file and the partly written temporary file
    EXPECT_EQ(readBytes(target), oldContent);
    EXPECT_EQ(filesInFolder(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Rows, HalfWayFailureTest,
                         testing::Values(HalfWayRow{"InTheFirstLine", 1},
                                         HalfWayRow{"InTheTables", 700},
                                         HalfWayRow{"InTheEntities", 3000},
                                         HalfWayRow{"InTheEofLine", 5584}),
                         testing_rows::RowName{});

// The kernel itself refuses the write: a file-size limit below the drawing's size makes
// write() fail with EFBIG part of the way through, even for root.
TEST_F(DxfExportTest, KernelWriteFailureKeepsTheOldFile) {
    const fs::path target = folder_ / "L1.dxf";
    writeOld(target);
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);

    const std::optional<std::string> error = exportWorkedExample(target);

    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(error, std::optional<std::string>(writeFailureMessage(target, EFBIG)));
    EXPECT_EQ(readBytes(target), oldContent);
    EXPECT_EQ(filesInFolder(), 1u);
}

TEST_F(DxfExportTest, RenameFailureRemovesTheTemporaryFile) {
    const fs::path target = folder_ / "L1.dxf";
    fs::create_directory(target);
    std::ofstream(target / "inside", std::ios::binary) << oldContent;
    const std::optional<std::string> error = exportWorkedExample(target);
    EXPECT_EQ(error, std::optional<std::string>(writeFailureMessage(target, EISDIR)));
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(readBytes(target / "inside"), oldContent);
    EXPECT_EQ(filesInFolder(), 1u);
}

TEST_F(DxfExportTest, ExportThroughASymbolicLinkReplacesTheLinkedFile) {
    const fs::path file = folder_ / "drawing.dxf";
    const fs::path link = folder_ / "L1.dxf";
    writeOld(file);
    fs::create_symlink(file, link);
    ASSERT_FALSE(exportWorkedExample(link).has_value());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readBytes(file), readBytes(testing_dxf::goldenFolder() / "case3_solid.dxf"));
    EXPECT_EQ(filesInFolder(), 2u);
}

} // namespace
} // namespace lajes
