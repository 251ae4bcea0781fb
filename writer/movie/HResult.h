#pragma once

#include <cstdint>

// Result codes of the writer's operations. The values are the ones automation
// clients know, so the component frame can hand them on unchanged.
namespace quillot {

using HRESULT = std::int32_t;

inline constexpr HRESULT S_OK = 0;
// Success, but nothing was done (for example an addition at a frame that
// cannot exist). Automation clients treat it as success.
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOTIMPL = static_cast<HRESULT>(0x80004001);
inline constexpr HRESULT E_POINTER = static_cast<HRESULT>(0x80004003);
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005);
inline constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000E);
inline constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057);
// The movie file could not be created or written.
inline constexpr HRESULT STG_E_CANTSAVE = static_cast<HRESULT>(0x80030103);

inline constexpr bool Succeeded(HRESULT result) { return result >= 0; }
inline constexpr bool Failed(HRESULT result) { return result < 0; }

} // namespace quillot
