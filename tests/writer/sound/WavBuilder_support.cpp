#include "writer/sound/WavBuilder.h"

#include <fstream>

namespace quillot::test {

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

void PutId(std::vector<std::uint8_t>& out, const char* id) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(id[i]));
    }
}

} // namespace

std::vector<std::uint8_t> Chunk(const char* id, const std::vector<std::uint8_t>& body) {
    std::vector<std::uint8_t> chunk;
    PutId(chunk, id);
    Put32(chunk, static_cast<std::uint32_t>(body.size()));
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

WavBuilder& WavBuilder::Samples16(const std::vector<std::int16_t>& samples) {
    bitsPerSample = 16;
    data.clear();
    for (std::int16_t sample : samples) {
        Put16(data, static_cast<std::uint16_t>(sample));
    }
    return *this;
}

WavBuilder& WavBuilder::Samples8(const std::vector<std::uint8_t>& samples) {
    bitsPerSample = 8;
    data = samples;
    return *this;
}

std::vector<std::uint8_t> WavBuilder::Bytes() const {
    std::vector<std::uint8_t> format;
    const std::uint32_t blockAlign = channels * ((bitsPerSample + 7u) / 8u);
    Put16(format, formatTag);
    Put16(format, channels);
    Put32(format, sampleRate);
    Put32(format, sampleRate * blockAlign);
    Put16(format, blockAlign);
    Put16(format, bitsPerSample);

    std::vector<std::uint8_t> dataChunk = Chunk("data", data);
    if (dataSize) {
        dataChunk[4] = static_cast<std::uint8_t>(*dataSize);
        dataChunk[5] = static_cast<std::uint8_t>(*dataSize >> 8);
        dataChunk[6] = static_cast<std::uint8_t>(*dataSize >> 16);
        dataChunk[7] = static_cast<std::uint8_t>(*dataSize >> 24);
    }
    std::vector<std::uint8_t> body;
    PutId(body, "WAVE");
    body.insert(body.end(), chunksBeforeFormat.begin(), chunksBeforeFormat.end());
    if (dataBeforeFormat) {
        body.insert(body.end(), dataChunk.begin(), dataChunk.end());
    }
    const auto formatChunk = Chunk("fmt ", format);
    body.insert(body.end(), formatChunk.begin(), formatChunk.end());
    body.insert(body.end(), chunksAfterFormat.begin(), chunksAfterFormat.end());
    if (!dataBeforeFormat) {
        body.insert(body.end(), dataChunk.begin(), dataChunk.end());
    }
    std::vector<std::uint8_t> file;
    PutId(file, "RIFF");
    Put32(file, riffSize.value_or(static_cast<std::uint32_t>(body.size())));
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

std::string WavBuilder::WriteTo(const std::filesystem::path& path) const {
    const auto bytes = Bytes();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    return path.string();
}

} // namespace quillot::test
