#pragma once

#include "editor/generation/TextEffect.h"

#include <array>
#include <cstdint>
#include <optional>

namespace joyvane {

class WriterPool;
class RandomSource;

// The effect parameters of a text object, with the effect's fixed values
// already put in place of the document's.
struct TextParameters {
    std::int32_t scale = 0;
    std::int32_t rotate = 0;
    std::int32_t shock = 0;
    std::int32_t color = 0;
    std::int32_t alpha = 0;
};

// Where one frame of a run goes: the run's length, the frame's index in it,
// the movie frame, the base position in twips and the character's index.
struct TextFrame {
    std::int32_t length;
    std::int64_t index;
    double frame;
    double x;
    double y;
    std::size_t character;
};

// The frame step shared by all text effects: each frame places the text (or
// one character) anew with its scale, turn, position, colour and opacity,
// and takes away the previous frame's placement. Scale, colour and opacity
// carry over from frame to frame and from character to character.
class TextAnimation {
public:
    struct Colour {
        std::int64_t red, green, blue;
    };

    // `baseScale` is the font size's scale factor; colours start at `colour`.
    TextAnimation(WriterPool& pool, RandomSource& random, double baseScale, Colour colour);

    void Step(const TextFrame& frame, TextParameters& parameters, TextOffset offset);
    // The text object was made anew and shows the writer's default fill.
    void NewText() { m_fillSent.reset(); }

private:
    void UpdateScale(const TextFrame& frame, const TextParameters& parameters);
    void UpdateColour(const TextFrame& frame, TextParameters& parameters);
    void UpdateOpacity(const TextFrame& frame, const TextParameters& parameters);
    void SendFill();

    WriterPool& m_pool;
    RandomSource& m_random;
    double m_baseScale;
    double m_scale; // 16.16
    Colour m_colour;
    std::int64_t m_opacity = 255;
    // The fill the text object has now; none before the first one is set.
    std::optional<std::array<std::int64_t, 4>> m_fillSent;
};

} // namespace joyvane
