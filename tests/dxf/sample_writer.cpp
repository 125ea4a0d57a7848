// Writes the drawing of the 4 m by 5 m slab for each support case, solid and ribbed, into a
// folder, for a reader outside the program to check:
//   dxf_sample_writer <folder> <Texto colour> <Laje colour> <Ferr-pos colour> <Ferr-Neg colour>
// Files: case<N>_solid.dxf, and case<N>_ribbed_nx2_ny3.dxf with 2 bars per rib in x and 3 in
// y. A solid slab has top descriptions exactly where its case has fixed edges; a ribbed slab
// has both (its fixed top arrangement), also in the cases it never has on screen.
// Then three slabs designed as the results screen designs them, drawn with their steel
// table: schedule_1edge_case3_solid.dxf, schedule_2edge_case6_solid.dxf and
// schedule_1edge_ribbed.dxf (the number: fixed edges per top direction).

#include <filesystem>
#include <iostream>
#include <string>

#include "analysis/calculate.h"
#include "analysis/moments.h"
#include "design/results_driver.h"
#include "design/steel_schedule.h"
#include "dxf/dxf_export.h"

namespace {

// Designs a slab with the proposed bars and writes its drawing with the steel table.
bool writeScheduleDrawing(const std::filesystem::path& file, lajes::SlabDesignData slab,
                          const lajes::SlabEntries& entries, const lajes::Settings& settings) {
    lajes::SlabResults results;
    lajes::PreDimensioning preDimensioning;
    lajes::ResultsScreen screen;
    const auto calculation = lajes::calculateSlab(entries, slab, results, preDimensioning, settings,
                                                  [] { return std::optional<double>(4.5); });
    if (calculation.outcome != lajes::CalculationOutcome::Ready ||
        lajes::computeResults(slab, results, settings, screen, ',').closeScreen) {
        std::cerr << file.filename().string() << ": the slab is not designed\n";
        return false;
    }
    const auto schedule = lajes::steelSchedule(slab, results, settings);
    if (!schedule) {
        std::cerr << file.filename().string() << ": no steel table\n";
        return false;
    }
    if (const auto error =
            lajes::exportDrawing(file, "L1", slab, results, settings, ',', &*schedule)) {
        std::cerr << file.filename().string() << ": " << *error << "\n";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::cerr << "usage: dxf_sample_writer <folder> <Texto> <Laje> <Ferr-pos> <Ferr-Neg>\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    lajes::Settings settings;
    settings.textLayerColour = argv[2];
    settings.slabLayerColour = argv[3];
    settings.posBarLayerColour = argv[4];
    settings.negBarLayerColour = argv[5];

    int status = 0;
    for (const bool ribbed : {false, true}) {
        for (int supportCase = 1; supportCase <= 6; ++supportCase) {
            lajes::SlabDesignData slab;
            slab.SupportCase = supportCase;
            slab.Ribbed = ribbed;
            slab.Lx = 4.0;
            slab.Ly = 5.0;
            slab.h = ribbed ? 25.0 : 10.0;
            slab.AdjacentSpan = 4.0;
            lajes::SlabResults results;
            results.bar(lajes::BarDirection::xp).text = ribbed ? "8x2\u00D810.0" : "31\u00D86.3c16";
            results.bar(lajes::BarDirection::yp).text = ribbed ? "6x3\u00D88.0" : "25\u00D86.3c16";
            if (ribbed || lajes::hasFixedXEdge(supportCase))
                results.bar(lajes::BarDirection::xn).text =
                    ribbed ? "9\u00D85.0c50" : "41\u00D88.0c12";
            if (ribbed || lajes::hasFixedYEdge(supportCase))
                results.bar(lajes::BarDirection::yn).text =
                    ribbed ? "7\u00D85.0c50" : "33\u00D86.3c12";
            results.barsPerRibX = 2;
            results.barsPerRibY = 3;
            const std::string name = "case" + std::to_string(supportCase) +
                                     (ribbed ? "_ribbed_nx2_ny3" : "_solid") + ".dxf";
            if (const auto error = lajes::exportDrawing(folder / name, "Laje \u00D8 " + name, slab,
                                                        results, settings, ',')) {
                std::cerr << name << ": " << *error << "\n";
                status = 1;
            }
        }
    }

    lajes::SlabDesignData slab;
    slab.SupportCase = 3;
    if (!writeScheduleDrawing(folder / "schedule_1edge_case3_solid.dxf", slab,
                              {4.0, 5.0, 10.0, 100.0, 200.0}, settings))
        status = 1;
    slab.SupportCase = 6;
    if (!writeScheduleDrawing(folder / "schedule_2edge_case6_solid.dxf", slab,
                              {4.0, 5.0, 12.0, 100.0, 300.0}, settings))
        status = 1;
    slab = lajes::SlabDesignData{};
    slab.Ribbed = true;
    slab.a = 40.0;
    slab.bw = 10.0;
    slab.hb = 20.0;
    slab.bf = 5.0;
    slab.BlockDensity = 450.0;
    if (!writeScheduleDrawing(folder / "schedule_1edge_ribbed.dxf", slab,
                              {5.0, 6.0, 25.0, 100.0, 300.0}, settings))
        status = 1;
    return status;
}
