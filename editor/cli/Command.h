#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// What a subcommand gets: its own arguments (after the subcommand's name) and
// the streams to write to. It returns the program's exit status.
struct CommandContext {
    std::vector<std::string> arguments;
    std::ostream& out;
    std::ostream& error;
};

using CommandFunction = int (*)(CommandContext& context);

struct Command {
    std::string_view name;
    std::string_view usage;   // arguments, as shown after the name
    std::string_view summary; // one line for --help
    CommandFunction run;
};

// Exit statuses shared by all subcommands.
inline constexpr int ExitSuccess = 0;
inline constexpr int ExitFailure = 1; // the input was bad or an operation failed
inline constexpr int ExitUsage = 2;   // the command line was wrong

// Every subcommand, in the order --help lists them.
std::span<const Command> Commands();

} // namespace cli
