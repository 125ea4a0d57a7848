#include "dxf/schedule_drawing.h"

#include <array>
#include <string>
#include <vector>

#include "dxf/slab_drawing.h"

namespace lajes {

namespace {

// A row of the table: the text of each column (empty for none) and which column boundaries
// are drawn inside it (the outer two always are).
struct TableRow {
    std::array<std::string, 6> cells;
    std::array<bool, 5> innerBoundaries{true, true, true, true, true};
};

constexpr std::array<bool, 5> noBoundaries{false, false, false, false, false};
constexpr std::array<bool, 5> beforeMass{false, false, false, false, true};

// Text inside a cell: 1.5 units from its left edge, the base line 1.25 above its bottom, so
// that a 2.5-high text sits in the middle of the 5-high row.
constexpr double cellPadding = 1.5;
constexpr double baseLineRise = 1.25;

} // namespace

void drawSteelSchedule(DxfEntityWriter& file, const SlabDesignData& slab,
                       const SlabResults& results, const Settings& settings,
                       const SteelSchedule& schedule, char decimalSeparator) {
    // Position marks beside the labels of the directions the table lists.
    const std::array<BarLabelPlace, 4> places = barLabelPlaces(slab, results, settings);
    for (const SchedulePosition& position : schedule.positions) {
        const BarLabelPlace& place = places[static_cast<std::size_t>(position.direction)];
        if (!place.drawn)
            continue;
        if (place.rotated)
            file.writeText(place.x - 4, place.y, DxfTextHeight::Label, true, position.name);
        else
            file.writeText(place.x, place.y + 4, DxfTextHeight::Label, false, position.name);
    }

    // Left, top: beside the outer outline of the walls, level with its top.
    const double s = settings.scaleFactor;
    const double outerHalfWall = settings.wallWidth * 0.5;
    const double left = (slab.Lx + outerHalfWall) * s + 10 + scheduleGap;
    const double top = (slab.Ly + outerHalfWall) * s + 10;
    drawScheduleTable(file, left, top, schedule, decimalSeparator);
}

void drawScheduleTable(DxfEntityWriter& file, double left, double top,
                       const SteelSchedule& schedule, char decimalSeparator, bool withRates) {
    const ScheduleTexts texts = scheduleTexts(schedule, decimalSeparator);
    std::vector<TableRow> rows;
    TableRow header;
    for (std::size_t i = 0; i < 6; ++i)
        header.cells[i] = texts.positionHeader[i];
    rows.push_back(header);
    for (const auto& fields : texts.positionRows) {
        TableRow row;
        for (std::size_t i = 0; i < 6; ++i)
            row.cells[i] = fields[i];
        rows.push_back(row);
    }
    TableRow summary;
    summary.cells[0] = "RESUMO";
    summary.innerBoundaries = noBoundaries;
    rows.push_back(summary);
    for (const auto& fields : texts.diameterRows) {
        TableRow row;
        row.cells[1] = fields[0]; // Ø (mm)
        row.cells[4] = fields[1]; // Compr. total (m)
        row.cells[5] = fields[2]; // Massa (kg)
        rows.push_back(row);
    }
    for (const auto& [caption, value] : {std::pair<const char*, std::size_t>{"TOTAL", 0},
                                         std::pair<const char*, std::size_t>{"TOTAL + 10%", 1}}) {
        TableRow row;
        row.cells[0] = caption;
        row.cells[5] = texts.totals[value].value;
        row.innerBoundaries = beforeMass;
        rows.push_back(row);
    }
    if (withRates)
        for (const auto& [caption, value] :
             {std::pair<const char*, std::size_t>{"TAXA (kg/m²)", 4},
              std::pair<const char*, std::size_t>{"TAXA (kg/m³)", 5}}) {
            TableRow row;
            row.cells[0] = caption;
            row.cells[5] = texts.totals[value].value;
            row.innerBoundaries = beforeMass;
            rows.push_back(row);
        }

    std::array<double, 7> columnX{};
    columnX[0] = left;
    for (std::size_t i = 0; i < 6; ++i)
        columnX[i + 1] = columnX[i] + scheduleColumnWidths[i];
    const double right = columnX[6];

    file.writeText(left, top - 5, DxfTextHeight::Name, false, "TABELA DE AÇO");
    const double gridTop = top - 8;
    const auto rowTop = [&](std::size_t row) {
        return gridTop - static_cast<double>(row) * scheduleRowHeight;
    };

    for (std::size_t i = 0; i <= rows.size(); ++i)
        file.writeLine(DxfLayer::Texto, left, rowTop(i), right, rowTop(i));
    // Each column boundary as few lines as possible: one per run of rows that draw it.
    file.writeLine(DxfLayer::Texto, left, gridTop, left, rowTop(rows.size()));
    for (std::size_t b = 0; b < 5; ++b) {
        for (std::size_t first = 0; first < rows.size();) {
            if (!rows[first].innerBoundaries[b]) {
                ++first;
                continue;
            }
            std::size_t end = first;
            while (end < rows.size() && rows[end].innerBoundaries[b])
                ++end;
            file.writeLine(DxfLayer::Texto, columnX[b + 1], rowTop(first), columnX[b + 1],
                           rowTop(end));
            first = end;
        }
    }
    file.writeLine(DxfLayer::Texto, right, gridTop, right, rowTop(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (std::size_t c = 0; c < 6; ++c)
            if (!rows[i].cells[c].empty())
                file.writeText(columnX[c] + cellPadding, rowTop(i + 1) + baseLineRise,
                               DxfTextHeight::Label, false, rows[i].cells[c]);
}

} // namespace lajes
