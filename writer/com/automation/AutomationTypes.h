#pragma once

#include <cstdint>

// The values that cross the automation boundary, laid out as plain C structs
// so that clients in any language (the Python client uses ctypes) can build
// and read them.
namespace quillot::com {

using DISPID = std::int32_t;
using VARTYPE = std::uint16_t;
using VARIANT_BOOL = std::int16_t;

inline constexpr VARIANT_BOOL VARIANT_TRUE = -1;
inline constexpr VARIANT_BOOL VARIANT_FALSE = 0;

// The right-hand side of a property assignment, as a named argument.
inline constexpr DISPID DISPID_PROPERTYPUT = -3;
inline constexpr DISPID DISPID_UNKNOWN = -1;

// A string: UTF-8 bytes with a 32-bit byte count stored just before the first
// byte and a terminating 0 after the last. A null BSTR is an empty string.
// Made and freed only by AllocString and FreeString, so that every module in
// the process agrees on its layout.
using BSTR = char*;

struct IUnknown;
struct IDispatch;

enum VariantType : VARTYPE {
    VT_EMPTY = 0,
    VT_NULL = 1,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R4 = 4,
    VT_R8 = 5,
    VT_BSTR = 8,
    VT_DISPATCH = 9,
    VT_BOOL = 11,
    VT_VARIANT = 12,
    VT_UNKNOWN = 13,
    VT_I1 = 16,
    VT_UI1 = 17,
    VT_UI2 = 18,
    VT_UI4 = 19,
    VT_I8 = 20,
    VT_UI8 = 21,
    VT_INT = 22,
    VT_UINT = 23,
    VT_ARRAY = 0x2000,
};

struct SAFEARRAYBOUND {
    std::uint32_t cElements;
    std::int32_t lLbound;
};

// A one-dimensional array of elements; the library hands out byte arrays
// only (file contents).
struct SAFEARRAY {
    std::uint16_t cDims;
    std::uint16_t fFeatures;
    std::uint32_t cbElements;
    std::uint32_t cLocks;
    void* pvData;
    SAFEARRAYBOUND rgsabound[1];
};

struct VARIANT {
    VARTYPE vt;
    std::uint16_t wReserved1;
    std::uint16_t wReserved2;
    std::uint16_t wReserved3;
    union {
        std::int64_t llVal;
        std::uint64_t ullVal;
        std::int32_t lVal;
        std::uint32_t ulVal;
        std::int16_t iVal;
        std::uint16_t uiVal;
        std::int8_t cVal;
        std::uint8_t bVal;
        float fltVal;
        double dblVal;
        VARIANT_BOOL boolVal;
        BSTR bstrVal;
        IUnknown* punkVal;
        IDispatch* pdispVal;
        SAFEARRAY* parray;
    };
};

// Arguments of an Invoke call, the last argument first.
struct DISPPARAMS {
    VARIANT* rgvarg;
    DISPID* rgdispidNamedArgs;
    std::uint32_t cArgs;
    std::uint32_t cNamedArgs;
};

// What an Invoke call asks for; a method call may carry the property-get
// flag too, as many clients send both.
enum DispatchFlags : std::uint16_t {
    DISPATCH_METHOD = 1,
    DISPATCH_PROPERTYGET = 2,
    DISPATCH_PROPERTYPUT = 4,
};

static_assert(sizeof(VARIANT) == 16, "clients rely on the 16-byte variant");

} // namespace quillot::com
