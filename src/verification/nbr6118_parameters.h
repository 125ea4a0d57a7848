#pragma once

// What the NBR 6118:2014 verification needs to know beyond the design: the environment, the
// use of the slab, the quasi-permanent factor of the live load, the age at loading and the
// aggregate. Saved with a slab and read by lajes-cli under the key "nbr6118".

#include <array>
#include <string>
#include <string_view>
#include <variant>

#include <nlohmann/json_fwd.hpp>

namespace lajes {

// Environmental aggressiveness class, NBR 6118 Tabela 6.1.
enum class Aggressiveness { I, II, III, IV };

// Use of the slab, for the minimum thickness of 13.2.4.1.
enum class SlabUse { cobertura, piso, veiculosLeves, veiculosPesados };

// Coarse aggregate, for the modulus factor alpha_E of 8.2.8.
enum class Aggregate { granito, basalto, calcario, arenito };

// The smallest age at loading a slab may hold, months: the least the window's two-decimal box
// can show.
inline constexpr double minLoadingAgeMonths = 0.01;

struct Nbr6118Parameters {
    Aggressiveness aggressiveness = Aggressiveness::II;
    SlabUse use = SlabUse::piso;
    double psi2 = 0.3;             // quasi-permanent combination factor of the live load
    double loadingAgeMonths = 1.0; // age t0 of the slab when loaded, months, > 0
    Aggregate aggregate = Aggregate::granito;

    bool operator==(const Nbr6118Parameters&) const = default;
};

// One value the window offers: its key in the file and the text of its list entry.
template <typename Value> struct ParameterChoice {
    Value value;
    std::string_view key;
    std::string_view caption;
};

inline constexpr std::array<ParameterChoice<Aggressiveness>, 4> aggressivenessChoices{{
    {Aggressiveness::I, "I", "I - fraca (rural, submersa)"},
    {Aggressiveness::II, "II", "II - moderada (urbana)"},
    {Aggressiveness::III, "III", "III - forte (marinha, industrial)"},
    {Aggressiveness::IV, "IV", "IV - muito forte (industrial química, respingos de maré)"},
}};

inline constexpr std::array<ParameterChoice<SlabUse>, 4> useChoices{{
    {SlabUse::cobertura, "cobertura", "Cobertura"},
    {SlabUse::piso, "piso", "Piso"},
    {SlabUse::veiculosLeves, "veiculosLeves", "Veículos de até 30 kN"},
    {SlabUse::veiculosPesados, "veiculosPesados", "Veículos de mais de 30 kN"},
}};

// psi2 has three values (NBR 6118 Tabela 11.2); the key is the value itself.
struct Psi2Choice {
    double value;
    std::string_view caption;
};
inline constexpr std::array<Psi2Choice, 3> psi2Choices{{
    {0.3, "residencial"},
    {0.4, "comercial / escritórios"},
    {0.6, "bibliotecas, arquivos, garagens"},
}};

inline constexpr std::array<ParameterChoice<Aggregate>, 4> aggregateChoices{{
    {Aggregate::granito, "granito", "Granito / gnaisse"},
    {Aggregate::basalto, "basalto", "Basalto / diabásio"},
    {Aggregate::calcario, "calcario", "Calcário"},
    {Aggregate::arenito, "arenito", "Arenito"},
}};

std::string_view keyOf(Aggressiveness value);
std::string_view keyOf(SlabUse value);
std::string_view keyOf(Aggregate value);

// alpha_E of the aggregate (NBR 6118 8.2.8): basalt 1.2, granite 1.0, limestone 0.9,
// sandstone 0.7.
double alphaE(Aggregate aggregate);

// The five parameters as the "nbr6118" object, every key written.
nlohmann::json toJson(const Nbr6118Parameters& parameters);

// Reads a "nbr6118" object: missing keys keep their defaults; an unknown key, a value that is
// not one of the offered ones or an age that is not a positive number is refused with a
// Portuguese message that names the key and the value.
std::variant<Nbr6118Parameters, std::string> parametersFromJson(const nlohmann::json& object);

} // namespace lajes
