#include "cli/commands.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "cli/floor_json.h"
#include "cli/schedule_json.h"
#include "cli/slab_result.h"
#include "config/settings_file.h"
#include "dxf/dxf_export.h"
#include "floor/beam_loads_csv.h"
#include "floor/floor_drawing.h"
#include "floor/floor_file.h"
#include "io/file_writer.h"
#include "slabfile/slab_request.h"
#include "text/utf8.h"
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
  choices [{"direction":"xp","diameter":"8.0"}, {"direction":"yp","spacing":12}, ...] e
  nbr6118 {aggressiveness ("I", "II", "III", "IV"), use ("cobertura", "piso", "veiculosLeves",
  "veiculosPesados"), psi2 (0.3, 0.4 ou 0.6), loadingAgeMonths (> 0), aggregate ("granito",
  "basalto", "calcario", "arenito")}, os parâmetros da verificação de --nbr2014.
Como na tela, Lx, Ly, h, g e q entram arredondados a duas casas decimais.
As configurações vêm de Quenvor.cfg na pasta atual, se existir.

Números não finitos saem como os textos "Infinity", "-Infinity" e "NaN".

Tabela de aço: --schedule em design e batch acrescenta ao resultado "schedule" (posições
N1, N2..., com bitola, quantidade, comprimentos e massa; resumo por bitola; massa total, com
10% de perdas; área, volume de concreto e taxas em kg/m² e kg/m³); em dxf, desenha a tabela.

Saída: 0 laje pronta; 1 cálculo recusado (o JSON do resultado é impresso mesmo assim);
2 erro de uso, de entrada, de leitura ou de escrita.
No batch: 0 todas as linhas foram lidas e respondidas; 1 alguma linha é inválida
({"outcome":"Invalid","line":N,"error":"..."}; as outras foram calculadas); 2 falha de
leitura ou de escrita.

Pavimento: floor lê um arquivo .pavimento (JSON: "format" "lajes-pavimento", "version" 1,
  "name", "fck", "SteelGrade", "compatibility" ("media" ou "maior"), "settings" e "slabs", cada
  laje com name, x, y (m, o canto de menores coordenadas), Lx, Ly, h, g, q, Ribbed, a, bw, hb,
  bf, BlockDensity, edges {left, right, bottom, top: "auto", "engastado" ou "apoiado"} e
  choices de xp e yp). Imprime "outcome", "compatibility", "slabs" (caso, bordas, momentos
  próprios e corrigidos, armaduras, reações, flecha, cisalhamento), "edges" (cada trecho de
  armadura negativa: X compatibilizado, As, barras) e "beams" (vigas V1, V2... com a carga de
  cada trecho, kg/m). Saída como design: 0 pronto, 1 recusado, 2 erro de entrada.
  Com o pavimento pronto, --dxf grava o desenho (formas, armadura positiva, armadura negativa e
  tabela de aço), --report o memorial de cálculo em PDF e --beams as cargas nas vigas em CSV
  (";" e o separador de --decimal); recusado, nada é gravado.

Exemplo:
  echo '{"SupportCase":1,"Lx":4,"Ly":4,"h":10,"g":250,"q":200}' | lajes-cli design --decimal ,
)";

struct Options {
    std::string input;
    std::string decimal = ".";
    std::optional<std::string> name;
    std::string output;
    bool schedule = false; // --schedule: the steel table in the result (and the drawing)
    bool nbr2014 = false;  // add the NBR 6118:2014 verification to each result
    // floor: the files written besides the result when the floor is Ready.
    std::optional<std::string> floorDxf, floorReport, floorBeams;
};

char separatorOf(const Options& options) {
    return options.decimal == "," ? ',' : '.';
}

// Where the input comes from: the file of --input, or standard input. The process's own
// standard input is read through its descriptor, so that a folder or a failed read is seen
// with the system's reason instead of looking like an empty input; any other stream (the
// tests') is read as a stream.
class InputSource {
public:
    InputSource(const Options& options, std::istream& in) : stream_(&in) {
        if (!options.input.empty()) {
            name_ = "\"" + validUtf8(options.input, 200) + "\"";
            fd_ = ::open(options.input.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC);
            owned_ = fd_ >= 0;
            if (fd_ < 0)
                errno_ = errno;
        } else if (&in == &std::cin) {
            fd_ = STDIN_FILENO;
        }
        struct stat info {};
        if (fd_ >= 0 && ::fstat(fd_, &info) == 0 && S_ISDIR(info.st_mode))
            errno_ = EISDIR;
    }
    InputSource(const InputSource&) = delete;
    InputSource& operator=(const InputSource&) = delete;
    ~InputSource() {
        if (owned_)
            ::close(fd_);
    }

    // The next line without its LF; false at the end of the input or after a failure.
    bool getline(std::string& line) {
        line.clear();
        for (;;) {
            const std::size_t newline = buffer_.find('\n', start_);
            if (newline != std::string::npos) {
                line.assign(buffer_, start_, newline - start_);
                start_ = newline + 1;
                return true;
            }
            if (!fill()) {
                line.assign(buffer_, start_);
                const bool any = start_ < buffer_.size();
                buffer_.clear();
                start_ = 0;
                return any && !errno_;
            }
        }
    }

    // The whole input; false after a failure.
    bool readAll(std::string& text) {
        while (fill()) {
        }
        text = buffer_.substr(start_);
        return !errno_;
    }

    // The message of a failed read, or nothing.
    std::optional<std::string> error() const {
        if (!errno_ && !streamFailed_)
            return std::nullopt;
        return "não foi possível ler " + name_ + ": " +
               (errno_ ? systemReason(errno_) : std::string("falha de leitura"));
    }

private:
    // Appends the next block of input; false at the end or on a failure.
    bool fill() {
        if (errno_ || ended_)
            return false;
        if (start_ > 0 && start_ == buffer_.size()) {
            buffer_.clear();
            start_ = 0;
        }
        std::array<char, 65536> block{};
        if (fd_ < 0) {
            stream_->read(block.data(), block.size());
            const auto got = static_cast<std::size_t>(stream_->gcount());
            buffer_.append(block.data(), got);
            if (stream_->bad())
                streamFailed_ = true;
            if (!*stream_)
                ended_ = true;
            return got > 0 || !ended_;
        }
        for (;;) {
            const ssize_t got = ::read(fd_, block.data(), block.size());
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0) {
                errno_ = errno;
                return false;
            }
            if (got == 0) {
                ended_ = true;
                return false;
            }
            buffer_.append(block.data(), static_cast<std::size_t>(got));
            return true;
        }
    }

    std::istream* stream_;
    std::string name_ = "a entrada padrão";
    int fd_ = -1;
    bool owned_ = false;
    int errno_ = 0;
    bool streamFailed_ = false;
    bool ended_ = false;
    std::string buffer_;
    std::size_t start_ = 0;
};

// Every number of a result as JSON can hold it: an infinite or undefined value (a division
// by zero deep in a refused design) becomes the text "Infinity", "-Infinity" or "NaN", where
// JSON would write null and a reader could not tell it from an absent value.
template <typename Json> void nonFiniteAsText(Json& value) {
    if (value.is_number_float()) {
        const double number = value.template get<double>();
        if (std::isnan(number))
            value = "NaN";
        else if (std::isinf(number))
            value = number > 0 ? "Infinity" : "-Infinity";
    } else if (value.is_structured()) {
        for (auto& item : value)
            nonFiniteAsText(item);
    }
}

// The text of a result object. Texts that are not valid UTF-8 are replaced rather than
// thrown at: one odd byte must never cost the whole output.
template <typename Json> std::string resultText(Json result) {
    nonFiniteAsText(result);
    return result.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// Flushes `out` and tells whether everything written to it arrived: a full disk, a closed
// pipe or a closed standard output is a failure (exit status 2), never a silent success.
bool outputWritten(std::ostream& out, std::ostream& err) {
    errno = 0;
    out.flush();
    if (out)
        return true;
    const int reason = errno;
    err << "lajes-cli: falha ao escrever a saída";
    if (reason != 0)
        err << ": " << systemReason(reason);
    err << "\n";
    return false;
}

Settings settingsInForce(std::ostream& err) {
    const SettingsLoad load = loadSettings();
    if (load.error)
        err << "lajes-cli: aviso: " << configFileName << ": " << *load.error << "\n";
    return load.settings;
}

// What a command makes of a Ready slab besides its result object: a file, or nothing.
using SlabFileWriter = std::function<std::optional<std::string>(
    const SlabRequest&, const DesignRun&, const Settings&, char)>;

// Designs the one slab of the input, prints its result object and, when it is Ready, writes
// the command's file. The exit status follows the outcome.
int designOne(const Options& options, std::istream& in, std::ostream& out, std::ostream& err,
              const SlabFileWriter& writeFile = {}, bool needsName = false) {
    std::string text;
    InputSource source(options, in);
    if (!source.readAll(text) || source.error()) {
        err << "lajes-cli: " << source.error().value_or("falha de leitura") << "\n";
        return exitUsage;
    }
    const auto request = parseSlabRequestText(text, settingsInForce(err));
    if (const auto* error = std::get_if<std::string>(&request)) {
        err << "lajes-cli: " << *error << "\n";
        return exitUsage;
    }
    const SlabRequest& slabRequest = std::get<SlabRequest>(request);
    if (needsName && !options.name && !slabRequest.name) {
        err << "lajes-cli: falta --name (a laje não tem \"name\")\n";
        return exitUsage;
    }
    DesignRun run = runDesign(slabRequest, separatorOf(options));
    if (!run.invalidChoice.empty()) {
        err << "lajes-cli: " << run.invalidChoice << "\n";
        return exitUsage;
    }
    if (options.schedule)
        addSchedule(run, slabRequest.settings);
    if (options.nbr2014)
        addNbr6118Verification(run, slabRequest);
    out << withNbr6118Verification(resultText(run.result), run) << "\n";
    if (!outputWritten(out, err))
        return exitUsage;
    if (run.outcome != DesignOutcome::Ready)
        return exitRefused;
    if (writeFile) {
        if (const auto error =
                writeFile(slabRequest, run, slabRequest.settings, separatorOf(options))) {
            err << "lajes-cli: não foi possível gravar \"" << validUtf8(options.output, 200)
                << "\": " << *error << "\n";
            return exitUsage;
        }
    }
    return exitReady;
}

struct BatchAnswer {
    std::string text;
    bool invalid = false;
};

// One line of a batch: its result object as text, or the Invalid object that names the
// line (counted from 1) and the problem.
BatchAnswer batchLine(std::string line, std::size_t lineNumber, const Settings& settings,
                      char separator, bool withSchedule, bool nbr2014) {
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    const auto invalid = [lineNumber](const std::string& error) {
        nlohmann::ordered_json answer{
            {"outcome", "Invalid"}, {"line", lineNumber}, {"error", validUtf8(error, 1000)}};
        return BatchAnswer{resultText(std::move(answer)), true};
    };
    const auto request = parseSlabRequestText(line, settings);
    if (const auto* error = std::get_if<std::string>(&request))
        return invalid(*error);
    const SlabRequest& slabRequest = std::get<SlabRequest>(request);
    DesignRun run = runDesign(slabRequest, separator);
    if (!run.invalidChoice.empty())
        return invalid(run.invalidChoice);
    if (withSchedule)
        addSchedule(run, slabRequest.settings);
    if (nbr2014)
        addNbr6118Verification(run, slabRequest);
    std::string text = resultText(std::move(run.result));
    return BatchAnswer{withNbr6118Verification(std::move(text), run), false};
}

// Designs the lines of one chunk on every core. The core keeps no shared state, so the
// slabs are independent; the results keep the order of the input. `firstLine` is the input
// line number of lines[0].
void designChunk(const std::vector<std::string>& lines, std::size_t firstLine,
                 std::vector<BatchAnswer>& results, const Settings& settings, char separator,
                 bool withSchedule, bool nbr2014) {
    results.assign(lines.size(), BatchAnswer{});
    const std::size_t workers = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 8);
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        constexpr std::size_t step = 64;
        for (std::size_t first = next.fetch_add(step); first < lines.size();
             first = next.fetch_add(step))
            for (std::size_t i = first; i < std::min(first + step, lines.size()); ++i)
                results[i] =
                    batchLine(lines[i], firstLine + i, settings, separator, withSchedule, nbr2014);
    };
    std::vector<std::thread> threads;
    for (std::size_t i = 1; i < workers && lines.size() > 256; ++i)
        threads.emplace_back(work);
    work();
    for (std::thread& thread : threads)
        thread.join();
}

int batch(const Options& options, std::istream& in, std::ostream& out, std::ostream& err) {
    InputSource source(options, in);
    if (const auto error = source.error()) {
        err << "lajes-cli: " << *error << "\n";
        return exitUsage;
    }
    const Settings settings = settingsInForce(err);
    const char separator = separatorOf(options);
    constexpr std::size_t chunkSize = 16384;
    std::vector<std::string> lines;
    std::vector<BatchAnswer> results;
    std::size_t linesRead = 0;
    bool anyInvalid = false;
    for (bool more = true; more;) {
        lines.clear();
        std::string line;
        while (lines.size() < chunkSize && (more = source.getline(line)))
            lines.push_back(std::move(line));
        designChunk(lines, linesRead + 1, results, settings, separator, options.schedule,
                    options.nbr2014);
        linesRead += lines.size();
        for (const BatchAnswer& result : results) {
            out << result.text << '\n';
            anyInvalid = anyInvalid || result.invalid;
        }
        if (!out)
            return outputWritten(out, err), exitUsage;
    }
    if (const auto error = source.error()) {
        outputWritten(out, err);
        err << "lajes-cli: " << *error << " (após a linha " << linesRead << ")\n";
        return exitUsage;
    }
    if (!outputWritten(out, err))
        return exitUsage;
    return anyInvalid ? exitRefused : exitReady;
}

int dxf(const Options& options, std::istream& in, std::ostream& out, std::ostream& err) {
    return designOne(
        options, in, out, err,
        [&](const SlabRequest& request, const DesignRun& run, const Settings& settings,
            char separator) -> std::optional<std::string> {
            const auto schedule = options.schedule ? scheduleOf(run, settings) : std::nullopt;
            // A .laje file names its slab; --name, when given, wins.
            return exportDrawing(options.output, options.name ? *options.name : *request.name,
                                 run.slab, run.results, settings, separator,
                                 schedule ? &*schedule : nullptr);
        },
        true);
}

// The files of a Ready floor that the options ask for: the drawing, the memorial, the beam
// loads. The first that cannot be written ends the command as design's file does.
int writeFloorFiles(const Options& options, const Floor& floor, const FloorResults& results,
                    std::ostream& err) {
    const char separator = separatorOf(options);
    const auto failed = [&err](const std::string& path, const std::string& error) {
        err << "lajes-cli: não foi possível gravar \"" << validUtf8(path, 200) << "\": " << error
            << "\n";
        return exitUsage;
    };
    if (options.floorDxf)
        if (const auto error =
                exportFloorDrawing(*options.floorDxf, floor, results, floor.settings, separator))
            return failed(*options.floorDxf, *error);
#ifdef LAJES_WITH_REPORT
    if (options.floorReport)
        if (const auto error = writeFloorMemorialFile(floor, results, floor.settings, separator,
                                                      options.nbr2014, *options.floorReport))
            return failed(*options.floorReport, *error);
#endif
    if (options.floorBeams)
        if (const auto error = exportBeamLoads(*options.floorBeams, floor, results, separator))
            return failed(*options.floorBeams, *error);
    return exitReady;
}

// The whole floor of a .pavimento file as one result object. A file that cannot be read or
// that the rules refuse prints nothing on the standard output.
int floorRun(const Options& options, std::ostream& out, std::ostream& err) {
    auto floor = readFloorFile(options.input, settingsInForce(err));
    if (const auto* error = std::get_if<std::string>(&floor)) {
        err << "lajes-cli: " << *error << "\n";
        return exitUsage;
    }
    const Floor& input = std::get<Floor>(floor);
    const FloorResults results = designFloor(input, input.settings, {separatorOf(options)});
    if (results.inputError) {
        err << "lajes-cli: " << *results.inputError << "\n";
        return exitUsage;
    }
    // A pick the slab's list does not offer is refused as in `design`.
    for (const FloorSlabResult& slab : results.slabs) {
        if (slab.skippedChoices.empty())
            continue;
        const BarPick& pick = slab.skippedChoices.front();
        err << "lajes-cli: laje \"" << slab.name << "\": \"choices\": a lista "
            << (pick.diameter ? "de bitolas" : "de espaçamentos") << " de \""
            << directionKey(pick.direction) << "\" não oferece \""
            << (pick.diameter ? *pick.diameter : std::to_string(*pick.spacing)) << "\"\n";
        return exitUsage;
    }
    out << resultText(floorJson(input, results, input.settings, options.nbr2014)) << "\n";
    if (!outputWritten(out, err))
        return exitUsage;
    if (results.outcome != FloorOutcome::Ready)
        return exitRefused;
    return writeFloorFiles(options, input, results, err);
}

#ifdef LAJES_WITH_REPORT
// The one-page calculation sheet of the designed slab as a PDF.
int report(const Options& options, std::istream& in, std::ostream& out, std::ostream& err) {
    return designOne(
        options, in, out, err,
        [&](const SlabRequest&, const DesignRun& run, const Settings& settings, char separator) {
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
    app.set_version_flag("--version", std::string("lajes-cli ") + LAJES_VERSION,
                         "Mostra a versão e sai");
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
    designCommand
        ->add_option("--input", options.input, "Arquivo JSON ou .laje (padrão: entrada padrão)")
        ->type_name("ARQUIVO");
    addDecimal(designCommand);

    CLI::App* batchCommand = app.add_subcommand(
        "batch", "Calcula várias lajes, uma por linha (JSON Lines), um resultado por linha");
    batchCommand
        ->add_option("--input", options.input, "Arquivo JSON Lines (padrão: entrada padrão)")
        ->type_name("ARQUIVO");
    addDecimal(batchCommand);
    for (CLI::App* command : {designCommand, batchCommand})
        command->add_flag("--nbr2014", options.nbr2014,
                          "Acrescenta a verificação segundo a NBR 6118:2014 (\"nbr6118_2014\")");

    CLI::App* dxfCommand = app.add_subcommand("dxf", "Calcula uma laje e grava o seu desenho DXF");
    dxfCommand->add_option("--input", options.input, "Arquivo JSON da laje")
        ->type_name("ARQUIVO")
        ->required();
    dxfCommand
        ->add_option("--name", options.name,
                     "Nome da laje no desenho (padrão: o \"name\" do arquivo .laje)")
        ->type_name("NOME");
    dxfCommand->add_option("--output", options.output, "Arquivo .dxf a gravar")
        ->type_name("ARQUIVO")
        ->required();
    addDecimal(dxfCommand);

    CLI::App* floorCommand = app.add_subcommand(
        "floor", "Calcula um pavimento (arquivo .pavimento) e imprime o resultado");
    floorCommand->add_option("--input", options.input, "Arquivo .pavimento")
        ->type_name("ARQUIVO")
        ->required();
    addDecimal(floorCommand);
    floorCommand->add_option("--dxf", options.floorDxf, "Grava o desenho do pavimento (DXF)")
        ->type_name("ARQUIVO");
#ifdef LAJES_WITH_REPORT
    floorCommand->add_option("--report", options.floorReport, "Grava o memorial de cálculo (PDF)")
        ->type_name("ARQUIVO");
#endif
    floorCommand
        ->add_option("--beams", options.floorBeams, "Grava as cargas nas vigas (CSV com \";\")")
        ->type_name("ARQUIVO");
    floorCommand->add_flag("--nbr2014", options.nbr2014,
                           "Acrescenta a verificação segundo a NBR 6118:2014 de cada laje e da "
                           "armadura negativa de cada trecho");

    // Each command's own help flag under the one Portuguese heading of its options.
    for (CLI::App* command : {designCommand, batchCommand, dxfCommand, floorCommand}) {
        command->group("Comandos");
        command->get_help_ptr()->group("Opções");
    }
    designCommand->add_flag("--schedule", options.schedule,
                            "Inclui no resultado a tabela de aço (posições, resumo por bitola, "
                            "massas e taxas)");
    batchCommand->add_flag("--schedule", options.schedule,
                           "Inclui a tabela de aço no resultado de cada laje");
    dxfCommand->add_flag("--schedule", options.schedule,
                         "Desenha a tabela de aço e as marcas das posições (e a inclui no "
                         "resultado)");
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
    reportCommand->get_help_ptr()->group("Opções");
#endif

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        app.exit(help, out, err);
        return exitReady;
    } catch (const CLI::CallForVersion& version) {
        app.exit(version, out, err);
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
    if (floorCommand->parsed())
        return floorRun(options, out, err);
#ifdef LAJES_WITH_REPORT
    if (reportCommand->parsed())
        return report(options, in, out, err);
#endif
    return dxf(options, in, out, err);
}

} // namespace lajes::cli
