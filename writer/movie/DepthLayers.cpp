#include "writer/movie/DepthLayers.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <limits>

namespace quillot {

namespace {

using TimeKey = std::uint64_t;
constexpr TimeKey kForever = std::numeric_limits<TimeKey>::max();

TimeKey KeyOf(const TagPosition& position) {
    return (static_cast<TimeKey>(static_cast<std::uint32_t>(position.frame)) << 32) | position.index;
}

// Highest depth seen over ranges of time: raise a range to at least a value,
// ask for the highest value anywhere in a range. Both walk the tree from the
// range's ends upwards, O(log n) without recursion.
class HighestDepthTree {
public:
    explicit HighestDepthTree(std::size_t slots) : m_leaves(std::bit_ceil(std::max<std::size_t>(slots, 1))) {
        m_highest.assign(2 * m_leaves, -1);
        m_wholeNode.assign(2 * m_leaves, -1);
    }

    void Raise(std::size_t from, std::size_t to, int depth) {
        if (from >= to) {
            return;
        }
        for (std::size_t low = from + m_leaves, high = to + m_leaves; low < high; low /= 2, high /= 2) {
            if (low % 2 == 1) {
                RaiseWholeNode(low++, depth);
            }
            if (high % 2 == 1) {
                RaiseWholeNode(--high, depth);
            }
        }
        // Every node above a raised one overlaps the range.
        for (std::size_t node = (from + m_leaves) / 2; node > 0; node /= 2) {
            m_highest[node] = std::max(m_highest[node], depth);
        }
        for (std::size_t node = (to - 1 + m_leaves) / 2; node > 0; node /= 2) {
            m_highest[node] = std::max(m_highest[node], depth);
        }
    }

    int Highest(std::size_t from, std::size_t to) const {
        if (from >= to) {
            return -1;
        }
        int highest = -1;
        for (std::size_t low = from + m_leaves, high = to + m_leaves; low < high; low /= 2, high /= 2) {
            if (low % 2 == 1) {
                highest = std::max(highest, m_highest[low++]);
            }
            if (high % 2 == 1) {
                highest = std::max(highest, m_highest[--high]);
            }
        }
        // A raise that covered a whole node above the range's ends reached
        // into the range too.
        for (std::size_t node = (from + m_leaves) / 2; node > 0; node /= 2) {
            highest = std::max(highest, m_wholeNode[node]);
        }
        for (std::size_t node = (to - 1 + m_leaves) / 2; node > 0; node /= 2) {
            highest = std::max(highest, m_wholeNode[node]);
        }
        return highest;
    }

private:
    void RaiseWholeNode(std::size_t node, int depth) {
        m_highest[node] = std::max(m_highest[node], depth);
        m_wholeNode[node] = std::max(m_wholeNode[node], depth);
    }

    std::size_t m_leaves;
    std::vector<int> m_highest;   // over the node's whole range
    std::vector<int> m_wholeNode; // raises that covered the node's whole range
};

// Numbers the distinct moments at which placements begin or end, in time
// order: slot 2i is where placement i begins, slot 2i + 1 where it ends.
std::vector<std::uint32_t> TimeSlots(const std::vector<StageLifetime>& placements,
                                     std::size_t& slotCount) {
    std::vector<std::pair<TimeKey, std::uint32_t>> moments;
    moments.reserve(2 * placements.size());
    for (const StageLifetime& lifetime : placements) {
        const auto i = static_cast<std::uint32_t>(moments.size());
        moments.emplace_back(KeyOf(lifetime.placed), i);
        moments.emplace_back(lifetime.removed ? KeyOf(lifetime.removedAt) : kForever, i + 1);
    }
    std::sort(moments.begin(), moments.end());
    std::vector<std::uint32_t> slots(moments.size());
    std::uint32_t slot = 0;
    for (std::size_t i = 0; i < moments.size(); ++i) {
        if (i > 0 && moments[i].first != moments[i - 1].first) {
            ++slot;
        }
        slots[moments[i].second] = slot;
    }
    slotCount = moments.empty() ? 1 : slot + 1;
    return slots;
}

} // namespace

std::vector<int> LayeredDepths(const std::vector<StageLifetime>& placements) {
    std::size_t slotCount = 0;
    const std::vector<std::uint32_t> slots = TimeSlots(placements, slotCount);
    HighestDepthTree tree(slotCount);
    std::vector<int> depths;
    depths.reserve(placements.size());
    for (std::size_t i = 0; i < placements.size(); ++i) {
        const std::size_t from = slots[2 * i];
        const std::size_t to = slots[2 * i + 1];
        const int depth = tree.Highest(from, to) + 1;
        tree.Raise(from, to, depth);
        depths.push_back(depth);
    }
    return depths;
}

} // namespace quillot
