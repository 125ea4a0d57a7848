#include "verification/nbr6118_2014.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>

#include "design/flexure.h"
#include "design/shear.h"
#include "text/number_text.h"

namespace lajes {

namespace {

// Units inside: kN and cm, with the program's 1 kg = 0.01 kN (so 1 kg.m = 1 kN.cm).
constexpr double Es = 21000.0; // kN/cm²

VerificationCheck makeCheck(std::string id, std::string_view clause, CheckLimit limit,
                            std::optional<double> required, std::optional<double> provided,
                            std::string_view unit, std::string_view title) {
    VerificationCheck check;
    check.id = std::move(id);
    check.clause = clause;
    check.limit = limit;
    check.required = required;
    check.provided = provided;
    check.unit = unit;
    check.title = title;
    check.ok = required && provided &&
               (limit == CheckLimit::min ? *provided >= *required : *provided <= *required);
    return check;
}

const char* directionSymbol(BarDirection direction) {
    switch (direction) {
    case BarDirection::xp:
        return "Asx+";
    case BarDirection::yp:
        return "Asy+";
    case BarDirection::xn:
        return "Asx-";
    case BarDirection::yn:
        return "Asy-";
    }
    return "";
}

// Tabela 7.1: least concrete class of reinforced concrete; Tabela 7.2: nominal cover of slabs.
double leastFck(Aggressiveness aggressiveness) {
    constexpr std::array<double, 4> fck{20.0, 25.0, 30.0, 40.0};
    return fck[static_cast<std::size_t>(aggressiveness)];
}
double leastCover(Aggressiveness aggressiveness) {
    constexpr std::array<double, 4> cover{2.0, 2.5, 3.5, 4.5};
    return cover[static_cast<std::size_t>(aggressiveness)];
}

// 13.2.4.1, slabs not in cantilever.
double leastThickness(SlabUse use) {
    switch (use) {
    case SlabUse::cobertura:
        return 7.0;
    case SlabUse::piso:
        return 8.0;
    case SlabUse::veiculosLeves:
        return 10.0;
    case SlabUse::veiculosPesados:
        return 12.0;
    }
    return 8.0;
}

double characteristicMoment(const SlabResults& results, BarDirection direction) {
    switch (direction) {
    case BarDirection::xp:
        return results.Mx;
    case BarDirection::yp:
        return results.My;
    case BarDirection::xn:
        return std::fabs(results.Xx);
    case BarDirection::yn:
        return std::fabs(results.Xy);
    }
    return 0.0;
}

void addRibbedChecks(const SlabDesignData& slab, Nbr6118Verification& v) {
    v.checks.push_back(makeCheck("flange", "13.2.4.2", CheckLimit::min,
                                 std::max(slab.a / 15.0, 4.0), slab.bf, "cm", "Espessura da mesa"));
    v.checks.push_back(makeCheck("ribWidth", "13.2.4.2", CheckLimit::min, 5.0, slab.bw, "cm",
                                 "Largura da nervura"));
    v.checks.push_back(makeCheck("ribSpacing", "13.2.4.2", CheckLimit::max, 65.0, slab.a + slab.bw,
                                 "cm", "Distância entre eixos das nervuras"));
}

void addDirectionChecks(const SlabDesignData& slab, const SlabResults& results,
                        Nbr6118Verification& v) {
    const double h = slab.h;
    const bool twoWay = isTwoWaySlab(slab.Lambda);
    const BarDirection main = slab.Lx < slab.Ly ? BarDirection::xp : BarDirection::yp;
    const BarDirection distribution =
        main == BarDirection::xp ? BarDirection::yp : BarDirection::xp;
    const double rhoH = v.rhoMin * h; // cm²/m: rho_min per cent of b h with b = 100 cm

    for (BarDirection direction : allBarDirections) {
        const BarChoice& bar = results.bar(direction);
        if (bar.effectiveArea <= 0.0)
            continue;
        const std::string key = directionKey(direction);
        const bool top = direction == BarDirection::xn || direction == BarDirection::yn;
        const bool isDistribution = !twoWay && direction == distribution;

        // Tabela 19.1.
        double AsMin = rhoH;
        if (!top && twoWay)
            AsMin = 0.67 * rhoH;
        else if (isDistribution)
            AsMin = std::max({0.2 * results.bar(main).effectiveArea, 0.9, 0.5 * rhoH});
        auto add = [&](VerificationCheck check) {
            check.direction = direction;
            v.checks.push_back(std::move(check));
        };
        add(makeCheck("minSteel." + key, "17.3.5.2, Tabela 19.1", CheckLimit::min, AsMin,
                      bar.effectiveArea, "cm²/m", "Armadura mínima"));
        // 20.1: phi <= h / 8, in mm.
        add(makeCheck("barDiameter." + key, "20.1", CheckLimit::max, h * 10.0 / 8.0, bar.diameter,
                      "mm", "Diâmetro máximo"));
        add(makeCheck("barSpacing." + key, "20.1", CheckLimit::max,
                      isDistribution ? 33.0 : std::min(2.0 * h, 20.0), bar.spacing, "cm",
                      "Espaçamento máximo"));
        if (isDistribution)
            continue;
        const StressBlockDesign block =
            stressBlockDesign(characteristicMoment(results, direction), slab.d, slab.fck, slab.fyk);
        std::optional<double> AsNeeded, xd;
        if (block.feasible) {
            AsNeeded = block.As;
            xd = block.x / slab.d;
        }
        add(makeCheck("flexure." + key, "17.2.2", CheckLimit::min, AsNeeded, bar.effectiveArea,
                      "cm²/m", "Armadura de flexão"));
        add(makeCheck("ductility." + key, "14.6.4.3", CheckLimit::max, 0.45, xd, "",
                      "Ductilidade (x/d)"));
    }
}

void addDeflectionCheck(const SlabDesignData& slab, const SlabResults& results,
                        const Nbr6118Parameters& parameters, Nbr6118Verification& v) {
    const bool alongX = slab.Lx <= slab.Ly;
    const double fck = slab.fck;
    const double h = slab.h;
    const double d = slab.d;
    const double pqp = permanentLoad(slab) + parameters.psi2 * slab.q; // kg/m²
    const double mu = alongX ? results.muX : results.muY;
    const double Ma = mu * pqp * slab.Lx * slab.Lx; // kg.m/m = kN.cm/m

    const double fctm = 0.03 * std::cbrt(fck * fck); // kN/cm², 8.2.5
    const double Ic = 100.0 * h * h * h / 12.0;      // cm⁴
    const double Mr = 1.5 * fctm * Ic / (h / 2.0);   // 17.3.1, alpha 1.5 for rectangles

    // 8.2.8: Eci = alpha_E 5600 sqrt(fck) MPa, Ecs = alpha_i Eci.
    const double alphaI = std::min(0.8 + 0.2 * fck / 80.0, 1.0);
    const double Ecs = alphaI * alphaE(parameters.aggregate) * 560.0 * std::sqrt(fck);
    const double alphaEs = Es / Ecs;

    // Stadium II of the 100 cm strip with the chosen bottom bars.
    const double As = results.bar(alongX ? BarDirection::xp : BarDirection::yp).effectiveArea;
    const double xII = (alphaEs * As / 100.0) * (std::sqrt(1.0 + 200.0 * d / (alphaEs * As)) - 1.0);
    const double III = 100.0 * xII * xII * xII / 3.0 + alphaEs * As * (d - xII) * (d - xII);

    // Branson's stiffness, 17.3.2.1.1.
    double EI = Ecs * Ic;
    if (Ma > Mr) {
        const double r3 = std::pow(Mr / Ma, 3.0);
        EI = std::min(Ecs * (r3 * Ic + (1.0 - r3) * III), Ecs * Ic);
    }

    // The strip's share of the load after Marcus's torsion factor: mu / m of the x strip, or
    // mu_y / (lambda² m_y) of the y strip.
    const double eps = alongX ? results.epsX : results.epsY;
    const double K =
        alongX ? results.muX / results.mx : results.muY / (slab.Lambda * slab.Lambda * results.my);
    const double L = alongX ? slab.Lx : slab.Ly; // m
    const double w = pqp * 1e-4;                 // kN/cm on the 100 cm strip
    const double span = 100.0 * L;               // cm
    const double immediate = eps * K * w * std::pow(span, 4.0) / (384.0 * EI);

    // 17.3.2.1.2 with rho' = 0. Creep never shortens the deflection: xi(t0) of a slab loaded
    // a little before 70 months is slightly above the final 2.
    const double alphaF = std::max(2.0 - creepTimeFunction(parameters.loadingAgeMonths), 0.0);
    const double total = immediate * (1.0 + alphaF);

    VerificationCheck check = makeCheck("deflection", "17.3.2.1, Tabela 13.3", CheckLimit::max,
                                        span / 250.0, total, "cm", "Flecha total");
    check.details = {{"direction", 0.0, alongX ? "x" : "y"},
                     {"Ecs", Ecs, {}},
                     {"Mr", Mr, {}},
                     {"Ma", Ma, {}},
                     {"EI", EI, {}},
                     {"immediate", immediate, {}},
                     {"alphaF", alphaF, {}}};
    v.checks.push_back(std::move(check));
}

void addShearCheck(const SlabDesignData& slab, const SlabResults& results, Nbr6118Verification& v) {
    const GoverningReaction governing = governingReaction(results);
    const double d = slab.d;
    const double VSd = 1.4 * governing.V * 0.01; // kN/m
    // tau_Rd = 0.25 fctd, fctd = 0.7 x 0.3 fck^(2/3) / 1.4 MPa, here in kN/m².
    const double tauRd = 37.5 * std::cbrt(slab.fck * slab.fck);
    // Every bottom bar reaches the supports, as the drawing shows them.
    const double k = std::max(1.0, 1.6 - d / 100.0);
    const double rho1 = std::min(governing.As / (100.0 * d), 0.02);
    const double VRd1 = tauRd * k * (1.2 + 40.0 * rho1) * d / 100.0;
    VerificationCheck check = makeCheck("shear", "19.4.1", CheckLimit::max, VRd1, VSd, "kN/m",
                                        "Cisalhamento sem armadura transversal");
    check.details = {{"k", k, {}}, {"rho1", rho1, {}}, {"tauRd", tauRd, {}}};
    v.checks.push_back(std::move(check));
}

} // namespace

int Nbr6118Verification::failures() const {
    return static_cast<int>(std::count_if(checks.begin(), checks.end(),
                                          [](const VerificationCheck& c) { return !c.ok; }));
}

double minimumSteelRatio(double fck, double fyk) {
    // Tabela 17.3, CA-50, from C20 to C50 in steps of 5 MPa.
    constexpr std::array<double, 7> table{0.150, 0.150, 0.150, 0.164, 0.179, 0.194, 0.208};
    double rho = table.front();
    if (fck >= 50.0) {
        rho = table.back();
    } else if (fck > 20.0) {
        const double steps = (fck - 20.0) / 5.0;
        const auto i = static_cast<std::size_t>(steps);
        rho = table[i] + (table[i + 1] - table[i]) * (steps - static_cast<double>(i));
    }
    if (fyk < 50.0)
        rho *= 50.0 / fyk;
    return rho;
}

StressBlockDesign stressBlockDesign(double M, double d, double fck, double fyk) {
    const double fcd = 10.0 * fck / 1.4;   // kg/cm²
    const double fyd = 100.0 * fyk / 1.15; // kg/cm²
    const double Md = 140.0 * M;           // kg.cm/m
    // 0.85 fcd on 0.8 x of the 100 cm strip: Md = 68 fcd x (d - 0.4 x).
    const double root = 1.0 - Md / (42.5 * d * d * fcd);
    StressBlockDesign design;
    if (root < 0.0)
        return design;
    design.feasible = true;
    design.x = 1.25 * d * (1.0 - std::sqrt(root));
    design.As = Md / (fyd * (d - 0.4 * design.x));
    return design;
}

double creepTimeFunction(double months) {
    if (months > 70.0)
        return 2.0;
    return 0.68 * std::pow(0.996, months) * std::pow(months, 0.32);
}

Nbr6118Verification verifyNbr6118(const SlabDesignData& slab, const SlabResults& results,
                                  const Settings& settings, const Nbr6118Parameters& parameters) {
    Nbr6118Verification v;
    v.parameters = parameters;
    v.checks.reserve(24);
    v.checks.push_back(makeCheck("concreteClass", "7.4.2, Tabela 7.1", CheckLimit::min,
                                 leastFck(parameters.aggressiveness), slab.fck, "MPa",
                                 "Classe do concreto"));
    v.checks.push_back(makeCheck("cover", "7.4.7.6, Tabela 7.2", CheckLimit::min,
                                 leastCover(parameters.aggressiveness), settings.cover, "cm",
                                 "Cobrimento nominal"));
    v.outOfScope = slab.fck > 50.0;
    if (slab.Ribbed) {
        addRibbedChecks(slab, v);
        v.closingLines.push_back(ribbedNotVerifiedLine);
        if (v.outOfScope)
            v.closingLines.push_back(highStrengthOutOfScopeLine);
    } else {
        v.checks.push_back(makeCheck("thickness", "13.2.4.1", CheckLimit::min,
                                     leastThickness(parameters.use), slab.h, "cm",
                                     "Espessura mínima"));
        if (v.outOfScope) {
            v.closingLines.push_back(highStrengthOutOfScopeLine);
        } else {
            v.structural = true;
            v.rhoMin = minimumSteelRatio(slab.fck, slab.fyk);
            addDirectionChecks(slab, results, v);
            addDeflectionCheck(slab, results, parameters, v);
            addShearCheck(slab, results, v);
        }
    }
    v.ok = v.failures() == 0;
    return v;
}

std::vector<VerificationRow> verificationRows(const Nbr6118Verification& verification,
                                              char decimalSeparator) {
    std::vector<VerificationRow> rows;
    rows.reserve(verification.checks.size());
    for (const VerificationCheck& check : verification.checks) {
        const int decimals = check.unit.empty() ? 3 : 2;
        auto text = [&](double value) {
            std::string t = formatFixed(value, decimals, decimalSeparator);
            if (!check.unit.empty())
                t += ' ' + std::string(check.unit);
            return t;
        };
        VerificationRow row;
        row.check = std::string(check.title);
        if (check.direction)
            row.check += std::string(" (") + directionSymbol(*check.direction) + ")";
        row.clause = std::string(check.clause);
        row.limit = check.required
                        ? (check.limit == CheckLimit::min ? "≥ " : "≤ ") + text(*check.required)
                        : std::string("seção insuficiente");
        row.obtained = check.provided ? text(*check.provided) : std::string("—");
        row.ok = check.ok;
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string verificationSummary(const Nbr6118Verification& verification) {
    const int failures = verification.failures();
    if (failures == 0)
        return "Atende a todas as verificações";
    if (failures == 1)
        return "1 verificação não atendida";
    return std::to_string(failures) + " verificações não atendidas";
}

std::vector<std::string> slabIdentityLines(const SlabDesignData& slab, const Settings& settings,
                                           char decimalSeparator) {
    auto n = [&](double value) { return formatFixed(value, 2, decimalSeparator); };
    std::vector<std::string> lines;
    lines.push_back(std::string(slab.Ribbed ? "Laje nervurada" : "Laje maciça") +
                    ", caso de apoio " + std::to_string(slab.SupportCase));
    lines.push_back("Lx = " + n(slab.Lx) + " m    Ly = " + n(slab.Ly) + " m    h = " + n(slab.h) +
                    " cm    d = " + n(slab.d) + " cm    cobrimento = " + n(settings.cover) + " cm");
    if (slab.Ribbed)
        lines.push_back("a = " + n(slab.a) + " cm    bw = " + n(slab.bw) +
                        " cm    hb = " + n(slab.hb) + " cm    bf = " + n(slab.bf) + " cm");
    lines.push_back("fck = " + n(slab.fck) + " MPa    aço " + slab.SteelGrade +
                    "    g = " + n(permanentLoad(slab)) +
                    " kg/m² (com o peso próprio)    q = " + n(slab.q) + " kg/m²");
    return lines;
}

std::vector<std::string> parameterLines(const Nbr6118Parameters& parameters,
                                        char decimalSeparator) {
    auto caption = [](const auto& choices, auto value) {
        for (const auto& choice : choices)
            if (choice.value == value)
                return std::string(choice.caption);
        return std::string();
    };
    std::string psi2 = formatShortest(parameters.psi2, decimalSeparator);
    for (const Psi2Choice& choice : psi2Choices)
        if (choice.value == parameters.psi2)
            psi2 += " (" + std::string(choice.caption) + ")";
    return {"Classe de agressividade ambiental: " +
                caption(aggressivenessChoices, parameters.aggressiveness),
            "Uso da laje: " + caption(useChoices, parameters.use),
            "ψ2 da combinação quase permanente: " + psi2,
            "Idade no carregamento t0: " +
                formatFixed(parameters.loadingAgeMonths, 2, decimalSeparator) + " meses",
            "Agregado graúdo: " + caption(aggregateChoices, parameters.aggregate) +
                " (αE = " + formatShortest(alphaE(parameters.aggregate), decimalSeparator) + ")"};
}

namespace {

// Compact JSON text, the form nlohmann::json::dump() gives.
class JsonText {
public:
    explicit JsonText(std::string& out) : out_(out) {}

    void key(std::string_view name) {
        string(name);
        out_ += ':';
    }
    void string(std::string_view text) {
        out_ += '"';
        std::size_t from = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '"' || text[i] == '\\') {
                out_.append(text.data() + from, i - from);
                out_ += '\\';
                from = i;
            }
        }
        out_.append(text.data() + from, text.size() - from);
        out_ += '"';
    }
    // Shortest text that reads back as the same double; an integral value keeps ".0".
    void number(double value) {
        // As every result of lajes-cli writes them: null would read as an absent value.
        if (std::isnan(value)) {
            string("NaN");
            return;
        }
        if (std::isinf(value)) {
            string(value > 0 ? "Infinity" : "-Infinity");
            return;
        }
        std::array<char, 32> buffer{};
        const auto [end, error] =
            std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
        const std::string_view text(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
        out_ += text;
        if (text.find_first_of(".e") == std::string_view::npos)
            out_ += ".0";
    }
    void optionalNumber(const std::optional<double>& value) {
        if (value)
            number(*value);
        else
            out_ += "null";
    }
    void boolean(bool value) { out_ += value ? "true" : "false"; }
    void raw(char c) { out_ += c; }

private:
    std::string& out_;
};

} // namespace

std::string verificationJsonText(const Nbr6118Verification& verification) {
    std::string out;
    out.reserve(256 + 200 * verification.checks.size());
    JsonText json(out);
    json.raw('{');
    json.key("checks");
    json.raw('[');
    bool firstCheck = true;
    for (const VerificationCheck& check : verification.checks) {
        if (!firstCheck)
            json.raw(',');
        firstCheck = false;
        json.raw('{');
        json.key("clause");
        json.string(check.clause);
        if (!check.details.empty()) {
            // Keys in alphabetical order, as the other objects of the result.
            std::array<const CheckDetail*, 8> sorted{};
            const std::size_t n = std::min(check.details.size(), sorted.size());
            for (std::size_t i = 0; i < n; ++i)
                sorted[i] = &check.details[i];
            std::sort(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(n),
                      [](const CheckDetail* a, const CheckDetail* b) { return a->name < b->name; });
            json.raw(',');
            json.key("details");
            json.raw('{');
            for (std::size_t i = 0; i < n; ++i) {
                if (i > 0)
                    json.raw(',');
                json.key(sorted[i]->name);
                if (sorted[i]->text.empty())
                    json.number(sorted[i]->value);
                else
                    json.string(sorted[i]->text);
            }
            json.raw('}');
        }
        json.raw(',');
        json.key("id");
        json.string(check.id);
        json.raw(',');
        json.key("limit");
        json.string(check.limit == CheckLimit::min ? "min" : "max");
        json.raw(',');
        json.key("ok");
        json.boolean(check.ok);
        json.raw(',');
        json.key("provided");
        json.optionalNumber(check.provided);
        json.raw(',');
        json.key("required");
        json.optionalNumber(check.required);
        json.raw(',');
        json.key("unit");
        json.string(check.unit);
        json.raw('}');
    }
    json.raw(']');
    json.raw(',');
    json.key("edition");
    json.string("2014");
    json.raw(',');
    json.key("ok");
    json.boolean(verification.ok);
    if (verification.outOfScope) {
        json.raw(',');
        json.key("outOfScope");
        json.boolean(true);
    }
    const Nbr6118Parameters& p = verification.parameters;
    json.raw(',');
    json.key("parameters");
    json.raw('{');
    json.key("aggregate");
    json.string(keyOf(p.aggregate));
    json.raw(',');
    json.key("aggressiveness");
    json.string(keyOf(p.aggressiveness));
    json.raw(',');
    json.key("loadingAgeMonths");
    json.number(p.loadingAgeMonths);
    json.raw(',');
    json.key("psi2");
    json.number(p.psi2);
    json.raw(',');
    json.key("use");
    json.string(keyOf(p.use));
    json.raw('}');
    if (verification.structural) {
        json.raw(',');
        json.key("rhoMin");
        json.number(verification.rhoMin);
    }
    json.raw(',');
    json.key("structural");
    json.boolean(verification.structural);
    json.raw('}');
    return out;
}

nlohmann::json verificationJson(const Nbr6118Verification& verification) {
    return nlohmann::json::parse(verificationJsonText(verification));
}

} // namespace lajes
