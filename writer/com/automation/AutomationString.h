#pragma once

#include <cstdint>
#include <string_view>

#include "writer/com/automation/AutomationTypes.h"

// Strings that cross the automation boundary (see BSTR).
namespace quillot::com {

// A new string holding `text`; null when memory runs out.
BSTR AllocString(std::string_view text);
// Frees a string made by AllocString; null is allowed.
void FreeString(BSTR text);
// The bytes of the string, without its terminating 0; empty for null.
std::string_view StringView(const char* text);

} // namespace quillot::com
