#include "analysis/data_entry.h"

#include <array>
#include <cmath>
#include <string>

#include "analysis/steel_grades.h"

namespace lajes {

void applyStartValues(SlabDesignData& slab) {
    slab.g = 0.0;
    slab.q = 0.0;
    slab.fck = startFck;
    slab.fyk = fykFor(startSteelGrade).value_or(0.0);
    slab.SteelGrade = std::string(startSteelGrade);
    slab.SupportCase = startSupportCase;
    slab.Ribbed = false;
}

void resetScreenEntries(SlabDesignData& slab) {
    slab.SupportCase = startSupportCase;
    slab.Ribbed = false;
    slab.fck = startFck;
    slab.SteelGrade = std::string(startSteelGrade);
    slab.Lx = slab.Ly = slab.h = slab.g = slab.q = 0.0;
}

namespace {

struct InputRow {
    std::string_view name;
    double largest;
    std::string_view unit; // as the message writes it after the number
};

// In the order of SlabInput.
constexpr std::array<InputRow, 12> inputRows{{
    {"Lx", 100.0, "m"},
    {"Ly", 100.0, "m"},
    {"h", 200.0, "cm"},
    {"g", 100000.0, "kg/m²"},
    {"q", 100000.0, "kg/m²"},
    {"fck", 150.0, "MPa"},
    {"a", 200.0, "cm"},
    {"bw", 100.0, "cm"},
    {"hb", 200.0, "cm"},
    {"bf", 100.0, "cm"},
    {"BlockDensity", 5000.0, "kgf/m³"},
    {"AdjacentSpan", 100.0, "m"},
}};

const InputRow& rowOf(SlabInput input) {
    return inputRows[static_cast<std::size_t>(input)];
}

SlabInput inputOf(RibbedField field) {
    switch (field) {
    case RibbedField::a:
        return SlabInput::a;
    case RibbedField::bw:
        return SlabInput::bw;
    case RibbedField::hb:
        return SlabInput::hb;
    case RibbedField::bf:
        return SlabInput::bf;
    case RibbedField::BlockDensity:
        break;
    }
    return SlabInput::BlockDensity;
}

} // namespace

std::string_view slabInputName(SlabInput input) {
    return rowOf(input).name;
}

double largestValue(SlabInput input) {
    return rowOf(input).largest;
}

bool inRange(SlabInput input, double value) {
    return std::isfinite(value) && value >= 0.0 && value <= largestValue(input);
}

std::string outOfRangeMessage(SlabInput input) {
    const InputRow& row = rowOf(input);
    // The bounds are whole numbers: no decimals, thousands apart by a space ("100 000").
    std::string largest = std::to_string(static_cast<long>(row.largest));
    if (largest.size() > 3)
        largest.insert(largest.size() - 3, " ");
    return "Valor de " + std::string(row.name) + " deve estar entre 0 e " + largest + " " +
           std::string(row.unit) + "!";
}

std::string_view ribbedFieldName(RibbedField field) {
    return slabInputName(inputOf(field));
}

std::optional<RibbedField> firstIncompleteRibbedField(const RibbedGeometryEntries& entries) {
    const std::pair<RibbedField, const std::optional<double>&> checks[] = {
        {RibbedField::a, entries.a},
        {RibbedField::bw, entries.bw},
        {RibbedField::hb, entries.hb},
        {RibbedField::bf, entries.bf},
    };
    for (const auto& [field, entry] : checks)
        if (!entry || *entry == 0.0 || !inRange(inputOf(field), *entry))
            return field;
    if (entries.BlockDensity && !inRange(SlabInput::BlockDensity, *entries.BlockDensity))
        return RibbedField::BlockDensity;
    return std::nullopt;
}

double acceptedBlockDensity(const RibbedGeometryEntries& entries) {
    return entries.BlockDensity.value_or(0.0);
}

} // namespace lajes
