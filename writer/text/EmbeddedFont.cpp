#include "writer/text/EmbeddedFont.h"

#include "writer/movie/CharacterIds.h"
#include "writer/text/DefineFontInfoTag.h"
#include "writer/text/DefineFontTag.h"

namespace quillot {

namespace {

constexpr std::size_t kLargestOffset = 0xFFFF;

// A glyph shape has one fill style and no line style.
std::vector<std::uint8_t> EncodeGlyphShape(const std::vector<ShapeRecord>& shape) {
    TagBuffer buffer;
    buffer.WriteBits(1, 4); // NumFillBits
    buffer.WriteBits(0, 4); // NumLineBits
    WriteShapeRecords(buffer, shape, 1, 0);
    return buffer.Bytes();
}

} // namespace

EmbeddedFont::EmbeddedFont(std::string faceName)
    : m_faceName(std::move(faceName)) {}

bool EmbeddedFont::AddGlyph(const std::vector<ShapeRecord>& shape, std::int32_t code,
                            std::int32_t advance) {
    std::vector<std::uint8_t> encoded = EncodeGlyphShape(shape);
    // The new glyph starts after the grown offset table and every shape so far.
    const std::size_t newOffset = 2 * (m_glyphs.size() + 1) + m_shapeBytes;
    if (newOffset > kLargestOffset) {
        return false;
    }
    m_shapeBytes += encoded.size();
    m_glyphs.push_back({std::move(encoded), code, advance});
    return true;
}

int EmbeddedFont::Find(std::int32_t code) const {
    for (std::size_t index = 0; index < m_glyphs.size(); ++index) {
        if (m_glyphs[index].code == code) {
            return static_cast<int>(index);
        }
    }
    return -1;
}

void EmbeddedFont::AddToFrame(Frame& frame) {
    if (m_definedInMovie == CurrentMovieSerial()) {
        return;
    }
    // The identifier drawn when the font was made belongs to that movie; a
    // later movie numbers its characters anew.
    if (!m_characterId.IsCurrent()) {
        m_characterId = MovieCharacterId();
    }
    std::vector<std::vector<std::uint8_t>> shapes;
    std::vector<std::int32_t> codes;
    for (const Glyph& glyph : m_glyphs) {
        shapes.push_back(glyph.shape);
        codes.push_back(glyph.code);
    }
    frame.Append(std::make_unique<DefineFontTag>(CharacterId(), std::move(shapes)));
    frame.Append(std::make_unique<DefineFontInfoTag>(CharacterId(), m_faceName, std::move(codes)));
    m_definedInMovie = CurrentMovieSerial();
}

} // namespace quillot
