#pragma once

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

#include "writer/movie/TagBuffer.h"

namespace quillot {

struct MoveTo {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// Selects styles and/or moves the pen. Style indices are 1-based; 0 selects
// no style.
struct StyleChangeRecord {
    std::optional<MoveTo> moveTo;
    std::optional<std::uint32_t> fillStyle0;
    std::optional<std::uint32_t> fillStyle1;
    std::optional<std::uint32_t> lineStyle;
};

// Deltas are wider than any edge record; the writer splits what does not fit.
struct StraightEdgeRecord {
    std::int64_t deltaX = 0;
    std::int64_t deltaY = 0;
};

// A quadratic curve: the control point relative to the pen, the anchor
// relative to the control point.
struct CurvedEdgeRecord {
    std::int64_t controlDeltaX = 0;
    std::int64_t controlDeltaY = 0;
    std::int64_t anchorDeltaX = 0;
    std::int64_t anchorDeltaY = 0;
};

using ShapeRecord = std::variant<StyleChangeRecord, StraightEdgeRecord, CurvedEdgeRecord>;

// Writes the records, then the end record, then aligns. Edges whose deltas
// need more bits than an edge record can announce are split into several
// edges that end at the same point, so no value is ever truncated.
void WriteShapeRecords(TagBuffer& out, const std::vector<ShapeRecord>& records, int numFillBits,
                       int numLineBits);

} // namespace quillot
