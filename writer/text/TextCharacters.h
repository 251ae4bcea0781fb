#pragma once

#include <string_view>
#include <vector>

namespace quillot {

// The characters of a UTF-8 string. A multi-byte character is one character,
// as a double-byte character was on systems with an 8-bit code page. A byte
// that does not begin a well-formed sequence stands for itself as a Latin-1
// character (0x80 to 0xFF), so that no byte of a text is lost.
std::vector<char32_t> TextCharacters(std::string_view text);

} // namespace quillot
