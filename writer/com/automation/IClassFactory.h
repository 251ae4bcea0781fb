#pragma once

#include "writer/com/automation/IUnknown.h"

namespace quillot::com {

// Makes the objects of one class. An `outer` object aggregates the new
// object: it then may ask only for IUnknown.
struct IClassFactory : IUnknown {
    virtual HRESULT CreateInstance(IUnknown* outer, REFIID riid, void** object) = 0;
    virtual HRESULT LockServer(std::int32_t lock) = 0;
};

} // namespace quillot::com
