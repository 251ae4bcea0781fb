#include "editor/generation/TextGlyphs.h"

#include "writer/text/TextCharacters.h"

namespace joyvane {

namespace {

// The whole string is drawn as the glyph of "A".
constexpr std::int32_t kWholeStringCode = 65;
constexpr std::int32_t kTextDepth = 2;

std::string EncodeUtf8(char32_t character) {
    std::string bytes;
    if (character < 0x80) {
        bytes += static_cast<char>(character);
    } else if (character < 0x800) {
        bytes += static_cast<char>(0xC0 | (character >> 6));
        bytes += static_cast<char>(0x80 | (character & 0x3F));
    } else if (character < 0x10000) {
        bytes += static_cast<char>(0xE0 | (character >> 12));
        bytes += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        bytes += static_cast<char>(0xF0 | (character >> 18));
        bytes += static_cast<char>(0x80 | ((character >> 12) & 0x3F));
        bytes += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (character & 0x3F));
    }
    return bytes;
}

} // namespace

// The writer splits texts into characters the same way, so a stray byte that
// it reads as a Latin-1 character is handed back to it as that character.
std::vector<std::string> SplitCharacters(const std::string& text) {
    std::vector<std::string> characters;
    for (char32_t character : quillot::TextCharacters(text))
        characters.push_back(EncodeUtf8(character));
    return characters;
}

void TextGlyphs::SetUpWholeString(WriterPool& pool, const std::string& fontName,
                                  const std::string& content) {
    pool.MakeFont(kFontObject, fontName);
    pool.AddGlyph(kFontObject, fontName, content, kWholeStringCode);
    pool.MakeText(kTextObject, std::string(1, static_cast<char>(kWholeStringCode)), kFontObject);
    pool.SetDepth(kTextObject, kTextDepth);
    m_textWidth = pool.GetTextWidth(kFontObject, fontName, content);
}

void TextGlyphs::SplitIntoCharacters(WriterPool& pool, const std::string& fontName,
                                     const std::vector<std::string>& characters) {
    pool.MakeFont(kFontObject, fontName);
    m_units.assign(characters.size(), {});
    m_textWidth = 0;
    for (std::size_t index = 0; index < characters.size(); ++index) {
        TTextUnit& unit = m_units[index];
        unit.CharText = characters[index];
        pool.AddGlyph(kFontObject, fontName, unit.CharText, static_cast<double>(index + 1));
        unit.CharWidth = pool.GetTextWidth(kFontObject, fontName, unit.CharText);
        unit.CharLeft = index == 0 ? 0 : m_units[index - 1].CharLeft + m_units[index - 1].CharWidth;
        m_textWidth += unit.CharWidth;
    }
}

// Character codes run from 1 to at most 127, so each is one byte of UTF-8.
void TextGlyphs::MakeCharacterText(WriterPool& pool, std::size_t index) const {
    pool.MakeText(kTextObject, std::string(1, static_cast<char>(index + 1)), kFontObject);
    pool.SetDepth(kTextObject, kTextDepth);
}

} // namespace joyvane
