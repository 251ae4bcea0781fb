#pragma once

#include <cstdint>

#include "writer/movie/TagRecord.h"
#include "writer/sound/EncodedSound.h"

namespace quillot {

// An event sound. It takes the next character identifier when it is
// constructed; its data is spliced into the output, never copied into the
// file buffer.
class DefineSoundTag : public TagRecord {
public:
    explicit DefineSoundTag(EncodedSound sound);
    void Write(TagBuffer& out) const override;
    std::uint16_t CharacterId() const override { return m_characterId; }
    const EncodedSound& Sound() const { return m_sound; }

private:
    std::uint16_t m_characterId;
    EncodedSound m_sound;
};

} // namespace quillot
