#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "writer/movie/TagBuffer.h"

namespace quillot {

// Compresses 16-bit samples to the SWF ADPCM scheme with 5 bits per code.
// Every 4096th frame starts a block that carries each channel's sample
// whole, with the step index its next sample calls for; the other frames
// carry one code per channel. Samples may arrive in pieces of any size.
class AdpcmEncoder {
public:
    static constexpr int kCodeBits = 5;
    static constexpr std::size_t kBlockFrames = 4096;

    // `channels` is 1 or 2. When `decoded` is given, it receives every value
    // a decoder will reproduce, interleaved like the input.
    explicit AdpcmEncoder(int channels, std::vector<std::int16_t>* decoded = nullptr);

    // Interleaved samples; a call holds whole frames only.
    void Encode(std::span<const std::int16_t> interleaved);
    // Writes what is pending and pads the stream to a whole byte.
    TagBuffer Finish();

private:
    struct Channel {
        std::int32_t predicted = 0;
        int stepIndex = 0;
    };

    // A block's first frame waits for the next one, which chooses its index.
    void WriteBlockStart(const std::int16_t* next);
    void WriteCodes(const std::int16_t* frame);
    std::uint32_t EncodeSample(Channel& channel, std::int32_t sample);

    int m_channels;
    std::vector<std::int16_t>* m_decoded;
    TagBuffer m_stream;
    std::array<Channel, 2> m_state{};
    std::array<std::int16_t, 2> m_blockStart{};
    bool m_blockStartPending = false;
    std::size_t m_frames = 0;
};

} // namespace quillot
