#include "writer/com/automation/Guid.h"

#include <cstdio>

namespace quillot::com {

std::string ToString(const GUID& guid) {
    char text[39];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  guid.Data1, guid.Data2, guid.Data3, guid.Data4[0], guid.Data4[1],
                  guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5], guid.Data4[6],
                  guid.Data4[7]);
    return text;
}

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

std::optional<GUID> ParseGuid(std::string_view text) {
    constexpr std::string_view kPattern = "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}";
    if (text.size() != kPattern.size()) {
        return std::nullopt;
    }
    std::uint8_t bytes[16] = {};
    int nibble = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (kPattern[i] != 'X') {
            if (text[i] != kPattern[i]) return std::nullopt;
            continue;
        }
        const int digit = HexDigit(text[i]);
        if (digit < 0) return std::nullopt;
        bytes[nibble / 2] = static_cast<std::uint8_t>(bytes[nibble / 2] << 4 | digit);
        ++nibble;
    }
    GUID guid{};
    guid.Data1 = std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 |
                 std::uint32_t{bytes[2]} << 8 | bytes[3];
    guid.Data2 = static_cast<std::uint16_t>(bytes[4] << 8 | bytes[5]);
    guid.Data3 = static_cast<std::uint16_t>(bytes[6] << 8 | bytes[7]);
    for (int i = 0; i < 8; ++i) {
        guid.Data4[i] = bytes[8 + i];
    }
    return guid;
}

} // namespace quillot::com
