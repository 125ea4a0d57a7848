#pragma once

// The recent-files list of the desktop program, in its own settings file
// (~/.config/Lajes/Lajes.conf: "[General]" and "recentFiles=" with the entries separated by
// ", ", quoted and escaped the way Qt's INI settings are, so that files written by earlier
// versions are read). The entries are file names as the file system holds them: bytes, not
// necessarily UTF-8.
//
// The file is read like Quenvor.cfg (regular files only, without blocking, bounded) and every
// change re-reads it and writes it under a lock of its folder, so that instances opening files
// at the same time lose none of each other's entries.

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lajes {

// Where the user's configuration folder may be, from the process's environment.
struct ConfigHome {
    std::optional<std::string> xdgConfigHome; // $XDG_CONFIG_HOME
    std::optional<std::string> home;          // $HOME
    std::optional<std::string> passwordHome;  // the user's home in the password database
};

// The process's own: the environment and getpwuid.
ConfigHome configHomeOfProcess();

// The user's home: $HOME when that is an existing folder (given as an absolute path), the
// password database's home when not and that one exists, otherwise nothing. A missing home is
// never created, neither by this program nor by the toolkit's own settings.
std::optional<std::filesystem::path> homeFolder(const ConfigHome& where);

// The settings file: $XDG_CONFIG_HOME/Lajes/Lajes.conf when it is absolute, otherwise
// <home>/.config/Lajes/Lajes.conf, where the home is $HOME when that is an existing folder and
// the password database's home when not. Nothing (no recent list) when neither is an existing
// folder: a missing home is never created.
std::optional<std::filesystem::path> recentFilesFile(const ConfigHome& where);

// A settings file above this is not ours and is not read.
inline constexpr std::uintmax_t maxRecentFilesBytes = 64 * 1024;

// The list in the file's text; entries that are empty or not plain texts are left out.
std::vector<std::string> parseRecentFiles(std::string_view text);
// The file's text for `list`.
std::string recentFilesText(const std::vector<std::string>& list);

// The list in `file`; empty when the file does not exist, is not a regular file, is larger
// than maxRecentFilesBytes or cannot be read.
std::vector<std::string> readRecentFiles(const std::filesystem::path& file);

// Re-reads the list and writes `change(list)` in its place, holding the lock of the file's
// folder meanwhile. The folder (and the configuration folder above it) is made when its
// parent exists. Returns the list now in the file, or nothing when the lock was not had within
// `patience` or the file could not be written (a file that is not a regular one is never
// replaced).
std::optional<std::vector<std::string>>
updateRecentFiles(const std::filesystem::path& file,
                  const std::function<std::vector<std::string>(std::vector<std::string>)>& change,
                  std::chrono::milliseconds patience = std::chrono::seconds(3));

} // namespace lajes
