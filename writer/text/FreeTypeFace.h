#pragma once

#include <memory>

#include "writer/text/CharacterOutline.h"
#include "writer/text/FaceResolver.h"

struct FT_FaceRec_;
struct FT_LibraryRec_;

namespace quillot {

// One open font face, sized to a cell height (ascender plus descender) of
// 1024 units: the size a positive font height of 1024 asks for on the system
// the cards were first made on, so that one glyph unit is one twip at the
// text's native height.
class FreeTypeFace {
public:
    static constexpr int kCellHeight = 1024;

    // The face, or none when the file cannot be opened or scaled.
    static std::unique_ptr<FreeTypeFace> Open(FT_LibraryRec_* library, const FaceLocation& location);
    ~FreeTypeFace();
    FreeTypeFace(const FreeTypeFace&) = delete;
    FreeTypeFace& operator=(const FreeTypeFace&) = delete;

    bool HasCharacter(char32_t character) const;
    // The unhinted outline and the advance width of the character (the
    // face's replacement glyph when it lacks the character).
    CharacterOutline Outline(char32_t character) const;

private:
    explicit FreeTypeFace(FT_FaceRec_* face) : m_face(face) {}

    FT_FaceRec_* m_face;
};

} // namespace quillot
