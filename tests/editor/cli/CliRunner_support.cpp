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
    command += " >" + ShellQuoted((scratch.Path() / "out").string()) + " 2>" +
               ShellQuoted((scratch.Path() / "error").string()) + " </dev/null";
    int status = std::system(command.c_str());
    CliResult result;
    result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadWhole(scratch.Path() / "out");
    result.error = ReadWhole(scratch.Path() / "error");
    return result;
}

} // namespace clitest
