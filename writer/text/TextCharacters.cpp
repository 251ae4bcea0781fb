#include "writer/text/TextCharacters.h"

#include <cstddef>

namespace quillot {

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the sequence a lead byte announces, 0 for a byte that cannot
// lead one.
std::size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// The character of a complete sequence, or 0 when it is overlong, a
// surrogate or beyond the Unicode range.
char32_t Decode(std::string_view sequence) {
    const auto lead = static_cast<unsigned char>(sequence[0]);
    char32_t character = lead & (0x7F >> sequence.size());
    for (std::size_t index = 1; index < sequence.size(); ++index) {
        const auto byte = static_cast<unsigned char>(sequence[index]);
        if (!IsContinuation(byte)) {
            return 0;
        }
        character = (character << 6) | (byte & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool wellFormed = character >= kSmallest[sequence.size()] && character <= 0x10FFFF &&
                            (character < 0xD800 || character > 0xDFFF);
    return wellFormed ? character : 0;
}

} // namespace

std::vector<char32_t> TextCharacters(std::string_view text) {
    std::vector<char32_t> characters;
    std::size_t position = 0;
    while (position < text.size()) {
        const auto lead = static_cast<unsigned char>(text[position]);
        const std::size_t length = SequenceLength(lead);
        const char32_t decoded = length > 0 && position + length <= text.size()
                                     ? Decode(text.substr(position, length))
                                     : 0;
        if (lead < 0x80 || decoded == 0) {
            characters.push_back(lead);
            ++position;
        } else {
            characters.push_back(decoded);
            position += length;
        }
    }
    return characters;
}

} // namespace quillot
