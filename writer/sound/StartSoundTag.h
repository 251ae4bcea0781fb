#pragma once

#include <cstdint>

#include "writer/movie/TagRecord.h"

namespace quillot {

// Starts an event sound, unless it is playing already.
class StartSoundTag : public TagRecord {
public:
    explicit StartSoundTag(std::uint16_t soundId) : m_soundId(soundId) {}
    void Write(TagBuffer& out) const override;

private:
    std::uint16_t m_soundId;
};

} // namespace quillot
