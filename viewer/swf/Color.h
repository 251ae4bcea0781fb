#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <optional>

namespace swf {

class Reader;

// RGB, as in SetBackgroundColor.
struct Rgb {
    uint8_t red = 0, green = 0, blue = 0;
    bool operator==(const Rgb&) const = default;
};

// RGBA, as in DefineShape3 styles.
struct Rgba {
    uint8_t red = 0, green = 0, blue = 0, alpha = 0;
    bool operator==(const Rgba&) const = default;
};

// CXFORMWITHALPHA. Terms in the order red, green, blue, alpha; multiply terms
// are 8.8 fixed point. An absent term set was not written.
struct ColorTransformWithAlpha {
    std::optional<std::array<int32_t, 4>> multiply{};
    std::optional<std::array<int32_t, 4>> add{};
    bool operator==(const ColorTransformWithAlpha&) const = default;
};

Rgb ReadRgb(Reader& reader);
Rgba ReadRgba(Reader& reader);
ColorTransformWithAlpha ReadColorTransformWithAlpha(Reader& reader);

std::ostream& operator<<(std::ostream& out, const Rgb& color);
std::ostream& operator<<(std::ostream& out, const Rgba& color);
std::ostream& operator<<(std::ostream& out, const ColorTransformWithAlpha& transform);

} // namespace swf
