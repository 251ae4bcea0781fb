#include "writer/com/automation/AutomationConversion.h"

#include <cmath>
#include <limits>

#include "writer/com/automation/AutomationString.h"

namespace quillot::com {

double RoundHalfToEven(double value) {
    if (std::fabs(value - std::trunc(value)) == 0.5) {
        return 2.0 * std::round(value / 2.0);
    }
    return std::round(value);
}

namespace {

HRESULT FromReal(double real, std::int64_t minimum, std::int64_t maximum, std::int64_t& value) {
    if (std::isnan(real)) {
        return DISP_E_OVERFLOW;
    }
    const double rounded = RoundHalfToEven(real);
    if (rounded < static_cast<double>(minimum) || rounded > static_cast<double>(maximum)) {
        return DISP_E_OVERFLOW;
    }
    value = static_cast<std::int64_t>(rounded);
    return S_OK;
}

HRESULT ToInteger(const VARIANT& argument, std::int64_t minimum, std::int64_t maximum,
                  std::int64_t& value) {
    switch (argument.vt) {
    case VT_I1: value = argument.cVal; break;
    case VT_UI1: value = argument.bVal; break;
    case VT_I2: value = argument.iVal; break;
    case VT_UI2: value = argument.uiVal; break;
    case VT_BOOL: value = argument.boolVal; break;
    case VT_I4:
    case VT_INT: value = argument.lVal; break;
    case VT_UI4:
    case VT_UINT: value = argument.ulVal; break;
    case VT_I8: value = argument.llVal; break;
    case VT_UI8:
        if (argument.ullVal > static_cast<std::uint64_t>(maximum)) {
            return DISP_E_OVERFLOW;
        }
        value = static_cast<std::int64_t>(argument.ullVal);
        return S_OK;
    case VT_R4: return FromReal(argument.fltVal, minimum, maximum, value);
    case VT_R8: return FromReal(argument.dblVal, minimum, maximum, value);
    default: return DISP_E_TYPEMISMATCH;
    }
    return value < minimum || value > maximum ? DISP_E_OVERFLOW : S_OK;
}

template <class Integer> HRESULT ToIntegerOf(const VARIANT& argument, Integer& value) {
    std::int64_t wide = 0;
    const HRESULT result = ToInteger(argument, std::numeric_limits<Integer>::min(),
                                     std::numeric_limits<Integer>::max(), wide);
    if (Succeeded(result)) {
        value = static_cast<Integer>(wide);
    }
    return result;
}

bool IsNothing(const VARIANT& argument) { return argument.vt == VT_EMPTY || argument.vt == VT_NULL; }

} // namespace

HRESULT ToInt32(const VARIANT& argument, std::int32_t& value) { return ToIntegerOf(argument, value); }
HRESULT ToInt16(const VARIANT& argument, std::int16_t& value) { return ToIntegerOf(argument, value); }
HRESULT ToByte(const VARIANT& argument, std::uint8_t& value) { return ToIntegerOf(argument, value); }

HRESULT ToString(const VARIANT& argument, BSTR& value) {
    if (IsNothing(argument)) {
        value = nullptr;
        return S_OK;
    }
    if (argument.vt != VT_BSTR) {
        return DISP_E_TYPEMISMATCH;
    }
    value = argument.bstrVal;
    return S_OK;
}

HRESULT ToUnknown(const VARIANT& argument, IUnknown*& value) {
    if (IsNothing(argument)) {
        value = nullptr;
        return S_OK;
    }
    if (argument.vt != VT_UNKNOWN && argument.vt != VT_DISPATCH) {
        return DISP_E_TYPEMISMATCH;
    }
    value = argument.punkVal;
    return S_OK;
}

HRESULT ToText(const char* string, std::string& text) {
    const std::string_view view = StringView(string);
    if (view.find('\0') != std::string_view::npos) {
        return E_INVALIDARG;
    }
    text.assign(view);
    return S_OK;
}

} // namespace quillot::com
