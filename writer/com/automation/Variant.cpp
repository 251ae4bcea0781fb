#include "writer/com/automation/Variant.h"

#include <cstdlib>
#include <cstring>
#include <limits>

#include "writer/com/automation/AutomationString.h"
#include "writer/com/automation/IUnknown.h"

namespace quillot::com {

VARIANT EmptyVariant() {
    VARIANT variant;
    std::memset(&variant, 0, sizeof variant);
    return variant;
}

VARIANT Int32Variant(std::int32_t value) {
    VARIANT variant = EmptyVariant();
    variant.vt = VT_I4;
    variant.lVal = value;
    return variant;
}

VARIANT RealVariant(double value) {
    VARIANT variant = EmptyVariant();
    variant.vt = VT_R8;
    variant.dblVal = value;
    return variant;
}

VARIANT StringVariant(std::string_view text) {
    VARIANT variant = EmptyVariant();
    variant.vt = VT_BSTR;
    variant.bstrVal = AllocString(text);
    return variant;
}

VARIANT UnknownVariant(IUnknown* object) {
    VARIANT variant = EmptyVariant();
    variant.vt = VT_UNKNOWN;
    variant.punkVal = object;
    if (object != nullptr) {
        object->AddRef();
    }
    return variant;
}

VARIANT ByteArrayVariant(std::span<const std::uint8_t> bytes) {
    VARIANT variant = EmptyVariant();
    if (bytes.size() > std::numeric_limits<std::uint32_t>::max()) {
        return variant;
    }
    // The header and the elements share one block, freed together.
    auto* array = static_cast<SAFEARRAY*>(std::malloc(sizeof(SAFEARRAY) + bytes.size()));
    if (array == nullptr) {
        return variant;
    }
    array->cDims = 1;
    array->fFeatures = 0;
    array->cbElements = 1;
    array->cLocks = 0;
    array->pvData = array + 1;
    array->rgsabound[0] = {static_cast<std::uint32_t>(bytes.size()), 0};
    if (!bytes.empty()) {
        std::memcpy(array->pvData, bytes.data(), bytes.size());
    }
    variant.vt = VT_ARRAY | VT_UI1;
    variant.parray = array;
    return variant;
}

void VariantClear(VARIANT& variant) {
    if (variant.vt == VT_BSTR) {
        FreeString(variant.bstrVal);
    } else if ((variant.vt == VT_UNKNOWN || variant.vt == VT_DISPATCH) && variant.punkVal) {
        variant.punkVal->Release();
    } else if (variant.vt & VT_ARRAY) {
        std::free(variant.parray);
    }
    variant = EmptyVariant();
}

std::span<const std::uint8_t> ByteArrayView(const VARIANT& variant) {
    if (variant.vt != (VT_ARRAY | VT_UI1) || variant.parray == nullptr) {
        return {};
    }
    return {static_cast<const std::uint8_t*>(variant.parray->pvData),
            variant.parray->rgsabound[0].cElements};
}

} // namespace quillot::com
