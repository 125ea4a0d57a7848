// The floor's memorial made by lajes-cli floor --report, read back with pdftotext and checked
// against the JSON that the same command prints: the worked floor with its NBR 6118:2014
// checks, the slabs' and the stretches', takes four pages.
#include <QAction>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli_run.h"
#include "floor/floor_file.h"
#include "pdf_reading.h"
#include "report/floor_memorial.h"
#include "report/report_preview.h"
#include "text/number_text.h"

#if defined(LAJES_CLI_PATH) && defined(LAJES_EXAMPLES_DIR)

namespace lajes::report {
namespace {

// The preview shows every page and saves the PDF from its tool bar, as the other sheets do.
TEST(FloorMemorialTest, PreviewShowsEveryPageWithSalvarPdf) {
    const auto read = readFloorFile(LAJES_EXAMPLES_DIR "/pavimento-tipo.pavimento", Settings{});
    ASSERT_TRUE(std::holds_alternative<Floor>(read));
    const Floor& floor = std::get<Floor>(read);
    const FloorMemorial memorial = fillFloorMemorial(
        floor, designFloor(floor, floor.settings, {','}), floor.settings, ',', true);
    ASSERT_EQ(memorial.pages.size(), 4u);
    const auto printer = reportPrinter();
    const auto preview = createFloorMemorialPreview(memorial, *printer, nullptr);
    EXPECT_NE(preview->findChild<QAction*>(QStringLiteral("SalvarPdfAction")), nullptr);
    int pages = 0;
    QTimer::singleShot(0, preview.get(), [&] {
        if (auto* widget = preview->findChild<QPrintPreviewWidget*>())
            pages = widget->pageCount();
        preview->reject();
    });
    execPreviewMaximised(*preview);
    EXPECT_EQ(pages, 4);
}

using nlohmann::json;

std::string two(const json& value) {
    return formatFixed(value.get<double>(), 2, ',');
}

// The words of each page's lines, joined by one blank, page by page from the top.
std::vector<std::string> pdfLines(const testing::PdfWords& words) {
    std::map<std::pair<int, long>, std::vector<const testing::PdfWord*>> lines;
    for (const testing::PdfWord& word : words.words)
        lines[{word.page, std::lround(word.yMin)}].push_back(&word);
    std::vector<std::string> texts;
    for (auto& [place, line] : lines) {
        std::sort(line.begin(), line.end(),
                  [](const auto* a, const auto* b) { return a->xMin < b->xMin; });
        std::string text;
        for (const auto* word : line)
            text += (text.empty() ? "" : " ") + word->text.toStdString();
        texts.push_back(text);
    }
    return texts;
}

bool hasLine(const std::vector<std::string>& lines, const std::string& expected) {
    return std::find(lines.begin(), lines.end(), expected) != lines.end();
}

bool hasLineEndingWith(const std::vector<std::string>& lines, const std::string& start,
                       const std::string& end) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.size() >= start.size() + end.size() && line.rfind(start, 0) == 0 &&
               line.compare(line.size() - end.size(), end.size(), end) == 0;
    });
}

TEST(FloorMemorialTest, FourPagesAgreeWithTheFloorResult) {
    if (!testing::pdftotextAvailable())
        GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QProcess process;
    process.setWorkingDirectory(folder.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(LAJES_CLI_PATH),
                  {QStringLiteral("floor"), QStringLiteral("--input"),
                   QStringLiteral(LAJES_EXAMPLES_DIR "/pavimento-tipo.pavimento"),
                   QStringLiteral("--decimal"), QStringLiteral(","), QStringLiteral("--nbr2014"),
                   QStringLiteral("--report"), QStringLiteral("memorial.pdf")});
    ASSERT_TRUE(process.waitForFinished(60000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    const json floor = json::parse(process.readAllStandardOutput().toStdString());

    QString error;
    const auto words =
        testing::readPdfWords(folder.filePath(QStringLiteral("memorial.pdf")), error);
    ASSERT_TRUE(words) << error.toStdString();
    EXPECT_EQ(words->pages, 4);
    const std::vector<std::string> lines = pdfLines(*words);
    for (const char* footer : {"Página 1 de 4", "Página 2 de 4", "Página 3 de 4", "Página 4 de 4"})
        EXPECT_TRUE(hasLine(lines, footer)) << footer;
    EXPECT_TRUE(hasLine(lines, "Pavimento: Pavimento tipo"));

    for (const json& slab : floor["slabs"]) {
        const std::string name = slab["name"];
        std::string edges;
        for (const char* side : {"left", "right", "bottom", "top"})
            edges += std::string(edges.empty() ? "" : " ") +
                     (slab["edges"][side] == "engastado" ? "E" : "A");
        const std::string moments =
            name + " " + std::to_string(slab["case"].get<int>()) +
            (slab["rotated"].get<bool>() ? "*" : "") + " " + edges + " " + two(slab["own"]["Mx"]) +
            " " + two(slab["own"]["My"]) + " " + two(slab["Mx"]) + " " + two(slab["My"]) + " " +
            two(slab["AsxP"]) + " " + two(slab["AsyP"]) + " " +
            slab["bars"]["xp"].get<std::string>() + " " + slab["bars"]["yp"].get<std::string>();
        EXPECT_TRUE(hasLine(lines, moments)) << moments;
        const std::string service =
            name + " " + two(slab["p"]) + " " + two(slab["d"]) + " " +
            two(slab["deflection"]["immediate"]) + " " + two(slab["deflection"]["final"]) + " " +
            two(slab["deflection"]["admissible"]) + " " + two(slab["shear"]["tauD"]) + " " +
            two(slab["shear"]["tauU"]) + " Calculada";
        EXPECT_TRUE(hasLine(lines, service)) << service;
        EXPECT_TRUE(std::any_of(
            lines.begin(), lines.end(),
            [&](const std::string& line) { return line.rfind("Laje " + name + ": ", 0) == 0; }))
            << "verification of " << name;
    }
    for (const json& edge : floor["edges"]) {
        std::string names, own;
        for (const json& slab : edge["slabs"]) {
            names += (names.empty() ? "" : " | ") + slab.get<std::string>();
            own += (own.empty() ? "" : " | ") + two(edge["X"][slab.get<std::string>()]);
        }
        const std::string end = own + " " + two(edge["Xc"]) + " " + two(edge["d"]) + " " +
                                two(edge["As"]) + " " + edge["bars"].get<std::string>();
        EXPECT_TRUE(hasLineEndingWith(lines, names + " V", end)) << names << " ... " << end;

        // The top steel's checks, as the command prints them for the stretch.
        int failures = 0;
        for (const json& check : edge["nbr6118_2014"]) {
            const std::string unit = check["unit"];
            const auto value = [&](const json& number) {
                return formatFixed(number.get<double>(), unit.empty() ? 3 : 2, ',') +
                       (unit.empty() ? "" : " " + unit);
            };
            const std::string row = (check["limit"] == "min" ? "≥ " : "≤ ") +
                                    value(check["required"]) + " " + value(check["provided"]) +
                                    (check["ok"].get<bool>() ? " Atende" : " Não atende");
            EXPECT_TRUE(hasLineEndingWith(lines, "", row)) << names << ": " << row;
            failures += check["ok"].get<bool>() ? 0 : 1;
        }
        ASSERT_FALSE(edge["nbr6118_2014"].empty()) << names;
        const std::string summary = failures == 0 ? "Atende a todas as verificações"
                                    : failures == 1
                                        ? "1 verificação não atendida"
                                        : std::to_string(failures) + " verificações não atendidas";
        EXPECT_TRUE(hasLineEndingWith(lines, "Trecho " + names + " (V", "): " + summary)) << names;
    }
    for (const json& beam : floor["beams"]) {
        const bool alongX = beam["from"][1] == beam["to"][1];
        for (const json& piece : beam["segments"]) {
            std::string slabs;
            for (const json& slab : piece["slabs"])
                slabs += (slabs.empty() ? "" : ", ") + slab.get<std::string>();
            const std::string row =
                beam["name"].get<std::string>() + " " + two(piece["from"][alongX ? 0 : 1]) + " " +
                two(piece["to"][alongX ? 0 : 1]) + " " + slabs + " " + two(piece["load"]) + " " +
                formatFixed(piece["load"].get<double>() * 0.01, 2, ',');
            EXPECT_TRUE(hasLine(lines, row)) << row;
        }
    }
}

} // namespace
} // namespace lajes::report

#endif
