#include "writer/com/client/AutomationValue.h"

#include <utility>

#include "writer/com/automation/AutomationConversion.h"
#include "writer/com/automation/AutomationString.h"
#include "writer/com/automation/Variant.h"

namespace quillot::com {

AutomationValue::AutomationValue() : m_variant(EmptyVariant()) {}
AutomationValue::AutomationValue(std::int32_t value) : m_variant(Int32Variant(value)) {}
AutomationValue::AutomationValue(double value) : m_variant(RealVariant(value)) {}
AutomationValue::AutomationValue(std::string_view text) : m_variant(StringVariant(text)) {}
AutomationValue::AutomationValue(IUnknown* object) : m_variant(UnknownVariant(object)) {}

AutomationValue::~AutomationValue() { VariantClear(m_variant); }

AutomationValue::AutomationValue(AutomationValue&& other) noexcept
    : m_variant(std::exchange(other.m_variant, EmptyVariant())) {}

AutomationValue& AutomationValue::operator=(AutomationValue&& other) noexcept {
    if (this != &other) {
        VariantClear(m_variant);
        m_variant = std::exchange(other.m_variant, EmptyVariant());
    }
    return *this;
}

VARIANT* AutomationValue::Receive() {
    VariantClear(m_variant);
    return &m_variant;
}

std::int32_t AutomationValue::AsInt32() const {
    std::int32_t value = 0;
    return Succeeded(ToInt32(m_variant, value)) ? value : 0;
}

std::string AutomationValue::AsString() const {
    return m_variant.vt == VT_BSTR ? std::string(StringView(m_variant.bstrVal)) : std::string();
}

std::span<const std::uint8_t> AutomationValue::AsBytes() const { return ByteArrayView(m_variant); }

} // namespace quillot::com
