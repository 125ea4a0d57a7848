#include "cli/commands.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>
#include <tuple>
#include <unistd.h>
#include <vector>

#include "../design/worked_example_screen.h"
#include "../row_name.h"
#include "design/results_screen.h"

namespace lajes::cli {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

// The end-to-end slab: case 1, Lx = Ly = 4 m, h = 10 cm, 250 kg/m² typed (500 with the
// self-weight), q = 200 kg/m², fck 20, CA-50A, the default settings.
constexpr const char* endToEndSlab = R"({"SupportCase":1,"Lx":4,"Ly":4,"h":10,"g":250,"q":200})";

// The worked drawing slab (case 3, Lx 4, Ly 5, h 10, adjacent span 4 m) with the bars of the
// expected drawing file picked as a user would pick them on the results screen.
constexpr const char* case3Slab = R"({"SupportCase":3,"Lx":4,"Ly":5,"h":10,"g":100,"q":200,
  "AdjacentSpan":4,"choices":[
   {"direction":"xp","diameter":"6.3"},{"direction":"xp","spacing":16},
   {"direction":"yp","diameter":"6.3"},{"direction":"yp","spacing":16},
   {"direction":"xn","diameter":"8.0"},{"direction":"xn","spacing":12},
   {"direction":"yn","diameter":"6.3"},{"direction":"yn","spacing":12}]})";

constexpr const char* ribbedSlab =
    R"({"SupportCase":1,"Ribbed":true,"Lx":5,"Ly":6,"h":25,"g":100,"q":300,
        "a":40,"bw":10,"hb":20,"bf":5,"BlockDensity":450})";

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the command line in this process, in a scratch working directory (so that no
// Quenvor.cfg of the developer's is read).
class CommandLineTest : public testing::Test {
protected:
    void SetUp() override {
        previous_ = fs::current_path();
        folder_ = fs::temp_directory_path() /
                  ("lajes-cli-" + std::to_string(::getpid()) + "-" +
                   testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        fs::current_path(folder_);
    }
    void TearDown() override {
        fs::current_path(previous_);
        fs::remove_all(folder_);
    }

    static CliRun run(std::vector<std::string> args, const std::string& input = "") {
        args.insert(args.begin(), "lajes-cli");
        std::vector<char*> argv;
        for (std::string& arg : args)
            argv.push_back(arg.data());
        std::istringstream in(input);
        std::ostringstream out;
        std::ostringstream err;
        CliRun result;
        result.status = runCommandLine(static_cast<int>(argv.size()), argv.data(), in, out, err);
        result.out = out.str();
        result.err = err.str();
        return result;
    }

    static void write(const fs::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path previous_;
    fs::path folder_;
};

TEST_F(CommandLineTest, DesignsTheEndToEndSlabAsTheScreenShowsIt) {
    const CliRun r = run({"design", "--decimal", ","}, endToEndSlab);
    ASSERT_EQ(r.status, 0) << r.err;
    const json result = json::parse(r.out);
    EXPECT_EQ(result["outcome"], "Ready");
    EXPECT_EQ(result["messages"], json::array());
    const json& screen = result["screen"];
    for (const auto& [box, text] : testing_slabs::workedExampleBoxes)
        EXPECT_EQ(screen[std::string(box)], text) << box;
    // One key per control of the screen, no more.
    EXPECT_EQ(screen.size(), resultsScreenBoxes.size() + resultsScreenLists.size());
    for (const auto& control : resultsScreenBoxes)
        EXPECT_TRUE(screen[std::string(control.name)].is_string()) << control.name;
    for (const auto& control : resultsScreenLists)
        EXPECT_TRUE(screen[std::string(control.name)].is_object()) << control.name;
    const json diameters = json::array({"5.0", "6.3", "8.0", "10.0"});
    EXPECT_EQ(screen["AsxpComboBox"]["items"], diameters);
    EXPECT_EQ(screen["AsxpComboBox"]["text"], "5.0");
    EXPECT_EQ(screen["AsxnComboBox"]["enabled"], false);
    EXPECT_EQ(screen["EspAsynComboBox"]["enabled"], false);
    EXPECT_EQ(screen["AsxnComboBox"]["items"], json::array());

    const json& slab = result["slab"];
    EXPECT_EQ(slab["g"], 500.0);
    EXPECT_EQ(slab["d"], 8.5);
    EXPECT_EQ(slab["p"], 700.0);
    const json& bars = result["results"]["bars"]["xp"];
    EXPECT_EQ(bars["count"], 33);
    EXPECT_EQ(bars["spacing"], 12.0);
    EXPECT_NEAR(result["results"]["deflection"]["immediate"].get<double>(), 0.258, 5e-4);
    EXPECT_NEAR(result["results"]["shear"]["tauU"].get<double>(), 564.64, 5e-3);
    EXPECT_EQ(result["results"]["Xx"].dump(), "0.0"); // never "-0.0"
}

TEST_F(CommandLineTest, PointSeparatorAndPicksChangeTheScreen) {
    const CliRun r = run({"design"}, R"({"SupportCase":1,"Lx":4,"Ly":6,"h":10,"g":250,"q":200,
        "choices":[{"direction":"yp","spacing":12}]})");
    ASSERT_EQ(r.status, 0) << r.err;
    const json result = json::parse(r.out);
    // The y bars are counted across Lx: nearest((4 - 0.15) * 100 / 12) + 1 = 33.
    EXPECT_EQ(result["results"]["bars"]["yp"]["count"], 33);
    EXPECT_EQ(result["screen"]["AsypbEdit"].get<std::string>().rfind("33Ø", 0), 0u);
    EXPECT_NE(result["screen"]["MxEdit"].get<std::string>().find('.'), std::string::npos);
}

TEST_F(CommandLineTest, RibbedSlabHasRibDescriptionsAndNoSpacingLists) {
    const CliRun r = run({"design"}, ribbedSlab);
    ASSERT_EQ(r.status, 0) << r.err;
    const json result = json::parse(r.out);
    const json& screen = result["screen"];
    // Ribs across Ly = 6 m: int((5.85 * 100 - 40) / 50) = 10; across Lx: int((485 - 40) / 50) = 8.
    EXPECT_EQ(result["results"]["ribsX"], 10);
    EXPECT_EQ(result["results"]["ribsY"], 8);
    EXPECT_EQ(screen["AsxnbEdit"], "11Ø5.0c50");
    EXPECT_EQ(screen["AsynbEdit"], "9Ø5.0c50");
    EXPECT_EQ(screen["AsxpbEdit"].get<std::string>().rfind("10x", 0), 0u);
    EXPECT_GE(result["results"]["bars"]["xp"]["barsPerRib"].get<int>(), 2);
    for (const char* list :
         {"EspAsxpComboBox", "EspAsypComboBox", "EspAsxnComboBox", "EspAsynComboBox"})
        EXPECT_EQ(screen[list]["enabled"], false) << list;
}

struct RefusalCase {
    const char* name;
    const char* input;
    const char* outcome;
    const char* message; // nullptr: not checked
    const char* focus;   // nullptr: null focus
    bool hasSlab;
};

class RefusalTest : public CommandLineTest, public testing::WithParamInterface<RefusalCase> {};

TEST_P(RefusalTest, PrintsTheResultAndExitsWithOne) {
    const RefusalCase& c = GetParam();
    const CliRun r = run({"design"}, c.input);
    EXPECT_EQ(r.status, 1) << r.err;
    const json result = json::parse(r.out);
    EXPECT_EQ(result["outcome"], c.outcome);
    if (c.message) {
        EXPECT_EQ(result["message"], c.message);
    }
    if (std::string(c.outcome) == "Rejected") {
        EXPECT_EQ(result["focus"], c.focus ? json(c.focus) : json(nullptr));
    }
    EXPECT_EQ(result.contains("slab"), c.hasSlab);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, RefusalTest,
    testing::Values(
        RefusalCase{"AbsentLx", R"({"SupportCase":1,"Ly":4,"h":10,"q":200})", "Rejected",
                    "Valor do Lx\ndeve ser maior que zero!", "Lx", false},
        RefusalCase{"NullThickness", R"({"SupportCase":1,"Lx":4,"Ly":4,"h":null,"q":200})",
                    "Rejected", "Valor da Espessura da Laje\ndeve ser maior que zero!", "h", false},
        RefusalCase{"NoLoad", R"({"SupportCase":1,"Lx":4,"Ly":4,"h":10,"g":0,"q":0})", "Rejected",
                    "Valor da Carga Permanente\nou Acidental deve ser maior que zero!", "g", false},
        RefusalCase{"LxLargerThanLyInCase1", R"({"SupportCase":1,"Lx":5,"Ly":4,"h":10,"q":200})",
                    "Rejected", "Valor de Lx deve ser menor que Ly!", "Lx", false},
        RefusalCase{"MomentAboveMkMax", R"({"SupportCase":1,"Lx":8,"Ly":8,"h":8,"q":900})",
                    "Rejected", "Momento Mx é maior que Mkmáx !", nullptr, true},
        RefusalCase{"CaseTwoWithoutAdjacentSpan",
                    R"({"SupportCase":2,"Lx":4,"Ly":5,"h":10,"q":200})", "Rejected", nullptr,
                    "AdjacentSpan", true},
        RefusalCase{"NoUsableBar", R"({"SupportCase":1,"Lx":4,"Ly":4,"h":6,"g":300,"q":300})",
                    "NoBar", nullptr, nullptr, true}),
    testing_rows::RowName{});

TEST_F(CommandLineTest, NoBarStopsBeforeDeflectionAndShear) {
    const CliRun r = run({"design"}, R"({"SupportCase":1,"Lx":4,"Ly":4,"h":6,"g":300,"q":300})");
    const json result = json::parse(r.out);
    ASSERT_EQ(result["messages"].size(), 1u);
    EXPECT_EQ(result["messages"][0].get<std::string>().rfind("Não há nenhuma Bitola", 0), 0u);
    EXPECT_FALSE(result["results"].contains("deflection"));
    EXPECT_FALSE(result["results"].contains("shear"));
    EXPECT_FALSE(result["results"]["bars"].contains("yp"));
    EXPECT_TRUE(result["results"]["bars"]["xp"]["diameters"].empty());
}

struct BadInputCase {
    const char* name;
    std::vector<std::string> args;
    const char* input;
    const char* errorMentions;
};

class BadInputTest : public CommandLineTest, public testing::WithParamInterface<BadInputCase> {};

TEST_P(BadInputTest, ExitsWithTwoNamingTheProblem) {
    const BadInputCase& c = GetParam();
    const CliRun r = run(c.args, c.input);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(c.errorMentions), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, BadInputTest,
    testing::Values(
        BadInputCase{"MalformedJson", {"design"}, R"({"SupportCase":1,)", "JSON inválido"},
        BadInputCase{"MalformedJsonSaysWhereInPortuguese",
                     {"design"},
                     R"({"SupportCase":1,)",
                     "JSON inválido: o texto termina antes do fim na linha 1, coluna 18"},
        BadInputCase{"NumberOverflowInPortuguese",
                     {"design"},
                     R"({"SupportCase":1e999})",
                     "JSON inválido: número grande demais"},
        BadInputCase{"UnknownKey", {"design"}, R"({"SupportCase":1,"Lz":4})", "\"Lz\""},
        BadInputCase{"NegativeSpan", {"design"}, R"({"SupportCase":1,"Lx":-4})", "\"Lx\""},
        BadInputCase{
            "StringWhereANumberBelongs", {"design"}, R"({"SupportCase":1,"h":"10"})", "\"h\""},
        BadInputCase{"MissingSupportCase", {"design"}, R"({"Lx":4,"Ly":4})", "SupportCase"},
        BadInputCase{"SupportCaseOutOfRange", {"design"}, R"({"SupportCase":7})", "SupportCase"},
        BadInputCase{
            "RibbedOutsideCase1", {"design"}, R"({"SupportCase":2,"Ribbed":true})", "Ribbed"},
        BadInputCase{"RibbedWithoutRibWidth",
                     {"design"},
                     R"({"SupportCase":1,"Ribbed":true,"a":40,"hb":20,"bf":5})",
                     "\"bw\""},
        BadInputCase{"UnknownSteelGrade",
                     {"design"},
                     R"({"SupportCase":1,"SteelGrade":"CA-70"})",
                     "SteelGrade"},
        BadInputCase{"UnknownSettingsKey",
                     {"design"},
                     R"({"SupportCase":1,"settings":{"coverr":1}})",
                     "\"coverr\""},
        BadInputCase{"DiameterTheListDoesNotOffer",
                     {"design"},
                     R"({"SupportCase":1,"Lx":4,"Ly":4,"h":10,"g":250,"q":200,
                         "choices":[{"direction":"xp","diameter":"12.5"}]})",
                     "12.5"},
        BadInputCase{"PickOnADisabledList",
                     {"design"},
                     R"({"SupportCase":1,"Lx":4,"Ly":4,"h":10,"g":250,"q":200,
                         "choices":[{"direction":"xn","spacing":8}]})",
                     "\"xn\""},
        BadInputCase{"UnknownVerificationValue",
                     {"design", "--nbr2014"},
                     R"({"SupportCase":1,"nbr6118":{"aggressiveness":"V"}})",
                     "\"V\" em \"aggressiveness\""},
        BadInputCase{
            "UnreadableFile", {"design", "--input", "no-such-file.json"}, "", "no-such-file.json"},
        BadInputCase{"BadDecimalOption", {"design", "--decimal", ";"}, endToEndSlab, "--decimal"},
        BadInputCase{
            "DxfWithoutOutput", {"dxf", "--input", "x.json", "--name", "L1"}, "", "--output"},
        BadInputCase{"NewerSlabFileVersion",
                     {"design"},
                     R"({"format":"lajes","version":2,"SupportCase":1})",
                     "Este arquivo foi gravado por uma versão mais nova do programa."}),
    testing_rows::RowName{});

TEST_F(CommandLineTest, BatchWritesOneResultPerLineAndGoesOnAfterABadLine) {
    const std::string lines = std::string(endToEndSlab) + "\n" + "{not json\n" +
                              R"({"SupportCase":1,"Lx":5,"Ly":4,"h":10,"q":200})" + "\r\n" +
                              R"({"SupportCase":1,"Lx":4,"Ly":4,"h":10,"q":200,"x":1})" + "\n";
    const CliRun r = run({"batch", "--decimal", ","}, lines);
    EXPECT_EQ(r.status, 1) << r.err; // some lines were Invalid
    std::istringstream out(r.out);
    std::vector<json> results;
    for (std::string line; std::getline(out, line);)
        results.push_back(json::parse(line));
    ASSERT_EQ(results.size(), 4u);
    EXPECT_EQ(results[0]["outcome"], "Ready");
    EXPECT_EQ(results[0]["screen"]["AsxpCEdit"], "1,62");
    EXPECT_EQ(results[1]["outcome"], "Invalid");
    EXPECT_EQ(results[2]["outcome"], "Rejected");
    EXPECT_EQ(results[3]["outcome"], "Invalid");
    EXPECT_NE(results[3]["error"].get<std::string>().find("\"x\""), std::string::npos);
}

// The verification against NBR 6118:2014 comes with --nbr2014, for Ready slabs only, with
// every parameter written out.
TEST_F(CommandLineTest, Nbr2014AddsTheVerificationToReadyResults) {
    const std::string withParameters = R"({"SupportCase":1,"Lx":4,"Ly":4,"h":10,"g":250,)"
                                       R"("q":200,"nbr6118":{"aggressiveness":"I","psi2":0.4}})";
    const std::string lines =
        withParameters + "\n" + R"({"SupportCase":1,"Lx":5,"Ly":4,"h":10,"q":200})" + "\n";
    const CliRun r = run({"batch", "--nbr2014"}, lines);
    EXPECT_EQ(r.status, 0) << r.err;
    std::istringstream out(r.out);
    std::string ready, rejected;
    std::getline(out, ready);
    std::getline(out, rejected);
    const json verification = json::parse(ready)["nbr6118_2014"];
    EXPECT_EQ(verification["parameters"],
              json::parse(R"({"aggressiveness":"I","use":"piso","psi2":0.4,
                              "loadingAgeMonths":1.0,"aggregate":"granito"})"));
    EXPECT_EQ(verification["structural"], true);
    ASSERT_EQ(verification["checks"].size(), 15u);
    EXPECT_EQ(verification["checks"][0]["id"], "concreteClass");
    EXPECT_EQ(verification["checks"][0]["ok"], true); // class I asks for C20
    EXPECT_EQ(verification["checks"][1]["required"], 2.0);
    EXPECT_EQ(verification["checks"][14]["id"], "shear");
    EXPECT_NEAR(verification["checks"][14]["required"].get<double>(), 45.4877, 1e-4);
    // g + 0.4 q = 580 kg/m²: Ma = 0.0364583 x 580 x 16.
    EXPECT_NEAR(verification["checks"][13]["details"]["Ma"].get<double>(), 338.3333, 1e-4);
    EXPECT_EQ(verification["ok"], false); // the 1 cm cover
    EXPECT_FALSE(json::parse(rejected).contains("nbr6118_2014"));

    const json plain = json::parse(run({"design"}, withParameters).out);
    EXPECT_FALSE(plain.contains("nbr6118_2014"));
    EXPECT_NE(run({"design", "--help"}).out.find("--nbr2014"), std::string::npos);
}

TEST_F(CommandLineTest, SettingsComeFromQuenvorCfgAndTheInputOverridesThem) {
    // Cover 2 cm from the file: d = 10 - 2 - 0.5 = 7.5 cm; the input then sets 1.5 cm.
    write("Quenvor.cfg", "4\r\n1\r\n2\r\n2\r\n1:50\r\n0.15\r\n2\r\n2\r\nEOF\r\n");
    const json fromFile = json::parse(run({"design"}, endToEndSlab).out);
    EXPECT_EQ(fromFile["slab"]["d"], 7.5);
    const json overridden = json::parse(
        run({"design"},
            R"({"SupportCase":1,"Lx":4,"Ly":4,"h":10,"g":250,"q":200,"settings":{"cover":1.5}})")
            .out);
    EXPECT_EQ(overridden["slab"]["d"], 8.0);
}

TEST_F(CommandLineTest, DxfOfTheWorkedSlabEqualsTheExpectedDrawing) {
    write("slab.json", case3Slab);
    const CliRun r = run({"dxf", "--input", "slab.json", "--name", "L1", "--output", "L1.dxf"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(read("L1.dxf"),
              read(fs::path(LAJES_SOURCE_DIR) / "tests/dxf/golden/case3_solid.dxf"));
}

// A .laje file is designed like the slab object it holds; its "name" names the drawing.
TEST_F(CommandLineTest, SlabFileDesignsAndDrawsAsItsSlabObject) {
    const fs::path example = fs::path(LAJES_SOURCE_DIR) / "examples/L3-caso3.laje";
    write("slab.json", case3Slab);
    const CliRun fromFile = run({"design", "--input", example.string(), "--decimal", ","});
    const CliRun fromJson = run({"design", "--input", "slab.json", "--decimal", ","});
    ASSERT_EQ(fromFile.status, 0) << fromFile.err;
    EXPECT_EQ(fromFile.out, fromJson.out);

    ASSERT_EQ(run({"dxf", "--input", example.string(), "--output", "file.dxf"}).status, 0);
    ASSERT_EQ(run({"dxf", "--input", "slab.json", "--name", "L3", "--output", "json.dxf"}).status,
              0);
    EXPECT_EQ(read("file.dxf"), read("json.dxf"));
    ASSERT_EQ(
        run({"dxf", "--input", example.string(), "--name", "L1", "--output", "named.dxf"}).status,
        0);
    EXPECT_EQ(read("named.dxf"),
              read(fs::path(LAJES_SOURCE_DIR) / "tests/dxf/golden/case3_solid.dxf"));
}

TEST_F(CommandLineTest, DxfOfASlabWithoutANameNeedsTheNameOption) {
    write("slab.json", endToEndSlab);
    const CliRun r = run({"dxf", "--input", "slab.json", "--output", "L1.dxf"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("--name"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists("L1.dxf"));
}

TEST_F(CommandLineTest, DxfOfARefusedSlabWritesNoFile) {
    write("slab.json", R"({"SupportCase":1,"Lx":5,"Ly":4,"h":10,"q":200})");
    const CliRun r = run({"dxf", "--input", "slab.json", "--name", "L1", "--output", "L1.dxf"});
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(fs::exists("L1.dxf"));
}

TEST_F(CommandLineTest, DxfIntoAMissingFolderReportsTheErrorAndKeepsNothing) {
    write("slab.json", case3Slab);
    write("blocker", "x");
    const CliRun r =
        run({"dxf", "--input", "slab.json", "--name", "L1", "--output", "blocker/L1.dxf"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("Não foi possível gravar \"L1.dxf\": erro de E/S 20"), std::string::npos)
        << r.err;
}

// The case-6 slab of the steel table: 45Ø5.0c11, 36Ø5.0c11, 36Ø6.3c14 over each x edge,
// 20Ø6.3c20 over each y edge; a = 60 cm for the 4.5 m adjacent span, Ln = 200 cm.
TEST_F(CommandLineTest, ScheduleInTheResultsOfDesignAndBatchAndInTheDrawing) {
    const std::string case6 =
        R"({"SupportCase":6,"Lx":4,"Ly":5,"h":12,"g":100,"q":300,"AdjacentSpan":4.5})";
    const CliRun designed = run({"design", "--schedule"}, case6);
    ASSERT_EQ(designed.status, 0) << designed.err;
    const json schedule = json::parse(designed.out)["schedule"];
    const std::tuple<const char*, const char*, double, int, int, double, double> positions[] = {
        {"N1", "xp", 5.0, 45, 413, 185.85, 28.6209},
        {"N2", "yp", 5.0, 36, 513, 184.68, 28.44072},
        {"N3", "xn", 6.3, 72, 200, 144.0, 35.28},
        {"N4", "yn", 6.3, 40, 200, 80.0, 19.6}};
    ASSERT_EQ(schedule["positions"].size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        const auto& [name, direction, diameter, quantity, length, total, mass] = positions[i];
        const json& p = schedule["positions"][i];
        EXPECT_EQ(p["position"], name);
        EXPECT_EQ(p["direction"], direction);
        EXPECT_EQ(p["diameter"], diameter);
        EXPECT_EQ(p["quantity"], quantity);
        EXPECT_EQ(p["length"].dump(), std::to_string(length)); // whole centimetres
        EXPECT_NEAR(p["totalLength"].get<double>(), total, 1e-9);
        EXPECT_NEAR(p["mass"].get<double>(), mass, 1e-9);
    }
    ASSERT_EQ(schedule["diameters"].size(), 2u);
    EXPECT_EQ(schedule["diameters"][1]["diameter"], 6.3);
    EXPECT_NEAR(schedule["diameters"][1]["mass"].get<double>(), 54.88, 1e-9);
    EXPECT_NEAR(schedule["totalMass"].get<double>(), 111.94162, 1e-9);
    EXPECT_NEAR(schedule["totalMassWithLosses"].get<double>(), 123.135782, 1e-9);
    EXPECT_EQ(schedule["area"], 20.0);
    EXPECT_NEAR(schedule["concreteVolume"].get<double>(), 2.4, 1e-12);
    EXPECT_NEAR(schedule["steelPerArea"].get<double>(), 5.597081, 1e-9);
    EXPECT_NEAR(schedule["steelPerVolume"].get<double>(), 46.642341666, 1e-8);

    // Without the flag, and for refused or unfinished designs, there is no table.
    EXPECT_FALSE(json::parse(run({"design"}, case6).out).contains("schedule"));
    const std::string lines = case6 + "\n" +
                              R"({"SupportCase":1,"Lx":5,"Ly":4,"h":10,"q":200})"
                              "\n"
                              R"({"SupportCase":1,"Lx":4,"Ly":4,"h":6,"g":300,"q":300})"
                              "\n";
    std::istringstream out(run({"batch", "--schedule"}, lines).out);
    std::vector<json> results;
    for (std::string line; std::getline(out, line);)
        results.push_back(json::parse(line));
    ASSERT_EQ(results.size(), 3u);
    EXPECT_EQ(results[0]["schedule"], schedule);
    EXPECT_EQ(results[1]["outcome"], "Rejected");
    EXPECT_FALSE(results[1].contains("schedule"));
    EXPECT_EQ(results[2]["outcome"], "NoBar");
    EXPECT_FALSE(results[2].contains("schedule"));

    // The drawing: the plain one is unchanged by the flag's existence, the flagged one adds the
    // table after it.
    write("slab.json", case6);
    ASSERT_EQ(run({"dxf", "--input", "slab.json", "--name", "L1", "--output", "plain.dxf",
                   "--decimal", ","})
                  .status,
              0);
    ASSERT_EQ(run({"dxf", "--schedule", "--input", "slab.json", "--name", "L1", "--output",
                   "table.dxf", "--decimal", ","})
                  .status,
              0);
    const std::string plain = read("plain.dxf");
    const std::string table = read("table.dxf");
    EXPECT_EQ(plain.find("TABELA DE A\xC7O"), std::string::npos);
    const std::size_t drawingEnd = plain.rfind(" 0\r\nENDSEC");
    EXPECT_EQ(table.substr(0, drawingEnd), plain.substr(0, drawingEnd));
    for (const char* text : {"TABELA DE A\xC7O", "RESUMO", "TOTAL + 10%", "111,94", "123,14"})
        EXPECT_NE(table.find(std::string("\r\n") + text + "\r\n", drawingEnd), std::string::npos)
            << text;
}

TEST_F(CommandLineTest, HelpIsInPortugueseWithAnExample) {
    const CliRun r = run({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Exemplo:"), std::string::npos);
    EXPECT_NE(r.out.find("lajes-cli design"), std::string::npos);
}

// Every help page has one heading for its options, in Portuguese.
struct HelpPage {
    const char* name;
    const char* command; // empty: the program's own help
};

class HelpPageTest : public CommandLineTest, public testing::WithParamInterface<HelpPage> {};

TEST_P(HelpPageTest, HasOnePortugueseOptionsHeading) {
    std::vector<std::string> args;
    if (*GetParam().command)
        args.emplace_back(GetParam().command);
    args.emplace_back("--help");
    const CliRun r = run(args);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.find("Options"), std::string::npos) << r.out;
    const std::size_t heading = r.out.find("\nOpções:\n");
    ASSERT_NE(heading, std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("\nOpções:\n", heading + 1), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("-h,--help"), std::string::npos);
}

constexpr HelpPage helpPages[] = {
    {"Main", ""},         {"Design", "design"}, {"Batch", "batch"}, {"Dxf", "dxf"},
#ifdef LAJES_WITH_REPORT
    {"Report", "report"},
#endif
};
INSTANTIATE_TEST_SUITE_P(Commands, HelpPageTest, testing::ValuesIn(helpPages),
                         testing_rows::RowName{});

TEST_F(CommandLineTest, VersionIsTheProgramsVersion) {
    const CliRun r = run({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "lajes-cli 2.0.0\n");
    EXPECT_EQ(r.err, "");
}

// The installed executable, end to end through a real process: standard input, standard
// output and the exit status.
TEST_F(CommandLineTest, ExecutableReadsStandardInputAndSetsTheExitStatus) {
    write("slab.json", endToEndSlab);
    const std::string command =
        std::string(LAJES_CLI_PATH) + " design --decimal , < slab.json > out.json 2> err.txt";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << read("err.txt");
    EXPECT_EQ(json::parse(read("out.json"))["screen"]["FiEdit"], "0,26");

    write("bad.json", R"({"SupportCase":1,"Lx":-1})");
    const int bad = std::system(
        (std::string(LAJES_CLI_PATH) + " design --input bad.json > out.json 2> err.txt").c_str());
    EXPECT_EQ(WEXITSTATUS(bad), 2);
    EXPECT_NE(read("err.txt").find("\"Lx\""), std::string::npos);
}

} // namespace
} // namespace lajes::cli

namespace lajes::cli {
namespace {

// Found by fuzzing: a number too large for a double is an input error, not a crash.
TEST_F(CommandLineTest, NumberTooLargeForADoubleIsAnInputError) {
    const CliRun r =
        run({"design"}, R"({"SupportCase":1,"Lx":4,"Ly":4,"h":1)" + std::string(400, '0') + "}");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("JSON inválido"), std::string::npos) << r.err;
}

// Found by fuzzing: an absurd width is refused by its range, never an overflow.
TEST_F(CommandLineTest, AbsurdRibWidthIsRefusedByItsRange) {
    const CliRun r = run({"design"}, R"({"SupportCase":1,"Ribbed":true,"Lx":6,"Ly":6,"h":50,
        "g":100,"q":300,"a":40,"bw":15555555555555555550,"hb":20,"bf":5})");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("Valor de bw deve estar entre 0 e 100 cm!"), std::string::npos) << r.err;
}

} // namespace
} // namespace lajes::cli

namespace lajes::cli {
namespace {

// The worked slabs through the real executable: the ribbed slab's descriptions and the
// case-3 drawing, byte for byte the expected file.
TEST_F(CommandLineTest, ExecutableDesignsTheRibbedSlabAndDrawsTheCase3Slab) {
    write("ribbed.json", ribbedSlab);
    const int ribbed = std::system(
        (std::string(LAJES_CLI_PATH) + " design --input ribbed.json > out.json 2> err.txt")
            .c_str());
    ASSERT_TRUE(WIFEXITED(ribbed));
    EXPECT_EQ(WEXITSTATUS(ribbed), 0) << read("err.txt");
    const json result = json::parse(read("out.json"));
    EXPECT_EQ(result["screen"]["AsxnbEdit"], "11Ø5.0c50");
    EXPECT_EQ(result["screen"]["EspAsxpComboBox"]["enabled"], false);

    write("case3.json", case3Slab);
    const int drawn = std::system((std::string(LAJES_CLI_PATH) +
                                   " dxf --input case3.json --name L1 --output L1.dxf"
                                   " > out.json 2> err.txt")
                                      .c_str());
    ASSERT_TRUE(WIFEXITED(drawn));
    EXPECT_EQ(WEXITSTATUS(drawn), 0) << read("err.txt");
    EXPECT_EQ(read("L1.dxf"),
              read(fs::path(LAJES_SOURCE_DIR) / "tests/dxf/golden/case3_solid.dxf"));
}

} // namespace
} // namespace lajes::cli
