#include "editor/generation/ClockRandomSource.h"

#include <chrono>

namespace joyvane {

namespace {

unsigned ClockTicks() {
    return static_cast<unsigned>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

} // namespace

ClockRandomSource::ClockRandomSource() : m_generator(ClockTicks()) {}

// Reseeds run many times within one clock tick; mixing in the generator's
// own next number keeps them from replaying the same draws.
void ClockRandomSource::Reseed() {
    m_generator.seed(ClockTicks() ^ static_cast<unsigned>(m_generator()));
}

int ClockRandomSource::Next(int bound) {
    return std::uniform_int_distribution<int>(0, bound - 1)(m_generator);
}

} // namespace joyvane
