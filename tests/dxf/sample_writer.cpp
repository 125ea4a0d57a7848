// Writes the drawing of the 4 m by 5 m slab for each support case, solid and ribbed, into a
// folder, for a reader outside the program to check:
//   dxf_sample_writer <folder> <Texto colour> <Laje colour> <Ferr-pos colour> <Ferr-Neg colour>
// Files: case<N>_solid.dxf, and case<N>_ribbed_nx2_ny3.dxf with 2 bars per rib in x and 3 in
// y. A solid slab has top descriptions exactly where its case has fixed edges; a ribbed slab
// has both (its fixed top arrangement), also in the cases it never has on screen.

#include <filesystem>
#include <iostream>
#include <string>

#include "analysis/moments.h"
#include "dxf/dxf_export.h"

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
    return status;
}
