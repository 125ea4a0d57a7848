#include "report/report_preview.h"

#include <QPageLayout>
#include <QPrinter>

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

} // namespace
} // namespace lajes::report
