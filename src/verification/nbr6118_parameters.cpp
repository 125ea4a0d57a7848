#include "verification/nbr6118_parameters.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "io/file_messages.h"

namespace lajes {

namespace {

using nlohmann::json;

template <typename Value, std::size_t N>
std::string_view keyIn(const std::array<ParameterChoice<Value>, N>& choices, Value value) {
    for (const auto& choice : choices)
        if (choice.value == value)
            return choice.key;
    return {};
}

// A refused value as a message quotes it: a number or a text as JSON writes it, at most
// quotedCharacters long; an object or a list only by its kind, never walked.
std::string quotedValue(const json& value) {
    if (value.is_object())
        return "(um objeto)";
    if (value.is_array())
        return "(uma lista)";
    return shortQuote(value.dump(-1, ' ', false, json::error_handler_t::replace));
}

// A text value of one of the offered keys, or the message naming the key and the value.
template <typename Value, std::size_t N>
std::variant<Value, std::string> choiceOf(const std::array<ParameterChoice<Value>, N>& choices,
                                          const json& value, const char* key) {
    if (value.is_string()) {
        const auto text = value.get<std::string>();
        for (const auto& choice : choices)
            if (choice.key == text)
                return choice.value;
    }
    std::string offered;
    for (const auto& choice : choices)
        offered += (offered.empty() ? "\"" : ", \"") + std::string(choice.key) + "\"";
    return "\"nbr6118\": valor desconhecido " + quotedValue(value) + " em \"" + key + "\" (use " +
           offered + ")";
}

} // namespace

std::string_view keyOf(Aggressiveness value) {
    return keyIn(aggressivenessChoices, value);
}
std::string_view keyOf(SlabUse value) {
    return keyIn(useChoices, value);
}
std::string_view keyOf(Aggregate value) {
    return keyIn(aggregateChoices, value);
}

double alphaE(Aggregate aggregate) {
    switch (aggregate) {
    case Aggregate::basalto:
        return 1.2;
    case Aggregate::granito:
        return 1.0;
    case Aggregate::calcario:
        return 0.9;
    case Aggregate::arenito:
        return 0.7;
    }
    return 1.0;
}

nlohmann::json toJson(const Nbr6118Parameters& parameters) {
    return json{{"aggressiveness", keyOf(parameters.aggressiveness)},
                {"use", keyOf(parameters.use)},
                {"psi2", parameters.psi2},
                {"loadingAgeMonths", parameters.loadingAgeMonths},
                {"aggregate", keyOf(parameters.aggregate)}};
}

std::variant<Nbr6118Parameters, std::string> parametersFromJson(const nlohmann::json& object) {
    if (!object.is_object())
        return std::string("\"nbr6118\" deve ser um objeto");
    Nbr6118Parameters parameters;
    for (const auto& [key, value] : object.items()) {
        if (key == "aggressiveness") {
            auto read = choiceOf(aggressivenessChoices, value, "aggressiveness");
            if (auto* error = std::get_if<std::string>(&read))
                return *error;
            parameters.aggressiveness = std::get<Aggressiveness>(read);
        } else if (key == "use") {
            auto read = choiceOf(useChoices, value, "use");
            if (auto* error = std::get_if<std::string>(&read))
                return *error;
            parameters.use = std::get<SlabUse>(read);
        } else if (key == "aggregate") {
            auto read = choiceOf(aggregateChoices, value, "aggregate");
            if (auto* error = std::get_if<std::string>(&read))
                return *error;
            parameters.aggregate = std::get<Aggregate>(read);
        } else if (key == "psi2") {
            bool known = false;
            if (value.is_number())
                for (const Psi2Choice& choice : psi2Choices)
                    if (std::fabs(value.get<double>() - choice.value) < 1e-9) {
                        parameters.psi2 = choice.value;
                        known = true;
                    }
            if (!known)
                return "\"nbr6118\": valor desconhecido " + quotedValue(value) +
                       " em \"psi2\" (use 0.3, 0.4 ou 0.6)";
        } else if (key == "loadingAgeMonths") {
            // The window's box shows two decimals: a smaller age would show "0,00", which
            // the box itself refuses as soon as it is left.
            const bool shown = value.is_number() && std::isfinite(value.get<double>()) &&
                               value.get<double>() >= minLoadingAgeMonths;
            if (!shown)
                return "\"nbr6118\": valor inválido " + quotedValue(value) +
                       " em \"loadingAgeMonths\" (idade em meses, 0.01 ou mais)";
            parameters.loadingAgeMonths = value.get<double>();
        } else {
            return "\"nbr6118\": chave desconhecida \"" + shortQuote(key) + "\"";
        }
    }
    return parameters;
}

} // namespace lajes
