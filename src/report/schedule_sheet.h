#pragma once

// The steel table on one A4 sheet: the slab's name when it has one, spans, thickness and
// support case, the positions table, the summary by diameter and the totals and rates. Laid
// out in millimetres from the sheet's top-left corner like the calculation sheet, painted on
// the print preview, a printer or a PDF.

#include <QByteArray>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/slab_design_data.h"
#include "design/steel_schedule.h"
#include "io/file_writer.h"

class QPainter;
class QPagedPaintDevice;
class QPrinter;
class QPrintPreviewDialog;
class QWidget;

namespace lajes::report {

inline constexpr std::string_view schedulePreviewCaption = "Tabela de Aço - Impressão";

struct SheetText {
    double x = 0.0, y = 0.0; // mm: the left end (or the right end when alignRight) of the top
    std::string text;
    double pointSize = 10.0;
    bool bold = false;
    bool alignRight = false;
};

struct SheetLine {
    double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0; // mm
};

struct ScheduleSheet {
    std::vector<SheetText> texts;
    std::vector<SheetLine> lines;

    // The first text that reads `text`, or nullptr.
    const SheetText* find(std::string_view text) const;
};

// `slabName` may be empty (then no name line). Numbers with `decimalSeparator`.
ScheduleSheet fillScheduleSheet(const SteelSchedule& schedule, const SlabDesignData& slab,
                                std::string_view slabName, char decimalSeparator);

// `device` places the sheet from its page layout, as the calculation sheet is placed.
void paintScheduleSheet(QPainter& painter, const ScheduleSheet& sheet, QPagedPaintDevice& device);

// The one-page PDF; needs a QGuiApplication.
QByteArray scheduleSheetPdf(const ScheduleSheet& sheet);

// Written through the program's file writer (complete or not at all). The error text, or
// nothing.
std::optional<std::string> writeScheduleSheetPdf(const ScheduleSheet& sheet,
                                                 const std::filesystem::path& target,
                                                 WriteTarget accepted = WriteTarget::anything);

// The preview of the sheet on `printer` (which must outlive it), with the "Salvar PDF…"
// action (object name "SalvarPdfAction") in its tool bar, as the report's preview has.
std::unique_ptr<QPrintPreviewDialog> createSchedulePreview(const ScheduleSheet& sheet,
                                                           QPrinter& printer, QWidget* parent);

// Opens the preview maximised and modal over `parent`; returns when it closes.
void showSchedulePreview(const ScheduleSheet& sheet, QWidget* parent);

} // namespace lajes::report
