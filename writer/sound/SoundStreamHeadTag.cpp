#include "writer/sound/SoundStreamHeadTag.h"

namespace quillot {

namespace {
constexpr int kSoundStreamHeadCode = 18;
constexpr std::uint32_t kStreamAdpcm = 1;
constexpr std::uint32_t kStreamRate5k = 0;
constexpr std::uint32_t kStreamSixteenBit = 1;
} // namespace

SoundStreamHeadTag::SoundStreamHeadTag(const WavFormat& format, std::uint32_t sampleCount)
    : m_format(format), m_sampleCount(sampleCount) {}

void SoundStreamHeadTag::Write(TagBuffer& out) const {
    const std::uint32_t type = m_format.stereo ? 1 : 0;
    TagBuffer body;
    body.WriteBits(0, 4);
    body.WriteBits(m_format.rateCode, 2);
    body.WriteBits(m_format.sixteenBit ? 1 : 0, 1);
    body.WriteBits(type, 1);
    body.WriteBits(kStreamAdpcm, 4);
    body.WriteBits(kStreamRate5k, 2);
    body.WriteBits(kStreamSixteenBit, 1);
    body.WriteBits(type, 1);
    // Earlier movies carry the low 16 bits of the sound's length here.
    body.WriteU16(static_cast<std::uint16_t>(m_sampleCount));
    WriteTag(out, kSoundStreamHeadCode, body);
}

} // namespace quillot
