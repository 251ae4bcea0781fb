#pragma once

#include <cstdint>

#include "writer/movie/TagRecord.h"
#include "writer/sound/WavFile.h"

namespace quillot {

// Announces the movie's sound settings ahead of its first event sound. No
// stream blocks follow it: the movie plays event sounds only.
class SoundStreamHeadTag : public TagRecord {
public:
    SoundStreamHeadTag(const WavFormat& format, std::uint32_t sampleCount);
    void Write(TagBuffer& out) const override;

private:
    WavFormat m_format;
    std::uint32_t m_sampleCount;
};

} // namespace quillot
