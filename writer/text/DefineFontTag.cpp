#include "writer/text/DefineFontTag.h"

namespace quillot {

namespace {
constexpr int kDefineFontCode = 10;
}

DefineFontTag::DefineFontTag(std::uint16_t fontId, std::vector<std::vector<std::uint8_t>> glyphShapes)
    : m_fontId(fontId), m_glyphShapes(std::move(glyphShapes)) {}

void DefineFontTag::Write(TagBuffer& out) const {
    TagBuffer body;
    body.WriteU16(m_fontId);
    std::size_t offset = 2 * m_glyphShapes.size();
    for (const auto& shape : m_glyphShapes) {
        body.WriteU16(static_cast<std::uint16_t>(offset));
        offset += shape.size();
    }
    for (const auto& shape : m_glyphShapes) {
        body.WriteBytes(shape.data(), shape.size());
    }
    WriteTag(out, kDefineFontCode, body);
}

} // namespace quillot
