#pragma once

// Whether an activation of the results screen recomputes, asks first, or keeps what the
// screen shows. The three pieces of state live as long as the program.

#include <optional>
#include <string>

#include "analysis/calculate.h"
#include "analysis/slab_design_data.h"
#include "config/settings.h"

namespace lajes {

// Everything that enters the design, as a calculate action took it: the five boxes as typed
// (an empty box is absent), the support case, materials, ribbed geometry, adjacent span and
// the three design settings. The moments of SlabResults belong to exactly these values.
struct DesignInputs {
    std::optional<double> Lx, Ly, h, g, q;
    int SupportCase = 0;
    bool Ribbed = false;
    double fck = 0.0;
    std::string SteelGrade;
    double a = 0.0, bw = 0.0, hb = 0.0, bf = 0.0, BlockDensity = 0.0;
    double AdjacentSpan = 0.0;
    double wallWidth = 0.0, cover = 0.0, phiInfinity = 0.0;

    bool operator==(const DesignInputs&) const = default;
};

inline DesignInputs designInputsOf(const SlabEntries& entries, const SlabDesignData& slab,
                                   const Settings& settings) {
    DesignInputs inputs;
    inputs.Lx = entries.Lx;
    inputs.Ly = entries.Ly;
    inputs.h = entries.h;
    inputs.g = entries.g;
    inputs.q = entries.q;
    inputs.SupportCase = slab.SupportCase;
    inputs.Ribbed = slab.Ribbed;
    inputs.fck = slab.fck;
    inputs.SteelGrade = slab.SteelGrade;
    if (slab.Ribbed) {
        inputs.a = slab.a;
        inputs.bw = slab.bw;
        inputs.hb = slab.hb;
        inputs.bf = slab.bf;
        inputs.BlockDensity = slab.BlockDensity;
    }
    // Support case 1 never asks for the adjacent span.
    if (slab.SupportCase != 1)
        inputs.AdjacentSpan = slab.AdjacentSpan;
    inputs.wallWidth = settings.wallWidth;
    inputs.cover = settings.cover;
    inputs.phiInfinity = settings.phiInfinity;
    return inputs;
}

enum class ActivationDecision {
    Compute, // run computeResults
    Ask,     // ask recalculateQuestion, pass the answer to answer()
    Keep     // leave the screen as it is, with the user's bar choices
};

inline constexpr const char* recalculateQuestion = "Deseja Recalcular a(s) Laje(s) ?";

class RecalculationState {
public:
    // Start-up: the data-entry screen has been created (flag set); the main window's
    // "Calcular Lajes" has not run yet (count 0).
    RecalculationState() = default;

    // Any change of an input or of a design setting, and the main window's "Calcular Lajes".
    void inputChanged() {
        returnCount_ = 1;
        printed_ = false;
    }
    // "Calcular Laje" passed its checks with these inputs.
    void calculateSucceeded(const DesignInputs& inputs) {
        recalculate_ = true;
        calculated_ = inputs;
    }
    // The moments of the last calculate action were computed from other inputs than these:
    // the screen must not combine them with what is typed now.
    bool inputsChangedSinceCalculation(const DesignInputs& now) const {
        return calculated_ && !(*calculated_ == now);
    }
    // "Retornar".
    void returned() { ++returnCount_; }
    // "Imprimir": returning from the preview keeps the choices.
    void printed() {
        returnCount_ = 1;
        printed_ = true;
        recalculate_ = false;
    }
    // The results screen became active.
    ActivationDecision activated() {
        if (returnCount_ > 1)
            return ActivationDecision::Ask;
        if (!printed_)
            recalculate_ = true;
        return recalculate_ ? ActivationDecision::Compute : ActivationDecision::Keep;
    }
    // Answer to recalculateQuestion: Yes sets the flag, No (or closing the box) clears it.
    // Returns whether to compute.
    bool answer(bool yes) {
        recalculate_ = yes;
        return recalculate_;
    }

    bool recalculateFlag() const { return recalculate_; }
    int returnCount() const { return returnCount_; }
    bool printedFlag() const { return printed_; }

private:
    bool recalculate_ = true;
    int returnCount_ = 0;
    bool printed_ = false;
    std::optional<DesignInputs> calculated_;
};

} // namespace lajes
