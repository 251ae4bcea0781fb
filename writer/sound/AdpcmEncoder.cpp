#include "writer/sound/AdpcmEncoder.h"

#include <algorithm>
#include <cstdlib>

namespace quillot {

namespace {

// The IMA ADPCM step sizes that the SWF scheme shares.
constexpr std::array<std::int32_t, 89> kStepTable = {
    7,     8,     9,     10,    11,    12,    13,    14,    16,    17,    19,    21,    23,
    25,    28,    31,    34,    37,    41,    45,    50,    55,    60,    66,    73,    80,
    88,    97,    107,   118,   130,   143,   157,   173,   190,   209,   230,   253,   279,
    307,   337,   371,   408,   449,   494,   544,   598,   658,   724,   796,   876,   963,
    1060,  1166,  1282,  1411,  1552,  1707,  1878,  2066,  2272,  2499,  2749,  3024,  3327,
    3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845,  8630,  9493,  10442, 11487,
    12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};

// Step index changes for the four magnitude bits of a 5-bit code.
constexpr std::array<int, 16> kIndexChange = {-1, -1, -1, -1, -1, -1, -1, -1,
                                              1,  2,  4,  6,  8,  10, 13, 16};

constexpr int kSignBit = 1 << (AdpcmEncoder::kCodeBits - 1);
// The block header's index field has 6 bits.
constexpr int kLargestInitialIndex = 63;

int InitialIndex(std::int32_t difference) {
    const auto found = std::lower_bound(kStepTable.begin(), kStepTable.begin() + kLargestInitialIndex,
                                        std::abs(difference));
    return static_cast<int>(found - kStepTable.begin());
}

} // namespace

AdpcmEncoder::AdpcmEncoder(int channels, std::vector<std::int16_t>* decoded)
    : m_channels(channels), m_decoded(decoded) {
    m_stream.WriteBits(kCodeBits - 2, 2);
}

void AdpcmEncoder::Encode(std::span<const std::int16_t> interleaved) {
    const auto channels = static_cast<std::size_t>(m_channels);
    for (std::size_t at = 0; at + channels <= interleaved.size(); at += channels) {
        const std::int16_t* frame = interleaved.data() + at;
        if (m_frames % kBlockFrames == 0) {
            std::copy(frame, frame + channels, m_blockStart.begin());
            m_blockStartPending = true;
        } else {
            if (m_blockStartPending) {
                WriteBlockStart(frame);
            }
            WriteCodes(frame);
        }
        ++m_frames;
    }
}

TagBuffer AdpcmEncoder::Finish() {
    if (m_blockStartPending) {
        WriteBlockStart(nullptr);
    }
    m_stream.Align();
    return std::move(m_stream);
}

void AdpcmEncoder::WriteBlockStart(const std::int16_t* next) {
    for (int c = 0; c < m_channels; ++c) {
        const std::int16_t sample = m_blockStart[static_cast<std::size_t>(c)];
        // A block of one frame has no next sample; any index will do.
        const int index = next ? InitialIndex(next[c] - sample) : 0;
        m_stream.WriteBits(static_cast<std::uint16_t>(sample), 16);
        m_stream.WriteBits(static_cast<std::uint32_t>(index), 6);
        m_state[static_cast<std::size_t>(c)] = Channel{sample, index};
        if (m_decoded) {
            m_decoded->push_back(sample);
        }
    }
    m_blockStartPending = false;
}

void AdpcmEncoder::WriteCodes(const std::int16_t* frame) {
    for (int c = 0; c < m_channels; ++c) {
        Channel& channel = m_state[static_cast<std::size_t>(c)];
        m_stream.WriteBits(EncodeSample(channel, frame[c]), kCodeBits);
        if (m_decoded) {
            m_decoded->push_back(static_cast<std::int16_t>(channel.predicted));
        }
    }
}

std::uint32_t AdpcmEncoder::EncodeSample(Channel& channel, std::int32_t sample) {
    std::int32_t difference = sample - channel.predicted;
    std::uint32_t code = 0;
    if (difference < 0) {
        code = kSignBit;
        difference = -difference;
    }
    std::int32_t step = kStepTable[static_cast<std::size_t>(channel.stepIndex)];
    std::int32_t change = 0;
    for (std::uint32_t bit = kSignBit >> 1; bit != 0; bit >>= 1) {
        if (difference >= step) {
            code |= bit;
            change += step;
            difference -= step;
        }
        step >>= 1;
    }
    // The decoder adds the step halved once more, rounding the change.
    change += step;
    const std::int32_t predicted = (code & kSignBit) ? channel.predicted - change
                                                     : channel.predicted + change;
    channel.predicted = std::clamp<std::int32_t>(predicted, INT16_MIN, INT16_MAX);
    channel.stepIndex = std::clamp(channel.stepIndex + kIndexChange[code & (kSignBit - 1)], 0,
                                   static_cast<int>(kStepTable.size()) - 1);
    return code;
}

} // namespace quillot
