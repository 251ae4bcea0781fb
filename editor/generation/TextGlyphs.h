#pragma once

#include "editor/generation/WriterPool.h"

#include <cstdint>
#include <string>
#include <vector>

namespace joyvane {

// One character of a text laid out glyph by glyph. Widths are glyph units
// (1024 to the em).
struct TTextUnit {
    std::string CharText; // the character's UTF-8 bytes
    std::int32_t CharWidth = 0;
    std::int32_t CharLeft = 0; // the widths of all characters before it
};

// The font and text definitions of one text object in the pool's font and
// text objects, and the widths the layout needs.
class TextGlyphs {
public:
    // A text of `fontName` made of one glyph that holds the whole string,
    // so that it is placed, scaled and turned as a unit.
    void SetUpWholeString(WriterPool& pool, const std::string& fontName,
                          const std::string& content);
    // A font with one glyph per character (codes 1, 2, ...), laid edge to
    // edge by the widths of their outlines.
    void SplitIntoCharacters(WriterPool& pool, const std::string& fontName,
                             const std::vector<std::string>& characters);
    // Makes the text object show character `index` alone.
    void MakeCharacterText(WriterPool& pool, std::size_t index) const;

    std::int32_t TextWidth() const { return m_textWidth; }
    const std::vector<TTextUnit>& Units() const { return m_units; }

private:
    std::int32_t m_textWidth = 0;
    std::vector<TTextUnit> m_units;
};

// The characters of a UTF-8 text, each as its own bytes.
std::vector<std::string> SplitCharacters(const std::string& text);

} // namespace joyvane
