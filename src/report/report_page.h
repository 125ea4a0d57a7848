#pragma once

// The one-page calculation sheet as plain data: frames, texts and the support-case picture,
// each at its place on the A4 sheet in millimetres from the sheet's top-left corner (x to
// the right, y downwards). Filling it needs no painter; the renderer only draws what it holds.

#include <string>
#include <string_view>
#include <vector>

#include "analysis/slab_design_data.h"
#include "analysis/support_case.h"
#include "config/settings.h"
#include "design/results_screen.h"
#include "design/slab_results.h"

namespace lajes::report {

inline constexpr double sheetWidth = 210.0;  // A4 portrait, mm
inline constexpr double sheetHeight = 297.0; // mm
inline constexpr double sheetMargin = 10.0;  // printer margin on all four sides, mm

inline constexpr std::string_view reportFontFamily = "Times New Roman";
inline constexpr double defaultPointSize = 10.0;
inline constexpr double titlePointSize = 12.0;
inline constexpr double caseNumberPointSize = 42.0; // the number on the support-case picture

// Frame lines are given in pixels of the 96-dpi page design; one such pixel in mm.
inline constexpr double designPixel = 25.4 / 96.0;

struct PageFrame {
    double x = 0.0, y = 0.0;          // top-left, mm
    double width = 0.0, height = 0.0; // mm
    double lineWidth = 0.0;           // mm
};

// A left-aligned text whose top-left corner stands at (x, y). Lines are separated by "\n".
// An element printed empty keeps its place with an empty text, so that a refilled page
// never carries a text of an earlier slab.
struct PageText {
    std::string name; // the element's own name, e.g. "FckValue"
    double x = 0.0, y = 0.0;
    std::string text;
    double pointSize = defaultPointSize;
    bool bold = false;
};

// The support-case picture: double outline, hatching inside the fixed edges, the case number.
struct CasePicture {
    double x = 0.0, y = 0.0, width = 0.0, height = 0.0; // mm
    int supportCase = 1;
};

struct ReportPage {
    std::vector<PageFrame> frames;
    std::vector<PageText> texts;
    CasePicture picture;

    // The text element of that name, or nullptr.
    const PageText* text(std::string_view name) const;
};

// The bold lines of the page and the texts that never change.
ReportPage blankReportPage();

// Fills the page for the current slab. Results are copied from the results screen's boxes so
// that the sheet shows what the screen shows, blanks included; the input values and Mk máx,
// Mr, ρmin, As min are written afresh with "%0.2f" and `decimalSeparator`. `thicknessText`
// is the data-entry screen's thickness box as shown there; empty means h written afresh.
ReportPage fillReportPage(const ResultsScreen& screen, const SlabDesignData& slab,
                          const SlabResults& results, const Settings& settings,
                          char decimalSeparator, std::string_view thicknessText = {});

// The edges of a support case that the picture hatches as fixed. Left and right are the x
// edges (length Ly); top and bottom the y edges.
} // namespace lajes::report
