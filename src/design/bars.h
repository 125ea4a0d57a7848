#pragma once

// Bar diameter and spacing selection: turns a required area per metre into bars and fills
// the choice lists the results screen shows for one reinforcement direction.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "design/slab_results.h"

namespace lajes {

struct BarTableRow {
    std::string_view text; // list text, never localised ("6.3" whatever the locale)
    double diameter;       // mm
    double area;           // A1, cm² of one bar
};

inline constexpr std::array<BarTableRow, 10> barTable{{
    {"5.0", 5.0, 0.2},
    {"6.3", 6.3, 0.315},
    {"8.0", 8.0, 0.5},
    {"10.0", 10.0, 0.8},
    {"12.5", 12.5, 1.25},
    {"16.0", 16.0, 2.0},
    {"20.0", 20.0, 3.15},
    {"25.0", 25.0, 5.0},
    {"32.0", 32.0, 8.0},
    {"40.0", 40.0, 12.5},
}};

// A1 of a diameter in mm; 0 for a diameter outside the table. 6.3 mm is matched by its text
// so that any double that prints as 6.3 finds the row.
double barArea(double diameter);

// Diameter of a list text read with "." as the decimal point ("6,3" is accepted as well);
// 0 for an empty or malformed text.
double diameterOfText(std::string_view text);

// Largest whole number the two conversions give: counts from absurd inputs saturate here.
inline constexpr int countLimit = 1'000'000'000;

// Truncation toward zero: a spacing from an area, a number of ribs.
int truncateToInt(double value);
// Nearest integer, halves to the even neighbour: numbers of bars, the length of a list.
int nearestEven(double value);

// Spacing limits of the current results computation, cm.
struct SpacingLimits {
    double sMin = 8.0;
    double sMax = 20.0;
};

// 2 h, but not more than 20 cm; s min is always 8 cm.
SpacingLimits spacingLimitsFor(double h);

// One direction's layout for a diameter or a spacing. `usable` is s >= s min; only then are
// effectiveArea and count meaningful.
struct BarLayout {
    double spacing = 0.0;       // cm
    double effectiveArea = 0.0; // cm²/m
    int count = 0;              // bars across the distribution length
    bool usable = false;
};

// Spacing for a diameter (mm) over the distribution length L (m) for the required area As
// (cm²/m): whole centimetres of 100 A1 / As, capped at s max. wallWidth in m.
BarLayout spacingForDiameter(double diameter, double L, double As, const SpacingLimits& limits,
                             double wallWidth);

// Area and count of a spacing the user picked (cm), capped at s max.
BarLayout areaForSpacing(double diameter, double L, double spacing, const SpacingLimits& limits,
                         double wallWidth);

// A drop-down list of the results screen: its items, the text it shows and whether it can
// be used.
struct ChoiceList {
    std::vector<std::string> items;
    std::string currentText;
    bool enabled = true;

    void clear() {
        items.clear();
        currentText.clear();
    }
    bool offers(std::string_view text) const;
};

// Bottom steel ("P") may use 5.0 mm bars; top steel ("N") never does.
enum class SteelKind { Bottom, Top };

// Solid slab: fills the diameter list with every diameter that gives s >= s min and is not
// larger (mm) than h (cm), proposes the first and returns its BarChoice with the
// description written. An empty list gives a BarChoice with diameter 0, s 0 and count 0
// (the caller reports the no-bar failure).
BarChoice fillDiameterChoices(ChoiceList& list, SteelKind kind, double L, double As, double h,
                              const SpacingLimits& limits, double wallWidth, char decimalSeparator);

// Solid slab: the whole numbers from s min up to s (none above s); the first is shown.
void fillSpacingChoices(ChoiceList& list, double spacing, const SpacingLimits& limits);

// Bars of one diameter in a rib carrying AsRib (cm²): n and the rib's area n A1.
struct RibBars {
    int n = 0;
    double area = 0.0; // cm²
};
RibBars barsPerRib(double diameter, double AsRib);

// Ribs across a distribution length L (m), with a and bw in cm.
int ribsAcross(double L, double wallWidth, double a, double bw);

// Ribbed slab: fills the list with the diameters that fit hb, need two or more bars and
// leave 0.5 cm between them in the rib; proposes the first. The returned BarChoice has
// count = bars per rib and effectiveArea per metre, 100 / (a + bw) n A1.
BarChoice fillRibDiameterChoices(ChoiceList& list, int ribs, double AsRib, double a, double bw,
                                 double hb);

// "33Ø5.0c12": count, Ø, the list text, c, spacing (numbers in the shortest form).
std::string solidBarText(int count, std::string_view diameterText, double spacing,
                         char decimalSeparator);
// "8x2Ø10.0": ribs, x, bars per rib, Ø, the list text.
std::string ribBarText(int ribs, int barsPerRib, std::string_view diameterText);
// Fixed top steel of a ribbed slab, one 5.0 mm bar per rib: "(ribs + 1)Ø5.0c(a + bw)".
std::string ribTopBarText(int ribs, double a, double bw, char decimalSeparator);

inline constexpr std::string_view noBarMessage =
    "Não há nenhuma Bitola de Aço menor do que (1/10)H,\n"
    "que esteja entre os espaçamentos permitidos\n"
    "e que cubra a área de aço calculada";

} // namespace lajes
