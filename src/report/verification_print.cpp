#include "report/verification_print.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "report/report_page.h"
#include "report/report_painter.h"
#include "report/report_pdf.h"
#include "report/report_preview.h"

namespace lajes::report {

namespace {

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

// Column widths of the table, mm; together the width inside the margins (190 mm).
constexpr std::array<double, 5> columnWidths{64.0, 40.0, 30.0, 28.0, 28.0};

// Draws in millimetres from the corner of the margins, fonts in points of the device.
class SheetPainter {
public:
    SheetPainter(QPainter& painter, QPagedPaintDevice& device)
        : painter_(painter), pxPerMm_(device.logicalDpiX() / 25.4) {}

    double px(double mm) const { return mm * pxPerMm_; }

    // A line of text whose top stands at y; returns the height it took, mm.
    double text(double x, double y, const QString& text, double points, bool bold,
                const QColor& colour = Qt::black) {
        painter_.setFont(reportFont(points, bold));
        painter_.setPen(colour);
        const QFontMetricsF metrics(painter_.font(), painter_.device());
        // x is from the left margin; nothing runs past the right one.
        painter_.drawText(QPointF(px(x), px(y) + metrics.ascent()),
                          fittedText(metrics, text, px(sheetWidth - 2 * sheetMargin - x)));
        return metrics.height() / pxPerMm_;
    }
    void line(double x1, double y1, double x2, double y2) {
        painter_.setPen(QPen(Qt::black, px(0.2)));
        painter_.drawLine(QPointF(px(x1), px(y1)), QPointF(px(x2), px(y2)));
    }

private:
    QPainter& painter_;
    double pxPerMm_;
};

} // namespace

VerificationSheet verificationSheet(const Nbr6118Verification& verification,
                                    const SlabDesignData& slab, const Settings& settings,
                                    char decimalSeparator) {
    VerificationSheet sheet;
    sheet.identity = slabIdentityLines(slab, settings, decimalSeparator);
    sheet.parameters = parameterLines(verification.parameters, decimalSeparator);
    sheet.rows = verificationRows(verification, decimalSeparator);
    sheet.summary = verificationSummary(verification);
    for (std::string_view line : verification.closingLines)
        sheet.closingLines.emplace_back(line);
    return sheet;
}

void paintVerificationSheet(QPainter& painter, const VerificationSheet& sheet,
                            QPagedPaintDevice& device) {
    installReportFont();
    SheetPainter page(painter, device);
    const double width = sheetWidth - 2 * sheetMargin;
    double y = 0.0;
    y += page.text(0, y, qText(verificationTitle), 14, true) + 3;
    for (const std::string& line : sheet.identity)
        y += page.text(0, y, qText(line), 10, false) + 0.5;
    y += 3;
    y += page.text(0, y, QStringLiteral("Parâmetros"), 11, true) + 1;
    for (const std::string& line : sheet.parameters)
        y += page.text(0, y, qText(line), 10, false) + 0.5;
    y += 4;

    const std::array<QString, 5> headings{QStringLiteral("Verificação"),
                                          QStringLiteral("Item da norma"), QStringLiteral("Limite"),
                                          QStringLiteral("Obtido"), QStringLiteral("Situação")};
    auto row = [&](const std::array<QString, 5>& cells, bool bold, const QColor& last) {
        double x = 0.0;
        double height = 0.0;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            height = std::max(height, page.text(x + 1, y + 0.8, cells[i], 9.5, bold,
                                                i + 1 == cells.size() ? last : QColor(Qt::black)));
            x += columnWidths[i];
        }
        y += height + 1.6;
        page.line(0, y, width, y);
    };
    page.line(0, y, width, y);
    row(headings, true, Qt::black);
    page.line(0, y - 0.4, width, y - 0.4);
    for (const VerificationRow& r : sheet.rows) {
        const QString situation = r.ok ? QStringLiteral("✔ ") + qText(meetsText)
                                       : QStringLiteral("✘ ") + qText(failsText);
        row({qText(r.check), qText(r.clause), qText(r.limit), qText(r.obtained), situation}, false,
            r.ok ? QColor(0, 120, 0) : QColor(190, 0, 0));
    }
    y += 3;
    y += page.text(0, y, qText(sheet.summary), 11, true) + 1;
    for (const std::string& line : sheet.closingLines)
        y += page.text(0, y, qText(line), 10, false) + 0.5;
}

QByteArray verificationPdfBytes(const VerificationSheet& sheet) {
    return sheetPdfBytes(qText(verificationTitle),
                         [&sheet](QPainter& painter, QPagedPaintDevice& device) {
                             paintVerificationSheet(painter, sheet, device);
                         });
}

std::optional<std::string> writeVerificationPdf(const VerificationSheet& sheet,
                                                const std::filesystem::path& target,
                                                WriteTarget accepted) {
    return writePdfBytes(verificationPdfBytes(sheet), target, accepted);
}

std::unique_ptr<QPrintPreviewDialog> createVerificationPreview(const VerificationSheet& sheet,
                                                               QPrinter& printer, QWidget* parent) {
    auto preview = createSheetPreview(
        printer, parent, qText(verificationTitle),
        [sheet](QPainter& painter, QPrinter& target) {
            paintVerificationSheet(painter, sheet, target);
        },
        [sheet](const std::filesystem::path& target) {
            return writeVerificationPdf(sheet, target, WriteTarget::regularFile);
        });
    preview->setObjectName(QStringLiteral("VerificacaoPreview"));
    return preview;
}

void showVerificationPreview(const VerificationSheet& sheet, QWidget* parent) {
    const std::unique_ptr<QPrinter> printer = reportPrinter();
    printer->setDocName(qText(verificationTitle));
    const std::unique_ptr<QPrintPreviewDialog> preview =
        createVerificationPreview(sheet, *printer, parent);
    execPreviewMaximised(*preview);
}

} // namespace lajes::report
