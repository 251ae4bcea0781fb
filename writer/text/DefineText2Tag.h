#pragma once

#include <cstdint>
#include <vector>

#include "writer/movie/Records.h"
#include "writer/movie/TagRecord.h"

namespace quillot {

// DefineText2: one style record (font, RGBA colour, height 1024) and the
// glyphs of the text, each a glyph index into the font and an advance. It
// takes the next character identifier when it is constructed.
class DefineText2Tag : public TagRecord {
public:
    struct GlyphEntry {
        std::uint32_t index;
        std::int32_t advance;
    };

    DefineText2Tag(const SwfRect& bounds, std::uint16_t fontId, PackedRgba color,
                   std::vector<GlyphEntry> glyphs);

    void Write(TagBuffer& out) const override;
    std::uint16_t CharacterId() const override { return m_characterId; }

private:
    void WriteGlyphRecords(TagBuffer& body, int glyphBits, int advanceBits) const;

    std::uint16_t m_characterId;
    SwfRect m_bounds;
    std::uint16_t m_fontId;
    PackedRgba m_color;
    std::vector<GlyphEntry> m_glyphs;
};

} // namespace quillot
