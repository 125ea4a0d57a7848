#pragma once

// .laje files: one slab as the user left it, in the very JSON object that lajes-cli reads,
// plus "format", "version" and "name". The desktop program opens and saves them; lajes-cli
// designs them like any other slab object.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>

#include "config/settings.h"
#include "io/file_writer.h"
#include "slabfile/slab_request.h"

namespace lajes {

// A slab file is a few hundred bytes; anything above this is not one.
inline constexpr std::uintmax_t maxSlabFileBytes = 1024 * 1024;

// The text of the file: UTF-8 JSON indented by two blanks, the keys always in the same order,
// every number in the shortest form that reads back to the same double, always with ".".
// An empty box (std::nullopt in `slab.typed`) is written as null. Of the settings only the
// three that enter the design are written.
std::string slabFileText(const SlabRequest& slab);

// Writes the file through the program's one file writer (temporary file, then rename; a
// device or a pipe in place).
// Returns the error text to show, or nothing.
std::optional<std::string> writeSlabFile(const std::filesystem::path& path, const SlabRequest& slab,
                                         WriteTarget accepted = WriteTarget::anything);

// Reads a slab file with the schema checks of lajes-cli; `base` is the settings in force,
// which the file's "settings" override. Never writes to the file. On failure returns the
// one message to show: it names the file and the reason (not a regular file, larger than
// maxSlabFileBytes, unreadable, empty, truncated, not JSON, or the key the schema refuses);
// a newer "version" gives newerVersionMessage alone.
std::variant<SlabRequest, std::string> readSlabFile(const std::filesystem::path& path,
                                                    const Settings& base);

// The reading half of readSlabFile, shared by the program's other small JSON files: fills
// `text` with the content of a regular file of at most `maxBytes`, never opening anything else
// (a pipe would wait for a writer). Returns the reason it could not, or nothing; `tooLarge` is
// the reason for a larger file.
std::optional<std::string> readSmallFile(const std::filesystem::path& path, std::uintmax_t maxBytes,
                                         const std::string& tooLarge, std::string& text);
// "Não foi possível abrir \"name\":\n" and the reason.
std::string fileOpenFailure(const std::filesystem::path& path, const std::string& reason);
// Why `text` is no JSON at all (empty, truncated, not JSON), or nothing.
std::optional<std::string> jsonProblem(const std::string& text);

} // namespace lajes
