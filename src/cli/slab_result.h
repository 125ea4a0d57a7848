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
    // "nbr6118_2014" as JSON text when the verification was asked for and the slab is Ready.
    std::string nbr6118Text;
};

DesignRun runDesign(const SlabRequest& request, char decimalSeparator);

// Adds "nbr6118_2014", the verification of a Ready slab with its chosen bars against
// NBR 6118:2014; a slab whose design did not complete gets nothing.
void addNbr6118Verification(DesignRun& run, const SlabRequest& request);

// `text` is the result object as one line of JSON text: returns it with "nbr6118_2014" last
// when the verification was added.
std::string withNbr6118Verification(std::string text, const DesignRun& run);

} // namespace lajes::cli
