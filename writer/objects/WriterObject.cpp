#include "writer/objects/WriterObject.h"

#include "writer/movie/MovieModel.h"
#include "writer/movie/PlacementTags.h"

namespace quillot {

void WriterObject::PlaceOnFrame(Frame& frame) const {
    if (m_noPlacement) {
        return;
    }
    std::optional<SwfMatrix> matrix;
    if (HasTransform()) {
        matrix = MakePlacementMatrix();
    }
    const TagPosition position = frame.NextPosition();
    auto& place =
        frame.Append(std::make_unique<PlaceObject2Tag>(m_depth, m_characterId, std::move(matrix)));
    frame.Movie().RecordPlacement(m_characterId, place, m_depth, position);
}

void WriterObject::RemoveFromFrame(Frame& frame) {
    // Only a character of this movie can be on its stage: an identifier from
    // a movie already written may now name another character.
    if (m_characterId == kUndefinedCharacterId || m_definedInMovie != CurrentMovieSerial()) {
        return;
    }
    auto remove = std::make_unique<RemoveObjectTag>(m_characterId, m_depth);
    if (frame.Movie().RecordRemoval(m_characterId, *remove, frame.NextPosition())) {
        frame.Append(std::move(remove));
    }
}

} // namespace quillot
