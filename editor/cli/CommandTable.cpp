#include "editor/cli/Command.h"

namespace cli {

// Each subcommand lives in its own source file; it is registered here with
// its declaration and one row of the table.
int RunDump(CommandContext& context);
int RunCompile(CommandContext& context);
int RunRegister(CommandContext& context);
int RunUnregister(CommandContext& context);

namespace {

constexpr Command Table[] = {
    {"dump", "MOVIE.swf", "print a movie's header and its tags, frame by frame", RunDump},
    {"compile", "CARD.jvd [-o MOVIE.swf]", "compile a saved card into a movie", RunCompile},
    {"register", "", "register the writer library beside the program for this user", RunRegister},
    {"unregister", "", "remove the writer library's registration", RunUnregister},
};

} // namespace

std::span<const Command> Commands() {
    return Table;
}

} // namespace cli
