#include "design/bar_changes.h"

#include "design/bars.h"
#include "design/deflection.h"
#include "design/results_driver.h"
#include "design/shear.h"
#include "text/number_text.h"

namespace lajes {

namespace {

// Deflection and shear depend on the chosen bars.
BarChangeOutcome recheck(const SlabDesignData& slab, SlabResults& results, const Settings& settings,
                         ResultsScreen& screen, char separator) {
    computeDeflections(slab, slab.d, settings.phiInfinity, results);
    const ShearDetails shear = checkShear(slab, slab.d, results);
    screen.FiEdit = formatFixed(results.immediateDeflection, 2, separator);
    screen.FfEdit = formatFixed(results.finalDeflection, 2, separator);
    screen.TwdEdit = formatFixed(results.tauD, 2, separator);
    screen.TwuEdit = formatFixed(results.tauU, 2, separator);
    BarChangeOutcome outcome;
    outcome.applied = true;
    outcome.shearWarning = shear.warningDue;
    if (shear.warningDue)
        outcome.messages.push_back({MessageKind::Information, std::string(shearWarningMessage)});
    return outcome;
}

bool picks(const ChoiceList& list, std::string_view text) {
    return list.enabled && list.offers(text);
}

} // namespace

BarChangeOutcome pickDiameter(BarDirection direction, std::string_view diameterText,
                              const SlabDesignData& slab, SlabResults& results,
                              const Settings& settings, ResultsScreen& screen,
                              char decimalSeparator) {
    ChoiceList& diameters = screen.diameterList(direction);
    if (!picks(diameters, diameterText))
        return {};
    diameters.currentText = std::string(diameterText);
    const double diameter = diameterOfText(diameterText);
    const double As = requiredAreaOf(results, direction);
    BarChoice& bar = results.bar(direction);

    if (slab.Ribbed) {
        const bool x = direction == BarDirection::xp;
        const double module = slab.a + slab.bw; // cm
        const RibBars bars = barsPerRib(diameter, As * module / 100.0);
        const int ribs = x ? results.ribsX : results.ribsY;
        bar.diameter = diameter;
        bar.count = bars.n;
        bar.effectiveArea = 100.0 / module * bars.area;
        bar.text = ribBarText(ribs, bars.n, diameterText);
        (x ? results.barsPerRibX : results.barsPerRibY) = bars.n;
    } else {
        const BarLayout layout = spacingForDiameter(diameter, distributionLength(slab, direction),
                                                    As, screen.spacingLimits, settings.wallWidth);
        // The list offers 8 up to s; it shows "8" while s stays in use.
        fillSpacingChoices(screen.spacingList(direction), layout.spacing, screen.spacingLimits);
        bar.diameter = diameter;
        bar.spacing = layout.spacing;
        bar.count = layout.count;
        bar.effectiveArea = layout.effectiveArea;
        bar.text = solidBarText(layout.count, diameterText, layout.spacing, decimalSeparator);
    }
    screen.descriptionBox(direction) = bar.text;
    screen.effectiveAreaBox(direction) = formatFixed(bar.effectiveArea, 2, decimalSeparator);
    return recheck(slab, results, settings, screen, decimalSeparator);
}

BarChangeOutcome pickSpacing(BarDirection direction, std::string_view spacingText,
                             const SlabDesignData& slab, SlabResults& results,
                             const Settings& settings, ResultsScreen& screen,
                             char decimalSeparator) {
    ChoiceList& spacings = screen.spacingList(direction);
    if (slab.Ribbed || !picks(spacings, spacingText))
        return {};
    const auto spacing = parseReal(spacingText);
    if (!spacing)
        return {};
    spacings.currentText = std::string(spacingText);
    const std::string& diameterText = screen.diameterList(direction).currentText;
    const double diameter = diameterOfText(diameterText);
    const BarLayout layout = areaForSpacing(diameter, distributionLength(slab, direction), *spacing,
                                            screen.spacingLimits, settings.wallWidth);

    BarChoice& bar = results.bar(direction);
    bar.spacing = *spacing;
    bar.count = layout.count;
    bar.effectiveArea = layout.effectiveArea;
    bar.text = solidBarText(layout.count, diameterText, *spacing, decimalSeparator);
    screen.descriptionBox(direction) = bar.text;
    screen.effectiveAreaBox(direction) = formatFixed(bar.effectiveArea, 2, decimalSeparator);
    return recheck(slab, results, settings, screen, decimalSeparator);
}

} // namespace lajes
