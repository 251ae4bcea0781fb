#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quillot::test {

// A wave file assembled chunk by chunk, so tests can make well-formed files
// and files whose sizes or chunks lie.
struct WavBuilder {
    std::uint16_t formatTag = 1;
    std::uint16_t channels = 1;
    std::uint32_t sampleRate = 22050;
    std::uint16_t bitsPerSample = 16;
    std::vector<std::uint8_t> data;
    // Written in place of the true sizes when set.
    std::optional<std::uint32_t> riffSize;
    std::optional<std::uint32_t> dataSize;
    // Complete chunks (identifier, size, body) written between "fmt " and
    // "data", or before "fmt ".
    std::vector<std::uint8_t> chunksAfterFormat;
    std::vector<std::uint8_t> chunksBeforeFormat;
    bool dataBeforeFormat = false;

    // 16-bit samples, little-endian, interleaved; or 8-bit ones as they are.
    WavBuilder& Samples16(const std::vector<std::int16_t>& samples);
    WavBuilder& Samples8(const std::vector<std::uint8_t>& samples);

    std::vector<std::uint8_t> Bytes() const;
    std::string WriteTo(const std::filesystem::path& path) const;
};

std::vector<std::uint8_t> Chunk(const char* id, const std::vector<std::uint8_t>& body);

} // namespace quillot::test
