#include "report/schedule_sheet.h"

#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <ostream>

#include <gtest/gtest.h>

#include "analysis/calculate.h"
#include "design/results_driver.h"
#include "pdf_reading.h"

namespace lajes::report {
namespace {

// The case-6 slab of the steel table (4 m x 5 m, h 12, g 100, q 300, adjacent span 4.5 m),
// named L1, printed with the decimal comma and read back from the PDF: every text at its
// place on the sheet (mm from the top-left corner; numbers end at their column's right side).
TEST(ScheduleSheetTest, Case6SlabReadsBackFromItsOnePagePdf) {
    SlabDesignData slab;
    slab.SupportCase = 6;
    SlabResults results;
    PreDimensioning preDimensioning;
    const Settings settings;
    ResultsScreen screen;
    ASSERT_EQ(calculateSlab({4.0, 5.0, 12.0, 100.0, 300.0}, slab, results, preDimensioning,
                            settings, [] { return std::optional<double>(4.5); })
                  .outcome,
              CalculationOutcome::Ready);
    ASSERT_FALSE(computeResults(slab, results, settings, screen, ',').closeScreen);
    const auto schedule = steelSchedule(slab, results, settings);
    ASSERT_TRUE(schedule);
    const ScheduleSheet sheet = fillScheduleSheet(*schedule, slab, "L1", ',');

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("tabela.pdf"));
    ASSERT_FALSE(writeScheduleSheetPdf(sheet, path.toStdString()));
    if (!testing::pdftotextAvailable())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QString error;
    const auto words = testing::readPdfWords(path, error);
    ASSERT_TRUE(words) << error.toStdString();
    EXPECT_EQ(words->pages, 1);
    EXPECT_NEAR(words->pageWidth, 210.0, 0.5);
    EXPECT_NEAR(words->pageHeight, 297.0, 0.5);

    // (word, left or right end, top): the heading lines from y = 30 in 5.5 mm steps; the
    // positions table from y = 56.5 in 6.5 mm rows; the totals 8 mm below the summary.
    struct Placed {
        const char* word;
        bool rightEnd;
        double x, y;
    };
    const double row = 6.5;
    const double table = 30.0 + 4 * 5.5 + 4.0; // top of the positions table
    const double summary = table + 5 * row + 8.0 + 5.5 + 1.0;
    const double totals = summary + 3 * row + 8.0;
    const Placed expected[] = {
        {"Tabela", false, 22.0, 20.0},
        {"L1", false, 30.0, 30.0},
        {"Caso", false, 22.0, 46.5},
        {"Posição", false, 24.0, table + 1.4},
        {"N4", false, 24.0, table + 4 * row + 1.4},
        {"72", true, 82.0, table + 3 * row + 1.4},
        {"35,28", true, 186.0, table + 3 * row + 1.4},
        {"224,00", true, 78.0, summary + 2 * row + 1.4},
        {"111,94", true, 102.0, totals},
        {"123,14", true, 102.0, totals + 5.5},
        {"46,64", true, 102.0, totals + 5 * 5.5},
    };
    for (const Placed& p : expected) {
        SCOPED_TRACE(p.word);
        const testing::PdfWord* word =
            testing::nearestWord(*words, QString::fromUtf8(p.word), p.x, p.y);
        ASSERT_NE(word, nullptr);
        EXPECT_NEAR(p.rightEnd ? word->xMax : word->xMin, p.x, 1.0);
        EXPECT_NEAR(word->yMin, p.y, 1.0);
    }
    // A slab without a name has no name line.
    EXPECT_FALSE(fillScheduleSheet(*schedule, slab, "", ',').find("Laje: "));
    EXPECT_TRUE(sheet.find("Laje: L1"));
}

// The name line of the printed sheet: a long name ends in "…" at the right margin (200 mm);
// a name that fits is printed whole.
struct NameRow {
    const char* name;
    std::string slabName;
    bool elided;
};

void PrintTo(const NameRow& row, std::ostream* os) {
    *os << row.name;
}

class ScheduleSheetNameTest : public ::testing::TestWithParam<NameRow> {};

TEST_P(ScheduleSheetNameTest, NameStaysInsideTheMargins) {
    SlabDesignData slab;
    slab.SupportCase = 6;
    SlabResults results;
    PreDimensioning preDimensioning;
    const Settings settings;
    ResultsScreen screen;
    ASSERT_EQ(calculateSlab({4.0, 5.0, 12.0, 100.0, 300.0}, slab, results, preDimensioning,
                            settings, [] { return std::optional<double>(4.5); })
                  .outcome,
              CalculationOutcome::Ready);
    ASSERT_FALSE(computeResults(slab, results, settings, screen, ',').closeScreen);
    const auto schedule = steelSchedule(slab, results, settings);
    ASSERT_TRUE(schedule);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("tabela.pdf"));
    ASSERT_FALSE(writeScheduleSheetPdf(fillScheduleSheet(*schedule, slab, GetParam().slabName, ','),
                                       path.toStdString()));
    if (!testing::pdftotextAvailable())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QString error;
    const auto words = testing::readPdfWords(path, error);
    ASSERT_TRUE(words) << error.toStdString();
    QStringList line;
    double right = 0.0;
    for (const testing::PdfWord& word : words->words)
        if (std::abs(word.yMin - 30.0) < 1.0) {
            line << word.text;
            right = std::max(right, word.xMax);
        }
    ASSERT_FALSE(line.isEmpty());
    EXPECT_LE(right, 200.0);
    EXPECT_EQ(line.last().endsWith(QStringLiteral("…")), GetParam().elided);
    if (!GetParam().elided) {
        EXPECT_EQ(line.join(QLatin1Char(' ')).toStdString(), "Laje: " + GetParam().slabName);
    }
}

std::string repeated(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Names, ScheduleSheetNameTest,
    ::testing::Values(NameRow{"Short", "L1", false},
                      NameRow{"ThreeHundredCharactersInWords", repeated("Laje ", 60), true},
                      NameRow{"ThreeHundredCharactersInOneWord", std::string(300, 'L'), true}),
    [](const ::testing::TestParamInfo<NameRow>& row) { return std::string(row.param.name); });

} // namespace
} // namespace lajes::report
