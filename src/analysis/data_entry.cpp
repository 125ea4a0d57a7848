#include "analysis/data_entry.h"

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

std::string_view ribbedFieldName(RibbedField field) {
    switch (field) {
    case RibbedField::a:
        return "a";
    case RibbedField::bw:
        return "bw";
    case RibbedField::hb:
        return "hb";
    case RibbedField::bf:
        break;
    }
    return "bf";
}

std::optional<RibbedField> firstIncompleteRibbedField(const RibbedGeometryEntries& entries) {
    const std::pair<RibbedField, const std::optional<double>&> checks[] = {
        {RibbedField::a, entries.a},
        {RibbedField::bw, entries.bw},
        {RibbedField::hb, entries.hb},
        {RibbedField::bf, entries.bf},
    };
    for (const auto& [field, entry] : checks)
        if (!entry || *entry == 0.0)
            return field;
    return std::nullopt;
}

double acceptedBlockDensity(const RibbedGeometryEntries& entries) {
    return entries.BlockDensity.value_or(0.0);
}

} // namespace lajes
