#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "writer/movie/TagRecord.h"

namespace quillot {

// DefineFontInfo: the face name of a font and one 8-bit code per glyph, in
// glyph order (the low 8 bits of each glyph's code).
class DefineFontInfoTag : public TagRecord {
public:
    // The name must be at most 255 bytes long.
    DefineFontInfoTag(std::uint16_t fontId, std::string faceName, std::vector<std::int32_t> codes);

    void Write(TagBuffer& out) const override;

private:
    std::uint16_t m_fontId;
    std::string m_faceName;
    std::vector<std::int32_t> m_codes;
};

} // namespace quillot
