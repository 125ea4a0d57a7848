#pragma once

// The NBR 6118:2014 verification on one A4 page: the slab, the parameters, the table of
// checks and the summary, in a print preview from which it goes to a printer or a PDF file.

#include <QByteArray>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysis/slab_design_data.h"
#include "config/settings.h"
#include "io/file_writer.h"
#include "verification/nbr6118_2014.h"

class QPagedPaintDevice;
class QPainter;
class QPrintPreviewDialog;
class QPrinter;
class QWidget;

namespace lajes::report {

inline constexpr std::string_view verificationTitle = "Verificação segundo a NBR 6118:2014";

// Everything the page shows, as texts.
struct VerificationSheet {
    std::vector<std::string> identity;
    std::vector<std::string> parameters;
    std::vector<VerificationRow> rows;
    std::string summary;
    std::vector<std::string> closingLines;
};

VerificationSheet verificationSheet(const Nbr6118Verification& verification,
                                    const SlabDesignData& slab, const Settings& settings,
                                    char decimalSeparator);

// Draws the page on a printer or a PDF writer laid out as reportPrinter() lays it out.
void paintVerificationSheet(QPainter& painter, const VerificationSheet& sheet,
                            QPagedPaintDevice& device);

QByteArray verificationPdfBytes(const VerificationSheet& sheet);

// Writes the PDF through the program's atomic writer; the error text or nothing.
std::optional<std::string> writeVerificationPdf(const VerificationSheet& sheet,
                                                const std::filesystem::path& target,
                                                WriteTarget accepted = WriteTarget::anything);

// The preview (maximised when shown), with "Salvar PDF…" in its tool bar.
std::unique_ptr<QPrintPreviewDialog> createVerificationPreview(const VerificationSheet& sheet,
                                                               QPrinter& printer, QWidget* parent);

// Opens the preview maximised and modally over `parent`.
void showVerificationPreview(const VerificationSheet& sheet, QWidget* parent);

} // namespace lajes::report
