#pragma once

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

// A fresh folder for one test's files, removed with the object.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path Write(const std::string& name, const std::vector<uint8_t>& bytes) const;

private:
    std::filesystem::path m_path;
};

} // namespace clitest
