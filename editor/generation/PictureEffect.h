#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace joyvane {

// The picture effects: which frames a picture shows on and how it moves.
enum class PictureRoutine {
    Still,    // shown unchanged from its start frame to its end frame
    Fade,     // as Still, under a black cover that darkens frame by frame
    Animated, // 31 frames of movement from its start frame, then it stays
};

// How one coordinate of an animated picture's translation runs over the
// steps: a stage-wide sweep, or an edge of the centred picture held still
// while it is scaled about its centre.
enum class AxisMotion {
    Centred,         // the centred position, on every step
    FromFarEdge,     // from near the stage's far edge to the own position
    TowardsFarEdge,  // from the own position to one stage size further
    FromBeforeStage, // from just before the stage to its far edge minus the size
    LowEdgeFixed,    // the left or top edge stays where centring put it
    HighEdgeFixed,   // the right or bottom edge stays where centring put it
};

// Which sides a Zoom or Come effect scales.
enum class Stretch { None, Both, Width, Height };

enum class PictureModifier { None, Turn, Shake };

struct PictureEffect {
    std::string name;
    PictureRoutine routine = PictureRoutine::Still;
    Stretch stretch = Stretch::None;
    bool growing = true; // the scale runs from 1/31 up to 1, else from 30/31 down to 0
    AxisMotion x = AxisMotion::Centred;
    AxisMotion y = AxisMotion::Centred;
    // One translation to the centred position before the first step.
    bool centreFirst = false;
    // A translation on every step; the centred effects have none.
    bool translateEachStep = true;
    PictureModifier modifier = PictureModifier::None;
};

// The effect of that exact name (case-sensitive), or none.
const PictureEffect* FindPictureEffect(std::string_view name);

// Every effect, in the order of its family table.
const std::vector<PictureEffect>& PictureEffects();

} // namespace joyvane
