#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "writer/com/automation/AutomationTypes.h"

// Making and releasing variants. Every module of the process uses these, so
// that whoever receives a variant can free what another module put in it.
namespace quillot::com {

VARIANT EmptyVariant();
VARIANT Int32Variant(std::int32_t value);
VARIANT RealVariant(double value);
// Null when memory runs out.
VARIANT StringVariant(std::string_view text);
// Adds a reference to `object`, which the variant then holds.
VARIANT UnknownVariant(IUnknown* object);
// A one-dimensional byte array with lower bound 0; an empty variant when
// memory runs out.
VARIANT ByteArrayVariant(std::span<const std::uint8_t> bytes);

// Frees the variant's string or array, releases its object and leaves it empty.
void VariantClear(VARIANT& variant);

// The elements of a byte array variant; empty for any other variant.
std::span<const std::uint8_t> ByteArrayView(const VARIANT& variant);

} // namespace quillot::com
