#include "io/file_writer.h"

#include <sys/resource.h>

#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "../row_name.h"
#include "io/file_messages.h"

namespace lajes {
namespace {

namespace fs = std::filesystem;

const std::string oldBytes = "old\r\n";
const std::string newBytes = "new content\r\nEOF\r\n";

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class FileWriterTest : public testing::Test {
protected:
    void SetUp() override {
        std::string test = testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(test.begin(), test.end(), '/', '-');
        folder_ =
            fs::temp_directory_path() / ("lajes-io-" + std::to_string(::getpid()) + "-" + test);
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    // Names in the folder that are neither `keep` nor the other given names: leftovers.
    std::vector<std::string> leftovers(std::initializer_list<std::string> expected) const {
        std::vector<std::string> extra;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            const std::string name = entry.path().filename().string();
            if (std::find(expected.begin(), expected.end(), name) == expected.end())
                extra.push_back(name);
        }
        return extra;
    }
    fs::path folder_;
};

// What is at the chosen path before the write, and what must be there after it.
struct TargetRow {
    const char* name;
    // Prepares the folder and returns the path to give the writer.
    std::function<fs::path(const fs::path& folder)> prepare;
    std::optional<std::string> expectedError; // nothing: written
    // Checks what the folder holds afterwards.
    std::function<void(const fs::path& folder)> check;
};

void PrintTo(const TargetRow& row, std::ostream* os) {
    *os << row.name;
}

class TargetTest : public FileWriterTest, public testing::WithParamInterface<TargetRow> {};

TEST_P(TargetTest, FollowsTheRuleOfWhatIsThere) {
    const fs::path target = GetParam().prepare(folder_);
    EXPECT_EQ(writeFile(target, newBytes), GetParam().expectedError);
    GetParam().check(folder_);
    for (const auto& entry : fs::directory_iterator(folder_))
        EXPECT_FALSE(entry.path().filename().string().starts_with(".lajes-"))
            << "temporary file left: " << entry.path();
}

mode_t modeOf(const fs::path& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info.st_mode;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TargetTest,
    testing::Values(
        TargetRow{"NewName", [](const fs::path& f) { return f / "a.dxf"; }, std::nullopt,
                  [](const fs::path& f) {
                      EXPECT_EQ(readAll(f / "a.dxf"), newBytes);
                      EXPECT_EQ(modeOf(f / "a.dxf") & 07777, 0644u);
                  }},
        TargetRow{"RegularFileKeepsItsMode",
                  [](const fs::path& f) {
                      std::ofstream(f / "a.cfg", std::ios::binary) << oldBytes;
                      ::chmod((f / "a.cfg").c_str(), 0640);
                      return f / "a.cfg";
                  },
                  std::nullopt,
                  [](const fs::path& f) {
                      EXPECT_EQ(readAll(f / "a.cfg"), newBytes);
                      EXPECT_EQ(modeOf(f / "a.cfg") & 07777, 0640u);
                  }},
        TargetRow{"SymbolicLinkIsFollowedAndStays",
                  [](const fs::path& f) {
                      fs::create_directory(f / "real");
                      std::ofstream(f / "real" / "a.pdf", std::ios::binary) << oldBytes;
                      fs::create_symlink("real/a.pdf", f / "link.pdf");
                      return f / "link.pdf";
                  },
                  std::nullopt,
                  [](const fs::path& f) {
                      EXPECT_TRUE(fs::is_symlink(f / "link.pdf"));
                      EXPECT_EQ(readAll(f / "real" / "a.pdf"), newBytes);
                      EXPECT_TRUE(fs::is_empty(f / "real") == false);
                      EXPECT_EQ(std::distance(fs::directory_iterator(f / "real"),
                                              fs::directory_iterator()),
                                1);
                  }},
        TargetRow{"DanglingLinkMakesTheFileItNames",
                  [](const fs::path& f) {
                      fs::create_symlink("made.cfg", f / "link.cfg");
                      return f / "link.cfg";
                  },
                  std::nullopt,
                  [](const fs::path& f) {
                      EXPECT_TRUE(fs::is_symlink(f / "link.cfg"));
                      EXPECT_EQ(readAll(f / "made.cfg"), newBytes);
                  }},
        // Refused by the mode bits, also for root, who may write anything.
        TargetRow{"WriteProtectedFileIsRefused",
                  [](const fs::path& f) {
                      std::ofstream(f / "ro.dxf", std::ios::binary) << oldBytes;
                      ::chmod((f / "ro.dxf").c_str(), 0444);
                      return f / "ro.dxf";
                  },
                  "Não foi possível gravar \"ro.dxf\": acesso negado.",
                  [](const fs::path& f) { EXPECT_EQ(readAll(f / "ro.dxf"), oldBytes); }},
        TargetRow{"LinkToAWriteProtectedFileIsRefused",
                  [](const fs::path& f) {
                      std::ofstream(f / "ro.dxf", std::ios::binary) << oldBytes;
                      ::chmod((f / "ro.dxf").c_str(), 0444);
                      fs::create_symlink("ro.dxf", f / "link.dxf");
                      return f / "link.dxf";
                  },
                  "Não foi possível gravar \"link.dxf\": acesso negado.",
                  [](const fs::path& f) {
                      EXPECT_EQ(readAll(f / "ro.dxf"), oldBytes);
                      EXPECT_TRUE(fs::is_symlink(f / "link.dxf"));
                  }},
        TargetRow{"DirectoryIsRefused",
                  [](const fs::path& f) {
                      fs::create_directory(f / "dir.dxf");
                      return f / "dir.dxf";
                  },
                  "Não foi possível gravar \"dir.dxf\": " + errorReason(EISDIR) + ".",
                  [](const fs::path& f) { EXPECT_TRUE(fs::is_empty(f / "dir.dxf")); }},
        // /dev/null stays the device: written in place, the bytes discarded.
        TargetRow{"CharacterDeviceIsWrittenInPlace",
                  [](const fs::path&) { return fs::path("/dev/null"); }, std::nullopt,
                  [](const fs::path&) { EXPECT_TRUE(S_ISCHR(modeOf("/dev/null"))); }},
        TargetRow{"FullDeviceReportsDiskFull",
                  [](const fs::path&) { return fs::path("/dev/full"); },
                  "Não foi possível gravar \"full\": disco cheio.",
                  [](const fs::path&) { EXPECT_TRUE(S_ISCHR(modeOf("/dev/full"))); }},
        // The longest name the file system allows: the temporary name stays short.
        TargetRow{
            "NameOf255Bytes", [](const fs::path& f) { return f / std::string(255, 'n'); },
            std::nullopt,
            [](const fs::path& f) { EXPECT_EQ(readAll(f / std::string(255, 'n')), newBytes); }},
        TargetRow{"MissingFolderIsReportedWithItsReason",
                  [](const fs::path& f) { return f / "missing" / "a.dxf"; },
                  "Não foi possível gravar \"a.dxf\": o arquivo ou a pasta não existe.",
                  [](const fs::path& f) { EXPECT_FALSE(fs::exists(f / "missing")); }}),
    testing_rows::RowName{});

// What the user's own saves meet: only a regular file (or a new name) is written, so that no
// save waits for the reader of a pipe; a folder that takes no new file is named as the reason.
struct SaveRow {
    const char* name;
    std::function<fs::path(const fs::path& folder)> prepare;
    WriteTarget accepted;
    std::optional<std::string> expectedError; // nothing: written
    bool asOrdinaryUser;                      // root may create files in any folder
};

void PrintTo(const SaveRow& row, std::ostream* os) {
    *os << row.name;
}

// The writer's answer, from a process of an ordinary user when `ordinary` and this is root.
std::optional<std::string> writeAs(bool ordinary, const fs::path& target, WriteTarget accepted) {
    if (!ordinary || ::geteuid() != 0)
        return writeFile(target, newBytes, accepted);
    int channel[2];
    if (::pipe(channel) != 0)
        return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(3);
        const auto error = writeFile(target, newBytes, accepted);
        const std::string answer = error ? "E" + *error : "-";
        [[maybe_unused]] const auto sent = ::write(channel[1], answer.data(), answer.size());
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string answer;
    char buffer[256];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        answer.append(buffer, static_cast<std::size_t>(got));
    ::close(channel[0]);
    ::waitpid(child, nullptr, 0);
    if (answer == "-")
        return std::nullopt;
    return answer.empty() ? "no answer" : answer.substr(1);
}

class SaveTargetTest : public FileWriterTest, public testing::WithParamInterface<SaveRow> {};

TEST_P(SaveTargetTest, WritesOnlyWhatASaveMayReplace) {
    const fs::path target = GetParam().prepare(folder_);
    struct stat before {};
    ASSERT_EQ(::stat(target.c_str(), &before) == 0 || errno == ENOENT, true);
    EXPECT_EQ(writeAs(GetParam().asOrdinaryUser, target, GetParam().accepted),
              GetParam().expectedError);
    struct stat after {};
    if (GetParam().expectedError) {
        // Nothing touched: the same kind of thing, with the same content for a file.
        ASSERT_EQ(::stat(target.c_str(), &after), 0);
        EXPECT_EQ(after.st_mode & S_IFMT, before.st_mode & S_IFMT);
        if (S_ISREG(after.st_mode)) {
            EXPECT_EQ(readAll(target), oldBytes);
        }
    } else {
        EXPECT_EQ(readAll(target), newBytes);
    }
    for (const auto& entry : fs::recursive_directory_iterator(folder_))
        EXPECT_FALSE(entry.path().filename().string().starts_with(".lajes-"))
            << "temporary file left: " << entry.path();
}

fs::path oldFile(const fs::path& path) {
    std::ofstream(path, std::ios::binary) << oldBytes;
    return path;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SaveTargetTest,
    testing::Values(
        SaveRow{"RegularFileIsReplaced", [](const fs::path& f) { return oldFile(f / "a.csv"); },
                WriteTarget::regularFile, std::nullopt, false},
        SaveRow{"NewNameIsWritten", [](const fs::path& f) { return f / "novo.laje"; },
                WriteTarget::regularFile, std::nullopt, false},
        SaveRow{"NamedPipeIsRefused",
                [](const fs::path& f) {
                    ::mkfifo((f / "fila.csv").c_str(), 0600);
                    return f / "fila.csv";
                },
                WriteTarget::regularFile,
                "Não foi possível gravar \"fila.csv\": não é um arquivo comum.", false},
        SaveRow{"LinkToANamedPipeIsRefused",
                [](const fs::path& f) {
                    ::mkfifo((f / "fila").c_str(), 0600);
                    fs::create_symlink("fila", f / "L1.dxf");
                    return f / "L1.dxf";
                },
                WriteTarget::regularFile,
                "Não foi possível gravar \"L1.dxf\": não é um arquivo comum.", false},
        SaveRow{"DeviceIsRefused", [](const fs::path&) { return fs::path("/dev/null"); },
                WriteTarget::regularFile,
                "Não foi possível gravar \"null\": não é um arquivo comum.", false},
        SaveRow{"SocketIsRefused",
                [](const fs::path& f) {
                    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
                    sockaddr_un address{};
                    address.sun_family = AF_UNIX;
                    const std::string name = (f / "sock.pdf").string();
                    std::strncpy(address.sun_path, name.c_str(), sizeof address.sun_path - 1);
                    ::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address);
                    ::close(listener);
                    return f / "sock.pdf";
                },
                WriteTarget::regularFile,
                "Não foi possível gravar \"sock.pdf\": não é um arquivo comum.", false},
        SaveRow{"WritableFileInAReadOnlyFolderNamesTheFolder",
                [](const fs::path& f) {
                    fs::create_directory(f / "obra");
                    const fs::path file = oldFile(f / "obra" / "L1.laje");
                    ::chmod(file.c_str(), 0666);
                    ::chmod((f / "obra").c_str(), 0555);
                    return file;
                },
                WriteTarget::anything,
                "Não foi possível gravar \"L1.laje\": a pasta \"obra\" não aceita arquivos novos.",
                true}),
    testing_rows::RowName{});

TEST_F(FileWriterTest, NamedPipeIsWrittenInPlaceAndItsReaderGetsTheBytes) {
    const fs::path pipe = folder_ / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = readAll(pipe); });
    const auto error = writeFile(pipe, newBytes);
    reader.join();
    EXPECT_EQ(error, std::nullopt);
    EXPECT_EQ(received, newBytes);
    EXPECT_TRUE(S_ISFIFO(modeOf(pipe)));
}

TEST_F(FileWriterTest, SocketIsWrittenInPlaceAndItsListenerGetsTheBytes) {
    const fs::path path = folder_ / "sock";
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(listener, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(listener, 1), 0);
    std::string received;
    std::thread reader([&] {
        const int connection = ::accept(listener, nullptr, nullptr);
        char buffer[256];
        for (ssize_t got; (got = ::read(connection, buffer, sizeof buffer)) > 0;)
            received.append(buffer, static_cast<std::size_t>(got));
        ::close(connection);
    });
    const auto error = writeFile(path, newBytes);
    reader.join();
    ::close(listener);
    EXPECT_EQ(error, std::nullopt);
    EXPECT_EQ(received, newBytes);
}

TEST_F(FileWriterTest, AbandonedWriterLeavesTheOldFileAndNoTemporary) {
    std::ofstream(folder_ / "a.cfg", std::ios::binary) << oldBytes;
    {
        auto opened = FileWriter::open(folder_ / "a.cfg");
        ASSERT_TRUE(std::holds_alternative<FileWriter>(opened));
        ASSERT_EQ(std::get<FileWriter>(opened).append(newBytes), std::nullopt);
        EXPECT_EQ(leftovers({"a.cfg"}).size(), 1u); // the temporary, while it is written
    }
    EXPECT_EQ(readAll(folder_ / "a.cfg"), oldBytes);
    EXPECT_TRUE(leftovers({"a.cfg"}).empty());
}

// A process ended by a signal in the middle of a write removes its temporary file.
class SignalTest : public FileWriterTest, public testing::WithParamInterface<int> {};

TEST_P(SignalTest, RemovesTheTemporaryFile) {
    std::ofstream(folder_ / "a.cfg", std::ios::binary) << oldBytes;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        auto opened = FileWriter::open(folder_ / "a.cfg");
        if (!std::holds_alternative<FileWriter>(opened))
            ::_exit(3);
        if (std::get<FileWriter>(opened).append(newBytes))
            ::_exit(4);
        const rlimit noCore{0, 0}; // SIGQUIT would leave a core file
        ::setrlimit(RLIMIT_CORE, &noCore);
        ::raise(GetParam());
        ::_exit(5); // not reached: the signal ends the process
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "exit status " << WEXITSTATUS(status);
    EXPECT_EQ(WTERMSIG(status), GetParam());
    EXPECT_EQ(readAll(folder_ / "a.cfg"), oldBytes);
    EXPECT_TRUE(leftovers({"a.cfg"}).empty());
}

// Every signal whose default action ends the process and that a user or the system sends
// to a running program: Ctrl+C, kill, a closed terminal, Ctrl+\\, a stray kill -USR1, an alarm.
INSTANTIATE_TEST_SUITE_P(Signals, SignalTest,
                         testing::Values(SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGALRM),
                         [](const testing::TestParamInfo<int>& row) {
                             return std::string(sigabbrev_np(row.param));
                         });

// Every message of the writer and the readers: Portuguese, naming the file, with the
// system's reason (in the user's language) after an error number, and a long value cut.
struct MessageRow {
    const char* name;
    std::function<std::string()> build;
    std::string expected;
};

void PrintTo(const MessageRow& row, std::ostream* os) {
    *os << row.name;
}

class FileMessageTest : public testing::TestWithParam<MessageRow> {};

TEST_P(FileMessageTest, IsPortugueseAndNamesTheFile) {
    // The messages' language and, for their accented letters, a UTF-8 character set.
    const std::string savedMessages = std::setlocale(LC_MESSAGES, nullptr);
    const std::string savedCharacters = std::setlocale(LC_CTYPE, nullptr);
    if (!std::setlocale(LC_MESSAGES, "pt_BR.UTF-8") || !std::setlocale(LC_CTYPE, "pt_BR.UTF-8"))
        GTEST_SKIP() << "the pt_BR.UTF-8 locale is not installed";
    const std::string text = GetParam().build();
    std::setlocale(LC_MESSAGES, savedMessages.c_str());
    std::setlocale(LC_CTYPE, savedCharacters.c_str());
    EXPECT_EQ(text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FileMessageTest,
    testing::Values(
        MessageRow{"AccessDenied", [] { return writeFailureMessage("/tmp/x/ro.csv", EACCES); },
                   "Não foi possível gravar \"ro.csv\": acesso negado."},
        MessageRow{"DiskFull", [] { return writeFailureMessage("Quenvor.cfg", ENOSPC); },
                   "Não foi possível gravar \"Quenvor.cfg\": disco cheio."},
        MessageRow{"LinkLoopHasTheSystemsReason",
                   [] { return readFailureMessage("a.laje", ELOOP); },
                   "Não foi possível ler \"a.laje\": erro de E/S 40 (Muitos níveis de links "
                   "simbólicos)."},
        MessageRow{"NumberedErrorHasTheSystemsReason", [] { return errorReason(EISDIR); },
                   "erro de E/S 21 (É um diretório)"},
        MessageRow{"LongNameCutAt40Characters",
                   [] { return writeFailureMessage(std::string(300, 'a') + ".csv", EACCES); },
                   "Não foi possível gravar \"" + std::string(39, 'a') +
                       "\xE2\x80\xA6\": acesso negado."},
        MessageRow{"ShortQuoteKeepsA40CharacterValue",
                   [] { return shortQuote(std::string(40, 'b')); }, std::string(40, 'b')},
        MessageRow{"ShortQuoteReplacesControlCharacters",
                   [] { return shortQuote("a\x1b[2Jb\x07"); }, "a\xEF\xBF\xBD[2Jb\xEF\xBF\xBD"}),
    testing_rows::RowName{});

} // namespace
} // namespace lajes
