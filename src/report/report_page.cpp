#include "report/report_page.h"

#include <array>
#include <stdexcept>
#include <string>

#include "text/number_text.h"

namespace lajes::report {

namespace {

// The second title line starts with 25 blanks, which centres "Versão 2.0" under the first.
const std::string titleText =
    "Programa para Cálculo de Lajes de Concreto.\n" + std::string(25, ' ') + "Versão 2.0";

// A caption, its value and its unit on one line. The elements are named name + "Caption",
// name + "Value" and name + "Unit".
struct LineLayout {
    std::string_view name;
    double y;
    double captionX, valueX, unitX;
};

// Left column of the input data; every caption at x = 18.0. Each unit stands clear of the
// widest value its line can print (five digits before the comma), as measured in the font.
constexpr std::array<LineLayout, 11> inputLines{{
    {"Fck", 45.2, 18.0, 28.0, 42.1},
    {"Fyk", 50.3, 18.0, 28.0, 42.1},
    {"Lx", 55.8, 18.0, 31.2, 45.3},
    {"Ly", 61.6, 18.0, 31.2, 45.3},
    {"Espessura", 67.5, 18.0, 48.2, 62.3},
    {"CargaPerm", 73.8, 18.0, 48.2, 64.6},
    {"CargaAcid", 79.6, 18.0, 48.2, 64.6},
    {"Phi", 85.5, 18.0, 28.0, 0.0}, // φ∞ has no unit; its unit element stays empty
    {"Parede", 91.8, 18.0, 33.3, 47.4},
    {"Cobrimento", 98.2, 18.0, 40.7, 54.8},
    {"MaiorVao", 103.5, 18.0, 59.8, 73.9},
}};

// Ribbed-slab geometry under the picture, cm.
constexpr std::array<LineLayout, 4> ribLines{{
    {"A", 91.3, 97.9, 106.4, 120.5},
    {"Hb", 97.1, 97.9, 106.4, 120.5},
    {"Bw", 102.9, 97.9, 106.4, 120.5},
    {"Bf", 108.7, 97.9, 106.4, 120.5},
}};

constexpr std::array<double, 4> columnX{18.0, 63.0, 107.9, 152.9};
constexpr std::array<double, 4> momentValueX{28.0, 73.0, 118.0, 161.9};
constexpr std::array<double, 4> momentUnitX{43.4, 88.4, 133.3, 177.2};
constexpr std::array<double, 4> areaValueX{30.7, 75.7, 120.6, 165.6};
constexpr std::array<double, 4> areaUnitX{44.8, 89.8, 134.7, 179.7};
// "Mk máx = " is wider than the other captions, so that row's first value stands further
// right; the others line up with the columns above.
constexpr std::array<double, 4> limitValueX{34.0, 73.0, 120.6, 166.0};
constexpr std::array<double, 4> limitUnitX{49.0, 88.4, 134.7, 180.1};

constexpr double momentRowY = 129.4;
constexpr double reactionRowY = 139.2;
constexpr double requiredAreaRowY = 147.9;
constexpr double calcRowY = 152.1;
constexpr double effectiveAreaRowY = 160.6;
constexpr double descriptionRowY = 167.0;
constexpr double limitRowY = 177.0;

constexpr std::array<std::string_view, 4> momentNames{"Mx", "My", "Xx", "Xy"};
constexpr std::array<std::string_view, 4> reactionNames{"Rxa", "Rya", "Rxe", "Rye"};
constexpr std::array<std::string_view, 4> requiredAreaNames{"AsxpC", "AsypC", "AsxnC", "AsynC"};
constexpr std::array<std::string_view, 4> effectiveAreaNames{"Asxp", "Asyp", "Asxn", "Asyn"};
constexpr std::array<std::string_view, 4> descriptionNames{"Asxpb", "Asypb", "Asxnb", "Asynb"};
constexpr std::array<std::string_view, 4> limitNames{"Mkmax", "Mr", "Romin", "Asmin"};

// The further result lines.
constexpr std::array<LineLayout, 7> furtherLines{{
    {"Twd", 187.1, 60.3, 71.0, 85.1},
    {"Twu", 187.1, 105.3, 116.0, 130.1},
    {"XLn", 195.5, 110.1, 120.6, 134.7},
    {"Fi", 209.3, 48.7, 77.0, 91.1},
    {"Fadm", 209.3, 99.5, 130.0, 144.1},
    {"Ff", 224.1, 48.7, 77.0, 91.1},
    {"Fadm1", 224.1, 99.0, 130.0, 144.1},
}};

// The names of the elements that blankReportPage lays out besides the lines.
constexpr std::array<std::string_view, 8> labelNames{"Title",
                                                     "DadosEntradaHeading",
                                                     "ResultadosHeading",
                                                     "LinhaNeutraHeading",
                                                     "FlechaImediataHeading",
                                                     "FlechaFinalHeading",
                                                     "TipoLajeLabel",
                                                     "NervuradaLabel"};

template <std::size_t N>
constexpr bool laysOut(const std::array<LineLayout, N>& lines, std::string_view name) {
    for (const LineLayout& line : lines)
        if (line.name == name)
            return true;
    return false;
}

template <std::size_t N>
constexpr bool lists(const std::array<std::string_view, N>& names, std::string_view name) {
    for (std::string_view known : names)
        if (known == name)
            return true;
    return false;
}

constexpr bool isLineName(std::string_view name) {
    return laysOut(inputLines, name) || laysOut(ribLines, name) || laysOut(furtherLines, name) ||
           lists(momentNames, name) || lists(reactionNames, name) ||
           lists(requiredAreaNames, name) || lists(effectiveAreaNames, name) ||
           lists(limitNames, name);
}

constexpr bool isElementName(std::string_view name) {
    if (lists(labelNames, name) || lists(descriptionNames, name))
        return true;
    for (std::string_view part : {"Caption", "Value", "Unit"})
        if (name.ends_with(part) && isLineName(name.substr(0, name.size() - part.size())))
            return true;
    constexpr std::string_view calc = "Calc";
    return name.ends_with(calc) &&
           lists(requiredAreaNames, name.substr(0, name.size() - calc.size()));
}

// A line's name written in the code: a name that blankReportPage does not lay out does not
// compile. Names taken from the layout tables themselves are known by construction.
struct LineName {
    std::string_view text;
    consteval LineName(const char* name) : text(name) {
        if (!isLineName(text))
            throw "not a line of the report page";
    }
    constexpr LineName(const LineLayout& line) : text(line.name) {}
};

// The same for one element.
struct ElementName {
    std::string_view text;
    consteval ElementName(const char* name) : text(name) {
        if (!isElementName(text))
            throw "not an element of the report page";
    }
};

std::string named(std::string_view name, std::string_view part) {
    std::string result(name);
    result += part;
    return result;
}

void addText(ReportPage& page, std::string name, double x, double y, std::string text = {},
             bool bold = false, double pointSize = defaultPointSize) {
    page.texts.push_back(PageText{std::move(name), x, y, std::move(text), pointSize, bold});
}

void addLine(ReportPage& page, const LineLayout& line) {
    addText(page, named(line.name, "Caption"), line.captionX, line.y);
    addText(page, named(line.name, "Value"), line.valueX, line.y);
    addText(page, named(line.name, "Unit"), line.unitX, line.y);
}

PageText& element(ReportPage& page, std::string_view name) {
    for (PageText& text : page.texts)
        if (text.name == name)
            return text;
    throw std::logic_error("no report element " + std::string(name));
}

void setElement(ReportPage& page, std::string_view name, std::string text) {
    element(page, name).text = std::move(text);
}

void set(ReportPage& page, ElementName name, std::string text) {
    setElement(page, name.text, std::move(text));
}

// Caption, value and unit of one line, or all three empty.
void setLine(ReportPage& page, LineName name, std::string caption, std::string value,
             std::string unit) {
    setElement(page, named(name.text, "Caption"), std::move(caption));
    setElement(page, named(name.text, "Value"), std::move(value));
    setElement(page, named(name.text, "Unit"), std::move(unit));
}

void clearLine(ReportPage& page, LineName name) {
    setLine(page, name, {}, {}, {});
}

} // namespace

const PageText* ReportPage::text(std::string_view name) const {
    for (const PageText& element : texts)
        if (element.name == name)
            return &element;
    return nullptr;
}

ReportPage blankReportPage() {
    ReportPage page;
    page.frames.push_back(PageFrame{10.6, 10.6, 181.2, 237.3, 2 * designPixel});
    page.frames.push_back(PageFrame{60.6, 14.8, 92.9, 17.2, 1 * designPixel});

    addText(page, "Title", 66.7, 18.0, titleText, true, titlePointSize);
    addText(page, "DadosEntradaHeading", 18.0, 38.6, "Dados de Entrada:", true);
    addText(page, "ResultadosHeading", 18.0, 122.8, "Resultados do Cálculo de Laje:", true);
    addText(page, "LinhaNeutraHeading", 70.9, 195.3, "Posição da Linha Neutra:", true);
    addText(page, "FlechaImediataHeading", 87.8, 202.7, "Flecha Imediata:", true);
    addText(page, "FlechaFinalHeading", 88.9, 218.5, "Flecha Final:", true);

    for (const LineLayout& line : inputLines)
        addLine(page, line);

    addText(page, "TipoLajeLabel", 97.9, 45.5, "Tipo de Laje:");
    addText(page, "NervuradaLabel", 97.9, 55.0);
    for (const LineLayout& line : ribLines)
        addLine(page, line);
    page.picture = CasePicture{97.9, 59.8, 38.9, 27.0, 1};

    for (std::size_t column = 0; column < 4; ++column) {
        const double x = columnX[column];
        addLine(page,
                {momentNames[column], momentRowY, x, momentValueX[column], momentUnitX[column]});
        addLine(page, {reactionNames[column], reactionRowY, x, momentValueX[column],
                       momentUnitX[column]});
        addLine(page, {requiredAreaNames[column], requiredAreaRowY, x, areaValueX[column],
                       areaUnitX[column]});
        addText(page, named(requiredAreaNames[column], "Calc"), x, calcRowY);
        addLine(page, {effectiveAreaNames[column], effectiveAreaRowY, x, areaValueX[column],
                       areaUnitX[column]});
        addText(page, std::string(descriptionNames[column]), areaValueX[column], descriptionRowY);
        addLine(page, {limitNames[column], limitRowY, x, limitValueX[column], limitUnitX[column]});
    }

    for (const LineLayout& line : furtherLines)
        addLine(page, line);
    return page;
}

ReportPage fillReportPage(const ResultsScreen& screen, const SlabDesignData& slab,
                          const SlabResults& results, const Settings& settings,
                          char decimalSeparator, std::string_view thicknessText) {
    const auto fixed = [decimalSeparator](double value) {
        return formatFixed(value, 2, decimalSeparator);
    };
    ReportPage page = blankReportPage();

    // Input data, written afresh; g includes the self-weight at this point.
    setLine(page, "Fck", "Fck = ", fixed(slab.fck), "MPa");
    setLine(page, "Fyk", "Fyk = ", fixed(slab.fyk * 100.0), "kgf/cm²");
    setLine(page, "Lx", "Lx = ", fixed(slab.Lx), "m");
    setLine(page, "Ly", "Ly = ", fixed(slab.Ly), "m");
    setLine(page, "Espessura", "Espessura da Laje = ",
            thicknessText.empty() ? fixed(slab.h) : std::string(thicknessText), "cm");
    setLine(page, "CargaPerm", "Carga Permanente = ", fixed(permanentLoad(slab)), "kg/m²");
    setLine(page, "CargaAcid", "Carga Acidental = ", fixed(slab.q), "kg/m²");
    setLine(page, "Phi", "φ∞ = ", fixed(settings.phiInfinity), {});
    setLine(page, "Parede", "Parede = ", fixed(settings.wallWidth * 100.0), "cm");
    setLine(page, "Cobrimento", "Cobrimento = ", fixed(settings.cover), "cm");

    // Results as the screen shows them.
    setLine(page, "Mx", "Mx = ", screen.MxEdit, "kg.m/m");
    setLine(page, "My", "My = ", screen.MyEdit, "kg.m/m");
    setLine(page, "AsxpC", "Asxp = ", screen.AsxpCEdit, "cm²/m");
    setLine(page, "AsypC", "Asyp = ", screen.AsypCEdit, "cm²/m");
    set(page, "AsxpCCalc", "Calc.");
    set(page, "AsypCCalc", "Calc.");
    setLine(page, "Asxp", "Asxp = ", screen.AsxpEdit, "cm²/m");
    setLine(page, "Asyp", "Asyp = ", screen.AsypEdit, "cm²/m");
    set(page, "Asxpb", screen.AsxpbEdit);
    set(page, "Asypb", screen.AsypbEdit);
    set(page, "Asxnb", screen.AsxnbEdit);
    set(page, "Asynb", screen.AsynbEdit);
    setLine(page, "Twd", "τwd = ", screen.TwdEdit, "kN/m²/m");
    setLine(page, "Twu", "τwu = ", screen.TwuEdit, "kN/m²/m");
    setLine(page, "XLn", "X = ", screen.XLnEdit, "cm");
    setLine(page, "Fi", "Flecha imediata = ", screen.FiEdit, "cm");
    setLine(page, "Fadm", "Flecha admissível = ", screen.FadmEdit, "cm");
    setLine(page, "Ff", "Flecha final = ", screen.FfEdit, "cm");
    setLine(page, "Fadm1", "Flecha admissível = ", screen.Fadm1Edit, "cm");

    // The section limits, written afresh.
    setLine(page, "Mkmax", "Mk máx = ", fixed(results.MkMax), "kg.m/m");
    setLine(page, "Mr", "Mr = ", fixed(results.Mr), "kg.m/m");
    setLine(page, "Romin", "ρmin = ", fixed(results.rhoMin), "%");
    setLine(page, "Asmin", "Asmin = ", fixed(results.AsMin), "cm²/m");

    // A quantity whose box is blank (it is 0) is left out altogether.
    const auto blankAware = [&page](LineName name, const std::string& box, std::string caption,
                                    std::string unit) {
        if (box.empty())
            clearLine(page, name);
        else
            setLine(page, name, std::move(caption), box, std::move(unit));
    };
    blankAware("Xx", screen.XxEdit, "Xx = ", "kg.m/m");
    blankAware("Xy", screen.XyEdit, "Xy = ", "kg.m/m");
    blankAware("Rxa", screen.RxaEdit, "Rxa = ", "kg/m");
    blankAware("Rya", screen.RyaEdit, "Rya = ", "kg/m");
    blankAware("Rxe", screen.RxeEdit, "Rxe = ", "kg/m");
    blankAware("Rye", screen.RyeEdit, "Rye = ", "kg/m");

    // Top steel: no required area in a direction leaves out all of its area lines.
    const auto topSteel = [&page](LineName required, LineName effective,
                                  const std::string& requiredBox, const std::string& effectiveBox,
                                  const std::string& caption) {
        const std::string calc = named(required.text, "Calc");
        if (requiredBox.empty()) {
            clearLine(page, required);
            setElement(page, calc, {});
            clearLine(page, effective);
        } else {
            setLine(page, required, caption, requiredBox, "cm²/m");
            setElement(page, calc, "Calc.");
            setLine(page, effective, caption, effectiveBox, "cm²/m");
        }
    };
    topSteel("AsxnC", "Asxn", screen.AsxnCEdit, screen.AsxnEdit, "Asxn = ");
    topSteel("AsynC", "Asyn", screen.AsynCEdit, screen.AsynEdit, "Asyn = ");

    // A ribbed slab always has the fixed top bars, whose descriptions stand under these
    // captions; their effective areas stay blank.
    if (slab.Ribbed) {
        set(page, "NervuradaLabel", "Nervurada");
        setLine(page, "A", "A = ", fixed(slab.a), "cm");
        setLine(page, "Hb", "Hb = ", fixed(slab.hb), "cm");
        setLine(page, "Bw", "Bw = ", fixed(slab.bw), "cm");
        setLine(page, "Bf", "Bf = ", fixed(slab.bf), "cm");
        set(page, "AsxnCaption", "Asxn = ");
        set(page, "AsynCaption", "Asyn = ");
    } else {
        set(page, "NervuradaLabel", {});
        for (const LineLayout& line : ribLines)
            clearLine(page, line);
    }

    // The adjacent span only enters the design of cases 2 to 6.
    if (slab.SupportCase == 1)
        clearLine(page, "MaiorVao");
    else
        setLine(page, "MaiorVao", "Maior dos Menores Vãos = ", fixed(slab.AdjacentSpan), "m");

    page.picture.supportCase = slab.SupportCase;
    return page;
}

} // namespace lajes::report
