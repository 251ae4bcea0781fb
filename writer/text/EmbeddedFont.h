#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "writer/movie/CharacterIds.h"
#include "writer/movie/Frame.h"
#include "writer/shapes/ShapeRecords.h"

namespace quillot {

// A font as it goes into the movie: a face name and the glyphs added to it,
// each an outline shape with a character code and an advance. Its identifier
// is drawn when it is created. It is shared by its font object and the texts
// made with it, so a text keeps its font however long the font object lives.
class EmbeddedFont {
public:
    // The longest face name the font information can hold.
    static constexpr std::size_t kMaxFaceNameBytes = 255;

    // Precondition: the name is at most kMaxFaceNameBytes long.
    explicit EmbeddedFont(std::string faceName);

    // Adds a glyph whose shape selects fill style 1 and no line style. Returns
    // false, adding nothing, when the font's offset table could no longer
    // address it (16-bit offsets).
    bool AddGlyph(const std::vector<ShapeRecord>& shape, std::int32_t code, std::int32_t advance);
    // The index of the first glyph with the code, or -1.
    int Find(std::int32_t code) const;
    std::int32_t Advance(int index) const { return m_glyphs[static_cast<std::size_t>(index)].advance; }
    std::size_t GlyphCount() const { return m_glyphs.size(); }
    std::uint16_t CharacterId() const { return m_characterId.Value(); }

    // Appends DefineFont and DefineFontInfo the first time in each movie;
    // glyphs added later in the same movie are not written.
    void AddToFrame(Frame& frame);

private:
    struct Glyph {
        std::vector<std::uint8_t> shape;
        std::int32_t code;
        std::int32_t advance;
    };

    std::string m_faceName;
    MovieCharacterId m_characterId;
    std::vector<Glyph> m_glyphs;
    std::size_t m_shapeBytes = 0;
    std::optional<std::uint32_t> m_definedInMovie;
};

} // namespace quillot
