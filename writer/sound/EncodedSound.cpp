#include "writer/sound/EncodedSound.h"

#include <vector>

#include "writer/sound/AdpcmEncoder.h"

namespace quillot {

EncodedSound EncodedSound::FromWav(WavFile& file) {
    if (file.GetStatus() != WavFile::Status::Ready) {
        return {};
    }
    AdpcmEncoder encoder(file.Format().Channels());
    std::vector<std::int16_t> samples;
    for (std::uint32_t left = file.FrameCount(); left > 0;) {
        if (!file.ReadFrames(AdpcmEncoder::kBlockFrames, samples)) {
            return {};
        }
        encoder.Encode(samples);
        left -= static_cast<std::uint32_t>(samples.size() / static_cast<std::size_t>(file.Format().Channels()));
    }
    return {true, file.Format(), file.FrameCount(), encoder.Finish()};
}

} // namespace quillot
