#pragma once

#include <cstdint>
#include <optional>

#include "writer/movie/CharacterIds.h"
#include "writer/movie/Frame.h"
#include "writer/movie/Records.h"

namespace quillot {

// The internal state behind a swfObject: one SWF character in the making.
// Each kind appends its definition tags to a frame the first time it is added
// (and again after a change) and then, unless it is a part of a button or a
// kind that is never placed, a placement.
class WriterObject {
public:
    static constexpr std::uint16_t kUndefinedCharacterId = 0xFFFF;

    virtual ~WriterObject() = default;

    virtual void AddToFrame(Frame& frame) = 0;
    virtual void RemoveFromFrame(Frame& frame);
    virtual bool HasTransform() const { return false; }
    virtual std::optional<SwfMatrix> MakePlacementMatrix() const { return std::nullopt; }

    // A sort key only; final depths are assigned when the movie is written.
    std::uint16_t Depth() const { return m_depth; }
    void SetDepth(std::uint16_t depth) { m_depth = depth; }
    std::uint16_t CharacterId() const { return m_characterId; }
    // Defined in the movie being built; a definition in a movie already
    // written does not count.
    bool IsDefined() const { return m_defined && m_definedInMovie == CurrentMovieSerial(); }
    // Called by every change to what the definition holds, so the next
    // addition defines the character again under a new identifier.
    void Invalidate() { m_defined = false; }
    // A part of a button appends its definition but is never placed itself.
    void SetNoPlacement() { m_noPlacement = true; }

protected:
    void MarkDefined(std::uint16_t characterId) {
        m_characterId = characterId;
        m_defined = true;
        m_definedInMovie = CurrentMovieSerial();
    }
    // Appends a PlaceObject2 for the current identifier and depth, with the
    // placement matrix when the object is transformed, and records it.
    void PlaceOnFrame(Frame& frame) const;

private:
    std::uint16_t m_depth = 1;
    bool m_defined = false;
    std::uint32_t m_definedInMovie = 0;
    bool m_noPlacement = false;
    std::uint16_t m_characterId = kUndefinedCharacterId;
};

} // namespace quillot
