#pragma once

// UTF-8 checking for texts that come from outside (a line of a batch file, a file name) and
// go into a message or a JSON string, which must be valid UTF-8.

#include <cstddef>
#include <string>
#include <string_view>

namespace lajes {

// `text` as valid UTF-8 of at most `maxCharacters` characters: each byte of a malformed
// sequence (a lone continuation byte, an overlong form, a surrogate, a cut-off sequence)
// becomes U+FFFD, and control characters (C0 below U+0020, DEL, C1 U+0080..U+009F) become
// U+FFFD too, so that the text stays on one line and sends no command to a terminal.
std::string validUtf8(std::string_view text, std::size_t maxCharacters);

// Whether one well-formed UTF-8 character is a control character: C0, DEL or C1.
bool isControl(std::string_view character);

} // namespace lajes
