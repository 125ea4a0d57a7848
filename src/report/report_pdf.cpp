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

QByteArray sheetPdfBytes(const QString& title,
                         const std::function<void(QPainter&, QPagedPaintDevice&)>& paint) {
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
        writer.setTitle(title);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                        QMarginsF(sheetMargin, sheetMargin, sheetMargin, sheetMargin),
                        QPageLayout::Millimeter));
        QPainter painter(&writer);
        paint(painter, writer);
        painter.end();
    }
    buffer.close();
    return bytes;
}

std::optional<std::string>
writePdfBytes(const QByteArray& bytes, const std::filesystem::path& target, WriteTarget accepted) {
    if (bytes.isEmpty())
        return writeFailureMessage(target, "o PDF não pôde ser gerado");
    return writeFile(target,
                     std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                     accepted);
}

QByteArray reportPdfBytes(const ReportPage& page) {
    return sheetPdfBytes(QStringLiteral("Cálculo de Lajes"),
                         [&page](QPainter& painter, QPagedPaintDevice& device) {
                             paintReportPage(painter, page, device);
                         });
}

std::optional<std::string>
writeReportPdf(const ReportPage& page, const std::filesystem::path& target, WriteTarget accepted) {
    return writePdfBytes(reportPdfBytes(page), target, accepted);
}

} // namespace lajes::report
