#include "dxf/dxf_file.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <utility>

#include "io/file_messages.h"
#include "io/file_writer.h"
#include "text/number_text.h"

namespace lajes {

namespace {

// Values of the fixed part that come from the settings.
enum class Slot { none, lineTypeScale, textColour, slabColour, posBarColour, negBarColour };

struct FixedPair {
    std::string_view code;
    std::string_view value;
    Slot slot = Slot::none;
};

// HEADER, TABLES and the opening of ENTITIES, 84 pairs. The code lines are literals: three
// characters here, two characters for the last two pairs, as CAD programs of the time wrote
// them.
constexpr std::array<FixedPair, 84> fixedPart{{
    {"  0", "SECTION"},
    {"  2", "HEADER"},
    {"  9", "$INSBASE"},
    {" 10", "0.0"},
    {" 20", "0.0"},
    {"  9", "$LTSCALE"},
    {" 40", "", Slot::lineTypeScale},
    {"  9", "$CELTYPE"},
    {"  6", "BYLAYER"},
    {"  9", "$CECOLOR"},
    {" 62", "   256"},
    {"  0", "ENDSEC"},
    {"  0", "SECTION"},
    {"  2", "TABLES"},
    {"  0", "TABLE"},
    {"  2", "LTYPE"},
    {" 70", "     2"},
    {"  0", "LTYPE"},
    {"  2", "CONTINUOUS"},
    {" 70", "    64"},
    {"  3", "Solid line"},
    {" 72", "    65"},
    {" 73", "     0"},
    {" 40", "0.0"},
    {"  0", "LTYPE"},
    {"  2", "Dashed"},
    {" 70", "    64"},
    {"  3", "Dashed __ __ __ __ __ __ __ __ __ __ __ __ __ _"},
    {" 72", "    65"},
    {" 73", "     2"},
    {" 40", "0.75"},
    {" 49", "0.5"},
    {" 49", "-0.25"},
    {"  0", "ENDTAB"},
    {"  0", "TABLE"},
    {"  2", "LAYER"},
    {" 70", "     5"},
    {"  0", "LAYER"},
    {"  2", "0"},
    {" 70", "     0"},
    {" 62", "  7"},
    {"  6", "CONTINUOUS"},
    {"  0", "LAYER"},
    {"  2", "Texto"},
    {" 70", "     0"},
    {" 62", "", Slot::textColour},
    {"  6", "CONTINUOUS"},
    {"  0", "LAYER"},
    {"  2", "Laje"},
    {" 70", "     0"},
    {" 62", "", Slot::slabColour},
    {"  6", "CONTINUOUS"},
    {"  0", "LAYER"},
    {"  2", "Ferr-pos"},
    {" 70", "     0"},
    {" 62", "", Slot::posBarColour},
    {"  6", "CONTINUOUS"},
    {"  0", "LAYER"},
    {"  2", "Ferr-Neg"},
    {" 70", "     0"},
    {" 62", "", Slot::negBarColour},
    {"  6", "Dashed"},
    {"  0", "ENDTAB"},
    {"  0", "TABLE"},
    {"  2", "STYLE"},
    {" 70", "     2"}, // declares two entries and holds one, as the original files do
    {"  0", "STYLE"},
    {"  2", "STANDARD"},
    {" 70", "     0"},
    {" 40", "0.0"},
    {" 41", "1.0"},
    {" 50", "0.0"},
    {" 71", "     0"},
    {" 42", "1.50"},
    {"  3", "txt"},
    {"  4", "   "},
    {"  0", "ENDTAB"},
    {"  0", "TABLE"},
    {"  2", "VIEW"},
    {" 70", "     0"},
    {"  0", "ENDTAB"},
    {"  0", "ENDSEC"},
    {" 0", "SECTION"},
    {" 2", "ENTITIES"},
}};

std::string_view layerName(DxfLayer layer) {
    switch (layer) {
    case DxfLayer::Laje:
        return "Laje";
    case DxfLayer::FerrPos:
        return "Ferr-Pos";
    case DxfLayer::FerrNeg:
        return "Ferr-Neg";
    case DxfLayer::Texto:
        return "Texto";
    }
    return "Laje";
}

// Windows-1252 bytes 0x80..0x9F and the characters they stand for; 0x81, 0x8D, 0x8F, 0x90
// and 0x9D are unassigned.
constexpr std::array<std::pair<char32_t, unsigned char>, 27> cp1252High{{
    {U'\u20AC', 0x80}, {U'\u201A', 0x82}, {U'\u0192', 0x83}, {U'\u201E', 0x84}, {U'\u2026', 0x85},
    {U'\u2020', 0x86}, {U'\u2021', 0x87}, {U'\u02C6', 0x88}, {U'\u2030', 0x89}, {U'\u0160', 0x8A},
    {U'\u2039', 0x8B}, {U'\u0152', 0x8C}, {U'\u017D', 0x8E}, {U'\u2018', 0x91}, {U'\u2019', 0x92},
    {U'\u201C', 0x93}, {U'\u201D', 0x94}, {U'\u2022', 0x95}, {U'\u2013', 0x96}, {U'\u2014', 0x97},
    {U'\u02DC', 0x98}, {U'\u2122', 0x99}, {U'\u0161', 0x9A}, {U'\u203A', 0x9B}, {U'\u0153', 0x9C},
    {U'\u017E', 0x9E}, {U'\u0178', 0x9F},
}};

char cp1252Byte(char32_t c) {
    // Line breaks would split a group pair; NUL, ^Z, ESC and the other control characters
    // end or garble the text in a reader.
    if (c < 0x20 || c == 0x7F)
        return '?';
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(static_cast<unsigned char>(c));
    for (const auto& [character, byte] : cp1252High)
        if (character == c)
            return static_cast<char>(byte);
    return '?';
}

// Decodes one UTF-8 sequence at `i`; returns the character and advances `i`, or returns
// nothing and advances `i` past one byte when the sequence is malformed (overlong forms,
// surrogates and values above U+10FFFF included).
std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    int length = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        c = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        c = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        c = lead & 0x07;
        minimum = 0x10000;
    } else {
        ++i;
        return std::nullopt;
    }
    if (i + static_cast<std::size_t>(length) > text.size()) {
        ++i;
        return std::nullopt;
    }
    for (int k = 1; k < length; ++k) {
        const unsigned char next = byte(i + static_cast<std::size_t>(k));
        if ((next & 0xC0) != 0x80) {
            ++i;
            return std::nullopt;
        }
        c = (c << 6) | (next & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++i;
        return std::nullopt;
    }
    i += static_cast<std::size_t>(length);
    return c;
}

// The program's one file writer behind the drawing's output interface.
class ReplacingFile final : public DxfOutput {
public:
    explicit ReplacingFile(FileWriter writer) : writer_(std::move(writer)) {}

    std::optional<std::string> append(std::string_view bytes) override {
        return writer_.append(bytes);
    }
    std::optional<std::string> commit() override { return writer_.commit(); }

private:
    FileWriter writer_;
};

} // namespace

std::variant<std::unique_ptr<DxfOutput>, std::string>
openReplacingFile(const std::filesystem::path& target, WriteTarget accepted) {
    auto opened = FileWriter::open(target, accepted);
    if (auto* message = std::get_if<std::string>(&opened))
        return std::move(*message);
    return std::make_unique<ReplacingFile>(std::move(std::get<FileWriter>(opened)));
}

std::string toWindows1252(std::string_view utf8) {
    std::string bytes;
    bytes.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::optional<char32_t> c = decodeUtf8(utf8, i);
        bytes += c ? cp1252Byte(*c) : '?';
    }
    return bytes;
}

DxfFile::DxfFile(std::unique_ptr<DxfOutput> output) : output_(std::move(output)) {}

std::optional<std::string> DxfFile::create(const std::filesystem::path& path,
                                           WriteTarget accepted) {
    auto opened = openReplacingFile(path, accepted);
    if (auto* message = std::get_if<std::string>(&opened)) {
        fail(std::move(*message));
        return error_;
    }
    output_ = std::move(std::get<std::unique_ptr<DxfOutput>>(opened));
    error_.reset();
    finished_ = false;
    return std::nullopt;
}

void DxfFile::fail(std::string message) {
    if (!error_)
        error_ = std::move(message);
    output_.reset(); // an unfinished output removes its temporary file
}

void DxfFile::pair(std::string_view code, std::string_view value) {
    if (error_)
        return;
    if (!output_ || finished_) {
        fail(errorReason(EBADF));
        return;
    }
    std::string lines;
    lines.reserve(code.size() + value.size() + 4);
    lines.append(code).append("\r\n").append(value).append("\r\n");
    if (auto message = output_->append(lines))
        fail(std::move(*message));
}

void DxfFile::writeHeaderAndTables(const Settings& settings) {
    for (const FixedPair& fixed : fixedPart) {
        switch (fixed.slot) {
        case Slot::none:
            pair(fixed.code, fixed.value);
            break;
        case Slot::lineTypeScale:
            // Stretches the 0.5/0.25 dash pattern of "Dashed" with the drawing scale.
            pair(fixed.code, formatFixedReal(settings.scaleFactor * 0.05 * 2));
            break;
        case Slot::textColour:
            pair(fixed.code, " " + toWindows1252(settings.textLayerColour));
            break;
        case Slot::slabColour:
            pair(fixed.code, " " + toWindows1252(settings.slabLayerColour));
            break;
        case Slot::posBarColour:
            pair(fixed.code, " " + toWindows1252(settings.posBarLayerColour));
            break;
        case Slot::negBarColour:
            pair(fixed.code, " " + toWindows1252(settings.negBarLayerColour));
            break;
        }
    }
}

void DxfFile::writeText(double x, double y, DxfTextHeight height, bool rotated,
                        std::string_view text) {
    pair(" 0", "TEXT");
    pair("  8", "Texto");
    pair(" 10", formatFixedReal(x));
    pair(" 20", formatFixedReal(y));
    pair(" 40", height == DxfTextHeight::Name ? "5.0" : "2.5");
    if (rotated)
        pair(" 50", "90");
    pair("1", toWindows1252(text));
}

void DxfFile::writeLine(DxfLayer layer, double x1, double y1, double x2, double y2) {
    pair(" 0", "LINE");
    pair("  8", layerName(layer));
    pair(" 10", formatFixedReal(x1));
    pair(" 20", formatFixedReal(y1));
    pair(" 11", formatFixedReal(x2));
    pair(" 21", formatFixedReal(y2));
}

std::optional<std::string> DxfFile::finish() {
    pair(" 0", "ENDSEC");
    pair(" 0", "EOF");
    if (error_)
        return error_;
    finished_ = true;
    if (auto message = output_->commit()) {
        fail(std::move(*message));
        return error_;
    }
    output_.reset();
    return std::nullopt;
}

} // namespace lajes
