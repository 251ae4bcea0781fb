#include "writer/sound/DefineSoundTag.h"

#include "writer/movie/CharacterIds.h"

namespace quillot {

namespace {
constexpr int kDefineSoundCode = 14;
constexpr std::uint32_t kFormatUncompressed = 0;
constexpr std::uint32_t kFormatAdpcm = 1;
} // namespace

DefineSoundTag::DefineSoundTag(std::shared_ptr<const EncodedSound> sound)
    : m_sound(std::move(sound)) {}

void DefineSoundTag::Write(TagBuffer& out) const {
    TagBuffer body;
    body.WriteU16(m_characterId.Value());
    body.WriteBits(m_sound->adpcm ? kFormatAdpcm : kFormatUncompressed, 4);
    body.WriteBits(m_sound->format.rateCode, 2);
    body.WriteBits(m_sound->format.sixteenBit ? 1 : 0, 1);
    body.WriteBits(m_sound->format.stereo ? 1 : 0, 1);
    body.WriteU32(m_sound->sampleCount);
    const std::vector<std::uint8_t>& data = m_sound->data.Bytes();
    body.AddExternalBlock(data.data(), data.size());
    WriteTag(out, kDefineSoundCode, body);
}

} // namespace quillot
