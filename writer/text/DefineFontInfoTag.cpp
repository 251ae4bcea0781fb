#include "writer/text/DefineFontInfoTag.h"

#include "writer/movie/CharacterIds.h"

namespace quillot {

namespace {
constexpr int kDefineFontInfoCode = 13;
// Reserved bits, small text, ShiftJIS, ANSI, italic, bold, wide codes: only
// the ShiftJIS bit is set, as in the movies cards have always had.
constexpr std::uint8_t kFontInfoFlags = 0x10;
} // namespace

DefineFontInfoTag::DefineFontInfoTag(std::uint16_t fontId, std::string faceName,
                                     std::vector<std::int32_t> codes)
    : m_fontId(fontId), m_faceName(std::move(faceName)), m_codes(std::move(codes)) {
    // The tag refers to its font's identifier, yet it takes one of its own
    // from the counter, which it never writes. Drawing it keeps the
    // identifiers of every later character the same as in earlier movies.
    NextCharacterId();
}

void DefineFontInfoTag::Write(TagBuffer& out) const {
    TagBuffer body;
    body.WriteU16(m_fontId);
    body.WriteU8(static_cast<std::uint8_t>(m_faceName.size()));
    body.WriteBytes(m_faceName.data(), m_faceName.size());
    body.WriteU8(kFontInfoFlags);
    for (std::int32_t code : m_codes) {
        body.WriteU8(static_cast<std::uint8_t>(code));
    }
    WriteTag(out, kDefineFontInfoCode, body);
}

} // namespace quillot
