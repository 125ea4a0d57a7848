#pragma once

// The Portuguese texts of what goes wrong with a file, shared by the writer, the readers,
// lajes-cli and the windows, so that every message names its file and says why in the same
// words: `Não foi possível gravar "ro.csv": acesso negado.`

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace lajes {

// How many characters of a value a message quotes; a longer one is cut and ends in "…".
inline constexpr std::size_t quotedCharacters = 40;

// `text` as valid UTF-8 on one line (control characters replaced) of at most `maxCharacters`
// characters, the last of which is "…" when the text was longer.
std::string shortQuote(std::string_view text, std::size_t maxCharacters = quotedCharacters);

// The reason of an errno value, in Portuguese, without a final full stop: "acesso negado",
// "disco cheio", "o arquivo ou a pasta não existe", or "erro de E/S <n> (<the system's reason in
// the user's language>)".
std::string errorReason(int errorNumber);

// The system's own reason for an errno value, in the language of the locale's messages.
std::string systemReason(int errorNumber);

// The reason given for a path that is a folder, a device, a pipe or a socket where a
// regular file is read or written.
inline constexpr std::string_view notRegularFileReason = "não é um arquivo comum";

// The name a message gives a file: its last component, quoted and shortened like a value.
std::string fileNameInMessage(const std::filesystem::path& file);

// `Não foi possível gravar "<file>": <reason>.`
std::string writeFailureMessage(const std::filesystem::path& file, int errorNumber);
std::string writeFailureMessage(const std::filesystem::path& file, std::string_view reason);

// `Não foi possível ler "<file>": <reason>.`
std::string readFailureMessage(const std::filesystem::path& file, int errorNumber);
std::string readFailureMessage(const std::filesystem::path& file, std::string_view reason);

} // namespace lajes
