#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillot::com {

// A 128-bit class, interface or library identifier, laid out as automation
// clients expect it in memory.
struct GUID {
    std::uint32_t Data1;
    std::uint16_t Data2;
    std::uint16_t Data3;
    std::uint8_t Data4[8];

    friend constexpr bool operator==(const GUID&, const GUID&) = default;
};

using REFIID = const GUID&;
using REFCLSID = const GUID&;

// The registry form "{7E4A2191-C35B-4F18-A2D6-91B07E3C5F48}", upper case.
std::string ToString(const GUID& guid);
// Reads the registry form (either case); none when the text is not one.
std::optional<GUID> ParseGuid(std::string_view text);

} // namespace quillot::com
