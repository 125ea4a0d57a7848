#include "design/bar_picks.h"

#include <algorithm>

#include "design/bar_changes.h"
#include "io/file_messages.h"

namespace lajes {

namespace {

const char* columnName(BarDirection direction) {
    switch (direction) {
    case BarDirection::xp:
        return "Asx+";
    case BarDirection::yp:
        return "Asy+";
    case BarDirection::xn:
        return "Asx-";
    case BarDirection::yn:
        return "Asy-";
    }
    return "";
}

} // namespace

void BarPickLog::record(const BarPick& pick) {
    std::erase_if(picks_, [&pick](const BarPick& earlier) {
        return earlier.direction == pick.direction && (pick.diameter || earlier.spacing);
    });
    picks_.push_back(pick);
}

BarPicksOutcome applyBarPicks(const std::vector<BarPick>& picks, const SlabDesignData& slab,
                              SlabResults& results, const Settings& settings, ResultsScreen& screen,
                              char decimalSeparator) {
    BarPicksOutcome outcome;
    for (const BarPick& pick : picks) {
        const BarChangeOutcome change =
            pick.diameter ? pickDiameter(pick.direction, *pick.diameter, slab, results, settings,
                                         screen, decimalSeparator)
                          : pickSpacing(pick.direction, std::to_string(pick.spacing.value_or(0)),
                                        slab, results, settings, screen, decimalSeparator);
        if (!change.applied) {
            outcome.skipped.push_back(pick);
            continue;
        }
        outcome.messages.insert(outcome.messages.end(), change.messages.begin(),
                                change.messages.end());
    }
    return outcome;
}

std::string skippedPicksMessage(const std::vector<BarPick>& skipped) {
    std::string text;
    for (const BarPick& pick : skipped) {
        if (!text.empty())
            text += "\n";
        if (pick.diameter)
            text += "A bitola " + shortQuote(*pick.diameter) + " de " + columnName(pick.direction) +
                    " gravada no arquivo não está na lista e não foi aplicada.";
        else
            text += "O espaçamento " + std::to_string(pick.spacing.value_or(0)) + " de " +
                    columnName(pick.direction) +
                    " gravado no arquivo não está na lista e não foi aplicado.";
    }
    return text;
}

} // namespace lajes
