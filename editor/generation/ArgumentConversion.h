#pragma once

#include <cstdint>

namespace joyvane {

// Every number the compilers hand to the writer passes here, converted by
// the same rules as the automation arguments of any other client of the
// writer: reals are rounded to the nearest integer with halves going to the
// even neighbour (2.5 gives 2, 3.5 gives 4), and a value that does not fit
// its argument throws ArgumentError.

double RoundHalfToEven(double value);

std::int32_t WriterInteger(double value);
std::uint8_t WriterByte(std::int64_t value);

} // namespace joyvane
