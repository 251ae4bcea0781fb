#pragma once

#include <string_view>

#include "writer/com/automation/Guid.h"

// The identifiers clients and the registration store know the library by.
namespace quillot::com {

// {00000000-0000-0000-C000-000000000046} and its well-known siblings.
inline constexpr GUID IID_IUnknown{0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
inline constexpr GUID IID_IClassFactory{0x00000001, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
inline constexpr GUID IID_IDispatch{0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
inline constexpr GUID IID_ITypeInfo{0x00020401, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

// All of the library's own identifiers differ only in their first word.
constexpr GUID QuillotGuid(std::uint32_t first) {
    return {first, 0xC35B, 0x4F18, {0xA2, 0xD6, 0x91, 0xB0, 0x7E, 0x3C, 0x5F, 0x48}};
}

inline constexpr GUID LIBID_QuillotLib = QuillotGuid(0x7E4A2180);
inline constexpr GUID IID_IswfMovie = QuillotGuid(0x7E4A2190);
inline constexpr GUID CLSID_swfMovie = QuillotGuid(0x7E4A2191);
inline constexpr GUID IID_IswfObject = QuillotGuid(0x7E4A219C);
inline constexpr GUID CLSID_swfObject = QuillotGuid(0x7E4A219D);
inline constexpr GUID IID_IswfAction = QuillotGuid(0x7E4A21A2);
inline constexpr GUID CLSID_swfAction = QuillotGuid(0x7E4A21A3);

} // namespace quillot::com
