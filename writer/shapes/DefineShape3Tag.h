#pragma once

#include <cstdint>
#include <vector>

#include "writer/movie/Records.h"
#include "writer/movie/TagRecord.h"
#include "writer/shapes/FillStyle.h"
#include "writer/shapes/ShapeRecords.h"

namespace quillot {

// A shape definition with RGBA colours. It takes the next character
// identifier when it is constructed.
class DefineShape3Tag : public TagRecord {
public:
    explicit DefineShape3Tag(const SwfRect& bounds);

    // Each returns the new style's 1-based index.
    std::uint32_t AddFillStyle(FillStyle style);
    std::uint32_t AddLineStyle(std::int32_t width, PackedRgba color);
    // Fixes the bit widths of style indices in the records that follow.
    void FinishStyles();
    void AddRecord(ShapeRecord record) { m_records.push_back(std::move(record)); }

    void Write(TagBuffer& out) const override;
    std::uint16_t CharacterId() const override { return m_characterId; }

private:
    std::uint16_t m_characterId;
    SwfRect m_bounds;
    std::vector<FillStyle> m_fillStyles;
    std::vector<LineStyle> m_lineStyles;
    int m_numFillBits = 0;
    int m_numLineBits = 0;
    std::vector<ShapeRecord> m_records;
};

} // namespace quillot
