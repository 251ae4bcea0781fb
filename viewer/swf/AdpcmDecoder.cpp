#include "viewer/swf/AdpcmDecoder.h"

#include "viewer/swf/Reader.h"

#include <algorithm>
#include <array>

namespace swf {

namespace {

// The IMA ADPCM step sizes the SWF scheme shares.
constexpr std::array<int32_t, 89> StepTable = {
    7,     8,     9,     10,    11,    12,    13,    14,    16,    17,    19,    21,    23,
    25,    28,    31,    34,    37,    41,    45,    50,    55,    60,    66,    73,    80,
    88,    97,    107,   118,   130,   143,   157,   173,   190,   209,   230,   253,   279,
    307,   337,   371,   408,   449,   494,   544,   598,   658,   724,   796,   876,   963,
    1060,  1166,  1282,  1411,  1552,  1707,  1878,  2066,  2272,  2499,  2749,  3024,  3327,
    3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845,  8630,  9493,  10442, 11487,
    12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};

// Step index changes by the magnitude bits of a code, for each code size.
constexpr int IndexChanges2[] = {-1, 2};
constexpr int IndexChanges3[] = {-1, -1, 2, 4};
constexpr int IndexChanges4[] = {-1, -1, -1, -1, 2, 4, 6, 8};
constexpr int IndexChanges5[] = {-1, -1, -1, -1, -1, -1, -1, -1, 1, 2, 4, 6, 8, 10, 13, 16};
constexpr std::array<const int*, 4> IndexChanges = {IndexChanges2, IndexChanges3, IndexChanges4,
                                                    IndexChanges5};

constexpr size_t BlockFrames = 4096;
constexpr unsigned HeaderBitsPerChannel = 16 + 6;

struct Channel {
    int32_t predicted = 0;
    int stepIndex = 0;
};

// A bit source that knows how many bits are left, so decoding can stop
// cleanly at the end of the data instead of failing half-way through a frame.
class BitSource {
public:
    explicit BitSource(std::span<const uint8_t> data) : m_reader(data, 0), m_bitsLeft(data.size() * 8) {}
    bool Has(size_t bits) const { return m_bitsLeft >= bits; }
    uint32_t Take(unsigned bits) {
        m_bitsLeft -= bits;
        return m_reader.Bits(bits);
    }

private:
    Reader m_reader;
    size_t m_bitsLeft;
};

void DecodeCode(Channel& channel, uint32_t code, unsigned codeBits) {
    const uint32_t signBit = 1u << (codeBits - 1);
    const uint32_t magnitude = code & (signBit - 1);
    const int32_t step = StepTable[static_cast<size_t>(channel.stepIndex)];
    int32_t change = step >> (codeBits - 1);
    for (unsigned bit = 0; bit + 1 < codeBits; ++bit) {
        if (magnitude & (1u << bit)) {
            change += step >> (codeBits - 2 - bit);
        }
    }
    const int32_t predicted = (code & signBit) ? channel.predicted - change : channel.predicted + change;
    channel.predicted = std::clamp<int32_t>(predicted, INT16_MIN, INT16_MAX);
    channel.stepIndex = std::clamp(channel.stepIndex + IndexChanges[codeBits - 2][magnitude], 0,
                                   static_cast<int>(StepTable.size()) - 1);
}

} // namespace

std::vector<int16_t> DecodeAdpcm(std::span<const uint8_t> data, int channels, uint32_t sampleCount) {
    std::vector<int16_t> samples;
    BitSource bits(data);
    if (channels < 1 || channels > 2 || !bits.Has(2)) {
        return samples;
    }
    const auto channelCount = static_cast<size_t>(channels);
    const unsigned codeBits = bits.Take(2) + 2;
    std::array<Channel, 2> state{};
    for (size_t frame = 0; frame < sampleCount; ++frame) {
        const bool blockStart = frame % BlockFrames == 0;
        if (!bits.Has(channelCount * (blockStart ? HeaderBitsPerChannel : codeBits))) {
            break;
        }
        for (size_t c = 0; c < channelCount; ++c) {
            Channel& channel = state[c];
            if (blockStart) {
                channel.predicted = static_cast<int16_t>(bits.Take(16));
                channel.stepIndex = static_cast<int>(bits.Take(6));
            } else {
                DecodeCode(channel, bits.Take(codeBits), codeBits);
            }
            samples.push_back(static_cast<int16_t>(channel.predicted));
        }
    }
    return samples;
}

} // namespace swf
