#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "writer/movie/CharacterIds.h"
#include "writer/movie/TagRecord.h"

namespace quillot {

using JpegData = std::shared_ptr<const std::vector<std::uint8_t>>;

// A JPEG file embedded as it is. Its bytes are spliced into the output when
// the movie is written, never copied into the file buffer; the tag keeps them
// alive until then.
class DefineBitsJpeg2Tag : public TagRecord {
public:
    explicit DefineBitsJpeg2Tag(JpegData jpeg);
    void Write(TagBuffer& out) const override;
    std::uint16_t CharacterId() const override { return m_characterId.Value(); }
    bool IsOfCurrentMovie() const { return m_characterId.IsCurrent(); }

private:
    MovieCharacterId m_characterId;
    JpegData m_jpeg;
};

} // namespace quillot
