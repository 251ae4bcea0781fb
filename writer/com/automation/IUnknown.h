#pragma once

#include <cstdint>

#include "writer/com/automation/Guid.h"
#include "writer/com/automation/ResultCodes.h"

namespace quillot::com {

// The root of every interface. Interfaces are classes of pure virtual
// functions without a destructor, so that their function table is exactly the
// list of their operations in declaration order, which is what clients in
// other languages call through.
struct IUnknown {
    virtual HRESULT QueryInterface(REFIID riid, void** object) = 0;
    virtual std::uint32_t AddRef() = 0;
    virtual std::uint32_t Release() = 0;
};

} // namespace quillot::com
