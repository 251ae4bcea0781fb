#pragma once

#include <string>
#include <vector>

#include "writer/com/automation/AutomationConversion.h"

// Helpers the classes share to turn their strings and byte results into
// automation values.
namespace quillot::com {

// Both strings in the writer's form, stopping at the first that fails.
HRESULT ToTexts(const char* first, std::string& firstText, const char* second,
                std::string& secondText);

// A new string for `text` in `*out`; E_POINTER without `out`, E_OUTOFMEMORY
// when no string can be made.
HRESULT ReturnString(const std::string& text, BSTR* out);

// The bytes of a file as a byte array in `*out` when `status` is S_OK; an
// empty variant otherwise (the file could not be read), which tells it apart
// from an empty file.
HRESULT ReturnBytes(HRESULT status, const std::vector<std::uint8_t>& bytes, VARIANT* out);

} // namespace quillot::com
