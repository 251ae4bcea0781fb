#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <utility>

namespace swf {

class Reader;

// RECT, in twips.
struct Rect {
    int32_t xmin = 0, xmax = 0, ymin = 0, ymax = 0;
    bool operator==(const Rect&) const = default;
};

// MATRIX. Scale and rotate/skew terms are raw 16.16 fixed point values,
// translations are twips. An absent pair was not written (HasScale or
// HasRotate was 0).
struct Matrix {
    std::optional<std::pair<int32_t, int32_t>> scale{};      // ScaleX, ScaleY
    std::optional<std::pair<int32_t, int32_t>> rotateSkew{}; // RotateSkew0, RotateSkew1
    int32_t translateX = 0, translateY = 0;
    bool operator==(const Matrix&) const = default;
};

// RECT record: bit count (5 bits), Xmin, Xmax, Ymin, Ymax, alignment.
Rect ReadRect(Reader& reader);
// MATRIX record, aligned at both ends.
Matrix ReadMatrix(Reader& reader);

std::ostream& operator<<(std::ostream& out, const Rect& rect);
std::ostream& operator<<(std::ostream& out, const Matrix& matrix);

} // namespace swf
