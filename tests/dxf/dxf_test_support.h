#pragma once

// Test doubles of the DXF writer: an entity collector for the drawing, a memory output with
// an optional failure after a number of bytes, and the records of the worked example.

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysis/slab_design_data.h"
#include "config/settings.h"
#include "design/slab_results.h"
#include "dxf/dxf_file.h"

namespace lajes::testing_dxf {

struct Entity {
    bool isText = false;
    DxfLayer layer = DxfLayer::Laje;             // lines
    DxfTextHeight height = DxfTextHeight::Label; // texts
    bool rotated = false;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // texts use x1, y1
    std::string text;

    // One letter per entity for order checks: T text, L "Laje", P "Ferr-Pos", N "Ferr-Neg",
    // G a line of the steel table (grid) on "Texto".
    char letter() const {
        if (isText)
            return 'T';
        switch (layer) {
        case DxfLayer::Laje:
            return 'L';
        case DxfLayer::FerrPos:
            return 'P';
        case DxfLayer::FerrNeg:
            return 'N';
        case DxfLayer::Texto:
            return 'G';
        }
        return '?';
    }
};

class EntityCollector final : public DxfEntityWriter {
public:
    void writeText(double x, double y, DxfTextHeight height, bool rotated,
                   std::string_view text) override {
        Entity entity;
        entity.isText = true;
        entity.height = height;
        entity.rotated = rotated;
        entity.x1 = x;
        entity.y1 = y;
        entity.text = std::string(text);
        entities.push_back(entity);
    }
    void writeLine(DxfLayer layer, double x1, double y1, double x2, double y2) override {
        Entity entity;
        entity.layer = layer;
        entity.x1 = x1;
        entity.y1 = y1;
        entity.x2 = x2;
        entity.y2 = y2;
        entities.push_back(entity);
    }

    std::string letters() const {
        std::string result;
        for (const Entity& entity : entities)
            result += entity.letter();
        return result;
    }
    std::vector<Entity> entities;
};

// What a MemoryOutput did, kept outside it because the DxfFile owns and destroys the output.
struct MemoryOutputLog {
    std::string bytes;
    int commits = 0;
    bool destroyed = false;
};

// Keeps the bytes in memory; with `failAfter` set it accepts that many bytes and then reports
// "Disk full", as a write to a full disk does half-way through a line.
class MemoryOutput final : public DxfOutput {
public:
    explicit MemoryOutput(MemoryOutputLog& log, std::optional<std::size_t> failAfter = {})
        : log_(log), failAfter_(failAfter) {}
    MemoryOutput(const MemoryOutput&) = delete;
    MemoryOutput& operator=(const MemoryOutput&) = delete;
    ~MemoryOutput() override { log_.destroyed = true; }

    std::optional<std::string> append(std::string_view bytes) override {
        if (failAfter_ && log_.bytes.size() + bytes.size() > *failAfter_) {
            log_.bytes.append(bytes.substr(0, *failAfter_ - log_.bytes.size()));
            return "Disk full";
        }
        log_.bytes.append(bytes);
        return std::nullopt;
    }
    std::optional<std::string> commit() override {
        ++log_.commits;
        return std::nullopt;
    }

private:
    MemoryOutputLog& log_;
    std::optional<std::size_t> failAfter_;
};

inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::filesystem::path goldenFolder() {
    return std::filesystem::path(LAJES_DXF_GOLDEN_DIR);
}

// The lines of a file without their CR LF; the last element is what follows the last CR LF
// (empty for a complete file).
inline std::vector<std::string> splitCrLf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at = bytes.find("\r\n"); at != std::string::npos;
         at = bytes.find("\r\n", start)) {
        lines.push_back(bytes.substr(start, at - start));
        start = at + 2;
    }
    lines.push_back(bytes.substr(start));
    return lines;
}

// The worked example of the drawing: solid slab 4 m by 5 m, h 10 cm, support case 3,
// adjacent span 4 m; wall 0.15 m, cover 1 cm, scale 1:50 (the default settings).
inline SlabDesignData workedSlab() {
    SlabDesignData slab;
    slab.SupportCase = 3;
    slab.Lx = 4.0;
    slab.Ly = 5.0;
    slab.h = 10.0;
    slab.AdjacentSpan = 4.0;
    return slab;
}

// Bar descriptions of a solid 4 m by 5 m slab (x bars spread over Ly - wall, y over Lx - wall).
inline SlabResults workedResults() {
    SlabResults results;
    results.bar(BarDirection::xp).text = "31\u00D86.3c16";
    results.bar(BarDirection::yp).text = "25\u00D86.3c16";
    results.bar(BarDirection::xn).text = "41\u00D88.0c12";
    results.bar(BarDirection::yn).text = "33\u00D86.3c12";
    return results;
}

} // namespace lajes::testing_dxf
