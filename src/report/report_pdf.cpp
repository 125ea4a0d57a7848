#include "report/report_pdf.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "io/file_writer.h"
#include "report/report_painter.h"

namespace lajes::report {

QByteArray reportPdfBytes(const ReportPage& page) {
    installReportFont();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        // At 720 dpi every point size of the page is a whole number of device units, which
        // is how the PDF engine writes font sizes.
        writer.setResolution(pdfResolution);
        writer.setCreator(QStringLiteral("Lajes"));
        writer.setTitle(QStringLiteral("Cálculo de Lajes"));
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                        QMarginsF(sheetMargin, sheetMargin, sheetMargin, sheetMargin),
                        QPageLayout::Millimeter));
        QPainter painter(&writer);
        paintReportPage(painter, page, writer);
        painter.end();
    }
    buffer.close();
    return bytes;
}

std::optional<std::string> writeReportPdf(const ReportPage& page,
                                          const std::filesystem::path& target) {
    const QByteArray bytes = reportPdfBytes(page);
    if (bytes.isEmpty())
        return std::string("Falha ao gerar o PDF");
    return writeFile(target, std::string_view(bytes.constData(), bytes.size()));
}

} // namespace lajes::report
