#include "CliRunner.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <fstream>
#include <random>
#include <sstream>

namespace clitest {

namespace {

std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char letter : text) {
        quoted += letter == '\'' ? std::string("'\\''") : std::string(1, letter);
    }
    return quoted + "'";
}

std::string ReadWhole(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

} // namespace

std::vector<std::string> CliResult::outLines() const {
    return Lines(out);
}

std::vector<std::string> CliResult::errorLines() const {
    return Lines(error);
}

CliResult RunCli(const std::vector<std::string>& arguments) {
    ScratchFolder scratch;
    std::string command = ShellQuoted(std::string(JOYVANE_BIN_DIR) + "/joyvane-cli");
    for (const std::string& argument : arguments) {
        command += " " + ShellQuoted(argument);
    }
    command += " >" + ShellQuoted((scratch.path() / "out").string()) + " 2>" +
               ShellQuoted((scratch.path() / "error").string()) + " </dev/null";
    int status = std::system(command.c_str());
    CliResult result;
    result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadWhole(scratch.path() / "out");
    result.error = ReadWhole(scratch.path() / "error");
    return result;
}

ScratchFolder::ScratchFolder() {
    std::random_device random;
    m_path = std::filesystem::temp_directory_path() /
             ("joyvane-cli-test-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(m_path);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::filesystem::path ScratchFolder::Write(const std::string& name,
                                           const std::vector<uint8_t>& bytes) const {
    std::filesystem::path file = m_path / name;
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return file;
}

} // namespace clitest
