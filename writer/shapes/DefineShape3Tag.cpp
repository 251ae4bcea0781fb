#include "writer/shapes/DefineShape3Tag.h"

#include <algorithm>

#include "writer/movie/CharacterIds.h"

namespace quillot {

namespace {

constexpr int kDefineShape3Code = 32;

void WriteStyleCount(TagBuffer& out, std::size_t count) {
    if (count < 0xFF) {
        out.WriteU8(static_cast<std::uint8_t>(count));
    } else {
        out.WriteU8(0xFF);
        out.WriteU16(static_cast<std::uint16_t>(count));
    }
}

} // namespace

DefineShape3Tag::DefineShape3Tag(const SwfRect& bounds)
    : m_characterId(NextCharacterId()), m_bounds(bounds) {}

std::uint32_t DefineShape3Tag::AddFillStyle(FillStyle style) {
    m_fillStyles.push_back(std::move(style));
    return static_cast<std::uint32_t>(m_fillStyles.size());
}

std::uint32_t DefineShape3Tag::AddLineStyle(std::int32_t width, PackedRgba color) {
    const auto clampedWidth = static_cast<std::uint16_t>(std::clamp(width, 0, 0xFFFF));
    m_lineStyles.push_back({clampedWidth, color});
    return static_cast<std::uint32_t>(m_lineStyles.size());
}

void DefineShape3Tag::FinishStyles() {
    m_numFillBits = SignificantBits(m_fillStyles.size());
    m_numLineBits = SignificantBits(m_lineStyles.size());
}

void DefineShape3Tag::Write(TagBuffer& out) const {
    TagBuffer body;
    body.WriteU16(m_characterId);
    WriteRect(body, m_bounds);
    WriteStyleCount(body, m_fillStyles.size());
    for (const FillStyle& style : m_fillStyles) {
        WriteFillStyle(body, style);
    }
    WriteStyleCount(body, m_lineStyles.size());
    for (const LineStyle& style : m_lineStyles) {
        body.WriteU16(style.width);
        WriteRgba(body, style.color);
    }
    body.WriteBits(static_cast<std::uint32_t>(m_numFillBits), 4);
    body.WriteBits(static_cast<std::uint32_t>(m_numLineBits), 4);
    WriteShapeRecords(body, m_records, m_numFillBits, m_numLineBits);
    WriteTag(out, kDefineShape3Code, body);
}

} // namespace quillot
