#include "io/file_messages.h"

#include <array>
#include <cerrno>
#include <cstring>

#include "text/utf8.h"

namespace lajes {

std::string shortQuote(std::string_view text, std::size_t maxCharacters) {
    if (maxCharacters == 0)
        return {};
    // One character more than fits tells whether the text was cut; validUtf8 never reads
    // further than the characters it keeps.
    std::string kept = validUtf8(text, maxCharacters);
    const std::string probe = validUtf8(text, maxCharacters + 1);
    if (probe.size() == kept.size())
        return kept;
    std::string shorter = validUtf8(text, maxCharacters - 1);
    return shorter + "\xE2\x80\xA6"; // "…"
}

std::string systemReason(int errorNumber) {
    std::array<char, 256> buffer{};
    // The GNU strerror_r: thread-safe, translated through LC_MESSAGES.
    return ::strerror_r(errorNumber, buffer.data(), buffer.size());
}

std::string errorReason(int errorNumber) {
    switch (errorNumber) {
    case EACCES:
    case EPERM:
    case EROFS:
        return "acesso negado";
    case ENOSPC:
    case EDQUOT:
        return "disco cheio";
    case ENOENT:
        return "o arquivo ou a pasta não existe";
    default:
        return "erro de E/S " + std::to_string(errorNumber) + " (" + systemReason(errorNumber) +
               ")";
    }
}

std::string fileNameInMessage(const std::filesystem::path& file) {
    const std::filesystem::path name = file.has_filename() ? file.filename() : file;
    return "\"" + shortQuote(name.native()) + "\"";
}

std::string writeFailureMessage(const std::filesystem::path& file, int errorNumber) {
    return writeFailureMessage(file, errorReason(errorNumber));
}

std::string writeFailureMessage(const std::filesystem::path& file, std::string_view reason) {
    return "Não foi possível gravar " + fileNameInMessage(file) + ": " + std::string(reason) + ".";
}

std::string readFailureMessage(const std::filesystem::path& file, int errorNumber) {
    return readFailureMessage(file, errorReason(errorNumber));
}

std::string readFailureMessage(const std::filesystem::path& file, std::string_view reason) {
    return "Não foi possível ler " + fileNameInMessage(file) + ": " + std::string(reason) + ".";
}

} // namespace lajes
