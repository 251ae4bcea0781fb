#pragma once

#include <cstdint>

#include "writer/movie/TagBuffer.h"
#include "writer/sound/WavFile.h"

namespace quillot {

// A sound as a movie carries it: its format, its number of sample frames and
// the ADPCM data. A sound whose file could not be read has no samples.
struct EncodedSound {
    // Encodes the file's samples, reading them in pieces; an empty sound when
    // the file is not a supported wave file or ends early.
    static EncodedSound FromWav(WavFile& file);

    bool HasSamples() const { return adpcm; }

    bool adpcm = false;
    WavFormat format;
    std::uint32_t sampleCount = 0;
    TagBuffer data;
};

} // namespace quillot
