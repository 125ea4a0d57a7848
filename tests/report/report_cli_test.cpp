// lajes-cli report, run as its own process without a display.
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "cli_run.h"

#ifdef LAJES_CLI_PATH

namespace lajes::report {
namespace {

using testing::endToEndJson;

// Lx larger than Ly in case 1: the calculate action refuses it.
constexpr const char* refusedJson = R"({"SupportCase":1,"Lx":5,"Ly":4,"h":10,"g":250,"q":200})";

struct CliCase {
    const char* name;
    const char* input;     // written to slab.json; nullptr: no file
    QStringList arguments; // after "report"
    int status;            // 0 ready, 1 refused, 2 usage or file error
    bool writesPdf;
};

std::ostream& operator<<(std::ostream& out, const CliCase& row) {
    return out << row.name;
}

class ReportCommand : public ::testing::TestWithParam<CliCase> {};

TEST_P(ReportCommand, ExitsWithItsStatus) {
    const CliCase& row = GetParam();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    if (row.input) {
        ASSERT_TRUE(testing::writeText(folder.filePath(QStringLiteral("slab.json")), row.input));
    }
    // No platform and no display: the command chooses the offscreen platform itself.
    const testing::CliResult run =
        testing::runCli(folder.path(), QStringList{QStringLiteral("report")} + row.arguments);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.status, row.status) << run.errors.toStdString();
    const QString pdf = folder.filePath(QStringLiteral("relatorio.pdf"));
    EXPECT_EQ(QFile::exists(pdf), row.writesPdf);
    if (row.writesPdf) {
        QFile file(pdf);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.read(5) == "%PDF-");
    }
}

const QStringList ready{QStringLiteral("--input"), QStringLiteral("slab.json"),
                        QStringLiteral("--output"), QStringLiteral("relatorio.pdf")};

INSTANTIATE_TEST_SUITE_P(
    Report, ReportCommand,
    ::testing::Values(
        CliCase{"Ready", endToEndJson, ready, 0, true},
        CliCase{"ReadyWithComma", endToEndJson, ready + QStringList{"--decimal", ","}, 0, true},
        CliCase{"Refused", refusedJson, ready, 1, false},
        CliCase{"WithoutOutput", endToEndJson, {"--input", "slab.json"}, 2, false},
        CliCase{"UnknownSeparator", endToEndJson, ready + QStringList{"--decimal", ";"}, 2, false},
        CliCase{"MissingInputFile", nullptr, ready, 2, false},
        CliCase{"MalformedInput", "{", ready, 2, false},
        CliCase{"FolderDoesNotExist",
                endToEndJson,
                {"--input", "slab.json", "--output", "nowhere/relatorio.pdf"},
                2,
                false}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace lajes::report

#endif
