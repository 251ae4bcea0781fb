#pragma once

#include <cstdint>
#include <memory>

#include "writer/movie/CharacterIds.h"
#include "writer/movie/TagRecord.h"
#include "writer/sound/EncodedSound.h"

namespace quillot {

// An event sound. It takes the next character identifier when it is
// constructed; its data is spliced into the output, never copied into the
// file buffer.
class DefineSoundTag : public TagRecord {
public:
    explicit DefineSoundTag(std::shared_ptr<const EncodedSound> sound);
    void Write(TagBuffer& out) const override;
    std::uint16_t CharacterId() const override { return m_characterId.Value(); }
    bool IsOfCurrentMovie() const { return m_characterId.IsCurrent(); }
    const EncodedSound& Sound() const { return *m_sound; }

private:
    MovieCharacterId m_characterId;
    std::shared_ptr<const EncodedSound> m_sound;
};

} // namespace quillot
