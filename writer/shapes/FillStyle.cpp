#include "writer/shapes/FillStyle.h"

#include <algorithm>

namespace quillot {

namespace {

// The count has one byte; entries beyond it are left out rather than written
// where a reader expects the next field.
void WriteGradient(TagBuffer& out, const Gradient& gradient) {
    WriteMatrix(out, gradient.matrix);
    const std::size_t count = std::min<std::size_t>(gradient.entries.size(), 0xFF);
    out.WriteU8(static_cast<std::uint8_t>(count));
    for (std::size_t i = 0; i < count; ++i) {
        out.WriteU8(gradient.entries[i].ratio);
        WriteRgba(out, gradient.entries[i].color);
    }
}

} // namespace

void WriteFillStyle(TagBuffer& out, const FillStyle& style) {
    out.WriteU8(style.type);
    switch (style.type) {
    case FillStyle::Solid:
        WriteRgba(out, style.color);
        break;
    case FillStyle::LinearGradient:
    case FillStyle::RadialGradient:
        WriteGradient(out, style.gradient);
        break;
    case FillStyle::ClippedBitmap:
        out.WriteU16(style.bitmapId);
        WriteMatrix(out, style.bitmapMatrix);
        break;
    }
}

} // namespace quillot
