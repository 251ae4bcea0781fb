#include "editor/generation/TextAnimation.h"

#include "editor/generation/ArgumentConversion.h"
#include "editor/generation/RandomSource.h"
#include "editor/generation/WriterPool.h"

#include <cmath>

namespace joyvane {

namespace {

constexpr double kFixedOne = 65536.0;
constexpr double kFullTurn = 65536.0 * 360.0;
// Random colour components stop one short of full intensity.
constexpr int kColourChoices = 255;

struct Offset {
    double x, y;
};

Offset EffectOffset(TextOffset offset, const TextFrame& frame) {
    const double j = static_cast<double>(frame.index);
    switch (offset) {
    case TextOffset::None: return {0, 0};
    case TextOffset::Move: return {4000 - 50 * j, 0};
    case TextOffset::Kerning: return {20 * j * static_cast<double>(frame.character), 0};
    case TextOffset::RollIn: return {300 * 2 - 50 * j, 0};
    case TextOffset::Sin: {
        const double swing = RoundHalfToEven(300 * std::sin(100.0 / frame.length * (j + 1)));
        return {swing, swing};
    }
    }
    return {0, 0};
}

} // namespace

TextAnimation::TextAnimation(WriterPool& pool, RandomSource& random, double baseScale,
                             Colour colour)
    : m_pool(pool), m_random(random), m_baseScale(baseScale), m_scale(baseScale * kFixedOne),
      m_colour(colour) {}

void TextAnimation::Step(const TextFrame& frame, TextParameters& parameters, TextOffset offset) {
    const double step = static_cast<double>(frame.index + 1);
    const double length = frame.length;
    m_pool.GotoFrame(frame.frame);
    if (frame.index > 0)
        m_pool.RemoveObject(kTextObject);
    UpdateScale(frame, parameters);
    m_pool.Scale(kTextObject, m_scale, m_scale);
    if (parameters.rotate != 0)
        m_pool.Rotate(kTextObject, parameters.rotate / length * step * kFullTurn);
    double x = frame.x;
    double y = frame.y;
    if (parameters.shock != 0) {
        const double drift = parameters.shock / length * step * 20;
        x += drift;
        y += drift;
    }
    const Offset extra = EffectOffset(offset, frame);
    m_pool.Translate(kTextObject, x + extra.x, y + extra.y);
    UpdateColour(frame, parameters);
    UpdateOpacity(frame, parameters);
    SendFill();
    m_pool.AddObject(kTextObject);
}

// Every fill the writer is given defines the text again under a new
// character identifier, even the same fill; a fill that has not changed is
// therefore not given again. A per-character effect would otherwise define
// each character once per frame, and a few long texts would outrun the
// identifiers a movie can hold.
void TextAnimation::SendFill() {
    const std::array<std::int64_t, 4> fill{m_colour.red, m_colour.green, m_colour.blue, m_opacity};
    if (m_fillSent == fill)
        return;
    m_pool.SetSolidFill(kTextObject, fill[0], fill[1], fill[2], fill[3]);
    m_fillSent = fill;
}

// A positive scale grows the text to that many times its size over the run;
// a negative one shrinks it from about 1 - scale times down to its size.
void TextAnimation::UpdateScale(const TextFrame& frame, const TextParameters& parameters) {
    const double step = static_cast<double>(frame.index + 1);
    const double length = frame.length;
    if (parameters.scale > 0)
        m_scale = parameters.scale / length * step * m_baseScale * kFixedOne;
    else if (parameters.scale < 0)
        m_scale = (parameters.scale / length * (length - step) - 1) * (-m_baseScale * kFixedOne);
}

void TextAnimation::UpdateColour(const TextFrame& frame, TextParameters& parameters) {
    if (frame.length < parameters.color)
        parameters.color = frame.length;
    if (parameters.color == 0 || (frame.index + 1) % parameters.color != 0)
        return;
    m_random.Reseed();
    m_colour.red = m_random.Next(kColourChoices);
    m_colour.green = m_random.Next(kColourChoices);
    m_colour.blue = m_random.Next(kColourChoices);
}

void TextAnimation::UpdateOpacity(const TextFrame& frame, const TextParameters& parameters) {
    const double step = static_cast<double>(frame.index + 1);
    const double length = frame.length;
    if (parameters.alpha > 0)
        m_opacity = static_cast<std::int64_t>(RoundHalfToEven(parameters.alpha / length * step));
    else if (parameters.alpha < 0)
        m_opacity =
            static_cast<std::int64_t>(RoundHalfToEven(parameters.alpha / length * step + 255));
}

} // namespace joyvane
