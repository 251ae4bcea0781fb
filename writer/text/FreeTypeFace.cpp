#include "writer/text/FreeTypeFace.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include "writer/text/FreeTypeContours.h"

namespace quillot {

std::unique_ptr<FreeTypeFace> FreeTypeFace::Open(FT_Library library, const FaceLocation& location) {
    FT_Face face = nullptr;
    if (FT_New_Face(library, location.file.c_str(), location.index, &face) != 0) {
        return nullptr;
    }
    std::unique_ptr<FreeTypeFace> opened(new FreeTypeFace(face));
    // With no resolution given, the height is in (26.6) units; a width of 0
    // keeps the glyphs' proportions.
    FT_Size_RequestRec request{FT_SIZE_REQUEST_TYPE_CELL, 0, kCellHeight * 64, 0, 0};
    if (FT_Request_Size(face, &request) != 0) {
        return nullptr;
    }
    return opened;
}

FreeTypeFace::~FreeTypeFace() { FT_Done_Face(m_face); }

bool FreeTypeFace::HasCharacter(char32_t character) const {
    return FT_Get_Char_Index(m_face, character) != 0;
}

CharacterOutline FreeTypeFace::Outline(char32_t character) const {
    CharacterOutline outline;
    const FT_UInt glyphIndex = FT_Get_Char_Index(m_face, character);
    if (FT_Load_Glyph(m_face, glyphIndex, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0 ||
        m_face->glyph->format != FT_GLYPH_FORMAT_OUTLINE) {
        return outline;
    }
    outline.available = true;
    // The linear advance is 16.16 and free of any grid fitting.
    outline.advance = static_cast<std::int32_t>((m_face->glyph->linearHoriAdvance + 0x8000) >> 16);
    outline.contours = ContoursOf(m_face->glyph->outline);
    return outline;
}

} // namespace quillot
