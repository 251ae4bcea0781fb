// joyvane-cli compile CARD.jvd [-o MOVIE.swf]: compiles a saved card, with
// its media files beside it, into a movie.
#include "editor/cli/Command.h"

#include "editor/generation/ClockRandomSource.h"
#include "editor/generation/HeadlessHost.h"
#include "editor/generation/QuillotPool.h"
#include "editor/generation/TFlashCard.h"

#include "editor/document/CardDocument.h"
#include "editor/document/FileReplacement.h"
#include "editor/document/TempFolder.h"

#include "viewer/swf/Movie.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <unistd.h>

namespace cli {

namespace {

constexpr std::string_view kUsage = "Usage: joyvane-cli compile CARD.jvd [-o MOVIE.swf]\n";

// An editor may be open on this machine, and its working copy and working
// movie live in the shared temporary folder; a compile therefore works in a
// folder of its own, removed when it is done.
class PrivateFolder {
public:
    PrivateFolder() {
        std::string pattern = (joyvane::TempFolder() / "joyvane-compile-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot make a temporary folder in " +
                                     joyvane::TempFolder().string());
        m_path = pattern;
    }
    ~PrivateFolder() {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
    }
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

struct CompileArguments {
    std::filesystem::path card;
    std::filesystem::path movie;
};

std::optional<CompileArguments> ParseArguments(const std::vector<std::string>& arguments) {
    CompileArguments parsed;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        if (arguments[index] == "-o" && index + 1 < arguments.size() && parsed.movie.empty())
            parsed.movie = arguments[++index];
        else if (arguments[index] != "-o" && parsed.card.empty())
            parsed.card = arguments[index];
        else
            return std::nullopt;
    }
    if (parsed.card.empty())
        return std::nullopt;
    if (parsed.movie.empty())
        parsed.movie = std::filesystem::path(parsed.card).replace_extension(".swf");
    return parsed;
}

// The movie replaces an older one only once it is written whole.
void Compile(const CompileArguments& arguments, joyvane::HeadlessHost& host) {
    PrivateFolder workingFolder;
    joyvane::CardDocument document(workingFolder.Path());
    document.Open(arguments.card);
    joyvane::ClockRandomSource random;
    joyvane::TFlashCard driver(document, std::make_unique<joyvane::QuillotPool>(), random, host);
    joyvane::FileReplacement movie(arguments.movie, [&](const std::filesystem::path& file) {
        driver.MakeSwf(file);
    });
    movie.Commit();
}

} // namespace

int RunCompile(CommandContext& context) {
    if (context.arguments.size() == 1 && context.arguments[0] == "--help") {
        context.out << kUsage;
        return ExitSuccess;
    }
    const std::optional<CompileArguments> arguments = ParseArguments(context.arguments);
    if (!arguments) {
        context.error << "joyvane-cli compile: expected one card file and at most one -o MOVIE.swf ("
                      << kUsage.substr(0, kUsage.size() - 1) << ")\n";
        return ExitUsage;
    }
    joyvane::HeadlessHost host;
    try {
        Compile(*arguments, host);
    } catch (const std::exception& error) {
        context.error << "joyvane-cli compile: " << arguments->card.string() << ": "
                      << error.what() << "\n";
        return ExitFailure;
    }
    for (const joyvane::HeadlessHost::Report& report : host.Reports())
        context.error << "joyvane-cli compile: warning: " << report.objectName << ": "
                      << report.message << "\n";
    const swf::Header header = swf::ReadMovieFile(arguments->movie).header;
    context.out << "wrote " << arguments->movie.string() << " (" << header.frameCount
                << " frames, " << header.fileLength << " bytes)\n";
    return ExitSuccess;
}

} // namespace cli
