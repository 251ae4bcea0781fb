#pragma once

#include <cstdint>
#include <string>

namespace swf {

// Two upper-case hexadecimal digits, as the printed records show bytes.
std::string HexDigits(uint8_t byte);

} // namespace swf
