#include "design/bars.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "text/number_text.h"

namespace lajes {

namespace {

// A quotient this close to a whole number is that number: 3 x 0.8 / 0.8 must be 3 bars.
constexpr double wholeNumberTolerance = 1e-9;

int barCount(double L, double wallWidth, double spacing) {
    return nearestEven((L - wallWidth) * 100.0 / spacing) + 1;
}

} // namespace

double barArea(double diameter) {
    for (const BarTableRow& row : barTable)
        if (row.diameter == diameter)
            return row.area;
    return 0.0;
}

double diameterOfText(std::string_view text) {
    return parseUserReal(text).value_or(0.0);
}

// No input has an upper bound, so a whole number computed from absurd spans or widths may not
// fit an int: it saturates at a billion (still far from overflow when a count gets its + 1),
// and a NaN counts as 0.
static int saturatingInt(double wholeValue) {
    if (std::isnan(wholeValue))
        return 0;
    return static_cast<int>(std::clamp(wholeValue, -double(countLimit), double(countLimit)));
}

int truncateToInt(double value) {
    return saturatingInt(std::trunc(value));
}

int nearestEven(double value) {
    const double lower = std::floor(value);
    const double fraction = value - lower;
    double result = lower;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(lower, 2.0) != 0.0))
        result = lower + 1.0;
    return saturatingInt(result);
}

SpacingLimits spacingLimitsFor(double h) {
    return {8.0, std::min(2.0 * h, 20.0)};
}

BarLayout spacingForDiameter(double diameter, double L, double As, const SpacingLimits& limits,
                             double wallWidth) {
    const double A1 = barArea(diameter);
    BarLayout layout;
    if (diameter > 0.0)
        layout.spacing = std::trunc(100.0 * A1 / As); // whole centimetres
    if (layout.spacing > limits.sMax)
        layout.spacing = limits.sMax;
    if (layout.spacing >= limits.sMin) {
        layout.usable = true;
        layout.effectiveArea = 100.0 / layout.spacing * A1;
        layout.count = barCount(L, wallWidth, layout.spacing);
    }
    return layout;
}

BarLayout areaForSpacing(double diameter, double L, double spacing, const SpacingLimits& limits,
                         double wallWidth) {
    const double A1 = barArea(diameter);
    BarLayout layout;
    layout.spacing = std::min(spacing, limits.sMax);
    if (layout.spacing >= limits.sMin) {
        layout.usable = true;
        layout.effectiveArea = 100.0 / layout.spacing * A1;
        layout.count = barCount(L, wallWidth, layout.spacing);
    }
    return layout;
}

bool ChoiceList::offers(std::string_view text) const {
    return std::find(items.begin(), items.end(), text) != items.end();
}

BarChoice fillDiameterChoices(ChoiceList& list, SteelKind kind, double L, double As, double h,
                              const SpacingLimits& limits, double wallWidth,
                              char decimalSeparator) {
    list.clear();
    for (const BarTableRow& row : barTable) {
        if (kind == SteelKind::Top && row.diameter == 5.0)
            continue;
        const BarLayout layout = spacingForDiameter(row.diameter, L, As, limits, wallWidth);
        // phi <= h / 10 with phi in mm and h in cm.
        if (layout.usable && row.diameter <= h)
            list.items.emplace_back(row.text);
    }
    BarChoice choice;
    if (!list.items.empty()) {
        list.currentText = list.items.front();
        choice.diameter = diameterOfText(list.currentText);
        const BarLayout layout = spacingForDiameter(choice.diameter, L, As, limits, wallWidth);
        choice.spacing = layout.spacing;
        choice.count = layout.count;
        choice.effectiveArea = layout.effectiveArea;
    }
    choice.text = solidBarText(choice.count, list.currentText, choice.spacing, decimalSeparator);
    return choice;
}

void fillSpacingChoices(ChoiceList& list, double spacing, const SpacingLimits& limits) {
    list.clear();
    // Whole centimetres only, and never above s: with a fractional s max such as 17.5 the
    // last entry is 17.
    for (double s = limits.sMin; s <= spacing; s += 1.0)
        list.items.push_back(formatShortest(s, '.'));
    // The list shows the spacing the bars use; a fractional s (h/2 cap) is none of its
    // entries, and the list then shows none rather than a spacing not in use.
    const std::string inUse = formatShortest(spacing, '.');
    if (std::find(list.items.begin(), list.items.end(), inUse) != list.items.end())
        list.currentText = inUse;
}

RibBars barsPerRib(double diameter, double AsRib) {
    const double A1 = barArea(diameter);
    RibBars bars;
    if (A1 <= 0.0)
        return bars;
    const double quotient = AsRib / A1;
    const double whole = std::round(quotient);
    double n = 0.0;
    if (std::fabs(quotient - whole) <= wholeNumberTolerance)
        n = whole;
    else
        n = std::trunc(quotient) + 1.0;
    if (n == 1.0)
        n = 2.0; // at least two bars per rib
    bars.n = saturatingInt(n);
    bars.area = n * A1;
    return bars;
}

int ribsAcross(double L, double wallWidth, double a, double bw) {
    return truncateToInt(((L - wallWidth) * 100.0 - a) / (a + bw));
}

BarChoice fillRibDiameterChoices(ChoiceList& list, int ribs, double AsRib, double a, double bw,
                                 double hb) {
    list.clear();
    for (const BarTableRow& row : barTable) {
        const RibBars bars = barsPerRib(row.diameter, AsRib);
        if (row.diameter > hb || bars.n <= 1)
            continue;
        // Bar diameter in cm implied by the bar's area.
        const double n = bars.n;
        const double phiC = std::sqrt(4.0 * n * row.area / (n * std::numbers::pi));
        const double clearDistance = (bw - 2.0 - n * phiC) / (n - 1.0);
        if (clearDistance >= 0.5)
            list.items.emplace_back(row.text);
    }
    BarChoice choice;
    if (!list.items.empty()) {
        list.currentText = list.items.front();
        choice.diameter = diameterOfText(list.currentText);
        const RibBars bars = barsPerRib(choice.diameter, AsRib);
        choice.count = bars.n;
        choice.effectiveArea = 100.0 / (a + bw) * bars.area;
    }
    choice.text = ribBarText(ribs, choice.count, list.currentText);
    return choice;
}

std::string solidBarText(int count, std::string_view diameterText, double spacing,
                         char decimalSeparator) {
    std::string text = std::to_string(count);
    text += "Ø";
    text += diameterText;
    text += "c";
    text += formatShortest(spacing, decimalSeparator);
    return text;
}

std::string ribBarText(int ribs, int barsPerRib, std::string_view diameterText) {
    std::string text = std::to_string(ribs);
    text += "x";
    text += std::to_string(barsPerRib);
    text += "Ø";
    text += diameterText;
    return text;
}

std::string ribTopBarText(int ribs, double a, double bw, char decimalSeparator) {
    std::string text = std::to_string(ribs + 1);
    text += "Ø5.0c";
    text += formatShortest(a + bw, decimalSeparator);
    return text;
}

} // namespace lajes
