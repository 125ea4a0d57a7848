#include "floor/floor_file.h"

#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>
#include <set>

#include "analysis/steel_grades.h"
#include "io/file_writer.h"
#include "slabfile/slab_file.h"
#include "slabfile/slab_request.h"

namespace lajes {

namespace {

using nlohmann::json;

struct FloorInputError {
    std::string message;
};

[[noreturn]] void fail(const std::string& message) {
    throw FloorInputError{message};
}

template <typename T> T valueOr(std::variant<T, std::string> parsed, const std::string& where) {
    if (auto* error = std::get_if<std::string>(&parsed))
        fail(where + *error);
    return std::get<T>(std::move(parsed));
}

void checkKeys(const json& object, const std::set<std::string>& known, const std::string& where) {
    for (const auto& [key, value] : object.items())
        if (!known.count(key))
            fail(where + "chave desconhecida \"" + key + "\"");
}

// Rounded to two decimals, as the boxes hold it; a coordinate may be negative.
double asTyped(double value) {
    return value < 0.0 ? -roundedAsTyped(-value) : roundedAsTyped(value);
}

double coordinate(const json& slab, const char* key, const std::string& where) {
    const auto it = slab.find(key);
    if (it == slab.end())
        fail(where + "falta \"" + key + "\"");
    if (!it->is_number())
        fail(where + "\"" + key + "\" deve ser um número");
    const double value = it->get<double>();
    if (!std::isfinite(value) || std::fabs(value) > 10000.0)
        fail(where + "\"" + key + "\" deve ser um número entre -10000 e 10000");
    return asTyped(value);
}

// A number of the slab not below zero; `required` ones must be above zero. The five boxes of the
// data-entry screen (Lx, Ly, h, g, q) enter rounded to two decimals; the ribbed geometry as given,
// as in a slab file.
double positiveNumber(const json& slab, const char* key, const std::string& where, bool required,
                      bool boxed = true) {
    const auto it = slab.find(key);
    if (it == slab.end() || it->is_null()) {
        if (required)
            fail(where + "falta \"" + key + "\"");
        return 0.0;
    }
    double value = valueOr(parseNumber(*it, key), where);
    if (boxed)
        value = roundedAsTyped(value);
    if (required && value <= 0.0)
        fail(where + "\"" + key + "\" deve ser maior que zero");
    return value;
}

EdgeMode edgeMode(const json& value, const std::string& key, const std::string& where) {
    if (value.is_string()) {
        const std::string text = value.get<std::string>();
        if (text == "auto")
            return EdgeMode::Auto;
        if (text == "engastado")
            return EdgeMode::Fixed;
        if (text == "apoiado")
            return EdgeMode::Simple;
    }
    fail(where + "\"" + key + "\" deve ser \"auto\", \"engastado\" ou \"apoiado\"");
}

// One pick of "stretchChoices": the stretch's slabs and ends, a diameter and/or a spacing.
StretchPick readStretchPick(const json& item, std::size_t position) {
    const std::string where = "\"stretchChoices\" " + std::to_string(position) + ": ";
    if (!item.is_object())
        fail(where + "deve ser um objeto");
    checkKeys(item, {"slabs", "from", "to", "diameter", "spacing"}, where);
    StretchPick pick;
    const auto slabs = item.find("slabs");
    if (slabs == item.end() || !slabs->is_array() || slabs->empty() || slabs->size() > 2)
        fail(where + "\"slabs\" deve ser uma lista de uma ou duas lajes");
    for (const json& name : *slabs) {
        if (!name.is_string())
            fail(where + "\"slabs\" deve ser uma lista de nomes");
        pick.slabs.push_back(name.get<std::string>());
    }
    for (const char* key : {"from", "to"}) {
        const auto point = item.find(key);
        if (point == item.end() || !point->is_array() || point->size() != 2 ||
            !(*point)[0].is_number() || !(*point)[1].is_number())
            fail(where + "\"" + key + "\" deve ser [x, y]");
        const double x = asTyped((*point)[0].get<double>()), y = asTyped((*point)[1].get<double>());
        if (!std::isfinite(x) || !std::isfinite(y))
            fail(where + "\"" + key + "\" deve ser [x, y]");
        (std::string(key) == "from" ? pick.fromX : pick.toX) = x;
        (std::string(key) == "from" ? pick.fromY : pick.toY) = y;
    }
    if (const auto it = item.find("diameter"); it != item.end()) {
        if (!it->is_string())
            fail(where + "\"diameter\" deve ser um texto da lista de bitolas");
        pick.diameter = it->get<std::string>();
    }
    if (const auto it = item.find("spacing"); it != item.end()) {
        if (!it->is_number_integer() || it->get<std::int64_t>() < 1 ||
            it->get<std::int64_t>() > 100)
            fail(where + "\"spacing\" deve ser um número inteiro de centímetros");
        pick.spacing = static_cast<int>(it->get<std::int64_t>());
    }
    if (!pick.diameter && !pick.spacing)
        fail(where + "falta \"diameter\" ou \"spacing\"");
    return pick;
}

FloorSlab readSlab(const json& item, std::size_t position) {
    if (!item.is_object())
        fail("cada item de \"slabs\" deve ser um objeto (item " + std::to_string(position) + ")");
    FloorSlab slab;
    const auto name = item.find("name");
    if (name == item.end() || !name->is_string() || name->get<std::string>().empty())
        fail("o item " + std::to_string(position) + " de \"slabs\" precisa de \"name\" (um texto)");
    slab.name = name->get<std::string>();
    const std::string where = "laje \"" + slab.name + "\": ";
    checkKeys(item,
              {"name", "x", "y", "Lx", "Ly", "h", "g", "q", "Ribbed", "a", "bw", "hb", "bf",
               "BlockDensity", "edges", "choices"},
              where);
    slab.x = coordinate(item, "x", where);
    slab.y = coordinate(item, "y", where);
    slab.Lx = positiveNumber(item, "Lx", where, true);
    slab.Ly = positiveNumber(item, "Ly", where, true);
    slab.h = positiveNumber(item, "h", where, true);
    slab.g = positiveNumber(item, "g", where, false);
    slab.q = positiveNumber(item, "q", where, false);
    if (const auto it = item.find("Ribbed"); it != item.end() && !it->is_null()) {
        if (!it->is_boolean())
            fail(where + "\"Ribbed\" deve ser true ou false");
        slab.Ribbed = it->get<bool>();
    }
    slab.a = positiveNumber(item, "a", where, slab.Ribbed, false);
    slab.bw = positiveNumber(item, "bw", where, slab.Ribbed, false);
    slab.hb = positiveNumber(item, "hb", where, slab.Ribbed, false);
    slab.bf = positiveNumber(item, "bf", where, slab.Ribbed, false);
    slab.BlockDensity = positiveNumber(item, "BlockDensity", where, slab.Ribbed, false);
    if (const auto it = item.find("edges"); it != item.end()) {
        if (!it->is_object())
            fail(where + "\"edges\" deve ser um objeto");
        checkKeys(*it, {"left", "right", "bottom", "top"}, where + "em \"edges\": ");
        for (Side side : allSides)
            if (const auto edge = it->find(sideKey(side)); edge != it->end())
                slab.edge(side) = edgeMode(*edge, sideKey(side), where);
    }
    if (slab.Ribbed)
        for (Side side : allSides)
            if (slab.edge(side) == EdgeMode::Fixed)
                fail(where + "\"" + sideKey(side) +
                     "\" não pode ser \"engastado\" numa laje nervurada");
    if (const auto it = item.find("choices"); it != item.end()) {
        slab.choices = valueOr(parseChoices(*it), where);
        for (const BarPick& pick : slab.choices)
            if (pick.direction != BarDirection::xp && pick.direction != BarDirection::yp)
                fail(where + "\"choices\" de uma laje do pavimento são de \"xp\" e \"yp\"");
    }
    return slab;
}

Floor readFloor(const json& input, const Settings& base) {
    if (!input.is_object())
        fail("a entrada deve ser um objeto JSON");
    const auto format = input.find("format");
    if (format == input.end() || !format->is_string() ||
        format->get<std::string>() != floorFileFormat)
        fail("\"format\" deve ser \"lajes-pavimento\"");
    if (const auto it = input.find("version"); it != input.end()) {
        if (!it->is_number_integer() && !it->is_number_unsigned())
            fail("\"version\" deve ser um número inteiro");
        if (it->is_number_unsigned() && it->get<std::uint64_t>() > floorFileVersion)
            fail(newerVersionMessage);
        if (it->get<std::int64_t>() < 1)
            fail("\"version\" deve ser 1 ou maior");
    }
    checkKeys(input,
              {"format", "version", "name", "fck", "SteelGrade", "compatibility", "settings",
               "slabs", "stretchChoices"},
              "");
    Floor floor;
    if (const auto it = input.find("name"); it != input.end() && !it->is_null()) {
        if (!it->is_string())
            fail("\"name\" deve ser um texto");
        floor.name = it->get<std::string>();
    }
    if (const auto it = input.find("fck"); it != input.end() && !it->is_null())
        floor.fck = valueOr(parseNumber(*it, "fck"), "");
    if (const auto it = input.find("SteelGrade"); it != input.end() && !it->is_null()) {
        if (!it->is_string() || !fykFor(it->get<std::string>()))
            fail("\"SteelGrade\" deve ser um de CA-25, CA-40A, CA-40B, CA-50A, CA-50B, CA-60A, "
                 "CA-60B");
        floor.SteelGrade = it->get<std::string>();
    }
    if (const auto it = input.find("compatibility"); it != input.end() && !it->is_null()) {
        const std::string text = it->is_string() ? it->get<std::string>() : std::string();
        if (text == "media")
            floor.compatibility = Compatibility::Media;
        else if (text == "maior")
            floor.compatibility = Compatibility::Maior;
        else
            fail("\"compatibility\" deve ser \"media\" ou \"maior\"");
    }
    floor.settings = base;
    if (const auto it = input.find("settings"); it != input.end())
        floor.settings = valueOr(parseSettingsObject(*it, base), "");
    const auto slabs = input.find("slabs");
    if (slabs == input.end() || !slabs->is_array())
        fail("\"slabs\" deve ser uma lista de lajes");
    if (slabs->empty())
        fail("o pavimento não tem lajes (\"slabs\")");
    if (slabs->size() > maxFloorSlabs)
        fail("o pavimento tem mais de " + std::to_string(maxFloorSlabs) + " lajes (\"slabs\")");
    std::size_t position = 0;
    for (const json& item : *slabs)
        floor.slabs.push_back(readSlab(item, ++position));
    if (const auto error = checkFloor(floor))
        fail(*error);
    if (const auto it = input.find("stretchChoices"); it != input.end() && !it->is_null()) {
        if (!it->is_array())
            fail("\"stretchChoices\" deve ser uma lista");
        std::size_t pickPosition = 0;
        for (const json& item : *it)
            floor.stretchChoices.push_back(readStretchPick(item, ++pickPosition));
    }
    return floor;
}

std::string shortest(double value) {
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value + 0.0);
    if (error != std::errc())
        return "0";
    return std::string(buffer, end);
}

std::string quoted(const std::string& text) {
    return json(text).dump(-1, ' ', false, json::error_handler_t::replace);
}

const char* modeKey(EdgeMode mode) {
    switch (mode) {
    case EdgeMode::Fixed:
        return "engastado";
    case EdgeMode::Simple:
        return "apoiado";
    case EdgeMode::Auto:
        break;
    }
    return "auto";
}

} // namespace

std::variant<Floor, std::string> parseFloorText(std::string_view text, const Settings& base) {
    auto parsed = parseJsonObjectText(text);
    if (auto* error = std::get_if<std::string>(&parsed))
        return *error;
    try {
        return readFloor(std::get<json>(parsed), base);
    } catch (const FloorInputError& error) {
        return error.message;
    } catch (const json::exception& error) {
        return std::string("entrada inválida: ") + error.what();
    }
}

std::string floorFileText(const Floor& floor) {
    std::string out = "{\n";
    out += "  \"format\": " + quoted(floorFileFormat) + ",\n";
    out += "  \"version\": " + std::to_string(floorFileVersion) + ",\n";
    out += "  \"name\": " + quoted(floor.name) + ",\n";
    out += "  \"fck\": " + shortest(floor.fck) + ",\n";
    out += "  \"SteelGrade\": " + quoted(floor.SteelGrade) + ",\n";
    out += std::string("  \"compatibility\": ") +
           (floor.compatibility == Compatibility::Maior ? "\"maior\"" : "\"media\"") + ",\n";
    const Settings& settings = floor.settings;
    out += "  \"settings\": {\"wallWidth\": " + shortest(settings.wallWidth) +
           ", \"cover\": " + shortest(settings.cover) +
           ", \"phiInfinity\": " + shortest(settings.phiInfinity) + "},\n";
    out += "  \"slabs\": [";
    for (std::size_t i = 0; i < floor.slabs.size(); ++i) {
        const FloorSlab& slab = floor.slabs[i];
        out += i == 0 ? "\n    {" : ",\n    {";
        out += "\"name\": " + quoted(slab.name);
        for (const auto& [key, value] :
             {std::pair{"x", slab.x}, std::pair{"y", slab.y}, std::pair{"Lx", slab.Lx},
              std::pair{"Ly", slab.Ly}, std::pair{"h", slab.h}, std::pair{"g", slab.g},
              std::pair{"q", slab.q}})
            out += std::string(", \"") + key + "\": " + shortest(value);
        out += std::string(", \"Ribbed\": ") + (slab.Ribbed ? "true" : "false");
        if (slab.Ribbed)
            for (const auto& [key, value] :
                 {std::pair{"a", slab.a}, std::pair{"bw", slab.bw}, std::pair{"hb", slab.hb},
                  std::pair{"bf", slab.bf}, std::pair{"BlockDensity", slab.BlockDensity}})
                out += std::string(", \"") + key + "\": " + shortest(value);
        out += ", \"edges\": {";
        for (Side side : allSides)
            out += std::string(side == Side::left ? "" : ", ") + "\"" + sideKey(side) + "\": \"" +
                   modeKey(slab.edge(side)) + "\"";
        out += "}, \"choices\": [";
        for (std::size_t c = 0; c < slab.choices.size(); ++c) {
            const BarPick& pick = slab.choices[c];
            out += c == 0 ? "" : ", ";
            out += "{\"direction\": " + quoted(directionKey(pick.direction)) + ", ";
            if (pick.diameter)
                out += "\"diameter\": " + quoted(*pick.diameter) + "}";
            else
                out += "\"spacing\": " + std::to_string(pick.spacing.value_or(0)) + "}";
        }
        out += "]}";
    }
    out += floor.slabs.empty() ? "]" : "\n  ]";
    // Written only when there are picks: a floor without them keeps the file it always had.
    if (!floor.stretchChoices.empty()) {
        out += ",\n  \"stretchChoices\": [";
        for (std::size_t c = 0; c < floor.stretchChoices.size(); ++c) {
            const StretchPick& pick = floor.stretchChoices[c];
            out += c == 0 ? "\n    {\"slabs\": [" : ",\n    {\"slabs\": [";
            for (std::size_t k = 0; k < pick.slabs.size(); ++k)
                out += (k == 0 ? "" : ", ") + quoted(pick.slabs[k]);
            out += "], \"from\": [" + shortest(pick.fromX) + ", " + shortest(pick.fromY) +
                   "], \"to\": [" + shortest(pick.toX) + ", " + shortest(pick.toY) + "]";
            if (pick.diameter)
                out += ", \"diameter\": " + quoted(*pick.diameter);
            if (pick.spacing)
                out += ", \"spacing\": " + std::to_string(*pick.spacing);
            out += "}";
        }
        out += "\n  ]";
    }
    out += "\n}\n";
    return out;
}

std::optional<std::string> writeFloorFile(const std::filesystem::path& path, const Floor& floor,
                                          WriteTarget accepted) {
    return writeFile(path, floorFileText(floor), accepted);
}

std::variant<Floor, std::string> readFloorFile(const std::filesystem::path& path,
                                               const Settings& base) {
    std::string text;
    if (const auto reason =
            readSmallFile(path, maxFloorFileBytes,
                          "O arquivo tem mais de 8 MiB: não é um arquivo de pavimento.", text))
        return fileOpenFailure(path, *reason);
    // An empty file is named as such; any other fault is the JSON reader's own (which also
    // names content after the object).
    if (text.find_first_not_of(" \t\r\n") == std::string::npos)
        return fileOpenFailure(path, jsonProblem(text).value_or(std::string()));
    auto floor = parseFloorText(text, base);
    if (const auto* message = std::get_if<std::string>(&floor)) {
        if (*message == newerVersionMessage)
            return *message;
        return fileOpenFailure(path, *message);
    }
    return floor;
}

} // namespace lajes
