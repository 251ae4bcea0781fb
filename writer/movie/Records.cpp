#include "writer/movie/Records.h"

#include <algorithm>
#include <bit>
#include <cstdlib>

namespace quillot {

std::int32_t ClampToField(std::int64_t value) {
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(value, -kLargestFieldValue, kLargestFieldValue));
}

int SignificantBits(std::uint64_t magnitude) { return std::bit_width(magnitude); }

int SignedBitsFor(std::initializer_list<std::int64_t> values) {
    std::uint64_t largest = 0;
    for (std::int64_t value : values) {
        largest = std::max<std::uint64_t>(largest, static_cast<std::uint64_t>(std::llabs(value)));
    }
    return SignificantBits(largest) + 1;
}

void WriteRgb(TagBuffer& out, PackedRgba color) {
    out.WriteU8(static_cast<std::uint8_t>(color));
    out.WriteU8(static_cast<std::uint8_t>(color >> 8));
    out.WriteU8(static_cast<std::uint8_t>(color >> 16));
}

void WriteRgba(TagBuffer& out, PackedRgba color) {
    WriteRgb(out, color);
    out.WriteU8(static_cast<std::uint8_t>(color >> 24));
}

void WriteRect(TagBuffer& out, const SwfRect& rect) {
    const std::int32_t xmin = ClampToField(rect.xmin);
    const std::int32_t xmax = ClampToField(rect.xmax);
    const std::int32_t ymin = ClampToField(rect.ymin);
    const std::int32_t ymax = ClampToField(rect.ymax);
    const int bits = SignedBitsFor({xmin, xmax, ymin, ymax});
    out.WriteBits(static_cast<std::uint32_t>(bits), 5);
    for (std::int32_t value : {xmin, xmax, ymin, ymax}) {
        out.WriteSignedBits(value, bits);
    }
    out.Align();
}

namespace {

void WritePair(TagBuffer& out, const FixedPair& pair) {
    const std::int32_t first = ClampToField(pair.first);
    const std::int32_t second = ClampToField(pair.second);
    const int bits = SignedBitsFor({first, second});
    out.WriteBits(static_cast<std::uint32_t>(bits), 5);
    out.WriteSignedBits(first, bits);
    out.WriteSignedBits(second, bits);
}

} // namespace

void WriteMatrix(TagBuffer& out, const SwfMatrix& matrix) {
    const bool identity = !matrix.scale && !matrix.rotateSkew && matrix.translateX == 0 &&
                          matrix.translateY == 0;
    if (identity) {
        out.WriteU8(0);
        return;
    }
    out.WriteBits(matrix.scale ? 1 : 0, 1);
    if (matrix.scale) {
        WritePair(out, *matrix.scale);
    }
    out.WriteBits(matrix.rotateSkew ? 1 : 0, 1);
    if (matrix.rotateSkew) {
        WritePair(out, *matrix.rotateSkew);
    }
    WritePair(out, {matrix.translateX, matrix.translateY});
    out.Align();
}

} // namespace quillot
