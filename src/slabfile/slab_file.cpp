#include "slabfile/slab_file.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

#include "io/file_messages.h"
#include "io/file_writer.h"

namespace lajes {

namespace {

// The shortest text that reads back to the same double (std::to_chars without a format),
// which never depends on the locale: "4", "0.15", "2.5", "1e+22".
std::string shortest(double value) {
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value + 0.0);
    if (error != std::errc())
        return "0";
    return std::string(buffer, end);
}

std::string quoted(const std::string& text) {
    // nlohmann escapes quotes, backslashes and control characters and keeps UTF-8 as it is;
    // a text that is not UTF-8 has its bad bytes replaced rather than refused.
    return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string optionalNumber(const std::optional<double>& value) {
    return value ? shortest(*value) : std::string("null");
}

std::string readFailure(const std::filesystem::path& path, const std::string& reason) {
    return "Não foi possível abrir \"" + path.filename().string() + "\":\n" + reason;
}

std::string unreadable(int errorNumber) {
    if (errorNumber == ENOENT)
        return "O arquivo não existe.";
    if (errorNumber == EACCES || errorNumber == EPERM)
        return "O acesso ao arquivo foi negado.";
    return "O arquivo não pôde ser lido (" + errorReason(errorNumber) + ").";
}

// Why `text` is no JSON at all, or nothing when it is one JSON value.
std::optional<std::string> notJson(const std::string& text) {
    if (text.find_first_not_of(" \t\r\n") == std::string::npos)
        return "O arquivo está vazio.";
    if (auto deep = tooDeeplyNested(text))
        return *std::move(deep) + ".";
    try {
        [[maybe_unused]] const auto parsed = nlohmann::json::parse(text);
        return std::nullopt;
    } catch (const nlohmann::json::parse_error& error) {
        if (error.byte >= text.size())
            return std::string("O arquivo está incompleto: o texto JSON termina antes do fim.");
        std::size_t line = 1;
        std::size_t column = 1;
        for (std::size_t i = 0; i + 1 < error.byte && i < text.size(); ++i) {
            if (text[i] == '\n') {
                ++line;
                column = 1;
            } else {
                ++column;
            }
        }
        return "O conteúdo não é JSON (erro na linha " + std::to_string(line) + ", coluna " +
               std::to_string(column) + ").";
    } catch (const nlohmann::json::exception&) {
        return std::string("O conteúdo não é JSON.");
    }
}

} // namespace

std::string slabFileText(const SlabRequest& request) {
    const SlabDesignData& slab = request.slab;
    std::string out = "{\n";
    auto field = [&out](const char* key, const std::string& value, bool last = false) {
        out += "  \"";
        out += key;
        out += "\": ";
        out += value;
        out += last ? "\n" : ",\n";
    };
    field("format", quoted(slabFileFormat));
    field("version", std::to_string(slabFileVersion));
    field("name", quoted(request.name.value_or("")));
    field("SupportCase", std::to_string(slab.SupportCase));
    field("Ribbed", slab.Ribbed ? "true" : "false");
    field("fck", shortest(slab.fck));
    field("SteelGrade", quoted(slab.SteelGrade));
    field("Lx", optionalNumber(request.typed.Lx));
    field("Ly", optionalNumber(request.typed.Ly));
    field("h", optionalNumber(request.typed.h));
    field("g", optionalNumber(request.typed.g));
    field("q", optionalNumber(request.typed.q));
    field("a", shortest(slab.a));
    field("bw", shortest(slab.bw));
    field("hb", shortest(slab.hb));
    field("bf", shortest(slab.bf));
    field("BlockDensity", shortest(slab.BlockDensity));
    field("AdjacentSpan", shortest(slab.AdjacentSpan));
    const Settings& settings = request.settings;
    field("settings", "{\"wallWidth\": " + shortest(settings.wallWidth) +
                          ", \"cover\": " + shortest(settings.cover) +
                          ", \"phiInfinity\": " + shortest(settings.phiInfinity) + "}");
    const Nbr6118Parameters& nbr6118 = request.nbr6118;
    field("nbr6118", "{\"aggressiveness\": " + quoted(std::string(keyOf(nbr6118.aggressiveness))) +
                         ", \"use\": " + quoted(std::string(keyOf(nbr6118.use))) +
                         ", \"psi2\": " + shortest(nbr6118.psi2) +
                         ", \"loadingAgeMonths\": " + shortest(nbr6118.loadingAgeMonths) +
                         ", \"aggregate\": " + quoted(std::string(keyOf(nbr6118.aggregate))) + "}");
    std::string choices = "[";
    for (std::size_t i = 0; i < request.choices.size(); ++i) {
        const BarPick& pick = request.choices[i];
        choices += i == 0 ? "\n    " : ",\n    ";
        choices += "{\"direction\": " + quoted(directionKey(pick.direction)) + ", ";
        if (pick.diameter)
            choices += "\"diameter\": " + quoted(*pick.diameter) + "}";
        else
            choices += "\"spacing\": " + std::to_string(pick.spacing.value_or(0)) + "}";
    }
    choices += request.choices.empty() ? "]" : "\n  ]";
    field("choices", choices, true);
    out += "}\n";
    return out;
}

std::optional<std::string> writeSlabFile(const std::filesystem::path& path, const SlabRequest& slab,
                                         WriteTarget accepted) {
    return writeFile(path, slabFileText(slab), accepted);
}

std::optional<std::string> readSmallFile(const std::filesystem::path& path, std::uintmax_t maxBytes,
                                         const std::string& tooLarge, std::string& text) {
    // The type is checked before opening: opening a pipe for reading would wait for a writer.
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error)
        return unreadable(error.value());
    if (!std::filesystem::is_regular_file(status))
        return "Não é um arquivo comum (é uma pasta, um dispositivo ou um canal).";
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > maxBytes)
        return tooLarge;

    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0)
        return unreadable(errno);
    // At most one byte more than the limit: a file that grows while it is read is refused too.
    text.assign(maxBytes + 1, '\0');
    std::size_t filled = 0;
    while (filled < text.size()) {
        const ::ssize_t count = ::read(descriptor, text.data() + filled, text.size() - filled);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            const int readError = errno;
            ::close(descriptor);
            return unreadable(readError);
        }
        if (count == 0)
            break;
        filled += static_cast<std::size_t>(count);
    }
    ::close(descriptor);
    text.resize(filled);
    if (text.size() > maxBytes)
        return tooLarge;
    return std::nullopt;
}

std::string fileOpenFailure(const std::filesystem::path& path, const std::string& reason) {
    return readFailure(path, reason);
}

std::optional<std::string> jsonProblem(const std::string& text) {
    return notJson(text);
}

std::variant<SlabRequest, std::string> readSlabFile(const std::filesystem::path& path,
                                                    const Settings& base) {
    std::string text;
    if (const auto reason = readSmallFile(
            path, maxSlabFileBytes, "O arquivo tem mais de 1 MiB: não é um arquivo de laje.", text))
        return readFailure(path, *reason);

    if (const auto reason = notJson(text))
        return readFailure(path, *reason);
    auto request = parseSlabRequestText(text, base);
    if (const auto* message = std::get_if<std::string>(&request)) {
        if (*message == newerVersionMessage)
            return *message;
        return readFailure(path, *message);
    }
    return request;
}

} // namespace lajes
