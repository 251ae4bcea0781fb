#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "writer/com/automation/AutomationTypes.h"

namespace quillot::com {

// A variant that owns what it holds: the string, the array or a reference to
// the object. The arguments and results of DispatchObject calls.
class AutomationValue {
public:
    AutomationValue();
    AutomationValue(std::int32_t value);
    AutomationValue(double value);
    AutomationValue(std::string_view text);
    AutomationValue(const char* text) : AutomationValue(std::string_view(text)) {}
    AutomationValue(IUnknown* object);
    ~AutomationValue();
    AutomationValue(AutomationValue&& other) noexcept;
    AutomationValue& operator=(AutomationValue&& other) noexcept;
    AutomationValue(const AutomationValue&) = delete;
    AutomationValue& operator=(const AutomationValue&) = delete;

    const VARIANT& Variant() const { return m_variant; }
    // For a call to fill: the old content is freed first.
    VARIANT* Receive();

    VARTYPE Type() const { return m_variant.vt; }
    std::int32_t AsInt32() const;
    std::string AsString() const;
    std::span<const std::uint8_t> AsBytes() const;

private:
    VARIANT m_variant;
};

} // namespace quillot::com
