#include "cli/report_command.h"

#include <QGuiApplication>

#include <memory>

#include "report/floor_memorial.h"
#include "report/qt_portuguese.h"
#include "report/report_page.h"
#include "report/report_pdf.h"

namespace lajes::cli {

namespace {

// Fonts and the PDF writer need a QGuiApplication; the command line has none of its own, so
// one lives for the time of the drawing.
std::unique_ptr<QGuiApplication> guiApplication() {
    if (QGuiApplication::instance())
        return nullptr;
    // A command-line tool never shows a window: whatever platform the environment names
    // (xcb without a display over ssh or in cron, wayland, a wrong value) would only abort.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Standard error carries the tool's own messages only, not Qt's remarks about the
    // environment ("XDG_RUNTIME_DIR not set"); a failed PDF is reported by its result.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    // QGuiApplication keeps references to both for its whole life.
    static int argc = 1;
    static char name[] = "lajes-cli";
    static char* argv[] = {name, nullptr};
    auto application = std::make_unique<QGuiApplication>(argc, argv);
    installQtPortuguese(*application);
    return application;
}

} // namespace

std::optional<std::string> writeReportFile(const DesignRun& run, const Settings& settings,
                                           char decimalSeparator, const std::string& output) {
    const std::unique_ptr<QGuiApplication> application = guiApplication();
    const report::ReportPage page =
        report::fillReportPage(run.screen, run.slab, run.results, settings, decimalSeparator);
    return report::writeReportPdf(page, output);
}

std::optional<std::string> writeFloorMemorialFile(const Floor& floor, const FloorResults& results,
                                                  const Settings& settings, char decimalSeparator,
                                                  bool nbr2014, const std::string& output) {
    const std::unique_ptr<QGuiApplication> application = guiApplication();
    return report::writeFloorMemorialPdf(
        report::fillFloorMemorial(floor, results, settings, decimalSeparator, nbr2014), output);
}

} // namespace lajes::cli
