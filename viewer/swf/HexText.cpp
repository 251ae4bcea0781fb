#include "viewer/swf/HexText.h"

namespace swf {

std::string HexDigits(uint8_t byte) {
    constexpr char Digits[] = "0123456789ABCDEF";
    return {Digits[byte >> 4], Digits[byte & 0x0F]};
}

} // namespace swf
