#pragma once

// Whether an activation of the results screen recomputes, asks first, or keeps what the
// screen shows. The three pieces of state live as long as the program.

namespace lajes {

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
    // "Calcular Laje" passed its checks.
    void calculateSucceeded() { recalculate_ = true; }
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
};

} // namespace lajes
