#include "viewer/swf/Reader.h"

#include "viewer/swf/ReadError.h"

#include <algorithm>
#include <cstring>

namespace swf {

Reader::Reader(std::span<const uint8_t> window, size_t baseOffset, std::optional<uint16_t> tagCode)
    : m_window(window), m_baseOffset(baseOffset), m_tagCode(tagCode) {
}

void Reader::Fail(const std::string& message) const {
    throw ReadError(message, m_tagCode, AbsoluteOffset());
}

void Reader::Need(size_t count, const char* what) const {
    if (count > Remaining()) {
        Fail(std::string("truncated: ") + what + " needs " + std::to_string(count) + " byte(s), " +
             std::to_string(Remaining()) + " left");
    }
}

uint8_t Reader::U8() {
    Align();
    Need(1, "U8");
    return m_window[m_position++];
}

uint16_t Reader::U16() {
    Align();
    Need(2, "U16");
    uint16_t value = m_window[m_position] | m_window[m_position + 1] << 8;
    m_position += 2;
    return value;
}

uint32_t Reader::U32() {
    Align();
    Need(4, "U32");
    uint32_t value = 0;
    for (int index = 3; index >= 0; --index) {
        value = value << 8 | m_window[m_position + index];
    }
    m_position += 4;
    return value;
}

int16_t Reader::S16() {
    return static_cast<int16_t>(U16());
}

uint16_t Reader::Fixed8() {
    return U16();
}

int32_t Reader::Fixed16() {
    return static_cast<int32_t>(U32());
}

std::string Reader::String() {
    Align();
    auto rest = m_window.subspan(m_position);
    auto terminator = std::find(rest.begin(), rest.end(), uint8_t{0});
    if (terminator == rest.end()) {
        Fail("string without its terminating 0 byte");
    }
    std::string text(rest.begin(), terminator);
    m_position += text.size() + 1;
    return text;
}

std::span<const uint8_t> Reader::Bytes(size_t count) {
    Align();
    Need(count, "byte block");
    auto bytes = m_window.subspan(m_position, count);
    m_position += count;
    return bytes;
}

uint32_t Reader::Bits(unsigned count) {
    if (count > 32) {
        Fail("bit field of " + std::to_string(count) + " bits");
    }
    uint64_t value = 0;
    while (count > 0) {
        if (m_bitsLeft == 0) {
            if (AtEnd()) {
                Fail("truncated: bit field runs past the end");
            }
            ++m_position;
            m_bitsLeft = 8;
        }
        unsigned take = std::min(count, m_bitsLeft);
        uint8_t byte = m_window[m_position - 1];
        uint8_t bits = (byte >> (m_bitsLeft - take)) & ((1u << take) - 1);
        value = value << take | bits;
        m_bitsLeft -= take;
        count -= take;
    }
    return static_cast<uint32_t>(value);
}

int32_t Reader::SignedBits(unsigned count) {
    uint32_t raw = Bits(count);
    if (count == 0 || count == 32) {
        return static_cast<int32_t>(raw);
    }
    uint32_t signBit = 1u << (count - 1);
    return static_cast<int32_t>((raw ^ signBit) - signBit);
}

void Reader::Align() {
    m_bitsLeft = 0;
}

Reader Reader::Sub(size_t length, std::optional<uint16_t> tagCode) {
    Align();
    Need(length, "tag body");
    Reader sub(m_window.subspan(m_position, length), AbsoluteOffset(), tagCode);
    m_position += length;
    return sub;
}

} // namespace swf
