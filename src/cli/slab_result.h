#pragma once

// Designs one requested slab with the same core the windows use and describes the outcome
// as the JSON result object of the command-line tool.

#include <nlohmann/json.hpp>

#include "design/results_screen.h"
#include "design/slab_results.h"
#include "slabfile/slab_request.h"

namespace lajes::cli {

enum class DesignOutcome { Ready, Rejected, NoBar };

struct DesignRun {
    DesignOutcome outcome = DesignOutcome::Rejected;
    nlohmann::json result; // the result object printed by `design` and `batch`
    SlabDesignData slab;   // the records as the design left them (for the drawing)
    SlabResults results;
    ResultsScreen screen;      // the results screen as it stands after the picks
    std::string invalidChoice; // set when a pick is not offered by its list
};

DesignRun runDesign(const SlabRequest& request, char decimalSeparator);

} // namespace lajes::cli
