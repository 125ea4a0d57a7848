// Designs the worked floor and writes its drawing and beam loads into a folder, for
// check_floor_outputs.py: worked_floor.dxf and worked_floor.csv with ",",
// worked_floor_point.csv with ".".

#include <cstdio>
#include <filesystem>

#include "floor/beam_loads_csv.h"
#include "floor/floor_drawing.h"
#include "worked_floor.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: floor_sample_writer <folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    const lajes::Floor floor = lajes::testing_floor::workedFloor();
    const lajes::Settings& settings = floor.settings;
    const lajes::FloorResults results = lajes::designFloor(floor, settings);
    int failures = 0;
    const auto report = [&failures](const std::optional<std::string>& error) {
        if (error) {
            std::fprintf(stderr, "%s\n", error->c_str());
            ++failures;
        }
    };
    report(lajes::exportFloorDrawing(folder / "worked_floor.dxf", floor, results, settings, ','));
    report(lajes::exportBeamLoads(folder / "worked_floor.csv", floor, results, ','));
    report(lajes::exportBeamLoads(folder / "worked_floor_point.csv", floor, results, '.'));
    return failures == 0 ? 0 : 1;
}
