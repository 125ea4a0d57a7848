#pragma once

// The report on screen: the print preview from which the page goes to a printer through the
// system's print dialog or, through "Salvar PDF…", to a PDF file.

#include <QString>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <QString>

#include "report/report_page.h"

class QPainter;
class QPrinter;
class QPrintPreviewDialog;
class QWidget;

namespace lajes::report {

inline constexpr std::string_view previewCaption = "Impressão de Dados";
inline constexpr std::string_view savePdfActionText = "Salvar PDF…";

// The printer the preview lays out for: A4 portrait, 10 mm margins.
std::unique_ptr<QPrinter> reportPrinter();

// What "Salvar PDF…" suggests: "<nome da laje>.pdf" in the folder used last. `lastFolder`
// (owned by the caller, may be null) is updated after each PDF written.
struct PdfSuggestion {
    std::string slabName;
    QString* lastFolder = nullptr;
    QString folder; // the folder proposed when there is no last folder
};

// Writes a one-page sheet as a PDF at the path: the error text, or nothing.
using SheetPdfWriter = std::function<std::optional<std::string>(const std::filesystem::path&)>;
// Paints a one-page sheet on the preview's printer.
using PaintSheet = std::function<void(QPainter&, QPrinter&)>;

// A preview of one sheet on `printer` (which must outlive it), with the "Salvar PDF…" action
// (object name "SalvarPdfAction") in its tool bar writing through `writePdf`. Shown by the
// caller. Every preview of the program (report, steel table, verification) is made here.
// The preview has a status bar that says "Arquivo gravado: <nome>" for 5 s after a PDF.
std::unique_ptr<QPrintPreviewDialog> createSheetPreview(QPrinter& printer, QWidget* parent,
                                                        const QString& title, PaintSheet paint,
                                                        SheetPdfWriter writePdf,
                                                        PdfSuggestion suggestion = {});

// "Salvar PDF…": asks for a file name and writes the sheet there; a failure is shown in a
// warning box over `parent`. Returns whether a file was written.
bool saveSheetPdf(QWidget* parent, const SheetPdfWriter& writePdf,
                  const PdfSuggestion& suggestion = {});

// A preview of `page` on `printer` (which must outlive it), with the "Salvar PDF…" action
// (object name "SalvarPdfAction") in its tool bar. Shown by the caller.
std::unique_ptr<QPrintPreviewDialog> createReportPreview(const ReportPage& page, QPrinter& printer,
                                                         QWidget* parent,
                                                         PdfSuggestion suggestion = {});

// Asks for a file name and writes the page there as a PDF; a failure is shown in a warning
// box over `parent`. Returns whether a file was written.
bool saveReportPdf(const ReportPage& page, QWidget* parent);

// Shows any print preview of the program as they all open: modal, maximised, the whole page
// in view. Returns the dialog's result when the user closes it.
int execPreviewMaximised(QPrintPreviewDialog& preview);

// Opens the preview modally over `parent`; returns when the user closes it.
void showReportPreview(const ReportPage& page, QWidget* parent, PdfSuggestion suggestion = {});

// "&Imprimir" of the results screen, after the screen has marked the results as printed
// (RecalculationState::printed): fills the page afresh from the screen and the records and
// shows its preview. `thicknessText` is the data-entry screen's thickness box.
void printReport(const ResultsScreen& screen, const SlabDesignData& slab,
                 const SlabResults& results, const Settings& settings, char decimalSeparator,
                 QWidget* parent, std::string_view thicknessText = {},
                 PdfSuggestion suggestion = {});

} // namespace lajes::report
