#include "writer/text/TextObject.h"

#include "writer/text/DefineText2Tag.h"

namespace quillot {

namespace {

constexpr std::int32_t kTextTop = -100;
constexpr std::int32_t kTextBottom = 924;

// Each byte of the text is a character code as a signed 8-bit value, so the
// byte 0xC8 finds the glyph with code -56. Bytes without a glyph are skipped.
template <class Visit>
void ForEachFoundGlyph(const std::string& text, const EmbeddedFont& font, Visit visit) {
    for (char byte : text) {
        const int index = font.Find(static_cast<std::int8_t>(byte));
        if (index >= 0) {
            visit(index, font.Advance(index));
        }
    }
}

SwfRect TextBounds(const std::string& text, const EmbeddedFont& font) {
    std::int64_t width = 0;
    ForEachFoundGlyph(text, font, [&](int, std::int32_t advance) { width += advance; });
    return {0, ClampToField(width), kTextTop, kTextBottom};
}

} // namespace

TextObject::TextObject(std::string text, std::shared_ptr<EmbeddedFont> font)
    : m_text(std::move(text)), m_font(std::move(font)) {
    SetBounds(TextBounds(m_text, *m_font));
}

void TextObject::Define(Frame& frame) {
    m_font->AddToFrame(frame);
    std::vector<DefineText2Tag::GlyphEntry> glyphs;
    ForEachFoundGlyph(m_text, *m_font, [&](int index, std::int32_t advance) {
        glyphs.push_back({static_cast<std::uint32_t>(index), ClampToField(advance)});
    });
    auto tag = std::make_unique<DefineText2Tag>(Bounds(), m_font->CharacterId(), FillColor(),
                                                std::move(glyphs));
    MarkDefined(tag->CharacterId());
    frame.Append(std::move(tag));
}

} // namespace quillot
