#include "editor/generation/ArgumentConversion.h"

#include "editor/generation/ArgumentError.h"

#include "writer/com/automation/AutomationConversion.h"
#include "writer/com/automation/Variant.h"

#include <string>

namespace joyvane {

namespace {

// A byte argument is checked from the exact integer the compiler computed.
quillot::com::VARIANT IntegerVariant(std::int64_t value) {
    quillot::com::VARIANT variant = quillot::com::EmptyVariant();
    variant.vt = quillot::com::VT_I8;
    variant.llVal = value;
    return variant;
}

} // namespace

double RoundHalfToEven(double value) { return quillot::com::RoundHalfToEven(value); }

std::int32_t WriterInteger(double value) {
    std::int32_t integer = 0;
    if (quillot::Failed(quillot::com::ToInt32(quillot::com::RealVariant(value), integer)))
        throw ArgumentError("The number " + std::to_string(value) +
                            " does not fit a 32-bit integer argument.");
    return integer;
}

std::uint8_t WriterByte(std::int64_t value) {
    std::uint8_t byte = 0;
    if (quillot::Failed(quillot::com::ToByte(IntegerVariant(value), byte)))
        throw ArgumentError("The number " + std::to_string(value) +
                            " does not fit a byte argument (0 to 255).");
    return byte;
}

} // namespace joyvane
