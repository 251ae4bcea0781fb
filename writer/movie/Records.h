#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>

#include "writer/movie/TagBuffer.h"

// Small records shared by many tags: colours, rectangles and matrices, and the
// bit-count rule of the format.
namespace quillot {

// Packed as red | green << 8 | blue << 16 | alpha << 24.
using PackedRgba = std::uint32_t;

inline constexpr PackedRgba PackRgba(std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                                     std::uint8_t alpha) {
    return red | (green << 8) | (blue << 16) | (static_cast<PackedRgba>(alpha) << 24);
}

struct SwfRect {
    std::int32_t xmin = 0;
    std::int32_t xmax = 0;
    std::int32_t ymin = 0;
    std::int32_t ymax = 0;
    bool operator==(const SwfRect&) const = default;
};

struct FixedPair {
    std::int32_t first = 0;
    std::int32_t second = 0;
    bool operator==(const FixedPair&) const = default;
};

// Scales and rotate-skews are raw 16.16 values; translations are twips.
struct SwfMatrix {
    std::optional<FixedPair> scale;
    std::optional<FixedPair> rotateSkew;
    std::int32_t translateX = 0;
    std::int32_t translateY = 0;
    bool operator==(const SwfMatrix&) const = default;
};

// The widest signed field a 5-bit bit count can announce is 31 bits; values
// beyond it are clamped so the record stays readable.
inline constexpr std::int32_t kLargestFieldValue = (1 << 30) - 1;
std::int32_t ClampToField(std::int64_t value);

// Number of bits needed for the magnitude, 0 for 0.
int SignificantBits(std::uint64_t magnitude);
// Bits of a signed field holding every value: the significant bits of the
// largest magnitude plus a sign bit (so 1 when all values are 0).
int SignedBitsFor(std::initializer_list<std::int64_t> values);

void WriteRgb(TagBuffer& out, PackedRgba color);
void WriteRgba(TagBuffer& out, PackedRgba color);
void WriteRect(TagBuffer& out, const SwfRect& rect);
void WriteMatrix(TagBuffer& out, const SwfMatrix& matrix);

} // namespace quillot
