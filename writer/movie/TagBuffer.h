#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace quillot {

// A growable byte array with a bit writer, used for the whole movie file and
// for every tag body. Large payloads (JPEG data, sound samples) are not copied
// in: they are recorded as external blocks at the current position and spliced
// into the output when the file is written. The owner of such a payload keeps
// it alive until then.
class TagBuffer {
public:
    struct ExternalBlock {
        std::size_t position;
        const std::uint8_t* data;
        std::size_t size;
    };

    // Appends the low `count` bits of `value`, most significant bit first.
    // Callers compute bit counts so that their values fit.
    void WriteBits(std::uint32_t value, int count);
    void WriteSignedBits(std::int32_t value, int count);
    void WriteU8(std::uint8_t value);
    void WriteU16(std::uint16_t value);
    void WriteU32(std::uint32_t value);
    void WriteBytes(const void* data, std::size_t size);
    // Writes the string's bytes followed by a terminating zero byte.
    void WriteString(std::string_view text);
    // Stores a pending partial byte, its unused low bits zero.
    void Align();
    // Empties the buffer but keeps its memory, for buffers reused per tag.
    void Clear();

    void AppendBuffer(const TagBuffer& other);
    void AddExternalBlock(const std::uint8_t* data, std::size_t size);

    // Writes a record header: code and length in one word when the length is
    // below 63, else the word with 63 followed by the 32-bit length.
    void WriteTagHeader(int code, std::size_t length);

    // Complete bytes plus the sizes of all external blocks.
    std::size_t TotalLength() const;
    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }
    const std::vector<ExternalBlock>& ExternalBlocks() const { return m_blocks; }

    // The complete output with external blocks spliced in.
    std::vector<std::uint8_t> Flatten() const;

private:
    std::vector<std::uint8_t> m_bytes;
    std::uint8_t m_pending = 0;
    int m_freeBits = 8;
    std::vector<ExternalBlock> m_blocks;
    std::size_t m_externalSize = 0;
};

} // namespace quillot
