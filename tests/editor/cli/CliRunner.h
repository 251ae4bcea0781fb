#pragma once

#include "support/ScratchFolder.h"

// Runs the built joyvane-cli program, as a user would, and collects what it
// printed and its exit status.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace clitest {

struct CliResult {
    int exitStatus = -1;
    std::string out;
    std::string error;
    std::vector<std::string> outLines() const;
    std::vector<std::string> errorLines() const;
};

CliResult RunCli(const std::vector<std::string>& arguments);

using testsupport::ScratchFolder;

} // namespace clitest
