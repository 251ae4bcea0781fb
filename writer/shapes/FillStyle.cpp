#include "writer/shapes/FillStyle.h"

namespace quillot {

void WriteFillStyle(TagBuffer& out, const FillStyle& style) {
    out.WriteU8(style.type);
    switch (style.type) {
    case FillStyle::Solid:
        WriteRgba(out, style.color);
        break;
    case FillStyle::LinearGradient:
    case FillStyle::RadialGradient:
        WriteMatrix(out, style.gradient.matrix);
        out.WriteU8(static_cast<std::uint8_t>(style.gradient.entries.size()));
        for (const GradientEntry& entry : style.gradient.entries) {
            out.WriteU8(entry.ratio);
            WriteRgba(out, entry.color);
        }
        break;
    case FillStyle::ClippedBitmap:
        out.WriteU16(style.bitmapId);
        WriteMatrix(out, style.bitmapMatrix);
        break;
    }
}

} // namespace quillot
