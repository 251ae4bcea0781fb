#include "editor/generation/TextEffect.h"

#include <algorithm>
#include <iterator>

namespace joyvane {

namespace {

using enum GlyphMode;
using enum TextOffset;
constexpr std::nullopt_t Document = std::nullopt;

// name, mode, speed, scale, rotate, color, alpha, stagger, offset, removeLast, heartBeat
const TextEffect Effects[] = {
    {"-- None --", WholeString, Document, Document, Document, Document, Document, 0, None, true, false},
    {"Fade In", WholeString, 24, Document, Document, Document, 255, 0, None, true, false},
    {"Fade Out", WholeString, 24, Document, Document, Document, -255, 0, None, true, false},
    {"Radiation", WholeString, 24, 2, Document, Document, -255, 0, None, true, false},
    {"Rotate", WholeString, 49, -4, 2, Document, 255, 0, None, false, false},
    {"Move", WholeString, 239, Document, Document, Document, Document, 0, Move, true, false},
    {"Come In", PerCharacter, 24, -3, Document, Document, 255, 25 * 0.25, None, false, false},
    {"Come Out", PerCharacter, 24, 3, Document, Document, -255, 25 * 0.25, None, false, false},
    {"Kerning", PerCharacter, 24, Document, Document, Document, 255, 0, Kerning, false, false},
    {"Rainbow", PerCharacter, 24, Document, Document, 1, Document, 0, None, false, false},
    {"Roll In", PerCharacter, 24, Document, Document, Document, Document, 15 * 0.85, RollIn, false, false},
    {"Sin", PerCharacter, 240, Document, Document, Document, Document, 0, Sin, false, false},
    {"Heart Beat", PerCharacter, 24, Document, Document, Document, Document, 0, None, false, true},
};

} // namespace

const TextEffect* FindTextEffect(std::string_view name) {
    const auto found = std::find_if(std::begin(Effects), std::end(Effects),
                                    [&](const TextEffect& effect) { return effect.name == name; });
    return found == std::end(Effects) ? nullptr : found;
}

} // namespace joyvane
