#pragma once

// Quenvor.cfg: nine CR LF lines (four colour numbers, the scale, wall width in m, cover in
// cm, phi infinity, "EOF"). Numbers always use ".", whatever the locale.

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
    std::optional<std::string> error; // text to show the user; the settings are still usable
};
// Reads `file` (normally Quenvor.cfg in the working directory); a missing file gives the
// defaults silently.
SettingsLoad loadSettings(const std::filesystem::path& file = configFileName);

// The same reading, from the bytes of a configuration file.
SettingsLoad settingsFromText(std::string bytes);

// Writes `file` atomically (temporary file in the same folder, then rename). Returns the
// error text to show when it fails; the old file is then left as it was.
std::optional<std::string> saveSettings(const Settings& settings,
                                        const std::filesystem::path& file = configFileName);

} // namespace lajes
