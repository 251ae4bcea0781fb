#pragma once

#include <cstdint>
#include <string>

#include "writer/com/automation/AutomationTypes.h"
#include "writer/com/automation/ResultCodes.h"

// The one place where automation values become the writer's argument types,
// whoever the caller is. Integers of any width pass when they fit; reals are
// rounded to the nearest integer, halves to the even neighbour, so 2.5 gives
// 2, 3.5 gives 4 and -2.5 gives -2. A value that does not fit its parameter
// (256 for a byte) fails with DISP_E_OVERFLOW and anything that is not a
// number with DISP_E_TYPEMISMATCH, so a bad value never reaches the writer.
namespace quillot::com {

double RoundHalfToEven(double value);

HRESULT ToInt32(const VARIANT& argument, std::int32_t& value);
HRESULT ToInt16(const VARIANT& argument, std::int16_t& value);
HRESULT ToByte(const VARIANT& argument, std::uint8_t& value);
// A string argument, borrowed from the variant; empty and null variants
// give a null string.
HRESULT ToString(const VARIANT& argument, BSTR& value);
// An object argument, borrowed from the variant; empty and null variants
// give no object.
HRESULT ToUnknown(const VARIANT& argument, IUnknown*& value);

// The writer's form of a string: its UTF-8 bytes. A string with a 0 byte
// inside is refused with E_INVALIDARG, since the writer would cut file names
// and texts short there.
HRESULT ToText(const char* string, std::string& text);

} // namespace quillot::com
