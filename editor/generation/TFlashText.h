#pragma once

#include "editor/generation/TFlashObj.h"
#include "editor/generation/TextAnimation.h"
#include "editor/generation/TextGlyphs.h"

namespace joyvane {

// The text compiler: one line of text in a font, animated by its effect.
// Texts are placed at depth 2, in front of every picture.
class TFlashText : public TFlashObj {
public:
    // Longer texts generate nothing; the limit bounds the glyph work.
    static constexpr std::size_t kMaxCharacters = 127;

    explicit TFlashText(CompileContext context) : TFlashObj(context, ObjectKind::Text) {}

    // Reads the object's fields; a field that cannot be read throws
    // ConversionError, which aborts the generation.
    void Load(int index) { Load(DocumentObject(index)); }
    void Load(TXMLObj object);
    // Emits the loaded text with its effect. Writer errors are not caught.
    void CompileStep();

    const std::string& Content() const { return m_content; }
    std::int32_t FontSize() const { return m_fontSize; }
    std::int32_t FontColor() const { return m_fontColor; }
    // The layout of the last compiled text.
    const TextGlyphs& Glyphs() const { return m_glyphs; }

private:
    TextParameters Parameters(const TextEffect& effect) const;
    std::int32_t Speed(const TextEffect& effect) const;
    void RunWholeString(const TextEffect& effect, TextAnimation& animation);
    void RunPerCharacter(const TextEffect& effect, const std::vector<std::string>& characters,
                         TextAnimation& animation);
    void RunHeartBeat(const TextEffect& effect, const std::vector<std::string>& characters,
                      TextAnimation& animation);
    double BaseScale() const;
    double WholeStringX() const;
    double CharacterX(std::size_t character) const;
    double LineY() const;

    std::string m_content;
    std::int32_t m_textUnit = 1;
    std::string m_fontName;
    std::int32_t m_fontSize = 0;
    std::int32_t m_fontColor = 0;
    std::int32_t m_exScale = 0;
    std::int32_t m_exRotate = 0;
    std::int32_t m_exShock = 0;
    std::int32_t m_exColor = 0;
    std::int32_t m_exAlpha = 0;
    std::int32_t m_exSpeed = 0;
    TextGlyphs m_glyphs;
};

} // namespace joyvane
