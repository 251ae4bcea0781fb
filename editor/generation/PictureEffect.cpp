#include "editor/generation/PictureEffect.h"

#include <algorithm>

namespace joyvane {

namespace {

using enum AxisMotion;

struct Direction {
    const char* name; // appended to the family's name after a space
    AxisMotion x;
    AxisMotion y;
};

// Move: the moving coordinates sweep across the stage; "l" comes from the
// right, "r" from the left.
constexpr Direction MoveDirections[] = {
    {"Up", Centred, FromFarEdge},           {"Down", Centred, TowardsFarEdge},
    {"Left", FromFarEdge, Centred},         {"Right", TowardsFarEdge, Centred},
    {"Up l", FromFarEdge, FromFarEdge},     {"Down l", FromFarEdge, FromBeforeStage},
    {"Up r", FromBeforeStage, FromFarEdge}, {"Down r", FromBeforeStage, FromBeforeStage},
};

// Zoom In grows towards the named side (away from it for Left and Right);
// Zoom Out shrinks towards it.
constexpr Direction ZoomInDirections[] = {
    {"Up", Centred, HighEdgeFixed},         {"Down", Centred, LowEdgeFixed},
    {"Left", LowEdgeFixed, Centred},        {"Right", HighEdgeFixed, Centred},
    {"Up l", HighEdgeFixed, HighEdgeFixed}, {"Down l", HighEdgeFixed, LowEdgeFixed},
    {"Up r", LowEdgeFixed, HighEdgeFixed},  {"Down r", LowEdgeFixed, LowEdgeFixed},
};
constexpr Direction ZoomOutDirections[] = {
    {"Up", Centred, LowEdgeFixed},          {"Down", Centred, HighEdgeFixed},
    {"Left", LowEdgeFixed, Centred},        {"Right", HighEdgeFixed, Centred},
    {"Up l", LowEdgeFixed, LowEdgeFixed},   {"Down l", LowEdgeFixed, HighEdgeFixed},
    {"Up r", HighEdgeFixed, LowEdgeFixed},  {"Down r", HighEdgeFixed, HighEdgeFixed},
};

// Come stretches one side only; "xl" and "yt" work towards the left or top.
constexpr Direction ComeInDirections[] = {
    {"xl", HighEdgeFixed, Centred}, {"xr", LowEdgeFixed, Centred},
    {"yt", Centred, HighEdgeFixed}, {"yb", Centred, LowEdgeFixed},
};
constexpr Direction ComeOutDirections[] = {
    {"xl", LowEdgeFixed, Centred}, {"xr", HighEdgeFixed, Centred},
    {"yt", Centred, LowEdgeFixed}, {"yb", Centred, HighEdgeFixed},
};

PictureEffect Animated(std::string name, Stretch stretch, bool growing, AxisMotion x,
                       AxisMotion y) {
    PictureEffect effect;
    effect.name = std::move(name);
    effect.routine = PictureRoutine::Animated;
    effect.stretch = stretch;
    effect.growing = growing;
    effect.x = x;
    effect.y = y;
    return effect;
}

PictureEffect CentredOnce(std::string name, Stretch stretch, bool growing) {
    PictureEffect effect = Animated(std::move(name), stretch, growing, Centred, Centred);
    effect.centreFirst = true;
    effect.translateEachStep = false;
    return effect;
}

PictureEffect Modified(PictureEffect effect, PictureModifier modifier) {
    effect.name += modifier == PictureModifier::Turn ? " -r" : " -s";
    effect.modifier = modifier;
    return effect;
}

void AddWithModifiers(std::vector<PictureEffect>& effects, const PictureEffect& plain) {
    effects.push_back(plain);
    effects.push_back(Modified(plain, PictureModifier::Turn));
    effects.push_back(Modified(plain, PictureModifier::Shake));
}

void AddZoom(std::vector<PictureEffect>& effects, const std::string& family, bool growing,
             const Direction (&directions)[8]) {
    const PictureEffect plain = CentredOnce(family, Stretch::Both, growing);
    effects.push_back(plain);
    effects.push_back(Modified(plain, PictureModifier::Turn));
    // The shaking plain zoom also rises from the bottom of the stage while
    // it shakes up and down.
    PictureEffect rising = Modified(plain, PictureModifier::Shake);
    rising.translateEachStep = true;
    rising.y = FromFarEdge;
    effects.push_back(rising);
    for (const Direction& direction : directions)
        AddWithModifiers(effects, Animated(family + " " + direction.name, Stretch::Both, growing,
                                           direction.x, direction.y));
}

void AddCome(std::vector<PictureEffect>& effects, const std::string& family, bool growing,
             const Direction (&directions)[4]) {
    effects.push_back(CentredOnce(family + " x", Stretch::Width, growing));
    effects.push_back(CentredOnce(family + " y", Stretch::Height, growing));
    for (const Direction& direction : directions) {
        const Stretch stretch = direction.name[0] == 'x' ? Stretch::Width : Stretch::Height;
        effects.push_back(Animated(family + " " + direction.name, stretch, growing, direction.x,
                                   direction.y));
    }
}

std::vector<PictureEffect> MakeEffects() {
    std::vector<PictureEffect> effects;
    effects.push_back({.name = "-- None --"});
    effects.push_back({.name = "Fade In", .routine = PictureRoutine::Fade});
    effects.push_back({.name = "Fade Out", .routine = PictureRoutine::Fade});
    for (const Direction& direction : MoveDirections)
        AddWithModifiers(effects, Animated(std::string("Move ") + direction.name, Stretch::None,
                                           true, direction.x, direction.y));
    AddZoom(effects, "Zoom In", true, ZoomInDirections);
    AddZoom(effects, "Zoom Out", false, ZoomOutDirections);
    AddCome(effects, "Come In", true, ComeInDirections);
    AddCome(effects, "Come Out", false, ComeOutDirections);
    return effects;
}

} // namespace

const std::vector<PictureEffect>& PictureEffects() {
    static const std::vector<PictureEffect> effects = MakeEffects();
    return effects;
}

const PictureEffect* FindPictureEffect(std::string_view name) {
    const std::vector<PictureEffect>& effects = PictureEffects();
    const auto found = std::find_if(effects.begin(), effects.end(),
                                    [&](const PictureEffect& effect) { return effect.name == name; });
    return found == effects.end() ? nullptr : &*found;
}

} // namespace joyvane
