#pragma once

// One slab as lajes-cli and the desktop program's .laje files hold it: a JSON object whose
// keys are the names of the slab's fields. Everything the windows cannot produce (negative numbers,
// strings where a number belongs, unknown keys, a ribbed slab on a case other than 1) is refused
// here with a message that names the key.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "analysis/calculate.h"
#include "analysis/slab_design_data.h"
#include "config/settings.h"
#include "design/bar_picks.h"
#include "design/slab_results.h"
#include "verification/nbr6118_parameters.h"

namespace lajes {

struct SlabRequest {
    SlabDesignData slab;
    SlabEntries entries; // rounded to two decimals, as the boxes hold them when calculating
    SlabEntries typed;   // the same values as given, before that rounding
    Settings settings;
    std::vector<BarPick> choices;
    std::optional<std::string> name; // "name": the slab's name in the drawing
    Nbr6118Parameters nbr6118;       // "nbr6118": the parameters of the NBR 6118:2014 verification
};

// The "format" of a slab file and the highest "version" this program reads and writes.
inline constexpr const char* slabFileFormat = "lajes";
inline constexpr int slabFileVersion = 1;
// The most characters (UTF-16 code units, as the window's name box counts them) a slab name
// may have: a longer one is refused on reading, never cut by the box.
inline constexpr std::size_t maxSlabNameLength = 32767;
inline constexpr const char* newerVersionMessage =
    "Este arquivo foi gravado por uma versão mais nova do programa.";

// How deep objects and lists may sit one inside the other in a slab's JSON: a slab file needs
// three levels. Deeper text is refused before it is parsed, so that nothing ever walks a
// value as deep as the input makes it.
inline constexpr int maxJsonNesting = 64;

// The message for text nested deeper than maxJsonNesting, or nothing. Counts the brackets
// outside strings, in one pass and without recursion.
std::optional<std::string> tooDeeplyNested(std::string_view text);

// `base` is the settings in force (Quenvor.cfg or the defaults); the request's "settings"
// object overrides single fields. Returns the request or the error text.
std::variant<SlabRequest, std::string> parseSlabRequest(const nlohmann::json& input,
                                                        const Settings& base);

// The same, from the text of one JSON object.
std::variant<SlabRequest, std::string> parseSlabRequestText(std::string_view text,
                                                            const Settings& base);

// The pieces of the slab object's rules that other files of the program share (the floor file
// holds its slabs' fields in the same form). Each returns the value or the message naming the
// key.
std::variant<Settings, std::string> parseSettingsObject(const nlohmann::json& object,
                                                        const Settings& base);
std::variant<std::vector<BarPick>, std::string> parseChoices(const nlohmann::json& list);
// A finite number not below zero.
std::variant<double, std::string> parseNumber(const nlohmann::json& value, const std::string& key);
// A number as a box of the data-entry screen holds it: rounded to two decimals.
double roundedAsTyped(double value);
// One JSON object's text: a repeated key and anything after the object are refused.
std::variant<nlohmann::json, std::string> parseJsonObjectText(std::string_view text);

} // namespace lajes
