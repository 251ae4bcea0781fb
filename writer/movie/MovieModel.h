#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "writer/movie/Frame.h"
#include "writer/movie/PlacementTags.h"

namespace quillot {

// The frames of one movie, its stage settings, and the index of placements
// from which final depths are assigned when the movie is written.
class MovieModel {
public:
    // A frame count beyond this cannot be stated in the file header.
    static constexpr int kMaxFrameCount = 65535;
    static constexpr int kLargestDepth = 0xFFFF;

    struct Placement {
        PlaceObject2Tag* place;
        // Normally at most one; a character removed twice keeps both in step.
        std::vector<RemoveObjectTag*> removals;
        std::uint16_t requestedDepth;
        StageLifetime lifetime;
    };

    // Precondition: 0 <= index < kMaxFrameCount.
    Frame& GetFrame(int index);
    int FrameCount() const { return m_frameCount; }

    void RecordPlacement(std::uint16_t characterId, PlaceObject2Tag& place,
                         std::uint16_t requestedDepth, TagPosition position);
    // Attaches the removal to the character's latest placement. Returns false
    // when the character was never placed: such a removal must not be written,
    // since at its depth there may be another object.
    bool RecordRemoval(std::uint16_t characterId, RemoveObjectTag& remove, TagPosition position);

    // Gives every placement its final depth 0, 1, 2, ... in the order of the
    // requested depths, and empties the placement index. A movie with more
    // placements than depths lets placements that never meet on the stage
    // share a depth; returns false when even that does not fit.
    bool AssignDepths();
    // Moves every frame's tags out, each frame closed by a ShowFrame, and
    // empties the frames. Returns the tags and the number of frames.
    std::vector<std::unique_ptr<TagRecord>> TakeOutputTags();

    std::int32_t width = 11000;
    std::int32_t height = 8000;
    std::int32_t frameRate = 12;

private:
    // A depth of its own for every placement while they fit, as earlier
    // movies had; else shared depths for placements that never meet.
    static std::vector<int> FinalDepths(const std::vector<Placement>& backToFront);

    std::vector<std::unique_ptr<Frame>> m_frames;
    int m_frameCount = 0;
    std::map<std::uint16_t, std::vector<Placement>> m_placements;
};

} // namespace quillot
