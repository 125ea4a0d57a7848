#pragma once

// One slab as the command-line tool reads it: a JSON object whose keys are the names of the
// slab's fields. Everything the windows cannot produce (negative numbers, strings where a
// number belongs, unknown keys, a ribbed slab on a case other than 1) is refused here with a
// message that names the key.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "analysis/calculate.h"
#include "analysis/slab_design_data.h"
#include "config/settings.h"
#include "design/slab_results.h"

namespace lajes::cli {

// A pick on the results screen: a diameter list text ("8.0") or a spacing (whole cm).
struct BarPick {
    BarDirection direction = BarDirection::xp;
    std::optional<std::string> diameter;
    std::optional<int> spacing;
};

struct SlabRequest {
    SlabDesignData slab;
    SlabEntries entries;
    Settings settings;
    std::vector<BarPick> choices;
};

// `base` is the settings in force (Quenvor.cfg or the defaults); the request's "settings"
// object overrides single fields. Returns the request or the error text.
std::variant<SlabRequest, std::string> parseSlabRequest(const nlohmann::json& input,
                                                        const Settings& base);

// The same, from the text of one JSON object.
std::variant<SlabRequest, std::string> parseSlabRequestText(std::string_view text,
                                                            const Settings& base);

} // namespace lajes::cli
