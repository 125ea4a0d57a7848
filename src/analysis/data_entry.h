#pragma once

// The rules of the data entry, apart from any window: the start values of the slab, the
// ribbed slab's tie to support case 1, and when the ribbed-slab and additional-data dialogs
// may be left with OK. The data-entry screen and its dialogs, lajes-cli and the slab files
// all go through these functions.
//
// An entry is a number box as the user left it: std::nullopt for an empty box.

#include <optional>
#include <string>
#include <string_view>

#include "analysis/slab_design_data.h"

namespace lajes {

// ---- Start values ------------------------------------------------------------------------

// fck (MPa) and steel grade shown when the data-entry screen opens or is reset.
inline constexpr double startFck = 20.0;
inline constexpr std::string_view startSteelGrade = "CA-50A";
inline constexpr int startSupportCase = 1;

// The slab as the data-entry screen starts: no loads, fck 20, CA-50A (fyk 50), support case
// 1, solid. Spans, thickness and the ribbed geometry are left as they are.
void applyStartValues(SlabDesignData& slab);

// Closing the data-entry screen: case 1, solid, fck 20, CA-50A, and the five boxes of the
// screen (Lx, Ly, h, g, q) emptied, i.e. 0. The ribbed geometry and the adjacent span are
// kept: their dialogs keep what was typed in them. fyk is not touched.
void resetScreenEntries(SlabDesignData& slab);

// ---- Physical ranges ---------------------------------------------------------------------

// Every number of the slab a user gives, in the units of its box.
enum class SlabInput { Lx, Ly, h, g, q, fck, a, bw, hb, bf, BlockDensity, AdjacentSpan };

// Its name as the record and lajes-cli's JSON call it ("Lx", "BlockDensity"...).
std::string_view slabInputName(SlabInput input);

// The largest value each input may take; the smallest is 0 (the boxes take no minus sign,
// and the rules below say where 0 itself is refused). Far beyond any real floor slab, and
// small enough that no result derived from them overflows:
//   Lx, Ly, AdjacentSpan      100 m          h, hb, a           200 cm
//   g, q                 100 000 kg/m²       bw, bf             100 cm
//   fck                      150 MPa         BlockDensity     5 000 kgf/m³
double largestValue(SlabInput input);

// The one acceptance rule of each input's range, wherever the value comes from (the boxes of
// the data-entry screen and its dialogs, the slab files, lajes-cli): a finite number from 0
// to largestValue.
bool inRange(SlabInput input, double value);

// "Valor de bw deve estar entre 0 e 100 cm!"
std::string outOfRangeMessage(SlabInput input);

// ---- Ribbed slab -------------------------------------------------------------------------

// A ribbed slab is designed only as support case 1: ticking "Laje Nervurada" selects it,
// and selecting any other case clears the tick.
inline constexpr int ribbedSupportCase = 1;

constexpr bool ribbedAllowed(int supportCase) {
    return supportCase == ribbedSupportCase;
}

// The ribbed-slab dialog's boxes, cm, and the blocks' unit weight, kgf/m³.
struct RibbedGeometryEntries {
    std::optional<double> a, bw, hb, bf, BlockDensity;
};

enum class RibbedField { a, bw, hb, bf, BlockDensity };

// The field's name, as the slab record and lajes-cli's JSON call it: "a", "bw", "hb", "bf",
// "BlockDensity".
std::string_view ribbedFieldName(RibbedField field);

// The first of a, bw, hb, bf (in that order) that is empty, 0 or out of its range; nothing
// when the dialog may be left with OK. The block density is not required, but when given it
// must be in its range (RibbedField::BlockDensity).
std::optional<RibbedField> firstIncompleteRibbedField(const RibbedGeometryEntries& entries);

// The block density a complete geometry is accepted with: an empty box counts as 0.
double acceptedBlockDensity(const RibbedGeometryEntries& entries);

// ---- Additional data ---------------------------------------------------------------------

// The additional-data dialog may be left with OK only with a non-empty, non-zero span in
// its range.
inline bool adjacentSpanAccepted(std::optional<double> adjacentSpan) {
    return adjacentSpan && *adjacentSpan != 0.0 && inRange(SlabInput::AdjacentSpan, *adjacentSpan);
}

} // namespace lajes
