// joyvane-cli: the headless front end of Joyvane. Subcommands are listed in
// CommandTable.cpp.
#include "editor/cli/Command.h"

#include <algorithm>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace {

// Each command's call is padded to the longest one, so the summaries line up.
void PrintHelp(std::ostream& out) {
    std::vector<std::string> calls;
    size_t width = std::string_view("--help").size();
    for (const cli::Command& command : cli::Commands()) {
        calls.push_back(std::string(command.name) + " " + std::string(command.usage));
        width = std::max(width, calls.back().size());
    }
    auto row = [&out, width](const std::string& call, std::string_view summary) {
        out << "  " << call << std::string(width + 2 - call.size(), ' ') << summary << "\n";
    };
    out << "Usage: joyvane-cli COMMAND [ARGUMENTS]\n\nCommands:\n";
    for (size_t index = 0; index < calls.size(); ++index) {
        row(calls[index], cli::Commands()[index].summary);
    }
    out << "\nOptions:\n";
    row("--help", "show this list");
}

const cli::Command* FindCommand(std::string_view name) {
    auto commands = cli::Commands();
    auto found = std::find_if(commands.begin(), commands.end(),
                              [name](const cli::Command& command) { return command.name == name; });
    return found == commands.end() ? nullptr : &*found;
}

} // namespace

int main(int argumentCount, char** argumentValues) {
    std::vector<std::string> arguments(argumentValues + 1, argumentValues + argumentCount);
    if (arguments.empty()) {
        PrintHelp(std::cerr);
        return cli::ExitUsage;
    }
    if (arguments[0] == "--help" || arguments[0] == "-h" || arguments[0] == "help") {
        PrintHelp(std::cout);
        return cli::ExitSuccess;
    }
    const cli::Command* command = FindCommand(arguments[0]);
    if (!command) {
        std::cerr << "joyvane-cli: unknown command '" << arguments[0] << "' (try --help)\n";
        return cli::ExitUsage;
    }
    cli::CommandContext context{{arguments.begin() + 1, arguments.end()}, std::cout, std::cerr};
    try {
        return command->run(context);
    } catch (const std::exception& error) {
        std::cerr << "joyvane-cli " << command->name << ": " << error.what() << "\n";
        return cli::ExitFailure;
    }
}
