#include "writer/text/TextFitting.h"

#include "writer/objects/ShapeObject.h"

namespace quillot {

void FitText(ShapeObject& text, std::int32_t x, std::int32_t y, std::int32_t size) {
    const SwfRect& bounds = text.Bounds();
    const double width = static_cast<double>(bounds.xmax) - bounds.xmin + 1;
    const double height = static_cast<double>(bounds.ymax) - bounds.ymin + 1;
    // The factor is single precision and the scale uses 65535 for 1.0, as
    // the movies cards have always had.
    const float factor = static_cast<float>(size) / static_cast<float>(height);
    const auto scale = ClampToField(static_cast<std::int64_t>(factor * 65535.0));
    text.Scale(scale, scale);
    text.Translate(ClampToField(static_cast<std::int64_t>(x - (width - width * factor) * 0.5)),
                   ClampToField(static_cast<std::int64_t>(y - (height - height * factor) * 0.5)));
}

} // namespace quillot
