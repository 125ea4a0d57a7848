#include "cli/commands.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <sstream>
#include <thread>
#include <vector>

#include "cli/slab_request.h"
#include "cli/slab_result.h"
#include "config/settings_file.h"
#include "dxf/dxf_export.h"
#include "io/file_writer.h"
#ifdef LAJES_WITH_REPORT
#include "cli/report_command.h"
#endif

namespace lajes::cli {

namespace {

constexpr int exitReady = 0;
constexpr int exitRefused = 1;
constexpr int exitUsage = 2;

const char* const helpFooter = R"(
Cada laje é um objeto JSON com as chaves:
  SupportCase (1 a 6, obrigatório), Ribbed (true/false), fck (MPa), SteelGrade ("CA-50A"...),
  Lx, Ly (m), h (cm), g (carga permanente sem o peso próprio, kg/m²), q (carga acidental,
  kg/m²) - ausentes ou null equivalem à caixa vazia -, a, bw, hb, bf (cm), BlockDensity
  (kgf/m³), AdjacentSpan (m, casos 2 a 6), settings {wallWidth (m), cover (cm), phiInfinity,
  drawingScale, textLayerColour, slabLayerColour, posBarLayerColour, negBarLayerColour} e
  choices [{"direction":"xp","diameter":"8.0"}, {"direction":"yp","spacing":12}, ...].
Como na tela, Lx, Ly, h, g e q entram arredondados a duas casas decimais.
As configurações vêm de Quenvor.cfg na pasta atual, se existir.

Saída: 0 laje pronta; 1 cálculo recusado (o JSON do resultado é impresso mesmo assim);
2 erro de uso ou de entrada.

Exemplo:
  echo '{"SupportCase":1,"Lx":4,"Ly":4,"h":10,"g":250,"q":200}' | lajes-cli design --decimal ,
)";

struct Options {
    std::string input;
    std::string decimal = ".";
    std::string name;
    std::string output;
};

char separatorOf(const Options& options) {
    return options.decimal == "," ? ',' : '.';
}

// Reads the whole input (a file, or standard input when no file was given).
bool readInput(const Options& options, std::istream& in, std::string& text, std::ostream& err) {
    if (options.input.empty()) {
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        return true;
    }
    std::ifstream file(options.input, std::ios::binary);
    if (!file) {
        err << "lajes-cli: não foi possível ler --input \"" << options.input
            << "\": " << std::strerror(errno) << "\n";
        return false;
    }
    text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return true;
}

Settings settingsInForce(std::ostream& err) {
    const SettingsLoad load = loadSettings();
    if (load.error)
        err << "lajes-cli: aviso: " << configFileName << ": " << *load.error << "\n";
    return load.settings;
}

// What a command makes of a Ready slab besides its result object: a file, or nothing.
using SlabFileWriter =
    std::function<std::optional<std::string>(const DesignRun&, const Settings&, char)>;

// Designs the one slab of the input, prints its result object and, when it is Ready, writes
// the command's file. The exit status follows the outcome.
int designOne(const Options& options, std::istream& in, std::ostream& out, std::ostream& err,
              const SlabFileWriter& writeFile = {}) {
    std::string text;
    if (!readInput(options, in, text, err))
        return exitUsage;
    const auto request = parseSlabRequestText(text, settingsInForce(err));
    if (const auto* error = std::get_if<std::string>(&request)) {
        err << "lajes-cli: " << *error << "\n";
        return exitUsage;
    }
    const SlabRequest& slabRequest = std::get<SlabRequest>(request);
    const DesignRun run = runDesign(slabRequest, separatorOf(options));
    if (!run.invalidChoice.empty()) {
        err << "lajes-cli: " << run.invalidChoice << "\n";
        return exitUsage;
    }
    out << run.result.dump() << "\n";
    if (run.outcome != DesignOutcome::Ready)
        return exitRefused;
    if (writeFile) {
        if (const auto error = writeFile(run, slabRequest.settings, separatorOf(options))) {
            err << "lajes-cli: não foi possível gravar \"" << options.output << "\": " << *error
                << "\n";
            return exitUsage;
        }
    }
    return exitReady;
}

// One line of a batch: its result object as text.
std::string batchLine(std::string line, const Settings& settings, char separator) {
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    nlohmann::json result;
    const auto request = parseSlabRequestText(line, settings);
    if (const auto* error = std::get_if<std::string>(&request)) {
        result = nlohmann::json{{"outcome", "Invalid"}, {"error", *error}};
    } else {
        DesignRun run = runDesign(std::get<SlabRequest>(request), separator);
        if (!run.invalidChoice.empty())
            result = nlohmann::json{{"outcome", "Invalid"}, {"error", run.invalidChoice}};
        else
            result = std::move(run.result);
    }
    return result.dump();
}

// Designs the lines of one chunk on every core. The core keeps no shared state, so the
// slabs are independent; the results keep the order of the input.
void designChunk(const std::vector<std::string>& lines, std::vector<std::string>& results,
                 const Settings& settings, char separator) {
    results.assign(lines.size(), std::string());
    const std::size_t workers = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 8);
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        constexpr std::size_t step = 64;
        for (std::size_t first = next.fetch_add(step); first < lines.size();
             first = next.fetch_add(step))
            for (std::size_t i = first; i < std::min(first + step, lines.size()); ++i)
                results[i] = batchLine(lines[i], settings, separator);
    };
    std::vector<std::thread> threads;
    for (std::size_t i = 1; i < workers && lines.size() > 256; ++i)
        threads.emplace_back(work);
    work();
    for (std::thread& thread : threads)
        thread.join();
}

int batch(const Options& options, std::istream& in, std::ostream& out, std::ostream& err) {
    std::ifstream file;
    std::istream* source = &in;
    if (!options.input.empty()) {
        file.open(options.input, std::ios::binary);
        if (!file) {
            err << "lajes-cli: não foi possível ler --input \"" << options.input
                << "\": " << std::strerror(errno) << "\n";
            return exitUsage;
        }
        source = &file;
    }
    const Settings settings = settingsInForce(err);
    const char separator = separatorOf(options);
    constexpr std::size_t chunkSize = 16384;
    std::vector<std::string> lines;
    std::vector<std::string> results;
    for (bool more = true; more;) {
        lines.clear();
        std::string line;
        while (lines.size() < chunkSize && (more = static_cast<bool>(std::getline(*source, line))))
            lines.push_back(std::move(line));
        designChunk(lines, results, settings, separator);
        for (const std::string& result : results)
            out << result << '\n';
        if (!out) {
            err << "lajes-cli: falha ao escrever a saída\n";
            return exitUsage;
        }
    }
    if (source->bad()) {
        err << "lajes-cli: falha ao ler a entrada\n";
        return exitUsage;
    }
    out.flush();
    return out ? exitReady : exitUsage;
}

int dxf(const Options& options, std::istream& in, std::ostream& out, std::ostream& err) {
    return designOne(options, in, out, err,
                     [&](const DesignRun& run, const Settings& settings, char separator) {
                         return exportDrawing(options.output, options.name, run.slab, run.results,
                                              settings, separator);
                     });
}

#ifdef LAJES_WITH_REPORT
// The one-page calculation sheet of the designed slab as a PDF.
int report(const Options& options, std::istream& in, std::ostream& out, std::ostream& err) {
    return designOne(options, in, out, err,
                     [&](const DesignRun& run, const Settings& settings, char separator) {
                         return writeReportFile(run, settings, separator, options.output);
                     });
}
#endif

} // namespace

int runCommandLine(int argc, char** argv, std::istream& in, std::ostream& out, std::ostream& err) {
    CLI::App app{"lajes-cli: cálculo de lajes de concreto armado (NBR 6118) pela linha de comando",
                 "lajes-cli"};
    app.footer(helpFooter);
    app.option_defaults()->group("Opções");
    app.require_subcommand(1);
    app.set_help_flag("-h,--help", "Mostra esta ajuda e sai");
    app.get_formatter()->label("Usage", "Uso");
    app.get_formatter()->label("OPTIONS", "OPÇÕES");
    app.get_formatter()->label("Options", "Opções");
    app.get_formatter()->label("SUBCOMMAND", "COMANDO");
    app.get_formatter()->label("SUBCOMMANDS", "COMANDOS");
    app.get_formatter()->label("Subcommands", "Comandos");
    app.get_formatter()->label("REQUIRED", "OBRIGATÓRIO");
    app.get_formatter()->label("TEXT", "TEXTO");

    Options options;
    auto addDecimal = [&](CLI::App* command) {
        command
            ->add_option("--decimal", options.decimal,
                         "Separador decimal dos textos da tela: . ou , (padrão .)")
            ->type_name("SEP")
            ->check(CLI::IsMember({".", ","}));
    };

    CLI::App* designCommand =
        app.add_subcommand("design", "Calcula uma laje (objeto JSON) e imprime o resultado");
    designCommand->add_option("--input", options.input, "Arquivo JSON (padrão: entrada padrão)")
        ->type_name("ARQUIVO");
    addDecimal(designCommand);

    CLI::App* batchCommand = app.add_subcommand(
        "batch", "Calcula várias lajes, uma por linha (JSON Lines), um resultado por linha");
    batchCommand
        ->add_option("--input", options.input, "Arquivo JSON Lines (padrão: entrada padrão)")
        ->type_name("ARQUIVO");
    addDecimal(batchCommand);

    CLI::App* dxfCommand = app.add_subcommand("dxf", "Calcula uma laje e grava o seu desenho DXF");
    dxfCommand->add_option("--input", options.input, "Arquivo JSON da laje")
        ->type_name("ARQUIVO")
        ->required();
    dxfCommand->add_option("--name", options.name, "Nome da laje no desenho")
        ->type_name("NOME")
        ->required();
    dxfCommand->add_option("--output", options.output, "Arquivo .dxf a gravar")
        ->type_name("ARQUIVO")
        ->required();
    addDecimal(dxfCommand);

    for (CLI::App* command : {designCommand, batchCommand, dxfCommand})
        command->group("Comandos");
#ifdef LAJES_WITH_REPORT
    CLI::App* reportCommand =
        app.add_subcommand("report", "Calcula uma laje e grava o relatório de uma página em PDF");
    reportCommand->add_option("--input", options.input, "Arquivo JSON da laje")
        ->type_name("ARQUIVO")
        ->required();
    reportCommand->add_option("--output", options.output, "Arquivo .pdf a gravar")
        ->type_name("ARQUIVO")
        ->required();
    addDecimal(reportCommand);
    reportCommand->group("Comandos");
#endif

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        app.exit(help, out, err);
        return exitReady;
    } catch (const CLI::ParseError& error) {
        err << "lajes-cli: " << error.what() << "\n"
            << "Use lajes-cli --help para ver as opções.\n";
        return exitUsage;
    }

    if (designCommand->parsed())
        return designOne(options, in, out, err);
    if (batchCommand->parsed())
        return batch(options, in, out, err);
#ifdef LAJES_WITH_REPORT
    if (reportCommand->parsed())
        return report(options, in, out, err);
#endif
    return dxf(options, in, out, err);
}

} // namespace lajes::cli
