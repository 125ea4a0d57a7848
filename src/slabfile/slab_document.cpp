#include "slabfile/slab_document.h"

#include <algorithm>

#include "text/number_text.h"

namespace lajes {

void SlabDocument::opened(const std::filesystem::path& path) {
    path_ = path;
    modified_ = false;
}

void SlabDocument::closed() {
    path_.clear();
    modified_ = false;
}

std::string SlabDocument::title(std::string_view caption) const {
    if (!hasFile())
        return std::string(caption);
    // The results screen's caption ends with a blank; the separator brings its own.
    while (!caption.empty() && caption.back() == ' ')
        caption.remove_suffix(1);
    return std::string(caption) + " — " + path_.filename().string() + (modified_ ? " *" : "");
}

std::string SlabDocument::saveQuestion() const {
    return "Salvar as alterações de " + path_.filename().string() + "?";
}

bool sameDesignSettings(const Settings& a, const Settings& b) {
    return a.wallWidth == b.wallWidth && a.cover == b.cover && a.phiInfinity == b.phiInfinity;
}

std::string saveFailureMessage(const std::filesystem::path& file, const std::string& error) {
    return "Não foi possível gravar \"" + file.filename().string() + "\":\n" + error;
}

std::string settingsQuestion(const Settings& fromFile, char decimalSeparator, DocumentKind kind) {
    return std::string(kind == DocumentKind::Floor ? "Este pavimento foi calculado"
                                                   : "Esta laje foi calculada") +
           " com outras configurações (parede " +
           formatFixed(fromFile.wallWidth * 100.0, 2, decimalSeparator) + " cm, cobrimento " +
           formatFixed(fromFile.cover, 2, decimalSeparator) + " cm, φ∞ " +
           formatFixed(fromFile.phiInfinity, 2, decimalSeparator) +
           "). Usar as configurações do arquivo?";
}

std::vector<std::string> withRecentFile(std::vector<std::string> list, const std::string& path) {
    std::erase(list, path);
    list.insert(list.begin(), path);
    if (list.size() > maxRecentFiles)
        list.resize(maxRecentFiles);
    return list;
}

} // namespace lajes
