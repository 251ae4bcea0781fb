#include "writer/text/DefineText2Tag.h"

#include <algorithm>

#include "writer/movie/CharacterIds.h"

namespace quillot {

namespace {

constexpr int kDefineText2Code = 33;
// Style record: type 1, three reserved bits, HasFont, HasColor, no offsets.
constexpr std::uint8_t kStyleWithFontAndColor = 0x8C;
constexpr std::uint16_t kTextHeight = 1024;
// A glyph record states its glyph count in 7 bits.
constexpr std::size_t kMaxGlyphsPerRecord = 127;
constexpr std::uint8_t kEndOfRecords = 0;

} // namespace

DefineText2Tag::DefineText2Tag(const SwfRect& bounds, std::uint16_t fontId, PackedRgba color,
                               std::vector<GlyphEntry> glyphs)
    : m_characterId(NextCharacterId()), m_bounds(bounds), m_fontId(fontId), m_color(color),
      m_glyphs(std::move(glyphs)) {}

void DefineText2Tag::Write(TagBuffer& out) const {
    std::uint32_t largestIndex = 0;
    int advanceBits = 1;
    for (const GlyphEntry& glyph : m_glyphs) {
        largestIndex = std::max(largestIndex, glyph.index);
        advanceBits = std::max(advanceBits, SignedBitsFor({glyph.advance}));
    }
    const int glyphBits = SignificantBits(largestIndex) + 1;

    TagBuffer body;
    body.WriteU16(m_characterId);
    WriteRect(body, m_bounds);
    WriteMatrix(body, SwfMatrix{});
    body.WriteU8(static_cast<std::uint8_t>(glyphBits));
    body.WriteU8(static_cast<std::uint8_t>(advanceBits));
    body.WriteU8(kStyleWithFontAndColor);
    body.WriteU16(m_fontId);
    WriteRgba(body, m_color);
    body.WriteU16(kTextHeight);
    WriteGlyphRecords(body, glyphBits, advanceBits);
    body.WriteU8(kEndOfRecords);
    WriteTag(out, kDefineText2Code, body);
}

// More glyphs than one record can count go into several records in a row;
// the pen runs on from one to the next. A text without glyphs gets no glyph
// record at all, since a record counting 0 glyphs would read as the end.
void DefineText2Tag::WriteGlyphRecords(TagBuffer& body, int glyphBits, int advanceBits) const {
    for (std::size_t first = 0; first < m_glyphs.size(); first += kMaxGlyphsPerRecord) {
        const std::size_t count = std::min(kMaxGlyphsPerRecord, m_glyphs.size() - first);
        body.WriteBits(0, 1); // glyph record
        body.WriteBits(static_cast<std::uint32_t>(count), 7);
        for (std::size_t index = first; index < first + count; ++index) {
            body.WriteBits(m_glyphs[index].index, glyphBits);
            body.WriteSignedBits(m_glyphs[index].advance, advanceBits);
        }
        body.Align();
    }
}

} // namespace quillot
