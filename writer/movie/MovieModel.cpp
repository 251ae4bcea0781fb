#include "writer/movie/MovieModel.h"

#include <algorithm>
#include <iterator>
#include <numeric>

#include "writer/movie/ControlTags.h"
#include "writer/movie/WriterTrace.h"

namespace quillot {

Frame& MovieModel::GetFrame(int index) {
    const auto wanted = static_cast<std::size_t>(index);
    if (m_frames.size() <= wanted) {
        const std::size_t grown = wanted + 8;
        m_frames.reserve(grown);
        while (m_frames.size() < grown) {
            m_frames.push_back(std::make_unique<Frame>(*this, static_cast<int>(m_frames.size())));
        }
    }
    m_frameCount = std::max(m_frameCount, index + 1);
    return *m_frames[wanted];
}

void MovieModel::RecordPlacement(std::uint16_t characterId, PlaceObject2Tag& place,
                                 std::uint16_t requestedDepth, TagPosition position) {
    m_placements[characterId].push_back({&place, {}, requestedDepth, {position, false, {}}});
}

bool MovieModel::RecordRemoval(std::uint16_t characterId, RemoveObjectTag& remove,
                               TagPosition position) {
    auto found = m_placements.find(characterId);
    if (found == m_placements.end() || found->second.empty()) {
        return false;
    }
    Placement& placement = found->second.back();
    // A removal ahead of the placement (in an earlier frame) would take off
    // whatever stands at that depth then.
    if (position < placement.lifetime.placed) {
        return false;
    }
    placement.removals.push_back(&remove);
    StageLifetime& lifetime = placement.lifetime;
    if (!lifetime.removed || position < lifetime.removedAt) {
        lifetime.removed = true;
        lifetime.removedAt = position;
    }
    return true;
}

bool MovieModel::AssignDepths() {
    // Equal requested depths keep the lower identifier first, then the order
    // of placement.
    std::vector<Placement> merged;
    for (auto& [characterId, list] : m_placements) {
        std::move(list.begin(), list.end(), std::back_inserter(merged));
    }
    m_placements.clear();
    TraceWriter("Depth sorting: %d shapes\n", static_cast<int>(merged.size()));
    std::stable_sort(merged.begin(), merged.end(), [](const Placement& a, const Placement& b) {
        return a.requestedDepth < b.requestedDepth;
    });
    const std::vector<int> depths = FinalDepths(merged);
    for (std::size_t i = 0; i < merged.size(); ++i) {
        const auto depth = static_cast<std::uint16_t>(depths[i]);
        merged[i].place->SetDepth(depth);
        for (RemoveObjectTag* removal : merged[i].removals) {
            removal->SetDepth(depth);
        }
    }
    TraceWriter("Depth sorting: complete\n");
    return merged.empty() || *std::max_element(depths.begin(), depths.end()) <= kLargestDepth;
}

std::vector<int> MovieModel::FinalDepths(const std::vector<Placement>& backToFront) {
    if (backToFront.size() <= kLargestDepth + 1) {
        std::vector<int> depths(backToFront.size());
        std::iota(depths.begin(), depths.end(), 0);
        return depths;
    }
    std::vector<StageLifetime> lifetimes;
    lifetimes.reserve(backToFront.size());
    for (const Placement& placement : backToFront) {
        lifetimes.push_back(placement.lifetime);
    }
    return LayeredDepths(lifetimes);
}

std::vector<std::unique_ptr<TagRecord>> MovieModel::TakeOutputTags() {
    std::vector<std::unique_ptr<TagRecord>> output;
    for (int index = 0; index < m_frameCount; ++index) {
        auto& tags = m_frames[static_cast<std::size_t>(index)]->Tags();
        std::move(tags.begin(), tags.end(), std::back_inserter(output));
        output.push_back(std::make_unique<ShowFrameTag>());
    }
    m_frames.clear();
    m_frameCount = 0;
    return output;
}

} // namespace quillot
