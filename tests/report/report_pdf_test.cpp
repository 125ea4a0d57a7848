#include "report/report_pdf.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

#include "cli_run.h"
#include "pdf_reading.h"
#include "report/report_page.h"
#include "report_slabs.h"

namespace lajes::report {
namespace {

using testing::PdfWords;
using testing::PrintedSlab;

// The end-to-end slab written as a PDF once for every test of this file.
class EndToEndPdf : public ::testing::Test {
protected:
    // Through lajes-cli report when the program is built with it, as a user would make it.
    static void SetUpTestSuite() {
        directory = new QTemporaryDir;
        path = directory->filePath(QStringLiteral("relatorio.pdf"));
#ifdef LAJES_CLI_PATH
        const QString input = directory->filePath(QStringLiteral("slab.json"));
        testing::writeText(input, testing::endToEndJson);
        const testing::CliResult run =
            testing::runCli(directory->path(), {QStringLiteral("report"), QStringLiteral("--input"),
                                                input, QStringLiteral("--output"), path,
                                                QStringLiteral("--decimal"), QStringLiteral(",")});
        if (!run.finished || run.status != 0)
            error =
                "lajes-cli report: " + std::to_string(run.status) + " " + run.errors.toStdString();
#else
        PrintedSlab s;
        testing::endToEndSlab(s);
        const ReportPage page = fillReportPage(s.screen, s.slab, s.results, s.settings, ',');
        error = writeReportPdf(page, path.toStdString());
#endif
        if (!error && testing::pdftotextAvailable())
            words = testing::readPdfWords(path, readError);
    }
    static void TearDownTestSuite() {
        delete directory;
        directory = nullptr;
    }
    void SetUp() override {
        ASSERT_FALSE(error) << *error;
        if (!testing::pdftotextAvailable())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        ASSERT_TRUE(words) << readError.toStdString();
    }

    static inline QTemporaryDir* directory = nullptr;
    static inline QString path;
    static inline std::optional<std::string> error;
    static inline std::optional<PdfWords> words;
    static inline QString readError;
};

TEST_F(EndToEndPdf, IsOneA4Page) {
    EXPECT_EQ(words->pages, 1);
    EXPECT_NEAR(words->pageWidth, 210.0, 0.5);
    EXPECT_NEAR(words->pageHeight, 297.0, 0.5);
}

// Texts are set in points for the device: 10 pt, the 12 pt title and the picture's 42 pt
// number, nothing rounded to a whole millimetre (10 pt would come out 11.3 pt). The PDF
// engine writes sizes in its device units, 10 per point at 720 dpi.
TEST_F(EndToEndPdf, UsesTenAndTwelvePointFonts) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::vector<double> sizes = testing::fontSizes(file.readAll());
    ASSERT_FALSE(sizes.empty());
    const double unitsPerPoint = pdfResolution / 72.0;
    std::set<double> points;
    for (double size : sizes)
        points.insert(size / unitsPerPoint);
    EXPECT_EQ(points, (std::set<double>{10.0, 12.0, 42.0}));
}

struct WordAt {
    const char* text;
    double x, y; // mm, top-left of the word on the sheet
};

std::ostream& operator<<(std::ostream& out, const WordAt& row) {
    return out << row.text << " at " << row.x << ", " << row.y;
}

class EndToEndPdfWords : public EndToEndPdf, public ::testing::WithParamInterface<WordAt> {};

TEST_P(EndToEndPdfWords, StandsWithinOneMillimetreOfItsPlace) {
    const WordAt& expected = GetParam();
    const QString text = QString::fromUtf8(expected.text);
    const testing::PdfWord* word = testing::nearestWord(*words, text, expected.x, expected.y);
    ASSERT_NE(word, nullptr) << expected.text << " is not on the page";
    EXPECT_EQ(word->page, 1);
    EXPECT_NEAR(word->xMin, expected.x, 1.0) << expected.text;
    EXPECT_NEAR(word->yMin, expected.y, 1.0) << expected.text;
}

// Words after the first of a text stand where the font's own widths put them: "Dados de "
// in 10 pt bold Times is 14.6 mm wide, "Flecha " 10.9 mm.
INSTANTIATE_TEST_SUITE_P(
    Report, EndToEndPdfWords,
    ::testing::Values(
        WordAt{"Programa", 66.7, 18.0}, WordAt{"Dados", 18.0, 38.6}, WordAt{"Entrada:", 32.6, 38.6},
        WordAt{"Fck", 18.0, 45.2}, WordAt{"20,00", 28.0, 45.2}, WordAt{"MPa", 42.1, 45.2},
        WordAt{"5000,00", 28.0, 50.3}, WordAt{"kgf/cm²", 42.1, 50.3}, WordAt{"500,00", 48.2, 73.8},
        WordAt{"15,00", 33.3, 91.8}, WordAt{"Resultados", 18.0, 122.8}, WordAt{"Mx", 18.0, 129.4},
        WordAt{"408,33", 28.0, 129.4}, WordAt{"408,33", 73.0, 129.4}, WordAt{"kg.m/m", 43.4, 129.4},
        WordAt{"700,00", 28.0, 139.2}, WordAt{"1,62", 30.7, 147.9}, WordAt{"Calc.", 18.0, 152.1},
        WordAt{"1,67", 30.7, 160.6}, WordAt{"33Ø5.0c12", 30.7, 167.0},
        WordAt{"33Ø5.0c12", 75.7, 167.0}, WordAt{"432,24", 73.0, 177.0},
        WordAt{"Flecha", 48.7, 209.3}, WordAt{"0,26", 77.0, 209.3}, WordAt{"1,33", 130.0, 209.3},
        WordAt{"0,66", 77.0, 224.1}, WordAt{"1,33", 130.0, 224.1}, WordAt{"Final:", 99.8, 218.5}),
    [](const auto& row) { return "Word" + std::to_string(row.index); });

// Texts printed empty leave nothing on the sheet.
TEST_F(EndToEndPdf, LeavesOutTheBlankLines) {
    for (const char* absent : {"Xx", "Xy", "Rxe", "Rye", "Asxn", "Asyn", "Maior", "Nervurada"}) {
        EXPECT_EQ(testing::nearestWord(*words, QString::fromUtf8(absent), 0, 0), nullptr) << absent;
    }
}

} // namespace
} // namespace lajes::report
