#pragma once

namespace joyvane {

// The random numbers of the effects that ask for them (random text colours,
// picture shakes). Injected, so that tests can script the draws.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    // Called where the effects start afresh from the clock.
    virtual void Reseed() = 0;
    // A number from 0 to bound - 1; bound is at least 1.
    virtual int Next(int bound) = 0;
};

} // namespace joyvane
