#include "cli/report_command.h"

#include <QGuiApplication>

#include <memory>

#include "report/report_page.h"
#include "report/report_pdf.h"

namespace lajes::cli {

namespace {

// Fonts and the PDF writer need a QGuiApplication; the command line has none of its own, so
// one lives for the time of the drawing.
std::unique_ptr<QGuiApplication> guiApplication() {
    if (QGuiApplication::instance())
        return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // QGuiApplication keeps references to both for its whole life.
    static int argc = 1;
    static char name[] = "lajes-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

std::optional<std::string> writeReportFile(const DesignRun& run, const Settings& settings,
                                           char decimalSeparator, const std::string& output) {
    const std::unique_ptr<QGuiApplication> application = guiApplication();
    const report::ReportPage page =
        report::fillReportPage(run.screen, run.slab, run.results, settings, decimalSeparator);
    return report::writeReportPdf(page, output);
}

} // namespace lajes::cli
