#include "writer/movie/MovieModel.h"

#include <algorithm>
#include <numeric>

#include "writer/movie/ControlTags.h"
#include "writer/movie/WriterTrace.h"

namespace quillot {

namespace {

using Placement = MovieModel::Placement;

bool IsSortedByDepth(const std::vector<Placement>& list) {
    return std::is_sorted(list.begin(), list.end(), [](const Placement& a, const Placement& b) {
        return a.requestedDepth < b.requestedDepth;
    });
}

// A stable merge in which an incoming element goes before the first element of
// the result whose requested depth is greater. On lists that are not sorted by
// depth it still walks both lists once, as the depth order of earlier movies
// was defined by this very walk.
std::vector<Placement> MergeByDepth(const std::vector<Placement>& result,
                                    const std::vector<Placement>& incoming) {
    std::vector<Placement> merged;
    merged.reserve(result.size() + incoming.size());
    auto r = result.begin();
    auto i = incoming.begin();
    while (r != result.end() && i != incoming.end()) {
        if (i->requestedDepth < r->requestedDepth) {
            merged.push_back(*i++);
        } else {
            merged.push_back(*r++);
        }
    }
    merged.insert(merged.end(), r, result.end());
    merged.insert(merged.end(), i, incoming.end());
    return merged;
}

} // namespace

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
    placement.removals.push_back(&remove);
    StageLifetime& lifetime = placement.lifetime;
    if (!lifetime.removed || position < lifetime.removedAt) {
        lifetime.removed = true;
        lifetime.removedAt = position;
    }
    return true;
}

bool MovieModel::AssignDepths() {
    // When every character's placements are already in depth order (the usual
    // case), merging them one by one equals one stable sort of all of them in
    // identifier order, which is much cheaper with many characters.
    const bool allSorted = std::all_of(m_placements.begin(), m_placements.end(),
                                       [](const auto& entry) { return IsSortedByDepth(entry.second); });
    std::vector<Placement> merged;
    for (const auto& [characterId, list] : m_placements) {
        if (allSorted) {
            merged.insert(merged.end(), list.begin(), list.end());
        } else {
            merged = MergeByDepth(merged, list);
        }
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
