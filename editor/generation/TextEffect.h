#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace joyvane {

// How the text becomes glyphs: the whole string as one glyph, or one glyph
// (and one text definition) per character.
enum class GlyphMode { WholeString, PerCharacter };

// The offset an effect adds to the position on every frame, after the drift.
enum class TextOffset { None, Move, Kerning, RollIn, Sin };

// One of the thirteen text effects: what it fixes of the object's effect
// parameters and how its frames are laid out. Unset parameters come from the
// document.
struct TextEffect {
    std::string_view name;
    GlyphMode mode;
    std::optional<std::int32_t> speed;
    std::optional<std::int32_t> scale;
    std::optional<std::int32_t> rotate;
    std::optional<std::int32_t> color;
    std::optional<std::int32_t> alpha;
    // Frames by which each character starts after the previous one.
    double stagger;
    TextOffset offset;
    // The placement of the run's last frame is taken away at once, so the
    // text is gone from that frame on.
    bool removeLast;
    // "Heart Beat": two half-length runs per character, growing then shrinking.
    bool heartBeat;
};

// The effect of that exact name (case-sensitive), or none.
const TextEffect* FindTextEffect(std::string_view name);

} // namespace joyvane
