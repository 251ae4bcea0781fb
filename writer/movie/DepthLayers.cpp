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

} // namespace

std::vector<int> LayeredDepths(const std::vector<StageLifetime>& placements) {
    std::vector<TimeKey> keys;
    keys.reserve(2 * placements.size());
    for (const StageLifetime& lifetime : placements) {
        keys.push_back(KeyOf(lifetime.placed));
        keys.push_back(lifetime.removed ? KeyOf(lifetime.removedAt) : kForever);
    }
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    const auto slotOf = [&keys](TimeKey key) {
        return static_cast<std::size_t>(std::lower_bound(keys.begin(), keys.end(), key) - keys.begin());
    };

    HighestDepthTree tree(std::max<std::size_t>(keys.size(), 1));
    std::vector<int> depths;
    depths.reserve(placements.size());
    for (const StageLifetime& lifetime : placements) {
        const std::size_t from = slotOf(KeyOf(lifetime.placed));
        const std::size_t to = slotOf(lifetime.removed ? KeyOf(lifetime.removedAt) : kForever);
        const int depth = tree.Highest(from, to) + 1;
        tree.Raise(from, to, depth);
        depths.push_back(depth);
    }
    return depths;
}

} // namespace quillot
