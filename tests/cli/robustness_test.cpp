// lajes-cli under bad input and failing outputs, through the real executable: what it
// prints, what it writes and its exit status.

#include <clocale>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <nlohmann/json.hpp>
#include <poll.h>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "../row_name.h"

namespace lajes::cli {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

const std::string goodSlab = R"({"SupportCase":1,"Lx":4,"Ly":4,"h":10,"g":250,"q":200})";

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeAll(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

bool portugueseInstalled() {
    const std::string saved = std::setlocale(LC_MESSAGES, nullptr);
    const bool found = std::setlocale(LC_MESSAGES, "pt_BR.UTF-8") != nullptr;
    std::setlocale(LC_MESSAGES, saved.c_str());
    return found;
}

// A scratch folder holding "good.json", "in.txt" (the standard input of the row) and a
// folder "d"; the command runs there through bash, in Portuguese.
class ExecutableTest : public testing::Test {
protected:
    void SetUp() override {
        if (!portugueseInstalled())
            GTEST_SKIP() << "the pt_BR.UTF-8 locale is not installed";
        std::string test = testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(test.begin(), test.end(), '/', '-');
        folder_ = fs::temp_directory_path() /
                  ("lajes-cli-exe-" + std::to_string(::getpid()) + "-" + test);
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "d");
        writeAll(folder_ / "good.json", goodSlab);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    // Runs `command` with "$CLI" standing for the executable; standard output and error go to
    // out.txt and err.txt unless the command redirects them. Returns the exit status.
    int shell(const std::string& command, const std::string& input = "") const {
        writeAll(folder_ / "in.txt", input);
        const std::string script = "cd '" + folder_.string() + "' && export LANG=pt_BR.UTF-8 " +
                                   "LC_ALL= CLI='" + LAJES_CLI_PATH + "' && { " + command +
                                   " ; } < in.txt > out.txt 2> err.txt";
        writeAll(folder_ / "run.sh", script);
        const int status = std::system(("bash '" + (folder_ / "run.sh").string() + "'").c_str());
        EXPECT_TRUE(WIFEXITED(status));
        return WEXITSTATUS(status);
    }
    std::string out() const { return readAll(folder_ / "out.txt"); }
    std::string err() const { return readAll(folder_ / "err.txt"); }

    fs::path folder_;
};

// Each output line as JSON; a line that is not valid JSON (or not valid UTF-8) fails.
std::vector<json> jsonLines(const std::string& text) {
    std::vector<json> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        EXPECT_TRUE(json::accept(line)) << line.substr(0, 200);
        lines.push_back(json::accept(line) ? json::parse(line) : json());
    }
    return lines;
}

struct BatchRow {
    const char* name;
    std::string input;
    int status;
    // The outcome of each output line; "Invalid" lines must also name their input line.
    std::vector<std::pair<std::string, int>> outcomes; // outcome, line number (0: none)
};

void PrintTo(const BatchRow& row, std::ostream* os) {
    *os << row.name;
}

class BatchTest : public ExecutableTest, public testing::WithParamInterface<BatchRow> {};

TEST_P(BatchTest, AnswersEveryLineAndNamesTheBadOnes) {
    EXPECT_EQ(shell("\"$CLI\" batch", GetParam().input), GetParam().status) << err();
    const std::vector<json> lines = jsonLines(out());
    std::vector<std::string> raw;
    std::istringstream text(out());
    for (std::string line; std::getline(text, line);)
        raw.push_back(line);
    ASSERT_EQ(lines.size(), GetParam().outcomes.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto& [outcome, line] = GetParam().outcomes[i];
        EXPECT_EQ(lines[i]["outcome"], outcome) << "output line " << i + 1;
        if (outcome == "Invalid") {
            EXPECT_EQ(lines[i]["line"], line);
            // outcome, line, error, in that order
            EXPECT_TRUE(raw[i].starts_with(
                "{\"outcome\":\"Invalid\",\"line\":" + std::to_string(line) + ",\"error\":\""))
                << raw[i];
            const std::string error = lines[i]["error"];
            // The quoted input: at most 80 characters between the quotes after "perto de".
            if (const auto near = error.find("perto de: \""); near != std::string::npos) {
                const std::string quoted = error.substr(near + 11, error.size() - near - 12);
                std::size_t characters = 0;
                for (unsigned char c : quoted)
                    characters += (c & 0xC0) != 0x80;
                EXPECT_LE(characters, 80u) << error;
            }
        }
    }
    EXPECT_EQ(err(), "");
}

std::string lines(std::size_t count, const std::string& line) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += line + "\n";
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BatchTest,
    testing::Values(
        BatchRow{"EveryLineGood", lines(2, goodSlab), 0, {{"Ready", 0}, {"Ready", 0}}},
        BatchRow{"HalfACharacterInTheMiddle",
                 goodSlab + "\n{\"SupportCase\":1,\"Lx\":4\xC3\xA9}\n" + goodSlab + "\n",
                 1,
                 {{"Ready", 0}, {"Invalid", 2}, {"Ready", 0}}},
        BatchRow{"RawFFByte",
                 goodSlab + "\n\xFF\n" + goodSlab + "\n",
                 1,
                 {{"Ready", 0}, {"Invalid", 2}, {"Ready", 0}}},
        BatchRow{"LongBadLineQuotesAtMost80Characters",
                 "{\"SupportCase\":1,\"Lx\":4,\"Ly\":\"" + std::string(500, 'x') + "\xE9\"}\n",
                 1,
                 {{"Invalid", 1}}},
        // A value nested 100,000 deep costs its own line only.
        BatchRow{"NestedDeeperThan64",
                 goodSlab + "\n{\"nbr6118\":{\"use\":" + std::string(100000, '[') +
                     std::string(100000, ']') + "}}\n" + goodSlab + "\n",
                 1,
                 {{"Ready", 0}, {"Invalid", 2}, {"Ready", 0}}},
        BatchRow{"DuplicateKeyAndTrailingContent",
                 R"({"SupportCase":1,"Lx":4,"Lx":5})"
                 "\n" +
                     goodSlab + " junk\n",
                 1,
                 {{"Invalid", 1}, {"Invalid", 2}}}),
    testing_rows::RowName{});

// Past the first block of 16,384 lines every line still comes out, whole. The lines before
// the bad one are cheap Invalid ones, so that the test does not design 20,000 slabs.
TEST_F(ExecutableTest, BadLineAfterTwentyThousandLinesLosesNothing) {
    const std::string cheap = R"({"SupportCase":7})";
    EXPECT_EQ(shell("\"$CLI\" batch", lines(20000, cheap) + "{\"Lx\":4\xC3}\n" + goodSlab), 1);
    const std::vector<json> answers = jsonLines(out());
    ASSERT_EQ(answers.size(), 20002u);
    EXPECT_EQ(answers[19999]["line"], 20000);
    EXPECT_EQ(answers[20000]["outcome"], "Invalid");
    EXPECT_EQ(answers[20000]["line"], 20001);
    EXPECT_EQ(answers[20001]["outcome"], "Ready");
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool sanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool sanitized = true;
#else
constexpr bool sanitized = false;
#endif
#else
constexpr bool sanitized = false;
#endif

// `batch` holds a few lines at a time, whatever their size: 25 lines of 8 MB (200 MB) pass
// through in far less memory than they take together.
TEST_F(ExecutableTest, BatchOfHugeLinesHoldsAFewAtATime) {
    if (sanitized)
        GTEST_SKIP() << "a sanitizer's own bookkeeping decides the peak memory";
    // 8 MiB of blanks between two keys: a slab name is at most 32,767 characters.
    const std::string hugeSlab = R"({"SupportCase":1,"Lx":4,"Ly":4,"h":10,"g":250,"q":200,)" +
                                 std::string(8 << 20, ' ') + R"("name":"x"})" + "\n";
    {
        std::ofstream in(folder_ / "huge.jsonl", std::ios::binary);
        for (int i = 0; i < 25; ++i)
            in << hugeSlab;
    }
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const int in = ::open((folder_ / "huge.jsonl").c_str(), O_RDONLY);
        const int out = ::open("/dev/null", O_WRONLY);
        if (in < 0 || out < 0 || ::dup2(in, 0) < 0 || ::dup2(out, 1) < 0)
            ::_exit(127);
        ::execl(LAJES_CLI_PATH, LAJES_CLI_PATH, "batch", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    ASSERT_EQ(::wait4(child, &status, 0, &usage), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_LT(usage.ru_maxrss, 100 * 1024) << "peak memory in KiB";
}

// An answer comes out as soon as its line is in and nothing else is waiting, while the
// input stays open (a program feeding the batch one slab at a time).
TEST_F(ExecutableTest, BatchAnswersALineBeforeTheInputEnds) {
    int toChild[2];
    int fromChild[2];
    ASSERT_EQ(::pipe(toChild), 0);
    ASSERT_EQ(::pipe(fromChild), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::dup2(toChild[0], 0) < 0 || ::dup2(fromChild[1], 1) < 0)
            ::_exit(127);
        for (int fd : {toChild[0], toChild[1], fromChild[0], fromChild[1]})
            ::close(fd);
        ::execl(LAJES_CLI_PATH, LAJES_CLI_PATH, "batch", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(toChild[0]);
    ::close(fromChild[1]);
    const std::string line = goodSlab + "\n";
    EXPECT_EQ(::write(toChild[1], line.data(), line.size()), static_cast<ssize_t>(line.size()));
    pollfd answer{fromChild[0], POLLIN, 0};
    const int ready = ::poll(&answer, 1, 20000);
    std::string received(4096, '\0');
    const ssize_t got = ready > 0 ? ::read(fromChild[0], received.data(), received.size()) : 0;
    received.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    ::close(toChild[1]); // the end of the input ends the batch
    ::close(fromChild[0]);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_EQ(ready, 1) << "no answer within 20 s while the input was open";
    EXPECT_NE(received.find("\"outcome\":\"Ready\""), std::string::npos) << received;
}

struct FailureRow {
    const char* name;
    std::string command; // "$CLI" is the executable
    std::string input;
    int status;
    std::string errorMentions;
    std::function<void(const fs::path& folder)> check = {};
};

void PrintTo(const FailureRow& row, std::ostream* os) {
    *os << row.name;
}

class FailureTest : public ExecutableTest, public testing::WithParamInterface<FailureRow> {};

TEST_P(FailureTest, ExitsWithItsStatusAndSaysWhy) {
    const FailureRow& row = GetParam();
    EXPECT_EQ(shell(row.command, row.input), row.status) << err();
    if (row.errorMentions.empty())
        EXPECT_EQ(err(), "");
    else
        EXPECT_NE(err().find(row.errorMentions), std::string::npos) << err();
    if (row.check)
        row.check(folder_);
    for (const auto& entry : fs::directory_iterator(folder_))
        EXPECT_FALSE(entry.path().filename().string().starts_with(".lajes-"))
            << "temporary file left: " << entry.path();
}

mode_t modeOf(const fs::path& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info.st_mode;
}

const std::string dxf = "\"$CLI\" dxf --input good.json --name L1 --output ";
#ifdef LAJES_WITH_REPORT
const std::string report = "\"$CLI\" report --input good.json --output ";
#endif

std::vector<FailureRow> failureRows() {
    std::vector<FailureRow> rows{

        // Input
        FailureRow{"DirectoryAsInput", "\"$CLI\" design --input d", "", 2,
                   "lajes-cli: não foi possível ler \"d\": É um diretório"},
        FailureRow{"DirectoryAsDxfInput", "\"$CLI\" dxf --input d --name L1 --output a.dxf", "", 2,
                   "lajes-cli: não foi possível ler \"d\": É um diretório"},
        FailureRow{"DirectoryAsBatchStandardInput", "\"$CLI\" batch < d", "", 2,
                   "lajes-cli: não foi possível ler a entrada padrão: É um diretório"},
        // Usage errors in Portuguese.
        FailureRow{"UnexpectedArgument", "\"$CLI\" design foo", "", 2,
                   "lajes-cli: argumento inesperado: foo\n"},
        FailureRow{"NoCommand", "\"$CLI\"", "", 2,
                   "lajes-cli: falta o comando (design, batch, dxf ou report)\n"},
        FailureRow{"MissingOutput", "\"$CLI\" dxf --input good.json", "", 2,
                   "lajes-cli: falta a opção --output\n"},
        FailureRow{"MissingValue", "\"$CLI\" design --input", "", 2,
                   "lajes-cli: falta o valor de --input (ARQUIVO)\n"},
        FailureRow{"DecimalNotOffered", "\"$CLI\" design --decimal ';'", "", 2,
                   "lajes-cli: --decimal: \";\" não é um de {.,,}\n"},
        FailureRow{"NameTwice", "\"$CLI\" dxf --input good.json --output a.dxf --name a --name b",
                   "", 2, "lajes-cli: --name: no máximo 1 valor(es), foram dados 2\n"},
        FailureRow{"ContentAfterANulByte", "\"$CLI\" design",
                   goodSlab + std::string(1, '\0') + "junk", 2, "conteúdo após o objeto JSON"},
        FailureRow{"RepeatedKey", "\"$CLI\" design",
                   R"({"SupportCase":1,"Lx":4,"Lx":5,"Ly":5,"h":10,"g":250,"q":200})", 2,
                   "chave repetida: Lx"},
        FailureRow{"NestedDeeperThan64", "\"$CLI\" design",
                   "{\"SupportCase\":1,\"nbr6118\":{\"use\":" + std::string(100000, '[') +
                       std::string(100000, ']') + "}}",
                   2, "mais de 64 níveis de objetos e listas"},
        // A refused value is quoted short, and a key's ESC and BEL never reach the terminal.
        FailureRow{"LongValueQuotedShort", "\"$CLI\" design",
                   "{\"SupportCase\":1,\"nbr6118\":{\"use\":\"" + std::string(400000, 'x') + "\"}}",
                   2, "valor desconhecido \"" + std::string(38, 'x') + "\u2026 em \"use\""},
        FailureRow{"ControlCharactersOfAKeyReplaced", "\"$CLI\" design",
                   "{\"SupportCase\":1,\"a\\u001b[2Jb\\u0007\":1}", 2,
                   "chave desconhecida \"a\uFFFD[2Jb\uFFFD\""},
        // Every number in its physical range, so that no result is infinite.
        FailureRow{"AdjacentSpanOf1e308", "\"$CLI\" design",
                   R"({"SupportCase":2,"Lx":4,"Ly":4,"h":10,"g":250,"q":200,"AdjacentSpan":1e308})",
                   2, "Valor de AdjacentSpan deve estar entre 0 e 100 m!"},
        FailureRow{"PhiInfinityOf1e308", "\"$CLI\" design",
                   R"({"SupportCase":1,"Lx":4,"Ly":4,"h":10,"g":250,"q":200,)"
                   R"("settings":{"phiInfinity":1e308}})",
                   2, "\"phiInfinity\" deve ser maior que zero e no máximo 10"},
        FailureRow{"LayerColour256", "\"$CLI\" design",
                   R"({"SupportCase":1,"Lx":4,"Ly":4,"h":10,"g":250,"q":200,)"
                   R"("settings":{"textLayerColour":256}})",
                   2, "\"textLayerColour\" deve ser um número de cor de 1 a 255"},
        FailureRow{"RibWidthOf1e9", "\"$CLI\" dxf --input in.txt --name L1 --output r.dxf",
                   R"({"SupportCase":1,"Ribbed":true,"Lx":5,"Ly":6,"h":25,"g":100,"q":300,)"
                   R"("a":40,"bw":1e9,"hb":20,"bf":5})",
                   2, "Valor de bw deve estar entre 0 e 100 cm!",
                   [](const fs::path& f) { EXPECT_FALSE(fs::exists(f / "r.dxf")); }},
        // No rib in a 1.5 m span with a = 40 and bw = 100 cm: refused, no drawing.
        FailureRow{"NoRibInTheSpan", "\"$CLI\" dxf --input in.txt --name L1 --output r.dxf",
                   R"({"SupportCase":1,"Ribbed":true,"Lx":1.5,"Ly":2,"h":25,"g":100,"q":300,)"
                   R"("a":40,"bw":100,"hb":20,"bf":5})",
                   1, "",
                   [](const fs::path& f) {
                       EXPECT_NE(readAll(f / "out.txt").find("Nenhuma nervura cabe no vão"),
                                 std::string::npos);
                       EXPECT_FALSE(fs::exists(f / "r.dxf"));
                   }},
        FailureRow{"ControlCharactersOfAChoiceReplaced", "\"$CLI\" design",
                   R"({"SupportCase":1,"Lx":4,"Ly":4,"h":10,"g":250,"q":200,)"
                   R"("choices":[{"direction":"xp","diameter":"8\u001b]0;x\u0007"}]})",
                   2, "não oferece \"8\uFFFD]0;x\uFFFD\""},
        FailureRow{
            "ZeroCoverInTheInputSettings", "\"$CLI\" design",
            R"({"SupportCase":1,"Lx":4,"Ly":4,"h":10,"g":250,"q":200,"settings":{"cover":0}})", 2,
            "\"cover\" deve ser maior que zero"},
        FailureRow{
            "NegativeCoverInQuenvorCfgKeepsTheDefault",
            "printf '4\\r\\n1\\r\\n2\\r\\n2\\r\\n1:50\\r\\n0.15\\r\\n-5\\r\\n2\\r\\nEOF\\r\\n' "
            "> Quenvor.cfg && \"$CLI\" design --input good.json",
            "", 0, "Invalid numeric input\nQuenvor.cfg, linha 7: -5",
            [](const fs::path& f) {
                EXPECT_EQ(json::parse(readAll(f / "out.txt"))["slab"]["d"], 8.5);
            }},
        FailureRow{"QuenvorCfgAsANamedPipeDoesNotHang",
                   "mkfifo Quenvor.cfg && timeout 20 \"$CLI\" design --input good.json", "", 0,
                   "Não foi possível ler \"Quenvor.cfg\": não é um arquivo comum."},
        FailureRow{"QuenvorCfgLinkedToDevZero",
                   "ln -s /dev/zero Quenvor.cfg && timeout 20 \"$CLI\" design --input good.json",
                   "", 0, "Não foi possível ler \"Quenvor.cfg\": não é um arquivo comum."},
        // Standard output
        FailureRow{"FullStandardOutput", "\"$CLI\" design --input good.json > /dev/full", "", 2,
                   "lajes-cli: falha ao escrever a saída: Não há espaço disponível no dispositivo"},
        FailureRow{"ClosedStandardOutput", "\"$CLI\" design --input good.json >&-", "", 2,
                   "lajes-cli: falha ao escrever a saída"},
        FailureRow{"ClosedStandardOutputOfDxf", dxf + "a.dxf >&-", "", 2,
                   "lajes-cli: falha ao escrever a saída"},
        FailureRow{"FullStandardOutputOfBatch", "\"$CLI\" batch > /dev/full", goodSlab + "\n", 2,
                   "lajes-cli: falha ao escrever a saída"},
        // Output files
        FailureRow{"DxfToDevNullKeepsTheDevice", dxf + "/dev/null", "", 0, "",
                   [](const fs::path&) { EXPECT_TRUE(S_ISCHR(modeOf("/dev/null"))); }},
        FailureRow{"DxfToANamedPipeReachesItsReader",
                   "mkfifo p && { cat p > got.dxf & " + dxf + "p; wait; }", "", 0, "",
                   [](const fs::path& f) {
                       EXPECT_TRUE(S_ISFIFO(modeOf(f / "p")));
                       EXPECT_TRUE(readAll(f / "got.dxf").ends_with("EOF\r\n"));
                   }},
        // The drawing over the slab it is made from: refused, the slab kept, nothing printed.
        FailureRow{
            "DxfOutputIsTheInput",
            "cp good.json in.laje && \"$CLI\" dxf --input in.laje --name L1 --output in.laje", "",
            2, "é o próprio arquivo de --input",
            [](const fs::path& f) {
                EXPECT_EQ(readAll(f / "in.laje"), goodSlab);
                EXPECT_EQ(readAll(f / "out.txt"), "");
            }},
        FailureRow{"DxfOutputIsALinkToTheInput",
                   "ln -s good.json link.dxf && \"$CLI\" dxf --input good.json --name L1 --output "
                   "link.dxf",
                   "", 2, "é o próprio arquivo de --input",
                   [](const fs::path& f) { EXPECT_EQ(readAll(f / "good.json"), goodSlab); }},
        FailureRow{"DxfIntoADirectory", dxf + "d", "", 2,
                   "Não foi possível gravar \"d\": erro de E/S 21 (É um diretório)."},
        FailureRow{
            "DxfWithA255ByteName", dxf + std::string(255, 'n'), "", 0, "",
            [](const fs::path& f) { EXPECT_TRUE(fs::is_regular_file(f / std::string(255, 'n'))); }},
        FailureRow{"DxfBeyondTheFileSizeLimit", "(ulimit -f 1; " + dxf + "big.dxf > /dev/null)", "",
                   2, "Não foi possível gravar \"big.dxf\": erro de E/S 27 (Arquivo muito grande).",
                   [](const fs::path& f) { EXPECT_FALSE(fs::exists(f / "big.dxf")); }}};
#ifdef LAJES_WITH_REPORT
    for (FailureRow& row : std::vector<FailureRow>{
             FailureRow{"ReportRefusesAWriteProtectedFile",
                        "echo old > ro.pdf && chmod 444 ro.pdf && " + report + "ro.pdf", "", 2,
                        "Não foi possível gravar \"ro.pdf\": acesso negado.",
                        [](const fs::path& f) { EXPECT_EQ(readAll(f / "ro.pdf"), "old\n"); }},
             FailureRow{"ReportOutputIsAHardLinkToTheInput",
                        "ln good.json hard.pdf && \"$CLI\" report --input good.json --output "
                        "hard.pdf",
                        "", 2, "é o próprio arquivo de --input",
                        [](const fs::path& f) { EXPECT_EQ(readAll(f / "good.json"), goodSlab); }},
             FailureRow{"ReportFollowsASymbolicLink",
                        "echo old > real.pdf && ln -s real.pdf link.pdf && " + report + "link.pdf",
                        "", 0, "",
                        [](const fs::path& f) {
                            EXPECT_TRUE(fs::is_symlink(f / "link.pdf"));
                            EXPECT_TRUE(readAll(f / "real.pdf").starts_with("%PDF-"));
                        }},
             FailureRow{
                 "ReportWithoutADisplayStaysOffscreenAndQuiet",
                 "QT_QPA_PLATFORM=xcb DISPLAY= XDG_RUNTIME_DIR= " + report + "r.pdf", "", 0, "",
                 [](const fs::path& f) { EXPECT_TRUE(readAll(f / "r.pdf").starts_with("%PDF-")); }},
             FailureRow{"ReportWithAWrongPlatform", "QT_QPA_PLATFORM=nonsense " + report + "r.pdf",
                        "", 0, ""},
             FailureRow{"ReportToAFullStandardOutput", report + "r.pdf > /dev/full", "", 2,
                        "lajes-cli: falha ao escrever a saída"}})
        rows.push_back(std::move(row));
#endif
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Rows, FailureTest, testing::ValuesIn(failureRows()),
                         testing_rows::RowName{});

// Infinite values are texts, never null, which a reader could not tell from an absent value.
// A thickness of 1e300 cm once gave an infinite Mk máx; it is now refused by its range and
// no number of the answer is infinite.
TEST_F(ExecutableTest, HugeThicknessIsRefusedWithoutNonFiniteNumbers) {
    EXPECT_EQ(
        shell("\"$CLI\" design", R"({"SupportCase":1,"Lx":4,"Ly":4,"h":1e300,"g":250,"q":200})"),
        1);
    EXPECT_NE(out().find("Valor de h deve estar entre 0 e 200 cm!"), std::string::npos) << out();
    EXPECT_EQ(out().find("Infinity"), std::string::npos) << out();
    EXPECT_EQ(out().find("NaN"), std::string::npos) << out();
}

TEST_F(ExecutableTest, HelpNamesTheExitStatusesAndTheNonFiniteTexts) {
    EXPECT_EQ(shell("\"$CLI\" --help"), 0);
    EXPECT_NE(out().find("1 alguma linha é inválida"), std::string::npos) << out();
    EXPECT_NE(out().find("\"Infinity\", \"-Infinity\" e \"NaN\""), std::string::npos);
}

} // namespace
} // namespace lajes::cli
