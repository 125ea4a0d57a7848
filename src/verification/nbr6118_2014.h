#pragma once

// Verification of the designed slab, with the bars the user chose, against NBR 6118:2014
// (the 2023 edition keeps these clauses). The design itself follows the older rules and is
// not changed by this: the verification only reads the records.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/slab_design_data.h"
#include "config/settings.h"
#include "design/slab_results.h"
#include "verification/nbr6118_parameters.h"

namespace lajes {

// Whether `required` is a lower or an upper bound of `provided`.
enum class CheckLimit { min, max };

// One intermediate value of a check, shown by the command-line result. A text detail
// (the deflection's direction) has `text` set and `value` unused.
struct CheckDetail {
    std::string_view name;
    double value = 0.0;
    std::string_view text;
};

struct VerificationCheck {
    std::string id;          // "cover", "minSteel.xp", ...
    std::string_view clause; // item of the code, "7.4.7.6, Tabela 7.2"
    CheckLimit limit = CheckLimit::min;
    // Nothing when the section cannot take the moment (flexure, ductility).
    std::optional<double> required;
    std::optional<double> provided;
    std::string_view unit; // "cm", "cm²/m", "MPa", "mm", "kN/m", "" for x/d
    bool ok = false;
    std::string_view title;                // "Cobrimento nominal"
    std::optional<BarDirection> direction; // the bars a per-direction check is about
    std::vector<CheckDetail> details;
};

struct Nbr6118Verification {
    Nbr6118Parameters parameters;
    bool structural = false; // the steel, deflection and shear checks ran
    bool outOfScope = false; // fck above 50 MPa
    double rhoMin = 0.0;     // per cent of b h, when `structural`
    std::vector<VerificationCheck> checks;
    // Said after the table: what was not verified.
    std::vector<std::string_view> closingLines;
    bool ok = false; // every check of the list is met

    int failures() const;
};

inline constexpr std::string_view ribbedNotVerifiedLine =
    "Flexão, flecha e cisalhamento de lajes nervuradas: não verificados nesta versão.";
inline constexpr std::string_view highStrengthOutOfScopeLine =
    "fora do escopo: fck acima de 50 MPa";

// The checks in their order: concrete class, cover, then the ribbed geometry or the
// thickness, then per direction with bars (xp, yp, xn, yn) minimum steel, bar diameter, bar
// spacing, flexure and ductility, then deflection and shear. `results` holds the design and
// the chosen bars (the results screen's computation has run).
Nbr6118Verification verifyNbr6118(const SlabDesignData& slab, const SlabResults& results,
                                  const Settings& settings, const Nbr6118Parameters& parameters);

// rho_min of NBR 6118 Tabela 17.3, per cent of b h, for CA-50, linear between classes,
// raised by 50 / fyk for a steel weaker than CA-50 (fyk in kgf/mm²).
double minimumSteelRatio(double fck, double fyk);

// The rectangular stress block of 17.2.2 (lambda 0.8, alpha_c 0.85, fck <= 50 MPa) for a
// characteristic moment M (kg.m/m) on the 100 cm strip of useful height d (cm).
struct StressBlockDesign {
    bool feasible = false; // the section can take the moment
    double x = 0.0;        // neutral-axis depth, cm
    double As = 0.0;       // cm²/m
};
StressBlockDesign stressBlockDesign(double M, double d, double fck, double fyk);

// Creep coefficient function xi(t) of 17.3.2.1.2, t in months.
double creepTimeFunction(double months);

// The table the window and its printout show: texts with `decimalSeparator`, two decimals
// (x/d three).
struct VerificationRow {
    std::string check;    // "Armadura mínima (Asx+)"
    std::string clause;   // "17.3.5.2, Tabela 19.1"
    std::string limit;    // "≥ 2,50 cm"
    std::string obtained; // "1,00 cm"
    bool ok = false;
};
std::vector<VerificationRow> verificationRows(const Nbr6118Verification& verification,
                                              char decimalSeparator);

inline constexpr std::string_view meetsText = "Atende";
inline constexpr std::string_view failsText = "Não atende";

// "Atende a todas as verificações", or how many checks fail.
std::string verificationSummary(const Nbr6118Verification& verification);

// What the printout says of the slab (kind, support case, spans, thickness, materials, loads)
// and of the parameters, one line each.
std::vector<std::string> slabIdentityLines(const SlabDesignData& slab, const Settings& settings,
                                           char decimalSeparator);
std::vector<std::string> parameterLines(const Nbr6118Parameters& parameters, char decimalSeparator);

// The result object of lajes-cli: parameters, scope flags, rho_min and the checks at full
// precision (a missing value is null; an infinite or undefined one the text "Infinity",
// "-Infinity" or "NaN"), as compact JSON text with the keys of each object in
// alphabetical order, as nlohmann::json writes them. Written directly because a batch run
// writes one for every slab.
std::string verificationJsonText(const Nbr6118Verification& verification);

// The same object, parsed.
nlohmann::json verificationJson(const Nbr6118Verification& verification);

} // namespace lajes
