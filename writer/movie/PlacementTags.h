#pragma once

#include <cstdint>
#include <optional>

#include "writer/movie/Records.h"
#include "writer/movie/TagRecord.h"

namespace quillot {

// PlaceObject2 with a new character and, when the object is transformed, a
// matrix. Its depth is final only once the movie assigns depths.
class PlaceObject2Tag : public TagRecord {
public:
    PlaceObject2Tag(std::uint16_t depth, std::uint16_t characterId, std::optional<SwfMatrix> matrix);
    void Write(TagBuffer& out) const override;
    void SetDepth(std::uint16_t depth) { m_depth = depth; }
    std::uint16_t Depth() const { return m_depth; }

private:
    std::uint16_t m_depth;
    std::uint16_t m_characterId;
    std::optional<SwfMatrix> m_matrix;
};

class RemoveObjectTag : public TagRecord {
public:
    RemoveObjectTag(std::uint16_t characterId, std::uint16_t depth);
    void Write(TagBuffer& out) const override;
    void SetDepth(std::uint16_t depth) { m_depth = depth; }
    std::uint16_t Depth() const { return m_depth; }

private:
    std::uint16_t m_characterId;
    std::uint16_t m_depth;
};

} // namespace quillot
