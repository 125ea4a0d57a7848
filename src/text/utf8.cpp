#include "text/utf8.h"

namespace lajes {

namespace {

constexpr std::string_view replacement = "\xEF\xBF\xBD"; // U+FFFD

// The length of the well-formed sequence at `i` (RFC 3629), or 0.
std::size_t sequenceLength(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0; // overlong
        if (lead == 0xED)
            high = 0x9F; // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90; // overlong
        if (lead == 0xF4)
            high = 0x8F; // above U+10FFFF
    } else {
        return 0;
    }
    if (i + length > text.size())
        return 0;
    if (byte(i + 1) < low || byte(i + 1) > high)
        return 0;
    for (std::size_t k = 2; k < length; ++k)
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
    return length;
}

} // namespace

bool isControl(std::string_view character) {
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(character[at]); };
    if (character.size() == 1)
        return byte(0) < 0x20 || byte(0) == 0x7F;                       // C0 and DEL
    return character.size() == 2 && byte(0) == 0xC2 && byte(1) <= 0x9F; // C1: U+0080..U+009F
}

std::string validUtf8(std::string_view text, std::size_t maxCharacters) {
    std::string result;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size() && characters < maxCharacters; ++characters) {
        const std::size_t length = sequenceLength(text, i);
        if (length == 0 || isControl(text.substr(i, length))) {
            result += replacement;
            ++i;
        } else {
            result.append(text.substr(i, length));
            i += length;
        }
    }
    return result;
}

} // namespace lajes
