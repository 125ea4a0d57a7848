#pragma once

// The report page as a one-page A4 PDF.

#include <QByteArray>

#include <filesystem>
#include <optional>
#include <string>

#include "report/report_page.h"

namespace lajes::report {

inline constexpr int pdfResolution = 720; // device units per inch of the PDF writer

// The PDF bytes of the page: A4 portrait, 10 mm margins. Needs a QGuiApplication.
QByteArray reportPdfBytes(const ReportPage& page);

// Writes the PDF to `target` atomically (a temporary file in the target's folder, renamed
// over the target when complete). Returns the error text, or nothing on success.
std::optional<std::string> writeReportPdf(const ReportPage& page,
                                          const std::filesystem::path& target);

} // namespace lajes::report
