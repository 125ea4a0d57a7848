#include "report/report_preview.h"

#include <QAction>
#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

#include <gtest/gtest.h>

namespace lajes::report {
namespace {

TEST(ReportPreview, LaysOutOneA4PortraitPageWithTenMillimetreMargins) {
    const auto printer = reportPrinter();
    const QPageLayout layout = printer->pageLayout();
    EXPECT_EQ(layout.pageSize().id(), QPageSize::A4);
    EXPECT_EQ(layout.orientation(), QPageLayout::Portrait);
    const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
    EXPECT_NEAR(margins.left(), 10.0, 0.01);
    EXPECT_NEAR(margins.top(), 10.0, 0.01);
    EXPECT_NEAR(margins.right(), 10.0, 0.01);
    EXPECT_NEAR(margins.bottom(), 10.0, 0.01);
}

TEST(ReportPreview, OffersSavingThePageAsPdf) {
    const auto printer = reportPrinter();
    const auto preview = createReportPreview(blankReportPage(), *printer, nullptr);
    EXPECT_EQ(preview->windowTitle(), QStringLiteral("Impressão de Dados"));
    const auto* save = preview->findChild<QAction*>(QStringLiteral("SalvarPdfAction"));
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->text(), QStringLiteral("Salvar PDF…"));
    const auto* toolBar = preview->findChild<QToolBar*>();
    ASSERT_NE(toolBar, nullptr);
    EXPECT_TRUE(toolBar->actions().contains(const_cast<QAction*>(save)));
}

} // namespace
} // namespace lajes::report
