#include "writer/movie/TagBuffer.h"

#include <algorithm>

namespace quillot {

void TagBuffer::WriteBits(std::uint32_t value, int count) {
    while (count > 0) {
        const int taken = std::min(count, m_freeBits);
        const int shift = count - taken;
        const std::uint32_t chunk = (value >> shift) & ((1u << taken) - 1u);
        m_freeBits -= taken;
        m_pending |= static_cast<std::uint8_t>(chunk << m_freeBits);
        count -= taken;
        if (m_freeBits == 0) {
            m_bytes.push_back(m_pending);
            m_pending = 0;
            m_freeBits = 8;
        }
    }
}

void TagBuffer::WriteSignedBits(std::int32_t value, int count) {
    WriteBits(static_cast<std::uint32_t>(value), count);
}

void TagBuffer::WriteU8(std::uint8_t value) {
    if (m_freeBits == 8) {
        m_bytes.push_back(value);
        return;
    }
    WriteBits(value, 8);
}

void TagBuffer::WriteU16(std::uint16_t value) {
    WriteU8(static_cast<std::uint8_t>(value));
    WriteU8(static_cast<std::uint8_t>(value >> 8));
}

void TagBuffer::WriteU32(std::uint32_t value) {
    WriteU16(static_cast<std::uint16_t>(value));
    WriteU16(static_cast<std::uint16_t>(value >> 16));
}

void TagBuffer::WriteBytes(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    if (m_freeBits == 8) {
        m_bytes.insert(m_bytes.end(), bytes, bytes + size);
        return;
    }
    for (std::size_t i = 0; i < size; ++i) {
        WriteBits(bytes[i], 8);
    }
}

void TagBuffer::WriteString(std::string_view text) {
    WriteBytes(text.data(), text.size());
    WriteU8(0);
}

void TagBuffer::Align() {
    if (m_freeBits != 8) {
        m_bytes.push_back(m_pending);
        m_pending = 0;
        m_freeBits = 8;
    }
}

void TagBuffer::Clear() {
    m_bytes.clear();
    m_pending = 0;
    m_freeBits = 8;
    m_blocks.clear();
    m_externalSize = 0;
}

void TagBuffer::AppendBuffer(const TagBuffer& other) {
    const std::size_t shift = m_bytes.size();
    m_bytes.insert(m_bytes.end(), other.m_bytes.begin(), other.m_bytes.end());
    for (const ExternalBlock& block : other.m_blocks) {
        m_blocks.push_back({block.position + shift, block.data, block.size});
        m_externalSize += block.size;
    }
}

void TagBuffer::AddExternalBlock(const std::uint8_t* data, std::size_t size) {
    m_blocks.push_back({m_bytes.size(), data, size});
    m_externalSize += size;
}

void TagBuffer::WriteTagHeader(int code, std::size_t length) {
    constexpr std::size_t longFormMark = 63;
    const std::size_t shortLength = std::min(length, longFormMark);
    WriteU16(static_cast<std::uint16_t>((code << 6) | static_cast<int>(shortLength)));
    if (length >= longFormMark) {
        WriteU32(static_cast<std::uint32_t>(length));
    }
}

std::size_t TagBuffer::TotalLength() const { return m_bytes.size() + m_externalSize; }

std::vector<std::uint8_t> TagBuffer::Flatten() const {
    std::vector<std::uint8_t> out;
    out.reserve(TotalLength());
    std::size_t copied = 0;
    for (const ExternalBlock& block : m_blocks) {
        out.insert(out.end(), m_bytes.begin() + copied, m_bytes.begin() + block.position);
        out.insert(out.end(), block.data, block.data + block.size);
        copied = block.position;
    }
    out.insert(out.end(), m_bytes.begin() + copied, m_bytes.end());
    return out;
}

} // namespace quillot
