#include "design/results_driver.h"

#include "analysis/moments.h"
#include "analysis/steel_grades.h"
#include "design/bars.h"
#include "design/deflection.h"
#include "design/flexure.h"
#include "design/shear.h"
#include "text/number_text.h"

namespace lajes {

namespace {

std::string shown(double value, char separator) {
    return formatFixed(value, 2, separator);
}

// Boxes of values that may not exist for the support case stay blank at exactly 0.
std::string shownOrBlank(double value, char separator) {
    return value == 0.0 ? std::string() : formatFixed(value, 2, separator);
}

ScreenMessage noBarFailure() {
    return {MessageKind::Warning, std::string(noBarMessage)};
}

// Solid slab: the proposal of one direction. Returns false when its diameter list is empty.
bool proposeSolidBars(BarDirection direction, const SlabDesignData& slab, SlabResults& results,
                      const Settings& settings, BarOffers& offers, char separator) {
    const SteelKind kind = (direction == BarDirection::xp || direction == BarDirection::yp)
                               ? SteelKind::Bottom
                               : SteelKind::Top;
    const double L = distributionLength(slab, direction);
    const double As = requiredAreaOf(results, direction);
    const SpacingLimits& limits = offers.spacingLimits;
    ChoiceList& diameters = offers.diameterList(direction);
    const BarChoice proposal =
        fillDiameterChoices(diameters, kind, L, As, slab.h, limits, settings.wallWidth, separator);

    const double diameter = proposal.diameter;
    const BarLayout layout = spacingForDiameter(diameter, L, As, limits, settings.wallWidth);
    fillSpacingChoices(offers.spacingList(direction), layout.spacing, limits);

    BarChoice& bar = results.bar(direction);
    bar.diameter = diameter;
    bar.spacing = layout.spacing;
    bar.count = proposal.count;
    bar.effectiveArea = layout.effectiveArea;
    bar.text = proposal.text;
    return !diameters.items.empty();
}

// Ribbed slab: bottom bars per rib of xp or yp. Returns false when the list is empty.
bool proposeRibBars(BarDirection direction, const SlabDesignData& slab, SlabResults& results,
                    BarOffers& offers) {
    const bool x = direction == BarDirection::xp;
    const int ribs = x ? results.ribsX : results.ribsY;
    const double module = slab.a + slab.bw; // cm
    const double AsRib = requiredAreaOf(results, direction) * module / 100.0;
    ChoiceList& diameters = offers.diameterList(direction);
    const BarChoice proposal =
        fillRibDiameterChoices(diameters, ribs, AsRib, slab.a, slab.bw, slab.hb);
    results.bar(direction) = proposal;
    (x ? results.barsPerRibX : results.barsPerRibY) = proposal.count;
    return !diameters.items.empty();
}

// Fixed top steel of a ribbed slab: one 5.0 mm bar per rib at the rib spacing.
void writeRibTopBars(BarDirection direction, int ribs, const SlabDesignData& slab,
                     SlabResults& results, char separator) {
    BarChoice& bar = results.bar(direction);
    bar.diameter = 5.0;
    bar.spacing = slab.a + slab.bw;
    bar.count = ribs + 1;
    bar.effectiveArea = 0.0; // not computed for the fixed top bars
    bar.text = ribTopBarText(ribs, slab.a, slab.bw, separator);
}

} // namespace

double distributionLength(const SlabDesignData& slab, BarDirection direction) {
    return (direction == BarDirection::xp || direction == BarDirection::xn) ? slab.Ly : slab.Lx;
}

double requiredAreaOf(const SlabResults& results, BarDirection direction) {
    switch (direction) {
    case BarDirection::xp:
        return results.Asxp;
    case BarDirection::yp:
        return results.Asyp;
    case BarDirection::xn:
        return results.Asxn;
    case BarDirection::yn:
        break;
    }
    return results.Asyn;
}

ChoiceList& BarOffers::diameterList(BarDirection direction) {
    return diameters[static_cast<std::size_t>(direction)];
}
ChoiceList& BarOffers::spacingList(BarDirection direction) {
    return spacings[static_cast<std::size_t>(direction)];
}
const ChoiceList& BarOffers::diameterList(BarDirection direction) const {
    return diameters[static_cast<std::size_t>(direction)];
}
const ChoiceList& BarOffers::spacingList(BarDirection direction) const {
    return spacings[static_cast<std::size_t>(direction)];
}

ComputeOutcome designResults(SlabDesignData& slab, SlabResults& results, const Settings& settings,
                             char decimalSeparator) {
    const char sep = decimalSeparator;
    ComputeOutcome outcome;
    // 1. Lists: every one starts empty and enabled.
    BarOffers& offers = outcome.offers;

    // 2. Areas. The whole bar choice is reset, so that no bar of an earlier slab survives in
    // a direction this slab does not use.
    results.Asxp = results.Asyp = results.Asxn = results.Asyn = 0.0;
    for (BarChoice& bar : results.bars)
        bar = BarChoice{};
    results.barsPerRibX = results.barsPerRibY = 1;

    // 3, 4. Steel, reactions, flexure.
    if (const auto fyk = fykFor(slab.SteelGrade))
        slab.fyk = *fyk;
    computeReactions(slab, slab.Lambda, results);
    designFlexuralSteel(slab, results);

    // 6. No top steel in a direction: its column is emptied and locked.
    for (BarDirection direction : {BarDirection::xn, BarDirection::yn}) {
        if (requiredAreaOf(results, direction) == 0.0) {
            outcome.decidedDirections.push_back(direction);
            offers.diameterList(direction).clear();
            offers.diameterList(direction).enabled = false;
            offers.spacingList(direction).enabled = false;
        }
    }

    // 7.
    offers.spacingLimits = spacingLimitsFor(slab.h);

    // 8. Bars; the first direction without a usable diameter ends the computation.
    const auto fail = [&](BarDirection direction) {
        outcome.directionWithoutBar = direction;
        outcome.messages.push_back(noBarFailure());
        outcome.closeScreen = true;
        return outcome;
    };
    if (slab.Ribbed) {
        for (BarDirection direction : allBarDirections)
            offers.spacingList(direction).enabled = false;
        results.ribsX = ribsAcross(slab.Ly, settings.wallWidth, slab.a, slab.bw);
        results.ribsY = ribsAcross(slab.Lx, settings.wallWidth, slab.a, slab.bw);
        writeRibTopBars(BarDirection::xn, results.ribsX, slab, results, sep);
        writeRibTopBars(BarDirection::yn, results.ribsY, slab, results, sep);
        outcome.decidedDirections.push_back(BarDirection::xn);
        outcome.decidedDirections.push_back(BarDirection::yn);
        for (BarDirection direction : {BarDirection::xp, BarDirection::yp}) {
            outcome.proposedDirections.push_back(direction);
            outcome.decidedDirections.push_back(direction);
            if (!proposeRibBars(direction, slab, results, offers))
                return fail(direction);
        }
    } else {
        for (BarDirection direction : allBarDirections) {
            const bool top = direction == BarDirection::xn || direction == BarDirection::yn;
            if (top && requiredAreaOf(results, direction) == 0.0)
                continue;
            outcome.proposedDirections.push_back(direction);
            outcome.decidedDirections.push_back(direction);
            if (!proposeSolidBars(direction, slab, results, settings, offers, sep))
                return fail(direction);
        }
    }

    // 10. The strip design assumed a rectangular section; only the flange is 100 cm wide.
    if (slab.Ribbed && results.X > slab.bf)
        outcome.messages.push_back(
            {MessageKind::Information, std::string(neutralAxisOutsideFlangeMessage)});

    // 11, 12.
    computeDeflections(slab, slab.d, settings.phiInfinity, results);
    const ShearDetails shear = checkShear(slab, slab.d, results);
    if (shear.warningDue)
        outcome.messages.push_back({MessageKind::Information, std::string(shearWarningMessage)});
    return outcome;
}

void showBarChoices(const SlabResults& results, const ComputeOutcome& outcome,
                    ResultsScreen& screen) {
    for (BarDirection direction : allBarDirections) {
        screen.diameterList(direction) = outcome.offers.diameterList(direction);
        screen.spacingList(direction) = outcome.offers.spacingList(direction);
    }
    for (BarDirection direction : outcome.decidedDirections)
        screen.descriptionBox(direction) = results.bar(direction).text;
    screen.spacingLimits = outcome.offers.spacingLimits;
    screen.closeTimerRunning = outcome.closeScreen;
}

void showResults(const SlabResults& results, const ComputeOutcome& outcome, ResultsScreen& screen,
                 char decimalSeparator) {
    const char sep = decimalSeparator;
    // 1.
    screen.focusedControl = ResultsFocus::AsxpComboBox;
    showBarChoices(results, outcome, screen);

    // 5.
    screen.RxaEdit = shownOrBlank(results.Rxa, sep);
    screen.RxeEdit = shownOrBlank(results.Rxe, sep);
    screen.RyaEdit = shownOrBlank(results.Rya, sep);
    screen.RyeEdit = shownOrBlank(results.Rye, sep);
    screen.MxEdit = shown(results.Mx, sep);
    screen.MyEdit = shown(results.My, sep);
    screen.XxEdit = shownOrBlank(results.Xx, sep);
    screen.XyEdit = shownOrBlank(results.Xy, sep);
    screen.AsxpCEdit = shown(results.Asxp, sep);
    screen.AsypCEdit = shown(results.Asyp, sep);
    screen.AsxnCEdit = shownOrBlank(results.Asxn, sep);
    screen.AsynCEdit = shownOrBlank(results.Asyn, sep);

    // 7.
    screen.MkmaxEdit = shown(results.MkMax, sep);
    screen.MrEdit = shown(results.Mr, sep);
    screen.RominEdit = shown(results.rhoMin, sep);
    screen.AsminEdit = shown(results.AsMin, sep);
    screen.XLnEdit = shown(results.X, sep);

    // After a no-bar failure the boxes of the steps it skipped are left as they were.
    if (outcome.closeScreen)
        return;

    // 9.
    screen.AsxpEdit = shown(results.bar(BarDirection::xp).effectiveArea, sep);
    screen.AsypEdit = shown(results.bar(BarDirection::yp).effectiveArea, sep);
    screen.AsxnEdit = shownOrBlank(results.bar(BarDirection::xn).effectiveArea, sep);
    screen.AsynEdit = shownOrBlank(results.bar(BarDirection::yn).effectiveArea, sep);

    // 12.
    screen.TwdEdit = shown(results.tauD, sep);
    screen.TwuEdit = shown(results.tauU, sep);
    screen.FiEdit = shown(results.immediateDeflection, sep);
    screen.FadmEdit = shown(results.admissibleDeflection, sep);
    screen.FfEdit = shown(results.finalDeflection, sep);
    screen.Fadm1Edit = shown(results.admissibleDeflection, sep);
}

ComputeOutcome computeResults(SlabDesignData& slab, SlabResults& results, const Settings& settings,
                              ResultsScreen& screen, char decimalSeparator) {
    ComputeOutcome outcome = designResults(slab, results, settings, decimalSeparator);
    showResults(results, outcome, screen, decimalSeparator);
    return outcome;
}

} // namespace lajes
