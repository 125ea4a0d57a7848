#include "analysis/calculate.h"

#include <cmath>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "analysis/data_entry.h"
#include "analysis/loads.h"
#include "analysis/messages.h"
#include "analysis/moments.h"
#include "analysis/steel_grades.h"
#include "analysis/support_case.h"
#include "design/bars.h"

namespace lajes {

namespace {

CalculationResult rejected(std::string_view message, FocusTarget focus) {
    return {CalculationOutcome::Rejected, std::string(message), focus};
}

bool positive(const std::optional<double>& entry) {
    return entry && *entry > 0.0;
}

} // namespace

// The checks run in this order and the first failure ends the run:
//   1. Lx present, > 0 and in its range       focus Lx
//   2. Ly present, > 0 and in its range       focus Ly
//   3. h present, > 0 and in its range        focus h
//   4. d = h - cover - 0.5; then d > 0         focus h
//   4a. ribbed: hb not above h                 focus h
//   5. some load above zero; g, q, fck in range focus g (fck: none)
//   6. g as typed, the self-weight apart
//   7. cases 1, 3, 6: Lx <= Ly                 focus Lx
//   7a. Lx, then Ly, longer than the wall      focus Lx / Ly
//   7b. ribbed: a rib across Lx, then Ly       focus Lx / Ly
//   8. fyk, pre-dimensioning, p, moments, Mk máx, Mr, ρmin, As min
//   9. Mx, My, |Xx|, |Xy| not above Mk máx     no focus
//  10. every case but 1: the adjacent span, or Cancelled
//  11. Ready
// 4, 4a and 7a guard the analysis against sections and spans that do not exist: a negative d
// would still give a positive Mk máx (it enters squared), a block deeper than the slab would
// take more concrete out of the self-weight than the module holds, and a span no longer than
// the wall leaves no clear span for the bars.
std::optional<CalculationResult> checkSlabInputs(const SlabEntries& entries, SlabDesignData& slab,
                                                 const Settings& settings) {
    if (!positive(entries.Lx)) {
        return rejected(messages::LxNotPositive, FocusTarget::Lx);
    }
    if (!inRange(SlabInput::Lx, *entries.Lx)) {
        return rejected(outOfRangeMessage(SlabInput::Lx), FocusTarget::Lx);
    }
    slab.Lx = *entries.Lx;
    if (!positive(entries.Ly)) {
        return rejected(messages::LyNotPositive, FocusTarget::Ly);
    }
    if (!inRange(SlabInput::Ly, *entries.Ly)) {
        return rejected(outOfRangeMessage(SlabInput::Ly), FocusTarget::Ly);
    }
    slab.Ly = *entries.Ly;
    if (!positive(entries.h)) {
        return rejected("Valor da Espessura da Laje\ndeve ser maior que zero!", FocusTarget::h);
    }
    if (!inRange(SlabInput::h, *entries.h)) {
        return rejected(outOfRangeMessage(SlabInput::h), FocusTarget::h);
    }
    slab.h = *entries.h;

    slab.d = slab.h - settings.cover - 0.5; // cm; 0.5 cm to the axis of a 10 mm bar
    if (slab.d <= 0.0) {
        return rejected("Valor da Espessura da Laje\ndeve ser maior que o cobrimento + 0,5 cm!",
                        FocusTarget::h);
    }
    if (slab.Ribbed && slab.hb > slab.h) {
        return rejected("Altura do bloco hb\nnão pode ser maior que a Espessura da Laje!",
                        FocusTarget::h);
    }

    if (!positive(entries.g) && !positive(entries.q)) {
        return rejected("Valor da Carga Permanente\nou Acidental deve ser maior que zero!",
                        FocusTarget::g);
    }
    for (const auto& [input, entry] :
         {std::pair{SlabInput::g, entries.g}, {SlabInput::q, entries.q}})
        if (entry && !inRange(input, *entry))
            return rejected(outOfRangeMessage(input), FocusTarget::g);
    if (!inRange(SlabInput::fck, slab.fck)) {
        return rejected(outOfRangeMessage(SlabInput::fck), FocusTarget::None);
    }
    slab.g = entries.g.value_or(0.0);
    slab.ownWeight = selfWeight(slab);
    slab.q = entries.q.value_or(0.0);

    if (shorterSpanMustBeLx(slab.SupportCase) && slab.Ly < slab.Lx) {
        return rejected(messages::LxLongerThanLy, FocusTarget::Lx);
    }
    // Spans are measured between wall axes (m); the bars are counted over the clear span.
    if (slab.Lx <= settings.wallWidth) {
        return rejected("Valor do Lx\ndeve ser maior que a largura da parede!", FocusTarget::Lx);
    }
    if (slab.Ly <= settings.wallWidth) {
        return rejected("Valor do Ly\ndeve ser maior que a largura da parede!", FocusTarget::Ly);
    }
    // A ribbed slab has at least one rib across each clear span: the span holds a block a
    // besides one module a + bw. Without one there is nothing to reinforce, and a module
    // far wider than the slab puts millions of bars into a rib.
    if (slab.Ribbed) {
        for (const auto& [span, name, focus] :
             {std::tuple{slab.Lx, "Lx", FocusTarget::Lx}, {slab.Ly, "Ly", FocusTarget::Ly}})
            if (ribsAcross(span, settings.wallWidth, slab.a, slab.bw) < 1)
                return rejected(std::string("Nenhuma nervura cabe no vão: 2 × a + bw da Laje "
                                            "Nervurada\nexcede o vão livre de ") +
                                    name + "!",
                                focus);
    }
    return std::nullopt;
}

double analyseSlab(SlabDesignData& slab, SlabResults& results, PreDimensioning& preDimensioning) {
    if (const std::optional<double> fyk = fykFor(slab.SteelGrade)) {
        slab.fyk = *fyk;
    }
    preDimensioning = preDimension(slab);
    slab.p = permanentLoad(slab) + slab.q;
    analyseMoments(slab, results);
    return computeSectionLimits(slab, slab.d, results);
}

std::optional<CalculationResult> checkMoments(const SlabResults& results, double MkMax) {
    const auto rejectedAfterAnalysis = [](std::string_view message) {
        CalculationResult result = rejected(message, FocusTarget::None);
        result.preDimensioned = true;
        return result;
    };
    if (results.Mx > MkMax) {
        return rejectedAfterAnalysis(messages::MxAboveMkMax);
    }
    if (results.My > MkMax) {
        return rejectedAfterAnalysis(messages::MyAboveMkMax);
    }
    if (std::fabs(results.Xx) > MkMax) {
        return rejectedAfterAnalysis("Momento Xx é maior que Mkmáx !");
    }
    if (std::fabs(results.Xy) > MkMax) {
        return rejectedAfterAnalysis("Momento Xy é maior que Mkmáx !");
    }
    return std::nullopt;
}

CalculationResult calculateSlab(const SlabEntries& entries, SlabDesignData& slab,
                                SlabResults& results, PreDimensioning& preDimensioning,
                                const Settings& settings,
                                const AdjacentSpanRequest& requestAdjacentSpan) {
    if (auto rejection = checkSlabInputs(entries, slab, settings)) {
        return *rejection;
    }
    const double MkMax = analyseSlab(slab, results, preDimensioning);
    if (auto rejection = checkMoments(results, MkMax)) {
        return *rejection;
    }

    if (needsAdjacentSpan(slab.SupportCase)) {
        // Without a dialog to ask there is no span, as if the user had cancelled.
        const std::optional<double> adjacentSpan =
            requestAdjacentSpan ? requestAdjacentSpan() : std::nullopt;
        if (!adjacentSpan) {
            return {CalculationOutcome::Cancelled, {}, FocusTarget::None, true};
        }
        slab.AdjacentSpan = *adjacentSpan;
    }
    return {CalculationOutcome::Ready, {}, FocusTarget::None, true};
}

} // namespace lajes
