#include "editor/generation/Twips.h"

#include <stdexcept>

namespace joyvane {

std::int32_t ToTwips(std::int32_t pixels) {
    std::int32_t twips = 0;
    if (__builtin_mul_overflow(pixels, 20, &twips))
        throw std::overflow_error("The position or size " + std::to_string(pixels) +
                                  " pixels is too large.");
    return twips;
}

std::int32_t AddTwips(std::int32_t first, std::int32_t second) {
    std::int32_t sum = 0;
    if (__builtin_add_overflow(first, second, &sum))
        throw std::overflow_error("A position plus a size leaves the stage's range.");
    return sum;
}

} // namespace joyvane
