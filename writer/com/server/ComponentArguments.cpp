#include "writer/com/server/ComponentArguments.h"

#include "writer/com/automation/AutomationString.h"
#include "writer/com/automation/Variant.h"

namespace quillot::com {

HRESULT ToTexts(const char* first, std::string& firstText, const char* second,
                std::string& secondText) {
    const HRESULT status = ToText(first, firstText);
    return Failed(status) ? status : ToText(second, secondText);
}

HRESULT ReturnString(const std::string& text, BSTR* out) {
    if (out == nullptr) {
        return E_POINTER;
    }
    *out = AllocString(text);
    return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT ReturnBytes(HRESULT status, const std::vector<std::uint8_t>& bytes, VARIANT* out) {
    if (out == nullptr) {
        return E_POINTER;
    }
    *out = EmptyVariant();
    if (status != S_OK) {
        return status;
    }
    *out = ByteArrayVariant(bytes);
    return out->vt == VT_EMPTY ? E_OUTOFMEMORY : S_OK;
}

} // namespace quillot::com
