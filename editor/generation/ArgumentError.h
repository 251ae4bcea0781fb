#pragma once

#include <stdexcept>
#include <string>

namespace joyvane {

// A number computed for the writer does not fit the writer's argument: a
// byte outside 0 to 255, or a real beyond the 32-bit range. The call is
// refused before it reaches the writer.
class ArgumentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace joyvane
