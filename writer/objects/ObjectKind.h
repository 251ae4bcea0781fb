#pragma once

#include <cstdint>

namespace quillot {

// The kind codes an object reports through ObjectType. Codes from
// kFirstShapeKind on carry shape state (bounds, line, fill, transform).
namespace ObjectKind {
inline constexpr std::int16_t Empty = 0;
inline constexpr std::int16_t Button = 1100;
inline constexpr std::int16_t SimpleButton = 1101;
inline constexpr std::int16_t Font = 1200;
inline constexpr std::int16_t Sound = 2100;
inline constexpr std::int16_t Rectangle = 3310;
inline constexpr std::int16_t Circle = 3320;
inline constexpr std::int16_t Polygon = 3330;
inline constexpr std::int16_t Oval = 3340;
inline constexpr std::int16_t StaticText = 3350;
inline constexpr std::int16_t SimpleText = 3351;
inline constexpr std::int16_t EditText = 3380;
inline constexpr std::int16_t Picture = 3390;

inline constexpr std::int16_t kFirstShapeKind = 3300;
} // namespace ObjectKind

} // namespace quillot
