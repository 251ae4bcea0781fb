#pragma once

#include <cstdint>
#include <vector>

namespace quillot {

// Where a tag stands in a movie: its frame, then its place in the frame.
// Orders tags as a player meets them.
struct TagPosition {
    int frame = 0;
    std::uint32_t index = 0;
    auto operator<=>(const TagPosition&) const = default;
};

// How long a placement is on the stage: from its PlaceObject2 up to (not
// including) its RemoveObject, or to the end when it is never removed.
struct StageLifetime {
    TagPosition placed;
    bool removed = false;
    TagPosition removedAt;
};

// Gives each placement, in drawing order (back to front), the lowest depth
// above every earlier placement that is on the stage at the same time.
// Objects that are never on the stage together may so share a depth, while
// any two that meet keep their drawing order. Returns the depths.
std::vector<int> LayeredDepths(const std::vector<StageLifetime>& placementsBackToFront);

} // namespace quillot
