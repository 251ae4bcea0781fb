#pragma once

#include <memory>

#include "writer/objects/WriterObject.h"
#include "writer/text/EmbeddedFont.h"

namespace quillot {

// The internal object of a font: it collects glyphs and, when added to a
// frame, defines the font once. A font is never placed.
class FontObject : public WriterObject {
public:
    explicit FontObject(std::shared_ptr<EmbeddedFont> font) : m_font(std::move(font)) {}

    void AddToFrame(Frame& frame) override;

    EmbeddedFont& Font() const { return *m_font; }
    // For texts, which keep the font alive as long as they need it.
    const std::shared_ptr<EmbeddedFont>& SharedFont() const { return m_font; }

private:
    std::shared_ptr<EmbeddedFont> m_font;
};

} // namespace quillot
