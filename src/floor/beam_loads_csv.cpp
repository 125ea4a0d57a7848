#include "floor/beam_loads_csv.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "floor/floor_schedule.h"
#include "io/file_writer.h"
#include "text/number_text.h"

namespace lajes {

namespace {

// A typed name holding ";", a quote or a line break is quoted, its quotes doubled (RFC 4180),
// so that it stays one field.
std::string field(std::string_view text) {
    if (text.find_first_of(";\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

} // namespace

std::vector<std::vector<std::string>> beamLoadRows(const Floor& floor, const FloorResults& results,
                                                   char decimalSeparator) {
    const auto two = [decimalSeparator](double value) {
        return formatFixed(value, 2, decimalSeparator);
    };
    std::vector<std::vector<std::string>> rows;
    for (const Beam& beam : results.beams) {
        const bool alongX = std::abs(beam.from.y - beam.to.y) <= floorTolerance;
        for (const BeamSegment& segment : beam.segments) {
            std::vector<std::string> names;
            for (std::size_t i : segment.slabs)
                if (i < floor.slabs.size())
                    names.push_back(floor.slabs[i].name);
            std::sort(names.begin(), names.end(), naturalLess);
            std::string slabs;
            for (const std::string& name : names)
                slabs += (slabs.empty() ? "" : ", ") + name;
            rows.push_back({beam.name, two(alongX ? segment.from.x : segment.from.y),
                            two(alongX ? segment.to.x : segment.to.y), slabs, two(segment.load),
                            two(segment.load * kgToKn)});
        }
    }
    return rows;
}

std::string beamLoadsCsv(const Floor& floor, const FloorResults& results, char decimalSeparator) {
    std::string out = "\xEF\xBB\xBF";
    const auto line = [&out](const auto& fields) {
        bool first = true;
        for (const auto& text : fields) {
            if (!first)
                out += ';';
            first = false;
            out += field(text);
        }
        out += "\r\n";
    };
    line(beamLoadHeader);
    for (const auto& row : beamLoadRows(floor, results, decimalSeparator))
        line(row);
    return out;
}

std::optional<std::string> exportBeamLoads(const std::filesystem::path& path, const Floor& floor,
                                           const FloorResults& results, char decimalSeparator) {
    return writeFile(path, beamLoadsCsv(floor, results, decimalSeparator));
}

} // namespace lajes
