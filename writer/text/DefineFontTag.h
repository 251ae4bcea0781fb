#pragma once

#include <cstdint>
#include <vector>

#include "writer/movie/TagRecord.h"

namespace quillot {

// DefineFont: the glyph shapes of a font behind a table of 16-bit offsets,
// each measured from the start of the table. The shapes come encoded (fill
// and line bit counts, records, end record).
class DefineFontTag : public TagRecord {
public:
    // The offset table must fit: the caller keeps every offset below 65536.
    DefineFontTag(std::uint16_t fontId, std::vector<std::vector<std::uint8_t>> glyphShapes);

    void Write(TagBuffer& out) const override;
    std::uint16_t CharacterId() const override { return m_fontId; }

private:
    std::uint16_t m_fontId;
    std::vector<std::vector<std::uint8_t>> m_glyphShapes;
};

} // namespace quillot
