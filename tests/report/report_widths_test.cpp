// Every value of the sheet, at the widest it can be, ends before its unit: measured with the
// report's own font at its printed size.

#include <QFontMetricsF>
#include <QImage>

#include <gtest/gtest.h>

#include <string>

#include "report/report_page.h"
#include "report/report_painter.h"
#include "report_slabs.h"

namespace lajes::report {
namespace {

using testing::PrintedSlab;

constexpr double dotsPerInch = 1200.0; // a printer's resolution; widths in mm do not depend on it

// Width of `text` on the sheet, mm.
double printedWidth(const PageText& text) {
    static QImage device = [] {
        QImage image(8, 8, QImage::Format_RGB32);
        image.setDotsPerMeterX(static_cast<int>(dotsPerInch / 0.0254));
        image.setDotsPerMeterY(static_cast<int>(dotsPerInch / 0.0254));
        return image;
    }();
    const QFontMetricsF metrics(reportFont(text.pointSize, text.bold), &device);
    return metrics.horizontalAdvance(QString::fromStdString(text.text)) / dotsPerInch * 25.4;
}

// The support moments are negative; every other printed quantity is a magnitude.
bool canBeNegative(std::string_view line) {
    return line == "Xx" || line == "Xy";
}

TEST(ReportWidths, TheWidestValueOfEveryLineEndsBeforeItsUnit) {
    installReportFont();
    // Every line printed: a support case with an adjacent span, the rib geometry, and no
    // blank box on the screen.
    PrintedSlab s;
    testing::ribbedSlab(s);
    s.slab.SupportCase = 5;
    ResultsScreen& b = s.screen;
    for (std::string* box :
         {&b.MxEdit,   &b.MyEdit,   &b.XxEdit,    &b.XyEdit,    &b.RxaEdit,   &b.RyaEdit,
          &b.RxeEdit,  &b.RyeEdit,  &b.AsxpCEdit, &b.AsypCEdit, &b.AsxnCEdit, &b.AsynCEdit,
          &b.AsxpEdit, &b.AsypEdit, &b.AsxnEdit,  &b.AsynEdit,  &b.XLnEdit,   &b.TwdEdit,
          &b.TwuEdit,  &b.FiEdit,   &b.FadmEdit,  &b.FfEdit,    &b.Fadm1Edit})
        *box = "1,00";
    ReportPage page = fillReportPage(s.screen, s.slab, s.results, s.settings, ',');
    constexpr double gap = 0.8; // mm, about one blank at 10 pt

    int pairs = 0;
    for (PageText& value : page.texts) {
        const std::string suffix = "Value";
        if (value.name.size() <= suffix.size() ||
            value.name.compare(value.name.size() - suffix.size(), suffix.size(), suffix) != 0)
            continue;
        const std::string line = value.name.substr(0, value.name.size() - suffix.size());
        const PageText* unit = page.text(line + "Unit");
        if (!unit || unit->text.empty())
            continue;
        ++pairs;
        value.text = canBeNegative(line) ? "-88888,88" : "88888,88";
        const double end = value.x + printedWidth(value);
        EXPECT_LE(end + gap, unit->x)
            << line << ": \"" << value.text << "\" ends at " << end << " mm, \"" << unit->text
            << "\" starts at " << unit->x << " mm";
    }
    EXPECT_EQ(pairs, 41);

    // Nor does a unit run into the next text on its row.
    for (const PageText& unit : page.texts) {
        if (unit.name.size() < 4 || unit.name.compare(unit.name.size() - 4, 4, "Unit") != 0 ||
            unit.text.empty())
            continue;
        const double end = unit.x + printedWidth(unit);
        for (const PageText& next : page.texts) {
            if (next.y == unit.y && next.x > unit.x && !next.text.empty()) {
                EXPECT_LE(end + gap, next.x) << unit.name << " runs into " << next.name;
            }
        }
    }
}

} // namespace
} // namespace lajes::report
