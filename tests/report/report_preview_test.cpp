#include "report/report_preview.h"

#include <QAction>
#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTimer>

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

// Every preview opens maximised with the whole page in view, each time it is opened.
TEST(ReportPreview, OpensMaximisedShowingTheWholePage) {
    const auto printer = reportPrinter();
    for (int opening = 0; opening < 2; ++opening) {
        const auto preview = createReportPreview(blankReportPage(), *printer, nullptr);
        bool maximised = false;
        QPrintPreviewWidget::ZoomMode zoom = QPrintPreviewWidget::CustomZoom;
        bool fitPageChecked = false;
        QTimer::singleShot(0, preview.get(), [&] {
            maximised = preview->isMaximized();
            if (auto* widget = preview->findChild<QPrintPreviewWidget*>())
                zoom = widget->zoomMode();
            if (auto* fitPage = preview->findChild<QAction*>(QStringLiteral("fitPageAction")))
                fitPageChecked = fitPage->isChecked();
            preview->reject();
        });
        execPreviewMaximised(*preview);
        EXPECT_TRUE(maximised);
        EXPECT_EQ(zoom, QPrintPreviewWidget::FitInView);
        EXPECT_TRUE(fitPageChecked);
    }
}

} // namespace
} // namespace lajes::report
