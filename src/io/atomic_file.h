#pragma once

// Writing a file so that a failure never leaves a truncated file in place of a good one:
// the bytes go to a temporary file in the target's folder, which is renamed over the target
// only when everything was written and flushed.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace lajes {

// Returns the error text to show the user ("File access denied", "Disk full",
// "I/O error <errno>"), or nothing on success. On failure the temporary file is removed
// and `target` is unchanged.
std::optional<std::string> writeFileAtomically(const std::filesystem::path& target,
                                               std::string_view bytes);

// The user-facing text of an errno value, in the form the program reports I/O errors.
std::string ioErrorText(int errorNumber);

} // namespace lajes
