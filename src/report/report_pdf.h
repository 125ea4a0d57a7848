#pragma once

// The report page as a one-page A4 PDF.

#include <QByteArray>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "io/file_writer.h"
#include "report/report_page.h"

class QPagedPaintDevice;
class QPainter;
class QString;

namespace lajes::report {

inline constexpr int pdfResolution = 720; // device units per inch of the PDF writer

// The PDF bytes of one sheet painted by `paint`: A4 portrait, 10 mm margins, the document
// title `title`. Needs a QGuiApplication.
QByteArray sheetPdfBytes(const QString& title,
                         const std::function<void(QPainter&, QPagedPaintDevice&)>& paint);

// Writes a sheet's PDF bytes through the program's file writer; an empty document is an error.
// Returns the error text, or nothing on success.
// The windows accept only a regular file as `target` (see FileWriter).
std::optional<std::string> writePdfBytes(const QByteArray& bytes,
                                         const std::filesystem::path& target,
                                         WriteTarget accepted = WriteTarget::anything);

// The PDF bytes of the page: A4 portrait, 10 mm margins. Needs a QGuiApplication.
QByteArray reportPdfBytes(const ReportPage& page);

// Writes the PDF to `target` atomically (a temporary file in the target's folder, renamed
// over the target when complete). Returns the error text, or nothing on success.
std::optional<std::string> writeReportPdf(const ReportPage& page,
                                          const std::filesystem::path& target,
                                          WriteTarget accepted = WriteTarget::anything);

} // namespace lajes::report
