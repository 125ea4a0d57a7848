#pragma once

// .pavimento files: a floor of slabs as JSON, read and written by the slab file's rules (the
// one writer, the size bound, the type checks, messages naming the slab and the key).

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "config/settings.h"
#include "floor/floor.h"
#include "io/file_writer.h"

namespace lajes {

inline constexpr const char* floorFileFormat = "lajes-pavimento";
inline constexpr int floorFileVersion = 1;
// 2,000 slabs of a few hundred bytes each fit well below this.
inline constexpr std::uintmax_t maxFloorFileBytes = 8 * 1024 * 1024;

// The floor of one JSON object's text; `base` is the settings in force, which the file's
// "settings" override. Numbers enter rounded to two decimals, as on the screen. Returns the
// floor or the one message (naming the slab and the key).
std::variant<Floor, std::string> parseFloorText(std::string_view text, const Settings& base);

// The file's text: indented by two blanks, keys always in the same order, numbers in the
// shortest form that reads back.
std::string floorFileText(const Floor& floor);

// Through the program's one file writer (the windows accept only an ordinary file). Returns
// the error text, or nothing.
std::optional<std::string> writeFloorFile(const std::filesystem::path& path, const Floor& floor,
                                          WriteTarget accepted = WriteTarget::anything);

// Reads a .pavimento file; never writes to it. The message names the file and the reason.
std::variant<Floor, std::string> readFloorFile(const std::filesystem::path& path,
                                               const Settings& base);

} // namespace lajes
