#include "writer/movie/PlacementTags.h"

namespace quillot {

namespace {
constexpr int kPlaceObject2Code = 26;
constexpr int kRemoveObjectCode = 5;
constexpr std::uint8_t kHasCharacter = 0x02;
constexpr std::uint8_t kHasMatrix = 0x04;
} // namespace

PlaceObject2Tag::PlaceObject2Tag(std::uint16_t depth, std::uint16_t characterId,
                                 std::optional<SwfMatrix> matrix)
    : m_depth(depth), m_characterId(characterId), m_matrix(std::move(matrix)) {}

void PlaceObject2Tag::Write(TagBuffer& out) const {
    // Placements are the most frequent tags by far; one body buffer serves
    // them all instead of a fresh allocation per tag.
    thread_local TagBuffer body;
    body.Clear();
    body.WriteU8(m_matrix ? kHasCharacter | kHasMatrix : kHasCharacter);
    body.WriteU16(m_depth);
    body.WriteU16(m_characterId);
    if (m_matrix) {
        WriteMatrix(body, *m_matrix);
    }
    WriteTag(out, kPlaceObject2Code, body);
}

RemoveObjectTag::RemoveObjectTag(std::uint16_t characterId, std::uint16_t depth)
    : m_characterId(characterId), m_depth(depth) {}

void RemoveObjectTag::Write(TagBuffer& out) const {
    constexpr std::size_t kBodyLength = 4;
    out.WriteTagHeader(kRemoveObjectCode, kBodyLength);
    out.WriteU16(m_characterId);
    out.WriteU16(m_depth);
}

} // namespace quillot
