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
    if (!hasFile() && !modified_)
        return std::string(caption);
    // The results screen's caption ends with a blank; the separator brings its own.
    while (!caption.empty() && caption.back() == ' ')
        caption.remove_suffix(1);
    const std::string name = hasFile() ? path_.filename().string() : std::string("Sem título");
    return std::string(caption) + " — " + name + (modified_ ? " *" : "");
}

std::string SlabDocument::saveQuestion() const {
    if (!hasFile())
        return "Salvar as alterações da laje?";
    return "Salvar as alterações de " + path_.filename().string() + "?";
}

bool sameDesignSettings(const Settings& a, const Settings& b) {
    return a.wallWidth == b.wallWidth && a.cover == b.cover && a.phiInfinity == b.phiInfinity;
}

namespace {

std::string designSettingsText(const Settings& settings, char separator) {
    return "parede " + formatFixed(settings.wallWidth * 100.0, 2, separator) + " cm, cobrimento " +
           formatFixed(settings.cover, 2, separator) + " cm, φ∞ " +
           formatFixed(settings.phiInfinity, 2, separator);
}

} // namespace

std::string settingsQuestion(const Settings& fromFile, const Settings& inForce,
                             char decimalSeparator, DocumentKind kind) {
    return std::string(kind == DocumentKind::Floor ? "Este pavimento foi calculado"
                                                   : "Esta laje foi calculada") +
           " com outras configurações.\n\nNo arquivo: " +
           designSettingsText(fromFile, decimalSeparator) +
           ".\nNo programa: " + designSettingsText(inForce, decimalSeparator) +
           ".\n\nUsar as configurações do arquivo? Com \"Sim\", as configurações do programa "
           "passam a ser as do arquivo e ficam gravadas em Quenvor.cfg na saída.";
}

std::string suggestedFileName(std::string_view slabName, std::string_view extension) {
    std::string name(slabName);
    while (!name.empty() && (name.back() == ' ' || name.back() == '.'))
        name.pop_back();
    while (!name.empty() && name.front() == ' ')
        name.erase(name.begin());
    for (char& c : name)
        if (std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos ||
            static_cast<unsigned char>(c) < 0x20)
            c = '_';
    if (name.empty())
        name = "Laje";
    return name + "." + std::string(extension);
}

std::string savedFileMessage(const std::filesystem::path& file) {
    return "Arquivo gravado: " + file.filename().string();
}

std::vector<std::string> withRecentFile(std::vector<std::string> list, const std::string& path) {
    std::erase(list, path);
    list.insert(list.begin(), path);
    if (list.size() > maxRecentFiles)
        list.resize(maxRecentFiles);
    return list;
}

} // namespace lajes
