#include "writer/shapes/ShapeRecords.h"

#include <algorithm>
#include <cstdlib>

#include "writer/movie/Records.h"

namespace quillot {

namespace {

// An edge announces its bit count minus 2 in 4 bits: 2 to 17 bits.
constexpr int kMinEdgeBits = 2;
constexpr int kMaxEdgeBits = 17;
constexpr std::int64_t kLargestEdgeDelta = (1 << (kMaxEdgeBits - 1)) - 1;

int EdgeBits(std::initializer_list<std::int64_t> values) {
    return std::max(kMinEdgeBits, SignedBitsFor(values));
}

void WriteStyleChange(TagBuffer& out, const StyleChangeRecord& record, int numFillBits,
                      int numLineBits) {
    out.WriteBits(0, 1); // type: not an edge
    out.WriteBits(0, 1); // no new styles
    out.WriteBits(record.lineStyle ? 1 : 0, 1);
    out.WriteBits(record.fillStyle1 ? 1 : 0, 1);
    out.WriteBits(record.fillStyle0 ? 1 : 0, 1);
    out.WriteBits(record.moveTo ? 1 : 0, 1);
    if (record.moveTo) {
        const std::int32_t x = ClampToField(record.moveTo->x);
        const std::int32_t y = ClampToField(record.moveTo->y);
        const int bits = SignedBitsFor({x, y});
        out.WriteBits(static_cast<std::uint32_t>(bits), 5);
        out.WriteSignedBits(x, bits);
        out.WriteSignedBits(y, bits);
    }
    if (record.fillStyle0) {
        out.WriteBits(*record.fillStyle0, numFillBits);
    }
    if (record.fillStyle1) {
        out.WriteBits(*record.fillStyle1, numFillBits);
    }
    if (record.lineStyle) {
        out.WriteBits(*record.lineStyle, numLineBits);
    }
}

void WriteStraightEdge(TagBuffer& out, std::int64_t dx, std::int64_t dy) {
    if (std::max(std::abs(dx), std::abs(dy)) > kLargestEdgeDelta) {
        const std::int64_t halfX = dx / 2;
        const std::int64_t halfY = dy / 2;
        WriteStraightEdge(out, halfX, halfY);
        WriteStraightEdge(out, dx - halfX, dy - halfY);
        return;
    }
    const int bits = EdgeBits({dx, dy});
    out.WriteBits(0b11, 2); // edge, straight
    out.WriteBits(static_cast<std::uint32_t>(bits - 2), 4);
    const bool general = dx != 0 && dy != 0;
    out.WriteBits(general ? 1 : 0, 1);
    if (general) {
        out.WriteSignedBits(static_cast<std::int32_t>(dx), bits);
        out.WriteSignedBits(static_cast<std::int32_t>(dy), bits);
        return;
    }
    const bool vertical = dx == 0;
    out.WriteBits(vertical ? 1 : 0, 1);
    out.WriteSignedBits(static_cast<std::int32_t>(vertical ? dy : dx), bits);
}

void WriteCurvedEdge(TagBuffer& out, std::int64_t cx, std::int64_t cy, std::int64_t ax,
                     std::int64_t ay) {
    if (std::max({std::abs(cx), std::abs(cy), std::abs(ax), std::abs(ay)}) > kLargestEdgeDelta) {
        // Split at the middle of the curve. Points are relative to the start;
        // each half's deltas are differences of them, so the halves end
        // exactly where the whole curve ends.
        const std::int64_t firstControlX = cx / 2, firstControlY = cy / 2;
        const std::int64_t middleX = (3 * cx + ax) / 4, middleY = (3 * cy + ay) / 4;
        const std::int64_t secondControlX = cx + ax / 2, secondControlY = cy + ay / 2;
        const std::int64_t endX = cx + ax, endY = cy + ay;
        WriteCurvedEdge(out, firstControlX, firstControlY, middleX - firstControlX,
                        middleY - firstControlY);
        WriteCurvedEdge(out, secondControlX - middleX, secondControlY - middleY,
                        endX - secondControlX, endY - secondControlY);
        return;
    }
    const int bits = EdgeBits({cx, cy, ax, ay});
    out.WriteBits(0b10, 2); // edge, curved
    out.WriteBits(static_cast<std::uint32_t>(bits - 2), 4);
    for (std::int64_t value : {cx, cy, ax, ay}) {
        out.WriteSignedBits(static_cast<std::int32_t>(value), bits);
    }
}

} // namespace

void WriteShapeRecords(TagBuffer& out, const std::vector<ShapeRecord>& records, int numFillBits,
                       int numLineBits) {
    for (const ShapeRecord& record : records) {
        if (const auto* change = std::get_if<StyleChangeRecord>(&record)) {
            WriteStyleChange(out, *change, numFillBits, numLineBits);
        } else if (const auto* straight = std::get_if<StraightEdgeRecord>(&record)) {
            WriteStraightEdge(out, straight->deltaX, straight->deltaY);
        } else {
            const auto& curve = std::get<CurvedEdgeRecord>(record);
            WriteCurvedEdge(out, curve.controlDeltaX, curve.controlDeltaY, curve.anchorDeltaX,
                            curve.anchorDeltaY);
        }
    }
    out.WriteBits(0, 6); // end of shape
    out.Align();
}

} // namespace quillot
