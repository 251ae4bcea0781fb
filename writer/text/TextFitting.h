#pragma once

#include <cstdint>

namespace quillot {

class ShapeObject;

// Scales a text to `size` units high and moves it so that, with placements
// scaling about the centre of the bounds, its top-left corner lands near
// (x, y).
void FitText(ShapeObject& text, std::int32_t x, std::int32_t y, std::int32_t size);

} // namespace quillot
