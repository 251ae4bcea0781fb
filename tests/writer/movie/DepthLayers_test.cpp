#include <gtest/gtest.h>

#include <random>

#include "writer/movie/DepthLayers.h"

namespace quillot {
namespace {

bool Meet(const StageLifetime& a, const StageLifetime& b) {
    const auto endOf = [](const StageLifetime& lifetime) {
        return lifetime.removed ? lifetime.removedAt : TagPosition{INT32_MAX, UINT32_MAX};
    };
    return a.placed < endOf(b) && b.placed < endOf(a);
}

// The depths by their definition, one placement against every earlier one.
std::vector<int> DepthsByDefinition(const std::vector<StageLifetime>& placements) {
    std::vector<int> depths;
    for (std::size_t i = 0; i < placements.size(); ++i) {
        int depth = 0;
        for (std::size_t earlier = 0; earlier < i; ++earlier) {
            if (Meet(placements[earlier], placements[i])) {
                depth = std::max(depth, depths[earlier] + 1);
            }
        }
        depths.push_back(depth);
    }
    return depths;
}

TEST(DepthLayers, MatchTheirDefinitionOnRandomStages) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        std::vector<StageLifetime> placements(random() % 60);
        for (auto& lifetime : placements) {
            lifetime.placed = {static_cast<int>(random() % 20), static_cast<std::uint32_t>(random() % 4)};
            lifetime.removed = random() % 4 != 0;
            lifetime.removedAt = {lifetime.placed.frame + static_cast<int>(random() % 6),
                                  static_cast<std::uint32_t>(random() % 4)};
            if (lifetime.removedAt <= lifetime.placed) {
                lifetime.removedAt.index = lifetime.placed.index + 1;
            }
        }
        ASSERT_EQ(LayeredDepths(placements), DepthsByDefinition(placements)) << "round " << round;
    }
}

} // namespace
} // namespace quillot
