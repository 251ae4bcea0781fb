#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

namespace quillot {

// The largest sample data accepted. Our own player refuses movies beyond
// 256 MiB; a larger sound would be refused before a byte of it is read.
inline constexpr std::uint64_t kMaxWavDataBytes = 256u << 20;

// The sound formats a movie can carry, as the DefineSound fields state them.
struct WavFormat {
    std::uint8_t rateCode = 0; // 0 = 5.5 kHz, 1 = 11 kHz, 2 = 22 kHz, 3 = 44 kHz
    bool sixteenBit = false;
    bool stereo = false;
    int Channels() const { return stereo ? 2 : 1; }
};

// A PCM wave file, read strictly: after "WAVE" come one or more "fmt "
// chunks directly followed by "data"; any other chunk, format or rate is
// refused. Sizes are checked against the file before anything is read, so a
// lying size field cannot drive an allocation or a read. The samples are
// read in pieces.
class WavFile {
public:
    enum class Status { Ready, CannotOpen, Unsupported };

    explicit WavFile(const std::filesystem::path& path);

    Status GetStatus() const { return m_status; }
    const WavFormat& Format() const { return m_format; }
    std::uint32_t FrameCount() const { return m_frameCount; }

    // Replaces `samples` with up to `maxFrames` further frames as 16-bit
    // samples, interleaved. Returns false when the file ends early.
    bool ReadFrames(std::size_t maxFrames, std::vector<std::int16_t>& samples);

private:
    bool ReadHeader(std::uint64_t fileSize);
    bool ReadFormatChunk(std::uint32_t chunkSize);
    bool AcceptDataChunk(std::uint64_t dataStart, std::uint32_t dataSize, std::uint64_t fileSize);
    std::size_t FrameBytes() const;

    std::ifstream m_file;
    Status m_status = Status::CannotOpen;
    WavFormat m_format;
    std::uint32_t m_frameCount = 0;
    std::uint32_t m_framesLeft = 0;
    std::vector<std::uint8_t> m_raw;
};

} // namespace quillot
