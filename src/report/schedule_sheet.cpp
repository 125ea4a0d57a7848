#include "report/schedule_sheet.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "report/report_page.h"
#include "report/report_painter.h"
#include "report/report_pdf.h"
#include "report/report_preview.h"
#include "text/number_text.h"

namespace lajes::report {

namespace {

constexpr double left = 22.0;        // mm from the sheet's left edge
constexpr double rowHeight = 6.5;    // mm
constexpr double cellPadding = 2.0;  // mm between a text and its cell's side
constexpr double textDrop = 1.4;     // mm from a row's top to its text's top
constexpr double lineStep = 5.5;     // mm between the lines of the heading
constexpr double headingSize = 14.0; // pt

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A ruled table from `top`: numbers right-aligned, the first column left-aligned when it
// holds names, the header bold. Returns the bottom of the table.
double addTable(ScheduleSheet& sheet, double top, const std::vector<double>& widths,
                const std::vector<std::string>& header,
                const std::vector<std::vector<std::string>>& rows, bool firstColumnNames) {
    std::vector<double> x{left};
    for (double width : widths)
        x.push_back(x.back() + width);
    const double bottom = top + rowHeight * static_cast<double>(rows.size() + 1);
    for (std::size_t row = 0; row <= rows.size() + 1; ++row) {
        const double y = top + rowHeight * static_cast<double>(row);
        sheet.lines.push_back({x.front(), y, x.back(), y});
    }
    for (double column : x)
        sheet.lines.push_back({column, top, column, bottom});
    const auto addRow = [&](const std::vector<std::string>& cells, double y, bool bold) {
        for (std::size_t c = 0; c < cells.size() && c + 1 < x.size(); ++c) {
            const bool first = c == 0 && firstColumnNames;
            sheet.texts.push_back({first ? x[c] + cellPadding : x[c + 1] - cellPadding,
                                   y + textDrop, cells[c], defaultPointSize, bold, !first});
        }
    };
    addRow(header, top, true);
    for (std::size_t row = 0; row < rows.size(); ++row)
        addRow(rows[row], top + rowHeight * static_cast<double>(row + 1), false);
    return bottom;
}

} // namespace

const SheetText* ScheduleSheet::find(std::string_view text) const {
    for (const SheetText& entry : texts)
        if (entry.text == text)
            return &entry;
    return nullptr;
}

ScheduleSheet fillScheduleSheet(const SteelSchedule& schedule, const SlabDesignData& slab,
                                std::string_view slabName, char decimalSeparator) {
    const char sep = decimalSeparator;
    ScheduleSheet sheet;
    double y = 20.0;
    sheet.texts.push_back({left, y, std::string(scheduleTitle), headingSize, true, false});
    y += 10.0;
    const auto line = [&](std::string text) {
        sheet.texts.push_back({left, y, std::move(text), defaultPointSize, false, false});
        y += lineStep;
    };
    if (!slabName.empty())
        line("Laje: " + std::string(slabName));
    line("Vãos: Lx = " + formatFixed(slab.Lx, 2, sep) +
         " m    Ly = " + formatFixed(slab.Ly, 2, sep) + " m");
    line("Espessura: h = " + formatFixed(slab.h, 2, sep) + " cm");
    line("Caso de apoio: " + std::to_string(slab.SupportCase) +
         (slab.Ribbed ? " (laje nervurada)" : ""));

    const ScheduleTexts texts = scheduleTexts(schedule, sep);
    y = addTable(sheet, y + 4.0, {22, 20, 20, 36, 36, 32}, texts.positionHeader, texts.positionRows,
                 true);
    y += 8.0;
    sheet.texts.push_back(
        {left, y, std::string(diameterSummaryTitle), defaultPointSize, true, false});
    y = addTable(sheet, y + lineStep + 1.0, {22, 36, 32}, texts.diameterHeader, texts.diameterRows,
                 false);
    y += 8.0;
    for (const ScheduleTotal& total : texts.totals) {
        const bool mass = total.unit == "kg";
        sheet.texts.push_back({left, y, total.caption, defaultPointSize, mass, false});
        sheet.texts.push_back({left + 80.0, y, total.value, defaultPointSize, mass, true});
        sheet.texts.push_back({left + 82.0, y, total.unit, defaultPointSize, mass, false});
        y += lineStep;
    }
    return sheet;
}

void paintScheduleSheet(QPainter& painter, const ScheduleSheet& sheet, QPagedPaintDevice& device) {
    installReportFont();
    const QPageLayout layout = device.pageLayout();
    const double dotsX = device.logicalDpiX() / 25.4; // device units per mm
    const double dotsY = device.logicalDpiY() / 25.4;
    QPointF origin(0.0, 0.0);
    if (layout.mode() != QPageLayout::FullPageMode) {
        const QRectF paint = layout.paintRect(QPageLayout::Millimeter);
        origin = QPointF(paint.left() * dotsX, paint.top() * dotsY);
    }
    const auto at = [&](double x, double y) { return QPointF(x * dotsX, y * dotsY) - origin; };

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QPen(Qt::black, 0.25 * dotsX));
    for (const SheetLine& line : sheet.lines)
        painter.drawLine(at(line.x1, line.y1), at(line.x2, line.y2));
    for (const SheetText& text : sheet.texts) {
        painter.setFont(reportFont(text.pointSize, text.bold));
        const QFontMetricsF metrics(painter.font(), painter.device());
        // A left-aligned text (a long slab name) ends at the right margin.
        const QString shown = text.alignRight
                                  ? qText(text.text)
                                  : fittedText(metrics, qText(text.text),
                                               (sheetWidth - sheetMargin - text.x) * dotsX);
        QPointF point = at(text.x, text.y);
        if (text.alignRight)
            point.rx() -= metrics.horizontalAdvance(shown);
        painter.drawText(QPointF(point.x(), point.y() + metrics.ascent()), shown);
    }
    painter.restore();
}

QByteArray scheduleSheetPdf(const ScheduleSheet& sheet) {
    return sheetPdfBytes(qText(scheduleTitle),
                         [&sheet](QPainter& painter, QPagedPaintDevice& device) {
                             paintScheduleSheet(painter, sheet, device);
                         });
}

std::optional<std::string> writeScheduleSheetPdf(const ScheduleSheet& sheet,
                                                 const std::filesystem::path& target,
                                                 WriteTarget accepted) {
    return writePdfBytes(scheduleSheetPdf(sheet), target, accepted);
}

std::unique_ptr<QPrintPreviewDialog> createSchedulePreview(const ScheduleSheet& sheet,
                                                           QPrinter& printer, QWidget* parent) {
    auto preview = createSheetPreview(
        printer, parent, qText(schedulePreviewCaption),
        [sheet](QPainter& painter, QPrinter& target) {
            paintScheduleSheet(painter, sheet, target);
        },
        [sheet](const std::filesystem::path& target) {
            return writeScheduleSheetPdf(sheet, target, WriteTarget::regularFile);
        });
    preview->setObjectName(QStringLiteral("TabelaAcoPreview"));
    return preview;
}

void showSchedulePreview(const ScheduleSheet& sheet, QWidget* parent) {
    const std::unique_ptr<QPrinter> printer = reportPrinter();
    printer->setDocName(qText(scheduleTitle));
    const std::unique_ptr<QPrintPreviewDialog> preview =
        createSchedulePreview(sheet, *printer, parent);
    execPreviewMaximised(*preview);
}

} // namespace lajes::report
