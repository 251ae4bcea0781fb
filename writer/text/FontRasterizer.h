#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

#include "writer/text/CharacterOutline.h"
#include "writer/text/FaceResolver.h"

struct FT_LibraryRec_;

namespace quillot {

class FreeTypeFace;

// The system's font rasteriser as the writer sees it: character outlines and
// advances of a named face at a cell height of 1024 units. Characters the
// face lacks come from an installed font that has them, as desktop text
// rendering does.
//
// Outlines are built on every edit of a card, so open faces and decomposed
// outlines are kept per face name and character; a cached outline is the
// same value a fresh request gives. Like the rest of the writer, it is used
// from one thread at a time.
class FontRasterizer {
public:
    static FontRasterizer& Instance();

    FontRasterizer();
    ~FontRasterizer();
    FontRasterizer(const FontRasterizer&) = delete;
    FontRasterizer& operator=(const FontRasterizer&) = delete;

    // Stays valid until ClearCache.
    const CharacterOutline& Outline(const std::string& faceName, char32_t character);
    // Closes every face and forgets every outline.
    void ClearCache();

private:
    struct NamedFace {
        FreeTypeFace* face = nullptr; // none when no font could be opened
        std::unordered_map<char32_t, CharacterOutline> outlines;
    };

    NamedFace& FaceNamed(const std::string& faceName);
    CharacterOutline Load(const NamedFace& named, const std::string& faceName, char32_t character);
    FreeTypeFace* OpenFace(const std::optional<FaceLocation>& location);

    FT_LibraryRec_* m_library = nullptr;
    FaceResolver m_resolver;
    std::map<FaceLocation, std::unique_ptr<FreeTypeFace>> m_openFaces;
    std::unordered_map<std::string, NamedFace> m_namedFaces;
};

} // namespace quillot
