#include "report/report_page.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "design/bar_changes.h"
#include "report_slabs.h"

namespace lajes::report {
namespace {

using testing::PrintedSlab;

using Expected = std::vector<std::pair<std::string, std::string>>;

struct FillCase {
    std::string name;
    std::function<void(PrintedSlab&)> prepare;
    Expected texts; // element name -> printed text ("" = printed empty)
};

std::ostream& operator<<(std::ostream& out, const FillCase& row) {
    return out << row.name;
}

// Every element of a quantity's line printed empty.
void expectBlankLine(Expected& texts, const std::string& name) {
    for (const char* part : {"Caption", "Value", "Unit"})
        texts.emplace_back(name + part, "");
}

Expected endToEndTexts() {
    Expected texts{
        {"FckCaption", "Fck = "},
        {"FckValue", "20,00"},
        {"FckUnit", "MPa"},
        {"FykValue", "5000,00"},
        {"FykUnit", "kgf/cm²"},
        {"LxValue", "4,00"},
        {"LyValue", "4,00"},
        {"EspessuraValue", "10,00"},
        {"CargaPermValue", "500,00"},
        {"CargaPermUnit", "kg/m²"},
        {"CargaAcidValue", "200,00"},
        {"PhiCaption", "φ∞ = "},
        {"PhiValue", "2,00"},
        {"PhiUnit", ""},
        {"ParedeCaption", "Parede = "},
        {"ParedeValue", "15,00"},
        {"ParedeUnit", "cm"},
        {"CobrimentoValue", "1,00"},
        {"MxCaption", "Mx = "},
        {"MxValue", "408,33"},
        {"MxUnit", "kg.m/m"},
        {"MyValue", "408,33"},
        {"RxaCaption", "Rxa = "},
        {"RxaValue", "700,00"},
        {"RxaUnit", "kg/m"},
        {"RyaValue", "700,00"},
        {"AsxpCCaption", "Asxp = "},
        {"AsxpCValue", "1,62"},
        {"AsxpCCalc", "Calc."},
        {"AsypCValue", "1,62"},
        {"AsxpValue", "1,67"},
        {"AsypValue", "1,67"},
        {"Asxpb", "33Ø5.0c12"},
        {"Asypb", "33Ø5.0c12"},
        {"Asxnb", ""},
        {"Asynb", ""},
        {"MkmaxCaption", "Mk máx = "},
        {"MrValue", "432,24"},
        {"RominCaption", "ρmin = "},
        {"RominValue", "0,16"},
        {"RominUnit", "%"},
        {"AsminValue", "1,36"},
        {"AsminUnit", "cm²/m"},
        {"TwdCaption", "τwd = "},
        {"TwdValue", "115,29"},
        {"TwuCaption", "τwu = "},
        {"TwuValue", "564,64"},
        {"XLnCaption", "X = "},
        {"XLnValue", "1,06"},
        {"FiCaption", "Flecha imediata = "},
        {"FiValue", "0,26"},
        {"FadmValue", "1,33"},
        {"FfCaption", "Flecha final = "},
        {"FfValue", "0,66"},
        {"Fadm1Caption", "Flecha admissível = "},
        {"Fadm1Value", "1,33"},
        {"NervuradaLabel", ""},
        {"AsxnCCalc", ""},
        {"AsynCCalc", ""},
    };
    for (const char* name : {"Xx", "Xy", "Rxe", "Rye", "AsxnC", "AsynC", "Asxn", "Asyn", "MaiorVao",
                             "A", "Hb", "Bw", "Bf"})
        expectBlankLine(texts, name);
    return texts;
}

Expected fixedXEdgeTexts() {
    Expected texts{
        {"XxCaption", "Xx = "},
        {"XxUnit", "kg.m/m"},
        {"RxeCaption", "Rxe = "},
        {"RxeUnit", "kg/m"},
        {"RxaCaption", "Rxa = "},
        {"AsxnCCaption", "Asxn = "},
        {"AsxnCCalc", "Calc."},
        {"AsxnCUnit", "cm²/m"},
        {"AsxnCaption", "Asxn = "},
        {"AsxnUnit", "cm²/m"},
        {"AsynCCalc", ""},
        {"Asynb", ""},
        {"MaiorVaoCaption", "Maior dos Menores Vãos = "},
        {"MaiorVaoValue", "3,50"},
        {"MaiorVaoUnit", "m"},
    };
    for (const char* name : {"Xy", "Rye", "AsynC", "Asyn"})
        expectBlankLine(texts, name);
    return texts;
}

// Both x edges fixed: no simply supported x edge, so Rxa is left out as well.
Expected bothXEdgesFixedTexts() {
    Expected texts{{"XxCaption", "Xx = "},
                   {"RxeCaption", "Rxe = "},
                   {"RyaCaption", "Rya = "},
                   {"AsxnCCalc", "Calc."}};
    for (const char* name : {"Rxa", "Xy", "Rye", "AsynC", "Asyn"})
        expectBlankLine(texts, name);
    return texts;
}

Expected ribbedTexts() {
    Expected texts{
        {"NervuradaLabel", "Nervurada"},
        {"ACaption", "A = "},
        {"AValue", "40,00"},
        {"AUnit", "cm"},
        {"HbCaption", "Hb = "},
        {"HbValue", "20,00"},
        {"BwCaption", "Bw = "},
        {"BwValue", "10,00"},
        {"BfCaption", "Bf = "},
        {"BfValue", "5,00"},
        {"BfUnit", "cm"},
        // The fixed top bars: caption and description, no effective value.
        {"AsxnCaption", "Asxn = "},
        {"AsxnValue", ""},
        {"AsxnUnit", ""},
        {"AsynCaption", "Asyn = "},
        {"AsynValue", ""},
        {"AsynUnit", ""},
        // ((4 - 0.15) x 100 - 40) / 50 = 6.9 -> 6 ribs, one top bar more than ribs.
        {"Asxnb", "7Ø5.0c50"},
        {"Asynb", "7Ø5.0c50"},
        {"AsxnCCalc", ""},
        {"EspessuraValue", "25,00"},
    };
    for (const char* name : {"AsxnC", "AsynC", "MaiorVao", "Xx", "Xy"})
        expectBlankLine(texts, name);
    return texts;
}

// 8.0 mm in column 1: s = 100 x 0.5 / 1.62 = 30, capped at 2 h = 20; (4 - 0.15) x 100 / 20
// = 19.25 -> 19 + 1 = 20 bars; 100 x 0.5 / 20 = 2.50 cm²/m. The required area stays.
Expected changedDiameterTexts() {
    return {{"Asxpb", "20Ø8.0c20"},
            {"AsxpValue", "2,50"},
            {"AsxpCValue", "1,62"},
            {"Asypb", "33Ø5.0c12"},
            {"AsypValue", "1,67"}};
}

const std::vector<FillCase> fillCases{
    {"SupportCase1Solid", [](PrintedSlab& s) { testing::endToEndSlab(s); }, endToEndTexts()},
    {"FixedXEdgeOnly", [](PrintedSlab& s) { testing::endToEndSlab(s, 2); }, fixedXEdgeTexts()},
    {"BothXEdgesFixed", [](PrintedSlab& s) { testing::endToEndSlab(s, 4); },
     bothXEdgesFixedTexts()},
    {"Ribbed", [](PrintedSlab& s) { testing::ribbedSlab(s); }, ribbedTexts()},
    {"ChangedDiameter",
     [](PrintedSlab& s) {
         testing::endToEndSlab(s);
         ASSERT_TRUE(pickDiameter(BarDirection::xp, "8.0", s.slab, s.results, s.settings, s.screen,
                                  s.decimalSeparator)
                         .applied);
     },
     changedDiameterTexts()},
    {"DotSeparator",
     [](PrintedSlab& s) {
         s.decimalSeparator = '.';
         testing::endToEndSlab(s);
     },
     {{"ParedeValue", "15.00"},
      {"MxValue", "408.33"},
      {"FykValue", "5000.00"},
      {"MrValue", "432.24"}}},
    {"WallWidthAndCover",
     [](PrintedSlab& s) {
         testing::endToEndSlab(s);
         s.settings.wallWidth = 0.2;
         s.settings.cover = 1.5;
         s.settings.phiInfinity = 2.5;
     },
     {{"ParedeValue", "20,00"}, {"CobrimentoValue", "1,50"}, {"PhiValue", "2,50"}}},
};

class FillReportPage : public ::testing::TestWithParam<FillCase> {
protected:
    void SetUp() override {
        GetParam().prepare(slab);
        ASSERT_FALSE(HasFatalFailure());
        page = fillReportPage(slab.screen, slab.slab, slab.results, slab.settings,
                              slab.decimalSeparator);
    }
    PrintedSlab slab;
    ReportPage page;
};

TEST_P(FillReportPage, PrintsTheExpectedTexts) {
    for (const auto& [name, text] : GetParam().texts) {
        const PageText* element = page.text(name);
        ASSERT_NE(element, nullptr) << name;
        EXPECT_EQ(element->text, text) << name;
    }
}

// The report shows the boxes of the results screen as they are, so the sheet always matches
// the screen, including the user's bar choices.
TEST_P(FillReportPage, CopiesTheResultsScreenTexts) {
    const ResultsScreen& screen = slab.screen;
    const std::vector<std::pair<const char*, const std::string*>> copied{
        {"MxValue", &screen.MxEdit},       {"MyValue", &screen.MyEdit},
        {"AsxpCValue", &screen.AsxpCEdit}, {"AsypCValue", &screen.AsypCEdit},
        {"AsxpValue", &screen.AsxpEdit},   {"AsypValue", &screen.AsypEdit},
        {"Asxpb", &screen.AsxpbEdit},      {"Asypb", &screen.AsypbEdit},
        {"Asxnb", &screen.AsxnbEdit},      {"Asynb", &screen.AsynbEdit},
        {"TwdValue", &screen.TwdEdit},     {"TwuValue", &screen.TwuEdit},
        {"XLnValue", &screen.XLnEdit},     {"FiValue", &screen.FiEdit},
        {"FadmValue", &screen.FadmEdit},   {"FfValue", &screen.FfEdit},
        {"Fadm1Value", &screen.Fadm1Edit}, {"XxValue", &screen.XxEdit},
        {"XyValue", &screen.XyEdit},       {"RxaValue", &screen.RxaEdit},
        {"RyaValue", &screen.RyaEdit},     {"RxeValue", &screen.RxeEdit},
        {"RyeValue", &screen.RyeEdit},     {"AsxnCValue", &screen.AsxnCEdit},
        {"AsynCValue", &screen.AsynCEdit}, {"AsxnValue", &screen.AsxnEdit},
        {"AsynValue", &screen.AsynEdit},
    };
    for (const auto& [name, box] : copied)
        EXPECT_EQ(page.text(name)->text, *box) << name;
}

TEST_P(FillReportPage, DrawsThePictureOfTheSupportCase) {
    EXPECT_EQ(page.picture.supportCase, slab.slab.SupportCase);
}

INSTANTIATE_TEST_SUITE_P(Report, FillReportPage, ::testing::ValuesIn(fillCases),
                         [](const auto& row) { return row.param.name; });

// A diameter change in the governing direction (x in case 1) moves the deflections with the
// effective area: the sheet shows the new ones, not those of the first computation.
TEST(FillReportPageAfterChoice, PrintsTheNewDeflections) {
    PrintedSlab s;
    testing::crackedSlab(s);
    ASSERT_FALSE(HasFatalFailure());
    const ReportPage before = fillReportPage(s.screen, s.slab, s.results, s.settings, ',');
    ASSERT_TRUE(pickDiameter(BarDirection::xp, "8.0", s.slab, s.results, s.settings, s.screen, ',')
                    .applied);
    const ReportPage after = fillReportPage(s.screen, s.slab, s.results, s.settings, ',');
    // 6.3 mm at 9 cm proposed (55Ø6.3c9); 8.0 mm: 100 x 0.5 / Asx+ -> 14 cm,
    // (5 - 0.15) x 100 / 14 = 34.6 -> 35 + 1 = 36 bars, 100 x 0.5 / 14 = 3.57 cm²/m.
    EXPECT_EQ(before.text("Asxpb")->text, "55Ø6.3c9");
    EXPECT_EQ(after.text("Asxpb")->text, "36Ø8.0c14");
    EXPECT_EQ(after.text("AsxpValue")->text, "3,57");
    EXPECT_EQ(after.text("AsxpCValue")->text, before.text("AsxpCValue")->text);
    EXPECT_NE(after.text("FiValue")->text, before.text("FiValue")->text);
    EXPECT_NE(after.text("FfValue")->text, before.text("FfValue")->text);
    EXPECT_EQ(after.text("FadmValue")->text, before.text("FadmValue")->text);
    EXPECT_EQ(after.text("FiValue")->text, s.screen.FiEdit);
    EXPECT_EQ(after.text("FfValue")->text, s.screen.FfEdit);
}

TEST(FillReportPageThickness, PrintsTheThicknessBoxAsShown) {
    PrintedSlab s;
    testing::endToEndSlab(s);
    ASSERT_FALSE(HasFatalFailure());
    const ReportPage page = fillReportPage(s.screen, s.slab, s.results, s.settings, ',', "10,00");
    EXPECT_EQ(page.text("EspessuraValue")->text, "10,00");
    const ReportPage typed = fillReportPage(s.screen, s.slab, s.results, s.settings, ',', "10");
    EXPECT_EQ(typed.text("EspessuraValue")->text, "10");
}

// Positions on the sheet, mm from its top-left corner, of the elements that the rendered
// end-to-end sheet (report_pdf_test) does not show or does not check.
struct Placement {
    const char* element;
    double x, y;
};

std::ostream& operator<<(std::ostream& out, const Placement& row) {
    return out << row.element;
}

class ReportPlacement : public ::testing::TestWithParam<Placement> {};

TEST_P(ReportPlacement, StandsAtItsPlace) {
    PrintedSlab s;
    testing::ribbedSlab(s);
    ASSERT_FALSE(HasFatalFailure());
    const ReportPage page = fillReportPage(s.screen, s.slab, s.results, s.settings, ',');
    const PageText* element = page.text(GetParam().element);
    ASSERT_NE(element, nullptr);
    EXPECT_DOUBLE_EQ(element->x, GetParam().x);
    EXPECT_DOUBLE_EQ(element->y, GetParam().y);
}

INSTANTIATE_TEST_SUITE_P(
    Report, ReportPlacement,
    ::testing::Values(
        Placement{"Title", 66.7, 18.0}, Placement{"ResultadosHeading", 18.0, 122.8},
        Placement{"LinhaNeutraHeading", 70.9, 195.3},
        Placement{"FlechaImediataHeading", 87.8, 202.7},
        Placement{"FlechaFinalHeading", 88.9, 218.5}, Placement{"FykUnit", 42.1, 50.3},
        Placement{"LyValue", 31.2, 61.6}, Placement{"EspessuraValue", 48.2, 67.5},
        Placement{"EspessuraUnit", 62.3, 67.5}, Placement{"CargaPermUnit", 64.6, 73.8},
        Placement{"CargaAcidValue", 48.2, 79.6}, Placement{"PhiValue", 28.0, 85.5},
        Placement{"ParedeUnit", 47.4, 91.8}, Placement{"CobrimentoValue", 40.7, 98.2},
        Placement{"MaiorVaoValue", 59.8, 103.5}, Placement{"MaiorVaoUnit", 73.9, 103.5},
        Placement{"TipoLajeLabel", 97.9, 45.5}, Placement{"NervuradaLabel", 97.9, 55.0},
        Placement{"ACaption", 97.9, 91.3}, Placement{"AValue", 106.4, 91.3},
        Placement{"HbUnit", 120.5, 97.1}, Placement{"BwValue", 106.4, 102.9},
        Placement{"BfCaption", 97.9, 108.7}, Placement{"XxValue", 118.0, 129.4},
        Placement{"XyValue", 161.9, 129.4}, Placement{"XyUnit", 177.2, 129.4},
        Placement{"RyeCaption", 152.9, 139.2}, Placement{"AsynCValue", 165.6, 147.9},
        Placement{"AsxnCUnit", 134.7, 147.9}, Placement{"AsynCCalc", 152.9, 152.1},
        Placement{"AsypCaption", 63.0, 160.6}, Placement{"AsxnValue", 120.6, 160.6},
        Placement{"AsynUnit", 179.7, 160.6}, Placement{"Asxnb", 120.6, 167.0},
        Placement{"Asynb", 165.6, 167.0}, Placement{"MkmaxCaption", 18.0, 177.0},
        Placement{"RominCaption", 107.9, 177.0}, Placement{"AsminCaption", 152.9, 177.0},
        Placement{"TwdCaption", 60.3, 187.1}, Placement{"TwuCaption", 105.3, 187.1},
        Placement{"XLnCaption", 110.1, 195.5}, Placement{"FadmCaption", 99.5, 209.3},
        Placement{"Fadm1Caption", 99.0, 224.1}),
    [](const auto& row) { return std::string(row.param.element); });

TEST(ReportSheet, HasItsFramesAndPicture) {
    const ReportPage page = blankReportPage();
    ASSERT_EQ(page.frames.size(), 2u);
    EXPECT_DOUBLE_EQ(page.frames[0].x, 10.6);
    EXPECT_DOUBLE_EQ(page.frames[0].width, 181.2);
    EXPECT_DOUBLE_EQ(page.frames[0].height, 237.3);
    EXPECT_GT(page.frames[0].lineWidth, page.frames[1].lineWidth);
    EXPECT_DOUBLE_EQ(page.frames[1].x, 60.6);
    EXPECT_DOUBLE_EQ(page.frames[1].y, 14.8);
    EXPECT_DOUBLE_EQ(page.frames[1].width, 92.9);
    EXPECT_DOUBLE_EQ(page.frames[1].height, 17.2);
    EXPECT_DOUBLE_EQ(page.picture.x, 97.9);
    EXPECT_DOUBLE_EQ(page.picture.y, 59.8);
    EXPECT_DOUBLE_EQ(page.picture.width, 38.9);
    EXPECT_DOUBLE_EQ(page.picture.height, 27.0);
    const PageText* title = page.text("Title");
    EXPECT_EQ(title->text, "Programa para Cálculo de Lajes de Concreto.\n"
                           "                         Versão 2.0");
    EXPECT_TRUE(title->bold);
    EXPECT_DOUBLE_EQ(title->pointSize, 12.0);
    EXPECT_DOUBLE_EQ(page.text("FckCaption")->pointSize, 10.0);
    EXPECT_FALSE(page.text("FckCaption")->bold);
    EXPECT_TRUE(page.text("DadosEntradaHeading")->bold);
}

} // namespace
} // namespace lajes::report
