#pragma once

// The report on screen: the print preview from which the page goes to a printer through the
// system's print dialog or, through "Salvar PDF…", to a PDF file.

#include <memory>
#include <string_view>

#include "report/report_page.h"

class QPrinter;
class QPrintPreviewDialog;
class QWidget;

namespace lajes::report {

inline constexpr std::string_view previewCaption = "Impressão de Dados";
inline constexpr std::string_view savePdfActionText = "Salvar PDF…";

// The printer the preview lays out for: A4 portrait, 10 mm margins.
std::unique_ptr<QPrinter> reportPrinter();

// A preview of `page` on `printer` (which must outlive it), with the "Salvar PDF…" action
// (object name "SalvarPdfAction") in its tool bar. Shown by the caller.
std::unique_ptr<QPrintPreviewDialog> createReportPreview(const ReportPage& page, QPrinter& printer,
                                                         QWidget* parent);

// Asks for a file name and writes the page there as a PDF; a failure is shown in a warning
// box over `parent`. Returns whether a file was written.
bool saveReportPdf(const ReportPage& page, QWidget* parent);

// Shows any print preview of the program as they all open: modal, maximised, the whole page
// in view. Returns the dialog's result when the user closes it.
int execPreviewMaximised(QPrintPreviewDialog& preview);

// Opens the preview modally over `parent`; returns when the user closes it.
void showReportPreview(const ReportPage& page, QWidget* parent);

// "&Imprimir" of the results screen, after the screen has marked the results as printed
// (RecalculationState::printed): fills the page afresh from the screen and the records and
// shows its preview. `thicknessText` is the data-entry screen's thickness box.
void printReport(const ResultsScreen& screen, const SlabDesignData& slab,
                 const SlabResults& results, const Settings& settings, char decimalSeparator,
                 QWidget* parent, std::string_view thicknessText = {});

} // namespace lajes::report
