#include "cli/slab_result.h"

#include <algorithm>
#include <utility>

#include "analysis/calculate.h"
#include "analysis/data_entry.h"
#include "design/bar_picks.h"
#include "design/results_driver.h"
#include "io/file_messages.h"
#include "verification/nbr6118_2014.h"

namespace lajes::cli {

namespace {

using nlohmann::json;

// -0.0 (a support moment of a case without fixed edges) prints as 0.
double plain(double value) {
    return value + 0.0;
}

const char* focusName(FocusTarget focus) {
    switch (focus) {
    case FocusTarget::Lx:
        return "Lx";
    case FocusTarget::Ly:
        return "Ly";
    case FocusTarget::h:
        return "h";
    case FocusTarget::g:
        return "g";
    case FocusTarget::None:
        break;
    }
    return nullptr;
}

// The additional-data dialog cannot be left with OK while the span is 0; a script that gives
// none is refused the way the screen would stop there.
constexpr const char* adjacentSpanMessage =
    "Valor do Maior dos Menores Vãos Adjacentes\ndeve ser maior que zero!";

json listJson(const ChoiceList& list) {
    return {{"items", list.items}, {"text", list.currentText}, {"enabled", list.enabled}};
}

json screenJson(const ResultsScreen& s) {
    json screen = json::object();
    for (const auto& [name, member] : resultsScreenBoxes)
        screen[std::string(name)] = s.*member;
    for (const auto& [name, member] : resultsScreenLists)
        screen[std::string(name)] = listJson(s.*member);
    return screen;
}

json slabJson(const SlabDesignData& slab, const PreDimensioning& pre) {
    return {{"fyk", slab.fyk},    {"d", slab.d},           {"g", permanentLoad(slab)},
            {"p", slab.p},        {"Lambda", slab.Lambda}, {"SmallerSpan", slab.SmallerSpan},
            {"hREBA", pre.hREBA}, {"dNBR", pre.dNBR}};
}

json analysisJson(const SlabResults& r) {
    return {{"Mx", plain(r.Mx)},         {"My", plain(r.My)},       {"Xx", plain(r.Xx)},
            {"Xy", plain(r.Xy)},         {"MkMax", plain(r.MkMax)}, {"Mr", plain(r.Mr)},
            {"rhoMin", plain(r.rhoMin)}, {"AsMin", plain(r.AsMin)}};
}

json resultsJson(const SlabDesignData& slab, const SlabResults& r, const ResultsScreen& screen,
                 const ComputeOutcome& computed) {
    const bool noBar = computed.closeScreen;
    json results = analysisJson(r);
    results["Rxa"] = plain(r.Rxa);
    results["Rxe"] = plain(r.Rxe);
    results["Rya"] = plain(r.Rya);
    results["Rye"] = plain(r.Rye);
    results["Asxp"] = plain(r.Asxp);
    results["Asyp"] = plain(r.Asyp);
    results["Asxn"] = plain(r.Asxn);
    results["Asyn"] = plain(r.Asyn);
    results["X"] = plain(r.X);
    if (slab.Ribbed) {
        results["ribsX"] = r.ribsX;
        results["ribsY"] = r.ribsY;
    }
    json bars = json::object();
    for (BarDirection direction : allBarDirections) {
        // After a no-bar failure only the directions the computation reached have bars.
        if (noBar &&
            std::find(computed.proposedDirections.begin(), computed.proposedDirections.end(),
                      direction) == computed.proposedDirections.end())
            continue;
        const BarChoice& bar = r.bar(direction);
        json entry = {{"diameters", screen.diameterList(direction).items},
                      {"spacings", screen.spacingList(direction).items},
                      {"diameter", bar.diameter},
                      {"spacing", bar.spacing},
                      {"count", bar.count},
                      {"effectiveArea", bar.effectiveArea},
                      {"text", screen.descriptionBox(direction)}};
        if (slab.Ribbed && direction == BarDirection::xp)
            entry["barsPerRib"] = r.barsPerRibX;
        if (slab.Ribbed && direction == BarDirection::yp)
            entry["barsPerRib"] = r.barsPerRibY;
        bars[directionKey(direction)] = std::move(entry);
    }
    results["bars"] = std::move(bars);
    if (!noBar) {
        results["deflection"] = {{"immediate", r.immediateDeflection},
                                 {"final", r.finalDeflection},
                                 {"admissible", r.admissibleDeflection}};
        results["shear"] = {{"V", r.V}, {"tauD", r.tauD}, {"tauU", r.tauU}};
    }
    return results;
}

} // namespace

DesignRun runDesign(const SlabRequest& request, char decimalSeparator) {
    DesignRun run;
    run.slab = request.slab;
    PreDimensioning pre;
    const double adjacentSpan = request.slab.AdjacentSpan;
    // The span given is typed into the additional-data dialog once; a span the dialog
    // refuses ends the run as a cancelled dialog would.
    const AdjacentSpanRequest askAdjacentSpan = [adjacentSpan]() -> std::optional<double> {
        if (!adjacentSpanAccepted(adjacentSpan))
            return std::nullopt;
        return adjacentSpan;
    };
    const CalculationResult calculation = calculateSlab(request.entries, run.slab, run.results, pre,
                                                        request.settings, askAdjacentSpan);
    json& result = run.result;
    result["messages"] = json::array();

    if (calculation.outcome != CalculationOutcome::Ready) {
        run.outcome = DesignOutcome::Rejected;
        result["outcome"] = "Rejected";
        const bool cancelled = calculation.outcome == CalculationOutcome::Cancelled;
        result["message"] = cancelled ? adjacentSpanMessage : calculation.message;
        const char* focus = cancelled ? "AdjacentSpan" : focusName(calculation.focus);
        result["focus"] = focus ? json(focus) : json(nullptr);
        // A failed moment check and the adjacent span come after the analysis: report what
        // it computed. Earlier checks stop before anything is derived.
        if (calculation.preDimensioned) {
            result["slab"] = slabJson(run.slab, pre);
            result["results"] = analysisJson(run.results);
        }
        return run;
    }

    ComputeOutcome computed =
        computeResults(run.slab, run.results, request.settings, run.screen, decimalSeparator);
    for (const ScreenMessage& message : computed.messages)
        result["messages"].push_back(message.text);
    const bool noBar = computed.closeScreen;

    // The picks are made on the screen, which a no-bar failure closes at once.
    if (!noBar) {
        const BarPicksOutcome picks = applyBarPicks(request.choices, run.slab, run.results,
                                                    request.settings, run.screen, decimalSeparator);
        if (!picks.skipped.empty()) {
            const BarPick& pick = picks.skipped.front();
            run.invalidChoice =
                std::string("\"choices\": a lista ") +
                (pick.diameter ? "de bitolas" : "de espaçamentos") + " de \"" +
                directionKey(pick.direction) + "\" não oferece \"" +
                (pick.diameter ? shortQuote(*pick.diameter) : std::to_string(*pick.spacing)) + "\"";
            return run;
        }
        for (const ScreenMessage& message : picks.messages)
            result["messages"].push_back(message.text);
    }

    run.outcome = noBar ? DesignOutcome::NoBar : DesignOutcome::Ready;
    result["outcome"] = noBar ? "NoBar" : "Ready";
    result["slab"] = slabJson(run.slab, pre);
    result["results"] = resultsJson(run.slab, run.results, run.screen, computed);
    result["screen"] = screenJson(run.screen);
    return run;
}

void addNbr6118Verification(DesignRun& run, const SlabRequest& request) {
    if (run.outcome != DesignOutcome::Ready)
        return;
    run.nbr6118Text = verificationJsonText(
        verifyNbr6118(run.slab, run.results, request.settings, request.nbr6118));
}

std::string withNbr6118Verification(std::string text, const DesignRun& run) {
    if (!run.nbr6118Text.empty() && !text.empty() && text.back() == '}') {
        text.pop_back();
        text += ",\"nbr6118_2014\":";
        text += run.nbr6118Text;
        text += '}';
    }
    return text;
}

} // namespace lajes::cli
