#include "dxf/dxf_export.h"

#include "dxf/dxf_file.h"
#include "dxf/schedule_drawing.h"
#include "dxf/slab_drawing.h"

namespace lajes {

std::optional<std::string> exportDrawing(const std::filesystem::path& path,
                                         std::string_view slabName, const SlabDesignData& slab,
                                         const SlabResults& results, const Settings& settings,
                                         char decimalSeparator, const SteelSchedule* schedule,
                                         WriteTarget accepted) {
    DxfFile file;
    if (auto error = file.create(path, accepted))
        return error;
    file.writeHeaderAndTables(settings);
    drawSlab(file, slab, results, settings, slabName, decimalSeparator);
    if (schedule)
        drawSteelSchedule(file, slab, results, settings, *schedule, decimalSeparator);
    return file.finish();
}

} // namespace lajes
