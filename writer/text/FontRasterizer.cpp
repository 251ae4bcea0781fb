#include "writer/text/FontRasterizer.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include "writer/text/FreeTypeFace.h"

namespace quillot {

FontRasterizer& FontRasterizer::Instance() {
    static FontRasterizer rasterizer;
    return rasterizer;
}

FontRasterizer::FontRasterizer() {
    if (FT_Init_FreeType(&m_library) != 0) {
        m_library = nullptr;
    }
}

FontRasterizer::~FontRasterizer() {
    ClearCache();
    if (m_library != nullptr) {
        FT_Done_FreeType(m_library);
    }
}

void FontRasterizer::ClearCache() {
    m_namedFaces.clear();
    m_openFaces.clear();
}

const CharacterOutline& FontRasterizer::Outline(const std::string& faceName, char32_t character) {
    NamedFace& named = FaceNamed(faceName);
    auto found = named.outlines.find(character);
    if (found == named.outlines.end()) {
        found = named.outlines.emplace(character, Load(named, faceName, character)).first;
    }
    return found->second;
}

FontRasterizer::NamedFace& FontRasterizer::FaceNamed(const std::string& faceName) {
    auto found = m_namedFaces.find(faceName);
    if (found == m_namedFaces.end()) {
        NamedFace named;
        named.face = OpenFace(m_resolver.Resolve(faceName));
        found = m_namedFaces.emplace(faceName, std::move(named)).first;
    }
    return found->second;
}

CharacterOutline FontRasterizer::Load(const NamedFace& named, const std::string& faceName,
                                      char32_t character) {
    if (named.face == nullptr) {
        return {};
    }
    if (!named.face->HasCharacter(character)) {
        FreeTypeFace* covering = OpenFace(m_resolver.ResolveCovering(faceName, character));
        if (covering != nullptr && covering->HasCharacter(character)) {
            return covering->Outline(character);
        }
    }
    return named.face->Outline(character);
}

FreeTypeFace* FontRasterizer::OpenFace(const std::optional<FaceLocation>& location) {
    if (!location || m_library == nullptr) {
        return nullptr;
    }
    auto found = m_openFaces.find(*location);
    if (found == m_openFaces.end()) {
        found = m_openFaces.emplace(*location, FreeTypeFace::Open(m_library, *location)).first;
    }
    return found->second.get();
}

} // namespace quillot
