#pragma once

// The calculation memorial of a floor, on as many A4 pages as it takes. Page 1: the floor's
// name, materials and settings, the rules used (fixity, compatibility, correction of the span
// moments) in one paragraph each, and the plan; then the tables, continued from page to page
// with their headers repeated: slabs (case, edges, own and final moments, steel and bars;
// loads, deflections and shear), stretches of top steel, beams with their loads, and the
// floor's steel table. With the NBR 6118:2014 verification, a last section with each slab's
// checks. "Página N de M" at the foot of every page.
//
// The pages are plain data (texts and lines in millimetres from each sheet's top-left
// corner), filled without a painter; painting only draws them.

#include <QByteArray>
#include <QString>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/settings.h"
#include "floor/floor.h"
#include "report/schedule_sheet.h"

class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QPrintPreviewDialog;
class QWidget;

namespace lajes::report {

inline constexpr std::string_view floorMemorialTitle = "Memorial de Cálculo do Pavimento";

struct FloorMemorial {
    std::vector<ScheduleSheet> pages;
};

// The memorial of a designed floor (`results` as designFloor returned it; not called for an
// input error). Numbers with `decimalSeparator`; `nbr2014` adds the verification section.
FloorMemorial fillFloorMemorial(const Floor& floor, const FloorResults& results,
                                const Settings& settings, char decimalSeparator, bool nbr2014);

// Every page on `device`, laid out as reportPrinter() lays it out, a new page between two.
void paintFloorMemorial(QPainter& painter, const FloorMemorial& memorial,
                        QPagedPaintDevice& device);

// The PDF; needs a QGuiApplication.
QByteArray floorMemorialPdf(const FloorMemorial& memorial);

// Written through the program's file writer (complete or not at all): the error text, or
// nothing.
std::optional<std::string> writeFloorMemorialPdf(const FloorMemorial& memorial,
                                                 const std::filesystem::path& target);

// Called with the path of a PDF that "Salvar PDF…" wrote.
using MemorialWritten = std::function<void(const std::filesystem::path&)>;

// The preview on `printer` (which must outlive it), with "Salvar PDF…" in its tool bar, as
// the other sheets have; its dialog proposes `suggestedFile` when one is given.
std::unique_ptr<QPrintPreviewDialog> createFloorMemorialPreview(const FloorMemorial& memorial,
                                                                QPrinter& printer, QWidget* parent,
                                                                const QString& suggestedFile = {},
                                                                MemorialWritten written = {});

// Opens the preview maximised and modal over `parent`; returns when it closes.
void showFloorMemorialPreview(const FloorMemorial& memorial, QWidget* parent,
                              const QString& suggestedFile = {}, MemorialWritten written = {});

} // namespace lajes::report
