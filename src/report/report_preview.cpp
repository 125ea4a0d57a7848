#include "report/report_preview.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QLayout>
#include <QMarginsF>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QStatusBar>
#include <QToolBar>

#include "report/report_painter.h"
#include "report/report_pdf.h"
#include "slabfile/slab_document.h"

namespace lajes::report {

namespace {

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), text.size());
}

} // namespace

std::unique_ptr<QPrinter> reportPrinter() {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(sheetMargin, sheetMargin, sheetMargin, sheetMargin), QPageLayout::Millimeter));
    printer->setDocName(qText(previewCaption));
    return printer;
}

bool saveSheetPdf(QWidget* parent, const SheetPdfWriter& writePdf,
                  const PdfSuggestion& suggestion) {
    QFileDialog dialog(parent, QStringLiteral("Salvar PDF"));
    dialog.setObjectName(QStringLiteral("SalvarPdfDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("Arquivos PDF (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (suggestion.lastFolder && !suggestion.lastFolder->isEmpty())
        dialog.setDirectory(*suggestion.lastFolder);
    else if (!suggestion.folder.isEmpty())
        dialog.setDirectory(suggestion.folder);
    dialog.selectFile(QString::fromStdString(suggestedFileName(suggestion.slabName, "pdf")));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    const QString fileName = dialog.selectedFiles().constFirst();
    if (suggestion.lastFolder)
        *suggestion.lastFolder = QFileInfo(fileName).absolutePath();
    if (const auto error = writePdf(QFile::encodeName(fileName).toStdString())) {
        // The writer's message names the file and says why.
        QMessageBox::warning(parent, QStringLiteral("Salvar PDF"), QString::fromStdString(*error));
        return false;
    }
    if (auto* status = parent ? parent->findChild<QStatusBar*>() : nullptr)
        status->showMessage(QString::fromStdString(savedFileMessage(
                                std::filesystem::path(QFile::encodeName(fileName).toStdString()))),
                            savedFileMessageMilliseconds);
    return true;
}

bool saveReportPdf(const ReportPage& page, QWidget* parent) {
    return saveSheetPdf(parent, [&page](const std::filesystem::path& target) {
        return writeReportPdf(page, target, WriteTarget::regularFile);
    });
}

std::unique_ptr<QPrintPreviewDialog> createSheetPreview(QPrinter& printer, QWidget* parent,
                                                        const QString& title, PaintSheet paint,
                                                        SheetPdfWriter writePdf,
                                                        PdfSuggestion suggestion) {
    installReportFont();
    auto preview = std::make_unique<QPrintPreviewDialog>(&printer, parent);
    preview->setWindowTitle(title);
    QObject::connect(preview.get(), &QPrintPreviewDialog::paintRequested, preview.get(),
                     [paint = std::move(paint)](QPrinter* target) {
                         QPainter painter(target);
                         paint(painter, *target);
                     });
    auto* save = new QAction(qText(savePdfActionText), preview.get());
    save->setObjectName(QStringLiteral("SalvarPdfAction"));
    QPrintPreviewDialog* dialog = preview.get();
    QObject::connect(save, &QAction::triggered, dialog,
                     [writePdf = std::move(writePdf), dialog, suggestion = std::move(suggestion)] {
                         saveSheetPdf(dialog, writePdf, suggestion);
                     });
    // "Arquivo gravado: <nome>" after "Salvar PDF…".
    if (auto* layout = preview->layout()) {
        auto* status = new QStatusBar(preview.get());
        status->setObjectName(QStringLiteral("StatusBar"));
        status->setSizeGripEnabled(false);
        layout->addWidget(status);
    }
    if (auto* toolBar = preview->findChild<QToolBar*>()) {
        toolBar->addSeparator();
        toolBar->addAction(save);
    } else {
        preview->addAction(save);
    }
    return preview;
}

std::unique_ptr<QPrintPreviewDialog> createReportPreview(const ReportPage& page, QPrinter& printer,
                                                         QWidget* parent,
                                                         PdfSuggestion suggestion) {
    // The dialog keeps its own copy of the page: a later filling never changes a preview.
    return createSheetPreview(
        printer, parent, qText(previewCaption),
        [page](QPainter& painter, QPrinter& target) { paintReportPage(painter, page, target); },
        [page](const std::filesystem::path& target) {
            return writeReportPdf(page, target, WriteTarget::regularFile);
        },
        std::move(suggestion));
}

int execPreviewMaximised(QPrintPreviewDialog& preview) {
    preview.setWindowState(preview.windowState() | Qt::WindowMaximized);
    // The tool bar's "fit page" action, so that its button shows the mode too.
    if (auto* fitPage = preview.findChild<QAction*>(QStringLiteral("fitPageAction")))
        fitPage->trigger();
    else if (auto* widget = preview.findChild<QPrintPreviewWidget*>())
        widget->setZoomMode(QPrintPreviewWidget::FitInView);
    return preview.exec();
}

void showReportPreview(const ReportPage& page, QWidget* parent, PdfSuggestion suggestion) {
    const std::unique_ptr<QPrinter> printer = reportPrinter();
    const std::unique_ptr<QPrintPreviewDialog> preview =
        createReportPreview(page, *printer, parent, std::move(suggestion));
    execPreviewMaximised(*preview);
}

void printReport(const ResultsScreen& screen, const SlabDesignData& slab,
                 const SlabResults& results, const Settings& settings, char decimalSeparator,
                 QWidget* parent, std::string_view thicknessText, PdfSuggestion suggestion) {
    showReportPreview(
        fillReportPage(screen, slab, results, settings, decimalSeparator, thicknessText), parent,
        std::move(suggestion));
}

} // namespace lajes::report
