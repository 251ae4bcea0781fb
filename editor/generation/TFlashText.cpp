#include "editor/generation/TFlashText.h"

#include "editor/generation/ArgumentConversion.h"

#include "editor/document/CardDocument.h"

#include "writer/movie/MovieModel.h"

#include <algorithm>

namespace joyvane {

namespace {

constexpr double kGlyphUnits = 1024;
// The text's line sits this many pixels below its `PositionY`.
constexpr std::int32_t kLineOffsetPixels = 5;
// A run whose frames lie beyond what a movie can hold is cut there, so a
// hand-written speed of millions of frames costs no more than a full movie.
constexpr std::int64_t kLastMovieFrame = quillot::MovieModel::kMaxFrameCount - 1;

} // namespace

void TFlashText::Load(TXMLObj object) {
    m_objName = object.ObjName();
    m_layer = object.Layer();
    m_startTime = object.StartTime();
    m_endTime = object.EndTime();
    TXMLObjText text = object.ObjType().ObjText();
    m_positionX = text.PositionX();
    m_positionY = text.PositionY();
    m_effectName = text.EffectName();
    m_content = text.Content();
    m_textUnit = text.TextUnit();
    m_fontName = text.FontName();
    m_fontSize = text.FontSize();
    m_fontColor = text.FontColorValue();
    m_exScale = text.ExScale();
    m_exRotate = text.ExRotate();
    m_exShock = text.ExShock();
    m_exColor = text.ExColor();
    m_exAlpha = text.ExAlpha();
    m_exSpeed = text.ExSpeed();
}

void TFlashText::CompileStep() {
    const std::vector<std::string> characters = SplitCharacters(m_content);
    if (characters.empty() || characters.size() > kMaxCharacters)
        return;
    const TextEffect* effect = FindTextEffect(m_effectName);
    if (effect == nullptr)
        return;
    const TextAnimation::Colour colour{m_fontColor & 0xFF, (m_fontColor >> 8) & 0xFF,
                                       (m_fontColor >> 16) & 0xFF};
    TextAnimation animation(m_context.pool, m_context.random, BaseScale(), colour);
    if (effect->heartBeat)
        RunHeartBeat(*effect, characters, animation);
    else if (effect->mode == GlyphMode::PerCharacter)
        RunPerCharacter(*effect, characters, animation);
    else
        RunWholeString(*effect, animation);
}

TextParameters TFlashText::Parameters(const TextEffect& effect) const {
    return {effect.scale.value_or(m_exScale), effect.rotate.value_or(m_exRotate), m_exShock,
            effect.color.value_or(m_exColor), effect.alpha.value_or(m_exAlpha)};
}

// The plain effect takes its speed from the document, where 0 stands for
// the speed of a new text.
std::int32_t TFlashText::Speed(const TextEffect& effect) const {
    if (effect.speed)
        return *effect.speed;
    return m_exSpeed == 0 ? 9 : m_exSpeed;
}

// A negative speed gives an empty run, and then there is no placement for
// the closing removal to take away.
void TFlashText::RunWholeString(const TextEffect& effect, TextAnimation& animation) {
    m_glyphs.SetUpWholeString(m_context.pool, m_fontName, m_content);
    TextParameters parameters = Parameters(effect);
    const std::int64_t length = std::int64_t{Speed(effect)} + 1;
    const std::int64_t start = m_startTime;
    // Frames before 0 show nothing, so a run is entered at frame 0 at the earliest.
    const std::int64_t first = std::max<std::int64_t>(0, -start);
    const std::int64_t last = std::min(length - 1, kLastMovieFrame - start);
    for (std::int64_t index = first; index <= last; ++index) {
        animation.Step({static_cast<std::int32_t>(length), index,
                        static_cast<double>(start + index), WholeStringX(), LineY(), 0},
                       parameters, effect.offset);
    }
    if (effect.removeLast && last == length - 1 && first <= last)
        m_context.pool.RemoveObject(kTextObject);
}

void TFlashText::RunPerCharacter(const TextEffect& effect,
                                 const std::vector<std::string>& characters,
                                 TextAnimation& animation) {
    m_glyphs.SplitIntoCharacters(m_context.pool, m_fontName, characters);
    TextParameters parameters = Parameters(effect);
    const std::int32_t length = Speed(effect) + 1;
    for (std::size_t character = 0; character < characters.size(); ++character) {
        m_glyphs.MakeCharacterText(m_context.pool, character);
        animation.NewText();
        const double start = m_startTime + effect.stagger * static_cast<double>(character);
        for (std::int32_t index = 0; index < length; ++index) {
            animation.Step({length, index, start + index, CharacterX(character), LineY(),
                            character},
                           parameters, effect.offset);
        }
    }
}

// Each character beats once: it grows in a first run, whose last placement
// is taken away at once, then shrinks back in a second run starting on that
// same frame.
void TFlashText::RunHeartBeat(const TextEffect& effect,
                              const std::vector<std::string>& characters,
                              TextAnimation& animation) {
    m_glyphs.SplitIntoCharacters(m_context.pool, m_fontName, characters);
    TextParameters parameters = Parameters(effect);
    const std::int32_t length =
        static_cast<std::int32_t>(RoundHalfToEven(Speed(effect) / 2.0)) + 1;
    for (std::size_t character = 0; character < characters.size(); ++character) {
        m_glyphs.MakeCharacterText(m_context.pool, character);
        animation.NewText();
        const double x = CharacterX(character);
        parameters.scale = 2;
        for (std::int32_t index = 0; index < length; ++index)
            animation.Step({length, index, m_startTime + 0.0 + index, x, LineY(), character},
                           parameters, effect.offset);
        m_context.pool.RemoveObject(kTextObject);
        parameters.scale = -2;
        const double secondStart = m_startTime + 0.0 + (length - 1);
        for (std::int32_t index = 0; index < length; ++index)
            animation.Step({length, index, secondStart + index, x, LineY(), character},
                           parameters, effect.offset);
    }
}

// Fonts are drawn at 1024 units to the em; a point becomes 1.4 pixels.
double TFlashText::BaseScale() const { return m_fontSize * 28.0 / kGlyphUnits; }

// The writer scales about the centre of the bounds; these terms move the
// scaled box back so that it starts at the text's position.
double TFlashText::WholeStringX() const {
    const double width = m_glyphs.TextWidth();
    return m_positionX * 20.0 - (width - width * BaseScale()) / 2;
}

double TFlashText::CharacterX(std::size_t character) const {
    const TTextUnit& unit = m_glyphs.Units()[character];
    const double width = unit.CharWidth;
    return m_positionX * 20.0 - (width - width * BaseScale()) / 2 + BaseScale() * unit.CharLeft;
}

double TFlashText::LineY() const {
    return (m_positionY + 0.0 + kLineOffsetPixels) * 20 -
           (kGlyphUnits - kGlyphUnits * BaseScale()) / 2;
}

} // namespace joyvane
