#include "writer/movie/DepthLayers.h"

#include <algorithm>
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
// ask for the highest value anywhere in a range. Both take O(log n).
class HighestDepthTree {
public:
    explicit HighestDepthTree(std::size_t slots)
        : m_slots(slots), m_highest(4 * slots, -1), m_wholeNode(4 * slots, -1) {}

    void Raise(std::size_t from, std::size_t to, int depth) { Raise(1, 0, m_slots, from, to, depth); }
    int Highest(std::size_t from, std::size_t to) const { return Highest(1, 0, m_slots, from, to); }

private:
    void Raise(std::size_t node, std::size_t low, std::size_t high, std::size_t from,
               std::size_t to, int depth) {
        if (to <= low || high <= from) {
            return;
        }
        m_highest[node] = std::max(m_highest[node], depth);
        if (from <= low && high <= to) {
            m_wholeNode[node] = std::max(m_wholeNode[node], depth);
            return;
        }
        const std::size_t middle = (low + high) / 2;
        Raise(2 * node, low, middle, from, to, depth);
        Raise(2 * node + 1, middle, high, from, to, depth);
    }

    int Highest(std::size_t node, std::size_t low, std::size_t high, std::size_t from,
                std::size_t to) const {
        if (to <= low || high <= from) {
            return -1;
        }
        if (from <= low && high <= to) {
            return m_highest[node];
        }
        const std::size_t middle = (low + high) / 2;
        return std::max({m_wholeNode[node], Highest(2 * node, low, middle, from, to),
                         Highest(2 * node + 1, middle, high, from, to)});
    }

    std::size_t m_slots;
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
