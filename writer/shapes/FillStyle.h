#pragma once

#include <cstdint>
#include <vector>

#include "writer/movie/Records.h"

namespace quillot {

struct GradientEntry {
    std::uint8_t ratio = 0;
    PackedRgba color = 0;
    bool operator==(const GradientEntry&) const = default;
};

struct Gradient {
    SwfMatrix matrix;
    std::vector<GradientEntry> entries;
};

// One entry of a DefineShape3 fill style array.
struct FillStyle {
    enum Type : std::uint8_t {
        Solid = 0x00,
        LinearGradient = 0x10,
        RadialGradient = 0x12,
        ClippedBitmap = 0x41,
    };

    static FillStyle SolidColor(PackedRgba color) { return {Solid, color, {}, 0, {}}; }
    static FillStyle FromGradient(Type type, Gradient gradient) {
        return {type, 0, std::move(gradient), 0, {}};
    }
    static FillStyle Bitmap(std::uint16_t bitmapId, SwfMatrix matrix) {
        return {ClippedBitmap, 0, {}, bitmapId, matrix};
    }

    Type type;
    PackedRgba color;
    Gradient gradient;
    std::uint16_t bitmapId;
    SwfMatrix bitmapMatrix;
};

struct LineStyle {
    std::uint16_t width = 0;
    PackedRgba color = 0;
};

void WriteFillStyle(TagBuffer& out, const FillStyle& style);

} // namespace quillot
