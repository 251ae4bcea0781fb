#include "writer/movie/MovieModel.h"

#include <algorithm>

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
            m_frames.push_back(std::make_unique<Frame>(*this));
        }
    }
    m_frameCount = std::max(m_frameCount, index + 1);
    return *m_frames[wanted];
}

void MovieModel::RecordPlacement(std::uint16_t characterId, PlaceObject2Tag& place,
                                 std::uint16_t requestedDepth) {
    m_placements[characterId].push_back({&place, {}, requestedDepth});
}

bool MovieModel::RecordRemoval(std::uint16_t characterId, RemoveObjectTag& remove) {
    auto found = m_placements.find(characterId);
    if (found == m_placements.end() || found->second.empty()) {
        return false;
    }
    found->second.back().removals.push_back(&remove);
    return true;
}

std::size_t MovieModel::PlacementCount() const {
    std::size_t count = 0;
    for (const auto& entry : m_placements) {
        count += entry.second.size();
    }
    return count;
}

void MovieModel::AssignDepths() {
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
    TraceWriter("Depth sorting: %d shapes\n", static_cast<int>(merged.size()));
    std::stable_sort(merged.begin(), merged.end(), [](const Placement& a, const Placement& b) {
        return a.requestedDepth < b.requestedDepth;
    });
    std::uint16_t depth = 0;
    for (const Placement& placement : merged) {
        placement.place->SetDepth(depth);
        for (RemoveObjectTag* removal : placement.removals) {
            removal->SetDepth(depth);
        }
        ++depth;
    }
    TraceWriter("Depth sorting: complete\n");
    m_placements.clear();
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
