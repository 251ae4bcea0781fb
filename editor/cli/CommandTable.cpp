#include "editor/cli/Command.h"

namespace cli {

// Each subcommand lives in its own source file; it is registered here with
// its declaration and one row of the table.
int RunDump(CommandContext& context);

namespace {

constexpr Command Table[] = {
    {"dump", "MOVIE.swf", "print a movie's header and its tags, frame by frame", RunDump},
};

} // namespace

std::span<const Command> Commands() {
    return Table;
}

} // namespace cli
