#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace swf {

// A cursor over a bounded window of the movie's bytes. Every read stays inside
// the window (a tag's declared body, or the whole movie), so a damaged tag can
// never read into the next one; a read past the window throws ReadError with
// the tag code and the absolute byte offset.
//
// Bit fields are read most significant bit first. Byte-sized reads (U8, U16,
// ...) first discard any partly read byte, as the SWF format aligns them.
class Reader {
public:
    // `window` holds the readable bytes; `baseOffset` is the absolute offset of
    // its first byte in the movie; `tagCode` names the tag being decoded, if any.
    Reader(std::span<const uint8_t> window, size_t baseOffset,
           std::optional<uint16_t> tagCode = std::nullopt);

    uint8_t U8();
    uint16_t U16();
    uint32_t U32();
    int16_t S16();
    // Fixed point values are returned raw: 8.8 as 16 bits, 16.16 as 32 bits.
    uint16_t Fixed8();
    int32_t Fixed16();
    // A null-terminated string; the terminator is consumed, not returned.
    std::string String();
    // `count` bytes as a view into the movie buffer.
    std::span<const uint8_t> Bytes(size_t count);

    // An unsigned bit field of 0 to 32 bits.
    uint32_t Bits(unsigned count);
    // A two's complement bit field of 0 to 32 bits (0 bits read as 0).
    int32_t SignedBits(unsigned count);
    bool Flag() { return Bits(1) != 0; }
    // Discards the rest of a partly read byte.
    void Align();

    // A reader over the next `length` bytes, which this reader skips.
    Reader Sub(size_t length, std::optional<uint16_t> tagCode);

    size_t Position() const { return m_position; }
    size_t AbsoluteOffset() const { return m_baseOffset + m_position; }
    size_t Remaining() const { return m_window.size() - m_position; }
    bool AtEnd() const { return m_position == m_window.size(); }
    std::optional<uint16_t> TagCode() const { return m_tagCode; }

    [[noreturn]] void Fail(const std::string& message) const;

private:
    void Need(size_t count, const char* what) const;

    std::span<const uint8_t> m_window;
    size_t m_baseOffset;
    std::optional<uint16_t> m_tagCode;
    size_t m_position = 0;
    // Bits of m_window[m_position - 1] not yet read; 0 when aligned.
    unsigned m_bitsLeft = 0;
};

} // namespace swf
