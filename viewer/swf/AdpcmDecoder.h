#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace swf {

// Decodes SWF ADPCM sound data (code sizes 2 to 5 bits) to 16-bit samples,
// interleaved by channel. Decoding stops after `sampleCount` frames or where
// the data ends, whichever comes first, so a lying sample count cannot make
// the output larger than the data can hold. A code size field the scheme
// does not know cannot occur: its 2 bits name exactly the sizes 2 to 5.
std::vector<int16_t> DecodeAdpcm(std::span<const uint8_t> data, int channels, uint32_t sampleCount);

} // namespace swf
