#include "writer/sound/WavFile.h"

#include <array>
#include <cstring>
#include <system_error>

#include "writer/movie/WriterTrace.h"

namespace quillot {

namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint32_t kFormatFieldsBytes = 16;
constexpr std::uint32_t kChunkHeaderBytes = 8;

std::uint32_t U32At(const std::uint8_t* bytes) {
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

std::uint16_t U16At(const std::uint8_t* bytes) {
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

bool IsId(const std::uint8_t* bytes, const char* id) { return std::memcmp(bytes, id, 4) == 0; }

// The rate code of a sample rate: its multiple of 5000 Hz must be 1, 2, 4
// or 8, so 8000 Hz plays as 5.5 kHz while 32000 or 48000 Hz are refused.
bool RateCode(std::uint32_t sampleRate, std::uint8_t& code) {
    switch (sampleRate / 5000) {
    case 1: code = 0; return true;
    case 2: code = 1; return true;
    case 4: code = 2; return true;
    case 8: code = 3; return true;
    default: return false;
    }
}

} // namespace

WavFile::WavFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return;
    }
    const std::uint64_t fileSize = std::filesystem::file_size(path, error);
    m_file.open(path, std::ios::binary);
    if (error || !m_file) {
        return;
    }
    m_status = ReadHeader(fileSize) ? Status::Ready : Status::Unsupported;
}

bool WavFile::ReadHeader(std::uint64_t fileSize) {
    std::array<std::uint8_t, 12> riff{};
    if (!m_file.read(reinterpret_cast<char*>(riff.data()), riff.size()) || !IsId(&riff[0], "RIFF")) {
        TraceWriter("Not a RIFF format file\n");
        return false;
    }
    if (!IsId(&riff[8], "WAVE")) {
        TraceWriter("Not a WAVE file\n");
        return false;
    }
    const std::uint64_t riffEnd = 8 + static_cast<std::uint64_t>(U32At(&riff[4]));
    std::uint64_t position = riff.size();
    bool haveFormat = false;
    for (;;) {
        std::array<std::uint8_t, kChunkHeaderBytes> header{};
        if (!m_file.read(reinterpret_cast<char*>(header.data()), header.size())) {
            TraceWriter("No Data Chunk\n");
            return false;
        }
        const std::uint32_t size = U32At(&header[4]);
        const std::uint64_t bodyStart = position + kChunkHeaderBytes;
        if (IsId(&header[0], "fmt ")) {
            TraceWriter("Format Chunk\n");
            if (!ReadFormatChunk(size)) {
                return false;
            }
            haveFormat = true;
            position = bodyStart + size;
            if (position >= riffEnd || position >= fileSize) {
                TraceWriter("No Data Chunk\n");
                return false;
            }
            m_file.seekg(static_cast<std::streamoff>(position));
        } else if (IsId(&header[0], "data") && haveFormat) {
            TraceWriter("Data Chunk\n");
            return AcceptDataChunk(bodyStart, size, fileSize);
        } else {
            TraceWriter("Unknown Chunk\n");
            return false;
        }
    }
}

bool WavFile::ReadFormatChunk(std::uint32_t chunkSize) {
    std::array<std::uint8_t, kFormatFieldsBytes> fields{};
    if (chunkSize < fields.size() ||
        !m_file.read(reinterpret_cast<char*>(fields.data()), fields.size())) {
        TraceWriter("Format Chunk too short\n");
        return false;
    }
    const std::uint16_t formatTag = U16At(&fields[0]);
    const std::uint16_t channels = U16At(&fields[2]);
    const std::uint32_t sampleRate = U32At(&fields[4]);
    const std::uint16_t bitsPerSample = U16At(&fields[14]);
    if (formatTag != kFormatPcm) {
        TraceWriter("Format tag %u unsupported\n", formatTag);
        return false;
    }
    TraceWriter("WAVE_FORMAT_PCM\n");
    // The movie states one channel or two in a single bit.
    if (channels != 1 && channels != 2) {
        TraceWriter("%u channels unsupported\n", channels);
        return false;
    }
    if (!RateCode(sampleRate, m_format.rateCode)) {
        TraceWriter("Sample rate %u unsupported\n", sampleRate);
        return false;
    }
    // Other depths would be read as 8-bit samples, which is noise.
    if (bitsPerSample != 8 && bitsPerSample != 16) {
        TraceWriter("%u bits per sample unsupported\n", bitsPerSample);
        return false;
    }
    m_format.sixteenBit = bitsPerSample == 16;
    m_format.stereo = channels == 2;
    return true;
}

bool WavFile::AcceptDataChunk(std::uint64_t dataStart, std::uint32_t dataSize,
                              std::uint64_t fileSize) {
    if (dataStart + dataSize > fileSize) {
        TraceWriter("Data Chunk larger than the file\n");
        return false;
    }
    if (dataSize > kMaxWavDataBytes) {
        TraceWriter("Data Chunk too large\n");
        return false;
    }
    // A trailing partial frame is left out.
    m_frameCount = static_cast<std::uint32_t>(dataSize / FrameBytes());
    m_framesLeft = m_frameCount;
    return true;
}

std::size_t WavFile::FrameBytes() const {
    return static_cast<std::size_t>(m_format.Channels()) * (m_format.sixteenBit ? 2 : 1);
}

bool WavFile::ReadFrames(std::size_t maxFrames, std::vector<std::int16_t>& samples) {
    const std::size_t frames = std::min<std::size_t>(maxFrames, m_framesLeft);
    m_raw.resize(frames * FrameBytes());
    if (!m_file.read(reinterpret_cast<char*>(m_raw.data()), static_cast<std::streamsize>(m_raw.size()))) {
        return false;
    }
    m_framesLeft -= static_cast<std::uint32_t>(frames);
    samples.clear();
    if (m_format.sixteenBit) {
        for (std::size_t at = 0; at < m_raw.size(); at += 2) {
            samples.push_back(static_cast<std::int16_t>(U16At(&m_raw[at])));
        }
    } else {
        for (std::uint8_t sample : m_raw) {
            samples.push_back(static_cast<std::int16_t>((sample - 128) * 256));
        }
    }
    return true;
}

} // namespace quillot
