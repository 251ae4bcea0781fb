#pragma once

#include <stdexcept>
#include <string>

namespace joyvane {

// The writer refused an operation (or could not write the movie file).
class WriterError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace joyvane
