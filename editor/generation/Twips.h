#pragma once

#include <cstdint>

namespace joyvane {

// Pixels to twips (20 to the pixel) and sums of twips, in 32-bit arithmetic
// that throws std::overflow_error instead of wrapping around.
std::int32_t ToTwips(std::int32_t pixels);
std::int32_t AddTwips(std::int32_t first, std::int32_t second);

} // namespace joyvane
