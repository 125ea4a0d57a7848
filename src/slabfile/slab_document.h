#pragma once

// Which file the slab on the screens came from or went to, and whether it changed since: the
// window titles, the question before the slab is discarded, the settings question of a file
// and the recent-files list. The windows show what these return.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "config/settings.h"

namespace lajes {

class SlabDocument {
public:
    bool hasFile() const { return !path_.empty(); }
    const std::filesystem::path& path() const { return path_; }
    bool modified() const { return modified_; }

    // The slab now is the file's content (opened, or just saved there).
    void opened(const std::filesystem::path& path);
    void saved(const std::filesystem::path& path) { opened(path); }
    // An input, a setting that enters the design, a bar pick or the drawing's name changed.
    void changed() { modified_ = true; }
    // The slab left the screens (the data-entry screen closed and reset its inputs).
    void closed();

    // A window's own caption, followed by the file's name and an asterisk while the slab
    // differs from the file: "Cálculo de Lajes — L7.laje *". Without a file the caption alone.
    std::string title(std::string_view caption) const;

    // Closing or replacing the slab asks only when it came from or went to a file and
    // changed since; a run that never used a file never asks.
    bool mustAskBeforeDiscarding() const { return hasFile() && modified_; }
    // "Salvar as alterações de L7.laje?"
    std::string saveQuestion() const;

private:
    std::filesystem::path path_;
    bool modified_ = false;
};

// The three settings that enter the design: wall width, cover and φ∞.
bool sameDesignSettings(const Settings& a, const Settings& b);

// The message when a file could not be written: the file and the writer's error text.
std::string saveFailureMessage(const std::filesystem::path& file, const std::string& error);

// What a document holds: one slab (.laje) or a floor (.pavimento).
enum class DocumentKind { Slab, Floor };

// The question asked once when a file's settings differ from those in force, with the file's
// values in the two-decimal form of the settings dialog (wall width in cm); it names the
// slab or the floor.
std::string settingsQuestion(const Settings& fromFile, char decimalSeparator,
                             DocumentKind kind = DocumentKind::Slab);

// The recent-files list after `path` was opened or saved: newest first, no repeats, at most
// maxRecentFiles entries.
inline constexpr std::size_t maxRecentFiles = 4;
std::vector<std::string> withRecentFile(std::vector<std::string> list, const std::string& path);

} // namespace lajes
