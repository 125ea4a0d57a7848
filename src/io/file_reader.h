#pragma once

// The one way the program reads a small file of its own (Quenvor.cfg, the recent-files list):
// opened without blocking, so that a named pipe cannot hang the start-up, and read only when
// it is a regular file of a sane size, so that a link to /dev/zero cannot fill the memory.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace lajes {

// Appends the whole of `file` to `bytes`. Returns the message of the reading
// (readFailureMessage: EISDIR for a folder, "não é um arquivo comum" for a device, FIFO or
// socket, EFBIG above `maxBytes`), or nothing when the file was read.
std::optional<std::string> readRegularFile(const std::filesystem::path& file,
                                           std::uintmax_t maxBytes, std::string& bytes);

} // namespace lajes
