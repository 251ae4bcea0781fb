#pragma once

#include "writer/com/automation/ITypeInfo.h"

namespace quillot::com {

// Late binding: operations found by name and called with variants.
// GetIDsOfNames takes the operation's name first, then any argument names;
// names match without regard to case. Invoke takes its arguments last first,
// as automation clients pass them; on a bad argument `argumentError` gets its
// index in `params->rgvarg`.
struct IDispatch : IUnknown {
    virtual HRESULT GetTypeInfoCount(std::uint32_t* count) = 0;
    virtual HRESULT GetTypeInfo(std::uint32_t index, ITypeInfo** typeInfo) = 0;
    virtual HRESULT GetIDsOfNames(const char* const* names, std::uint32_t count, DISPID* ids) = 0;
    virtual HRESULT Invoke(DISPID member, std::uint16_t flags, DISPPARAMS* params, VARIANT* result,
                           std::uint32_t* argumentError) = 0;
};

} // namespace quillot::com
