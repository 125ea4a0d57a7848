#pragma once

// Quenvor.cfg: nine CR LF lines (four colour numbers, the scale, wall width in m, cover in
// cm, phi infinity, "EOF"). Numbers always use ".", whatever the locale.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "config/settings.h"

namespace lajes {

inline constexpr const char* configFileName = "Quenvor.cfg";

struct ScaleChoice {
    double factor = 20.0;
    std::string scale = "1:50"; // the given text, or "1:50" when it is not one of the six
};
ScaleChoice scaleFactorFor(std::string_view drawingScale);

struct SettingsLoad {
    Settings settings;
    // Text to show the user; the settings are still usable. A number that does not convert
    // or that the settings rule refuses reads "Invalid numeric input", then on a second line
    // the file, the line and the value as written.
    std::optional<std::string> error;
    // False when the file could not be read to its end or a value in it was refused: the
    // settings then hold defaults for what was lost, and writing them back at exit would
    // destroy the file's good values (see settingsToWriteAtExit).
    bool complete = true;
};
// Reads `file` (normally Quenvor.cfg in the working directory); a missing file gives the
// defaults silently. Only a regular file is read (a pipe, a device or a folder is an I/O
// error and the defaults), and at most maxConfigBytes of it.
SettingsLoad loadSettings(const std::filesystem::path& file = configFileName);

// Far more than the nine lines of a real file; a larger file is refused rather than read.
inline constexpr std::size_t maxConfigBytes = 1 << 20;

// The same reading, from the bytes of a configuration file; `fileName` names it in messages.
SettingsLoad settingsFromText(std::string bytes, std::string_view fileName = configFileName);

// Whether the settings in force at exit are written to `file`: only when a setting changed
// during the run (`current` differs from what was read), or when `file` does not exist. An
// unchanged run never writes its start-up values over a file another instance or the user
// saved meanwhile, nor defaults over a file it could not read completely.
bool settingsToWriteAtExit(const SettingsLoad& loaded, const Settings& current,
                           const std::filesystem::path& file = configFileName);

// Writes `file` through the program's file writer (a regular file is replaced only when
// complete, a symbolic link is followed). Returns the error text to show when it fails; the
// old file is then left as it was.
std::optional<std::string> saveSettings(const Settings& settings,
                                        const std::filesystem::path& file = configFileName);

} // namespace lajes
