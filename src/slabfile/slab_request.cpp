#include "slabfile/slab_request.h"

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>
#include <set>
#include <tuple>
#include <vector>

#include "analysis/data_entry.h"
#include "analysis/steel_grades.h"
#include "config/settings_file.h"
#include "io/file_messages.h"
#include "text/number_text.h"
#include "text/utf8.h"

namespace lajes {

namespace {

using nlohmann::json;

struct InputError {
    std::string message;
};

[[noreturn]] void fail(const std::string& message) {
    throw InputError{message};
}

// nlohmann's English message ("[json.exception.parse_error.101] parse error at line 1,
// column 18: syntax error while parsing value - unexpected end of input; ...") as a short
// Portuguese one: where, and what kind of fault.
std::string portugueseJsonError(const std::string& what) {
    std::string where;
    const std::size_t line = what.find("at line ");
    const std::size_t column = what.find(", column ");
    if (line != std::string::npos && column != std::string::npos && column > line) {
        const std::size_t end = what.find(':', column);
        where = " na linha " + what.substr(line + 8, column - line - 8) + ", coluna " +
                what.substr(column + 9, end == std::string::npos ? 0 : end - column - 9);
    }
    const std::pair<const char*, const char*> kinds[] = {
        {"unexpected end of input", "o texto termina antes do fim"},
        {"number overflow", "número grande demais"},
        {"invalid number", "número inválido"},
        {"invalid literal", "valor inválido (use true, false, null, um número, um texto, um "
                            "objeto ou uma lista)"},
        {"invalid string", "texto inválido (caractere de controle ou UTF-8 inválido)"},
        {"type must be", "tipo de valor inesperado"},
        {"syntax error", "erro de sintaxe"},
    };
    for (const auto& [english, portuguese] : kinds)
        if (what.find(english) != std::string::npos)
            return std::string(portuguese) + where;
    return "erro de leitura" + where;
}

double number(const json& value, const std::string& key) {
    if (!value.is_number())
        fail("\"" + key + "\" deve ser um número");
    const double v = value.get<double>();
    if (!std::isfinite(v))
        fail("\"" + key + "\" deve ser um número finito");
    if (v < 0)
        fail("\"" + key + "\" não pode ser negativo");
    return v;
}

// The five boxes of the data-entry screen hold "%0.2f" texts when the calculation starts,
// so their values enter the design rounded to two decimals, exactly as in the windows.
double asTypedInBox(double v) {
    return *parseReal(formatFixed(v, 2, '.'));
}

std::optional<double> typedEntry(const json& object, const char* key) {
    const auto it = object.find(key);
    if (it == object.end() || it->is_null())
        return std::nullopt;
    return number(*it, key);
}

std::optional<double> boxEntry(const std::optional<double>& typed) {
    if (!typed)
        return std::nullopt;
    return asTypedInBox(*typed);
}

// "format", "version" and "name" of a slab file; a plain slab object has none of them.
void readFileKeys(const json& input, SlabRequest& request) {
    if (const auto it = input.find("format"); it != input.end())
        if (!it->is_string() || it->get<std::string>() != slabFileFormat)
            fail("\"format\" deve ser \"lajes\"");
    if (const auto it = input.find("version"); it != input.end()) {
        if (!it->is_number_integer() && !it->is_number_unsigned())
            fail("\"version\" deve ser um número inteiro");
        if (it->is_number_unsigned() && it->get<std::uint64_t>() > slabFileVersion)
            fail(newerVersionMessage);
        if (it->get<std::int64_t>() < 1)
            fail("\"version\" deve ser 1 ou maior");
    }
    if (const auto it = input.find("name"); it != input.end() && !it->is_null()) {
        if (!it->is_string())
            fail("\"name\" deve ser um texto");
        request.name = it->get<std::string>();
        // The parser has checked the UTF-8: one unit per character, two above U+FFFF.
        std::size_t units = 0;
        for (const char byte : *request.name) {
            const auto b = static_cast<unsigned char>(byte);
            units += (b & 0xC0) == 0x80 ? 0 : b >= 0xF0 ? 2 : 1;
        }
        if (units > maxSlabNameLength)
            fail("\"name\" tem mais de " + std::to_string(maxSlabNameLength) + " caracteres");
    }
}

double optionalNumber(const json& object, const char* key, double fallback) {
    const auto it = object.find(key);
    if (it == object.end() || it->is_null())
        return fallback;
    return number(*it, key);
}

std::string colour(const json& value, const std::string& key) {
    std::string text;
    if (value.is_number_unsigned())
        text = std::to_string(value.get<std::uint64_t>());
    else if (value.is_string())
        text = value.get<std::string>();
    if (!isAcceptedColour(text))
        fail("\"" + key + "\" deve ser um número de cor de 1 a 255 (somente dígitos)");
    return text;
}

void checkKeys(const json& object, const std::set<std::string>& known, const std::string& where) {
    for (const auto& [key, value] : object.items())
        if (!known.count(key))
            fail("chave desconhecida \"" + shortQuote(key) + "\"" + where);
}

Settings readSettings(const json& object, Settings settings) {
    if (!object.is_object())
        fail("\"settings\" deve ser um objeto");
    checkKeys(object,
              {"wallWidth", "cover", "phiInfinity", "drawingScale", "textLayerColour",
               "slabLayerColour", "posBarLayerColour", "negBarLayerColour"},
              " em \"settings\"");
    for (const auto& [key, which, field] :
         {std::tuple{"wallWidth", SettingNumber::wallWidth, &settings.wallWidth},
          std::tuple{"cover", SettingNumber::cover, &settings.cover},
          std::tuple{"phiInfinity", SettingNumber::phiInfinity, &settings.phiInfinity}}) {
        *field = optionalNumber(object, key, *field);
        if (!isAcceptedSettingNumber(which, *field))
            fail(std::string("\"") + key + "\" deve ser maior que zero e no máximo " +
                 formatShortest(largestSetting(which), ','));
    }
    if (const auto it = object.find("drawingScale"); it != object.end()) {
        if (!it->is_string())
            fail("\"drawingScale\" deve ser um texto como \"1:50\"");
        const ScaleChoice scale = scaleFactorFor(it->get<std::string>());
        if (scale.scale != it->get<std::string>())
            fail("\"drawingScale\" deve ser 1:10, 1:20, 1:25, 1:50, 1:75 ou 1:100");
        settings.drawingScale = scale.scale;
        settings.scaleFactor = scale.factor;
    }
    for (const auto& [key, field] : {std::pair{"textLayerColour", &settings.textLayerColour},
                                     std::pair{"slabLayerColour", &settings.slabLayerColour},
                                     std::pair{"posBarLayerColour", &settings.posBarLayerColour},
                                     std::pair{"negBarLayerColour", &settings.negBarLayerColour}})
        if (const auto it = object.find(key); it != object.end())
            *field = colour(*it, key);
    return settings;
}

BarDirection direction(const json& value) {
    if (value.is_string()) {
        const auto text = value.get<std::string>();
        if (text == "xp")
            return BarDirection::xp;
        if (text == "yp")
            return BarDirection::yp;
        if (text == "xn")
            return BarDirection::xn;
        if (text == "yn")
            return BarDirection::yn;
    }
    fail("\"direction\" deve ser \"xp\", \"yp\", \"xn\" ou \"yn\"");
}

std::vector<BarPick> readChoices(const json& list) {
    if (!list.is_array())
        fail("\"choices\" deve ser uma lista");
    std::vector<BarPick> picks;
    for (const json& item : list) {
        if (!item.is_object())
            fail("cada item de \"choices\" deve ser um objeto");
        checkKeys(item, {"direction", "diameter", "spacing"}, " em \"choices\"");
        if (!item.contains("direction"))
            fail("falta \"direction\" em \"choices\"");
        BarPick pick;
        pick.direction = direction(item["direction"]);
        const bool hasDiameter = item.contains("diameter");
        const bool hasSpacing = item.contains("spacing");
        if (hasDiameter == hasSpacing)
            fail("cada item de \"choices\" leva \"diameter\" ou \"spacing\", um dos dois");
        if (hasDiameter) {
            if (!item["diameter"].is_string())
                fail("\"diameter\" deve ser o texto da lista, como \"8.0\"");
            pick.diameter = item["diameter"].get<std::string>();
        } else {
            const json& s = item["spacing"];
            if (!s.is_number_integer() && !s.is_number_unsigned())
                fail("\"spacing\" deve ser um número inteiro de centímetros");
            const auto value = s.get<std::int64_t>();
            if (value < 0 || value > 1000)
                fail("\"spacing\" fora da lista de espaçamentos");
            pick.spacing = static_cast<int>(value);
        }
        picks.push_back(std::move(pick));
    }
    return picks;
}

// Every key of a slab object; "format", "version" and "name" are those of a .laje file.
// clang-format off
const std::set<std::string> slabKeys{
    "format", "version", "name", "SupportCase", "Ribbed", "fck", "SteelGrade", "Lx", "Ly", "h",
    "g", "q", "a", "bw", "hb", "bf", "BlockDensity", "AdjacentSpan", "settings", "choices",
    "nbr6118"};
// clang-format on

SlabRequest read(const json& input, const Settings& base) {
    if (!input.is_object())
        fail("a entrada deve ser um objeto JSON");
    // A version this program does not know is reported before any key it may have added.
    SlabRequest request;
    readFileKeys(input, request);
    checkKeys(input, slabKeys, "");
    SlabDesignData& slab = request.slab;

    const auto supportCase = input.find("SupportCase");
    if (supportCase == input.end() || supportCase->is_null())
        fail("falta \"SupportCase\" (1 a 6)");
    if (!supportCase->is_number_integer() && !supportCase->is_number_unsigned())
        fail("\"SupportCase\" deve ser um inteiro de 1 a 6");
    const auto caseNumber = supportCase->get<std::int64_t>();
    if (caseNumber < 1 || caseNumber > 6)
        fail("\"SupportCase\" deve ser um inteiro de 1 a 6");
    slab.SupportCase = static_cast<int>(caseNumber);

    if (const auto it = input.find("Ribbed"); it != input.end() && !it->is_null()) {
        if (!it->is_boolean())
            fail("\"Ribbed\" deve ser true ou false");
        slab.Ribbed = it->get<bool>();
    }
    if (slab.Ribbed && !ribbedAllowed(slab.SupportCase))
        fail("\"Ribbed\": uma laje nervurada é sempre do caso 1 (SupportCase 1)");

    slab.fck = optionalNumber(input, "fck", slab.fck);
    if (const auto it = input.find("SteelGrade"); it != input.end() && !it->is_null()) {
        if (!it->is_string() || !fykFor(it->get<std::string>()))
            fail("\"SteelGrade\" deve ser um de CA-25, CA-40A, CA-40B, CA-50A, CA-50B, CA-60A, "
                 "CA-60B");
        slab.SteelGrade = it->get<std::string>();
    }

    request.typed.Lx = typedEntry(input, "Lx");
    request.typed.Ly = typedEntry(input, "Ly");
    request.typed.h = typedEntry(input, "h");
    request.typed.g = typedEntry(input, "g");
    request.typed.q = typedEntry(input, "q");
    request.entries.Lx = boxEntry(request.typed.Lx);
    request.entries.Ly = boxEntry(request.typed.Ly);
    request.entries.h = boxEntry(request.typed.h);
    request.entries.g = boxEntry(request.typed.g);
    request.entries.q = boxEntry(request.typed.q);
    slab.Lx = request.entries.Lx.value_or(0.0);
    slab.Ly = request.entries.Ly.value_or(0.0);
    slab.h = request.entries.h.value_or(0.0);
    slab.g = request.entries.g.value_or(0.0);
    slab.q = request.entries.q.value_or(0.0);

    slab.a = optionalNumber(input, "a", 0.0);
    slab.bw = optionalNumber(input, "bw", 0.0);
    slab.hb = optionalNumber(input, "hb", 0.0);
    slab.bf = optionalNumber(input, "bf", 0.0);
    slab.BlockDensity = optionalNumber(input, "BlockDensity", 0.0);
    if (slab.Ribbed) {
        for (const auto& [field, value] :
             {std::pair{SlabInput::a, slab.a}, std::pair{SlabInput::bw, slab.bw},
              std::pair{SlabInput::hb, slab.hb}, std::pair{SlabInput::bf, slab.bf},
              std::pair{SlabInput::BlockDensity, slab.BlockDensity}})
            if (!inRange(field, value))
                fail(outOfRangeMessage(field));
        // The ribbed-slab dialog cannot be left with OK until all four are non-zero; an
        // absent key is a box left at 0.
        const RibbedGeometryEntries geometry{slab.a, slab.bw, slab.hb, slab.bf, slab.BlockDensity};
        if (const std::optional<RibbedField> missing = firstIncompleteRibbedField(geometry))
            fail("\"" + std::string(ribbedFieldName(*missing)) +
                 "\" deve ser maior que zero numa laje nervurada");
    }
    slab.AdjacentSpan = optionalNumber(input, "AdjacentSpan", 0.0);
    if (!inRange(SlabInput::AdjacentSpan, slab.AdjacentSpan))
        fail(outOfRangeMessage(SlabInput::AdjacentSpan));

    request.settings = base;
    if (const auto it = input.find("settings"); it != input.end())
        request.settings = readSettings(*it, base);
    if (const auto it = input.find("choices"); it != input.end())
        request.choices = readChoices(*it);
    if (const auto it = input.find("nbr6118"); it != input.end()) {
        auto parameters = parametersFromJson(*it);
        if (const auto* error = std::get_if<std::string>(&parameters))
            fail(*error);
        request.nbr6118 = std::get<Nbr6118Parameters>(parameters);
    }
    return request;
}

} // namespace

std::variant<SlabRequest, std::string> parseSlabRequest(const nlohmann::json& input,
                                                        const Settings& base) {
    try {
        return read(input, base);
    } catch (const InputError& error) {
        return error.message;
    } catch (const json::exception& error) {
        return "entrada inválida: " + portugueseJsonError(error.what());
    }
}

namespace {

// The parser's message with the input it quotes replaced by at most 80 characters of the
// input before the error, made valid UTF-8: the raw bytes it would otherwise copy may be
// half a character, and a message must go into a JSON string.
std::string parseErrorText(const json::parse_error& error, std::string_view text) {
    const std::string what = portugueseJsonError(error.what());
    const std::size_t end = std::min(error.byte, text.size());
    const std::size_t begin = end > 80 ? end - 80 : 0;
    std::string near = validUtf8(text.substr(begin, end - begin), 80);
    return "JSON inválido: " + what + "; perto de: \"" + near + "\"";
}

// Where the first object or array of `text` ends (just past its closing bracket), found by
// counting brackets outside strings; the whole text when it does not start with one or never
// closes. What follows is trailing content, which the parser would not always name as such
// (it takes a NUL byte for the end of the input, and "} x" for a bad literal).
std::size_t endOfFirstValue(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos || (text[first] != '{' && text[first] != '['))
        return text.size();
    int depth = 0;
    bool inString = false;
    for (std::size_t i = first; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            ++depth;
        } else if ((c == '}' || c == ']') && --depth == 0) {
            return i + 1;
        }
    }
    return text.size();
}

} // namespace

namespace {

// Builds the value as nlohmann's own parser does, refusing a repeated key instead of silently
// taking its last value. nlohmann's filtering parser (a parse callback) would do the same,
// but it looks through all of an object's siblings each time the object ends, which makes a
// long list of objects ("choices") quadratic; this stays linear.
class NoRepeatedKeys {
public:
    explicit NoRepeatedKeys(json& result) : dom_(result) {}

    bool null() { return dom_.null(); }
    bool boolean(bool value) { return dom_.boolean(value); }
    bool number_integer(json::number_integer_t value) { return dom_.number_integer(value); }
    bool number_unsigned(json::number_unsigned_t value) { return dom_.number_unsigned(value); }
    bool number_float(json::number_float_t value, const json::string_t& text) {
        return dom_.number_float(value, text);
    }
    bool string(json::string_t& value) { return dom_.string(value); }
    bool binary(json::binary_t& value) { return dom_.binary(value); }
    bool start_object(std::size_t elements) {
        keys_.emplace_back();
        return dom_.start_object(elements);
    }
    bool key(json::string_t& value) {
        if (!keys_.empty() && !keys_.back().insert(value).second)
            fail("JSON inválido: chave repetida: " + shortQuote(value));
        return dom_.key(value);
    }
    bool end_object() {
        if (!keys_.empty())
            keys_.pop_back();
        return dom_.end_object();
    }
    bool start_array(std::size_t elements) { return dom_.start_array(elements); }
    bool end_array() { return dom_.end_array(); }
    template <class Exception>
    bool parse_error(std::size_t position, const std::string& token, const Exception& error) {
        return dom_.parse_error(position, token, error);
    }

private:
    nlohmann::detail::json_sax_dom_parser<json> dom_;
    std::vector<std::set<std::string>> keys_; // the keys seen in each open object
};

} // namespace

std::optional<std::string> tooDeeplyNested(std::string_view text) {
    int depth = 0;
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            if (++depth > maxJsonNesting)
                return "JSON inválido: mais de " + std::to_string(maxJsonNesting) +
                       " níveis de objetos e listas um dentro do outro, na posição " +
                       std::to_string(i + 1);
        } else if (c == '}' || c == ']') {
            depth = std::max(depth - 1, 0);
        }
    }
    return std::nullopt;
}

std::variant<SlabRequest, std::string> parseSlabRequestText(std::string_view text,
                                                            const Settings& base) {
    const std::size_t end = endOfFirstValue(text);
    const std::string_view object = text.substr(0, end);
    if (auto deep = tooDeeplyNested(object))
        return *std::move(deep);
    json input;
    try {
        NoRepeatedKeys builder(input);
        json::sax_parse(object.begin(), object.end(), &builder);
    } catch (const InputError& error) {
        return error.message;
    } catch (const json::parse_error& error) {
        // Malformed text, or a number too large for a double.
        return parseErrorText(error, object);
    } catch (const json::exception& error) {
        return "JSON inválido: " + portugueseJsonError(error.what());
    }
    if (const auto extra = text.find_first_not_of(" \t\r\n", end); extra != std::string_view::npos)
        return "JSON inválido: conteúdo após o objeto JSON, na posição " +
               std::to_string(extra + 1) + ": \"" + validUtf8(text.substr(extra), 80) + "\"";
    return parseSlabRequest(input, base);
}

} // namespace lajes
