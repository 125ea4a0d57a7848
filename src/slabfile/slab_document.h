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
    // differs from the file: "Cálculo de Lajes — L7.laje *". A slab never saved is "Sem
    // título *" once something was typed; before that the caption stands alone.
    std::string title(std::string_view caption) const;

    // Closing or replacing the slab asks whenever it changed since it was opened or saved,
    // with or without a file: nothing typed is lost without a question.
    bool mustAskBeforeDiscarding() const { return modified_; }
    // "Salvar as alterações de L7.laje?", or "Salvar as alterações da laje?" without a file.
    std::string saveQuestion() const;

private:
    std::filesystem::path path_;
    bool modified_ = false;
};

// The three settings that enter the design: wall width, cover and φ∞.
bool sameDesignSettings(const Settings& a, const Settings& b);

// What a document holds: one slab (.laje) or a floor (.pavimento).
enum class DocumentKind { Slab, Floor };

// The question asked once when a file's settings differ from those in force: both sets in the
// two-decimal form of the settings dialog (wall width in cm), and that "Sim" changes the
// program's own settings, which are written at exit.
std::string settingsQuestion(const Settings& fromFile, const Settings& inForce,
                             char decimalSeparator, DocumentKind kind = DocumentKind::Slab);

// The file name a save dialog suggests for a drawing, a sheet or a table: the slab's name
// with `extension` ("dxf", "pdf", "csv"); characters that file systems refuse become "_", and
// a slab without a name is "Laje".
std::string suggestedFileName(std::string_view slabName, std::string_view extension);

// What the window's status bar says for 5 s after a file was written: "Arquivo gravado: L7.dxf".
std::string savedFileMessage(const std::filesystem::path& file);
inline constexpr int savedFileMessageMilliseconds = 5000;

// The recent-files list after `path` was opened or saved: newest first, no repeats, at most
// maxRecentFiles entries.
inline constexpr std::size_t maxRecentFiles = 4;
std::vector<std::string> withRecentFile(std::vector<std::string> list, const std::string& path);

} // namespace lajes
