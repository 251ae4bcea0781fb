#pragma once

#include "editor/generation/RandomSource.h"

#include <random>

namespace joyvane {

// Random numbers seeded from the high-resolution clock.
class ClockRandomSource final : public RandomSource {
public:
    ClockRandomSource();

    void Reseed() override;
    int Next(int bound) override;

private:
    // Small and quick to reseed: effects reseed on every frame of a run.
    std::minstd_rand m_generator;
};

} // namespace joyvane
