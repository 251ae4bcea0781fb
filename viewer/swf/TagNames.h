#pragma once

#include <cstdint>
#include <string_view>

namespace swf {

// Tag codes of the SWF records this program writes or reads.
namespace TagCode {
inline constexpr uint16_t End = 0;
inline constexpr uint16_t ShowFrame = 1;
inline constexpr uint16_t RemoveObject = 5;
inline constexpr uint16_t SetBackgroundColor = 9;
inline constexpr uint16_t DoAction = 12;
inline constexpr uint16_t PlaceObject2 = 26;
inline constexpr uint16_t DefineShape3 = 32;
inline constexpr uint16_t DefineFont = 10;
inline constexpr uint16_t DefineFontInfo = 13;
inline constexpr uint16_t DefineText2 = 33;
inline constexpr uint16_t DefineBitsJpeg2 = 21;
inline constexpr uint16_t DefineSound = 14;
inline constexpr uint16_t SoundStreamHead = 18;
inline constexpr uint16_t StartSound = 15;
inline constexpr uint16_t DefineEditText = 37;
inline constexpr uint16_t DefineButton2 = 34;
} // namespace TagCode

// The SWF name of a tag code ("DefineShape3"), or "Unknown".
std::string_view TagName(uint16_t code);

} // namespace swf
