#pragma once

#include "writer/com/automation/AutomationTypes.h"
#include "writer/com/automation/IUnknown.h"

namespace quillot::com {

// What the description of an interface says about the interface itself.
struct TYPEATTR {
    GUID guid;
    std::uint16_t cFuncs;
    std::uint16_t wMajorVerNum;
    std::uint16_t wMinorVerNum;
    const char* name;
    const char* helpString;
};

// One operation: a method, a property get or a property put. The texts and
// arrays stay valid while the type information is referenced.
struct FUNCDESC {
    DISPID memid;
    std::uint16_t invkind;  // one of the DispatchFlags
    std::uint16_t cParams;  // the arguments a caller passes
    VARTYPE vtResult;       // VT_EMPTY when the operation returns no value
    const VARTYPE* paramTypes;
    const char* const* paramNames;
    const char* name;
    const char* helpString;
};

// The description of one dispatch interface, and late binding through it.
struct ITypeInfo : IUnknown {
    virtual HRESULT GetTypeAttr(TYPEATTR* attributes) = 0;
    virtual HRESULT GetFuncDesc(std::uint32_t index, FUNCDESC* description) = 0;
    virtual HRESULT GetIDsOfNames(const char* const* names, std::uint32_t count, DISPID* ids) = 0;
    // `instance` is an object implementing the described interface.
    virtual HRESULT Invoke(void* instance, DISPID member, std::uint16_t flags, DISPPARAMS* params,
                           VARIANT* result, std::uint32_t* argumentError) = 0;
};

} // namespace quillot::com
