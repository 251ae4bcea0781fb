#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace joyvane {

// Reads a 32-bit integer written in decimal (with an optional sign) or as "$"
// followed by hexadecimal digits, the way cards have always stored colours.
// Hexadecimal text gives the 32-bit pattern, so "$FFFFFFFF" is -1. Spaces
// around the number are allowed. Throws ConversionError naming `elementPath`.
std::int32_t ToInteger(std::string_view text, const std::string& elementPath);

// A colour value 0x00BBGGRR: an integer as above that is not negative.
std::int32_t ToColour(std::string_view text, const std::string& elementPath);

// The form the program writes: decimal, with a leading minus when negative.
std::string FromInteger(std::int32_t value);

} // namespace joyvane
